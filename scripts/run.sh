#!/usr/bin/env bash
# Builds Quorix and starts it from its program folder build/app/.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh
cmake -S . -B build
cmake --build build -j2
exec build/app/quorix
