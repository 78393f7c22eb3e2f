#!/usr/bin/env bash
# Installs what is missing, builds the normal and the sanitizer configuration
# with warnings as errors, and runs every test in both.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
export QT_QPA_PLATFORM=offscreen
export ASAN_OPTIONS=${ASAN_OPTIONS:-detect_leaks=1:abort_on_error=1}
export LSAN_OPTIONS=${LSAN_OPTIONS:-suppressions=$PWD/tests/lsan.supp:print_suppressions=0}
export UBSAN_OPTIONS=${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}
jobs=$(nproc)
for config in normal asan; do
  echo "== $config build"
  scripts/build.sh "$config"
  echo "== $config tests"
  ctest --test-dir "build/$config" --output-on-failure -j "$jobs"
done
