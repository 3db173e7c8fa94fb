#!/usr/bin/env bash
# Builds Quorix and runs every test: the normal build (all targets, all tests, the window's under
# Xvfb), then the core again under AddressSanitizer + UndefinedBehaviorSanitizer and under
# ThreadSanitizer, which catch what a passing run can hide (reads past a damaged file's end, races
# between the list worker and the window). The sanitizer builds leave out the Qt window: Qt and its
# web engine are not built with the sanitizers, and rebuilding the shell twice more would only
# lengthen the run. Exits non-zero at the first failure.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh

jobs=2
run_build() {
  local dir=$1
  shift
  cmake -S . -B "$dir" "$@"
  cmake --build "$dir" -j"$jobs"
  ctest --test-dir "$dir" --output-on-failure -j"$jobs"
}

run_build build
if [ "${QUORIX_SKIP_SANITIZERS:-0}" != 1 ]; then
  run_build build-asan -DQUORIX_SANITIZE=ON -DQUORIX_BENCHMARKS=OFF -DQUORIX_SHELL=OFF
  run_build build-tsan -DQUORIX_TSAN=ON -DQUORIX_BENCHMARKS=OFF -DQUORIX_SHELL=OFF
fi
