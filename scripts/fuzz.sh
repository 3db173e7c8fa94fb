#!/usr/bin/env bash
# Fuzzes the core for as long as wanted: builds the fuzz build (build-fuzz/, clang with libFuzzer,
# ASan and UBSan) and runs each target of tests/fuzz for SECONDS (default 600) from its corpus, one
# after another. New inputs are kept in build-fuzz/tests/fuzz/corpus/, so later runs (the test
# command's among them) start from what this one found; a finding is written to
# build-fuzz/tests/fuzz/findings/ and stops the script with a non-zero status.
# Usage: scripts/fuzz.sh [SECONDS] [TARGET...]   (targets: verbdatabase translationdatabase
# russiansearchindex querycache pagecommands htmltext pagerenderer)
set -euo pipefail
cd "$(dirname "$0")/.."

seconds=${1:-600}
shift || true
targets=("$@")
if [ ${#targets[@]} -eq 0 ]; then
  targets=(verbdatabase translationdatabase russiansearchindex querycache pagecommands htmltext pagerenderer)
fi

scripts/install-deps.sh
cmake -S . -B build-fuzz -DQUORIX_FUZZ=ON -DCMAKE_CXX_COMPILER=clang++
cmake --build build-fuzz -j2

for target in "${targets[@]}"; do
  # The test command's run of the target (tests/fuzz/CMakeLists.txt), bounded by time instead of
  # by runs, with a seed of its own each time.
  command=$(ctest --test-dir build-fuzz -R "^fuzz\.${target}\$" --show-only=json-v1 |
    python3 -c 'import json, sys; print("\0".join(json.load(sys.stdin)["tests"][0]["command"]), end="")' |
    tr '\0' '\n' | grep -v -e '^-runs=' -e '^-seed=')
  mapfile -t argv <<< "$command"
  echo "== $target: ${seconds} s"
  "${argv[@]}" -max_total_time="$seconds"
done
