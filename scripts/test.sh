#!/usr/bin/env bash
# Builds Quorix and runs every test: the normal build (all targets, all tests, the window's under
# Xvfb), then again under AddressSanitizer + UndefinedBehaviorSanitizer and under ThreadSanitizer,
# which catch what a passing run can hide (reads past a damaged file's end, races between the list
# worker and the window, a reader freed while a fill still runs). The address build keeps the window
# with its offscreen tests (closing during a fill among them), not the web engine's; the thread build
# leaves the window out, since Qt is not built with that sanitizer and would only report its own
# synchronisation. Last, the fuzz build (clang, libFuzzer) runs each fuzz target of tests/fuzz for
# 200000 runs and fails on any finding. Exits non-zero at the first failure.
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
  run_build build-asan -DQUORIX_SANITIZE=ON -DQUORIX_BENCHMARKS=OFF
  run_build build-tsan -DQUORIX_TSAN=ON -DQUORIX_BENCHMARKS=OFF -DQUORIX_SHELL=OFF
  run_build build-fuzz -DQUORIX_FUZZ=ON -DCMAKE_CXX_COMPILER=clang++
fi
