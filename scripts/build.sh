#!/usr/bin/env bash
# Configures and builds one configuration:
#   scripts/build.sh [normal|asan] [TARGET...]
# Without targets everything is built, tests included. Every caller configures
# a folder with the same options (warnings are errors everywhere, as in CI),
# so the run script and the test script share build/normal: neither one
# undoes what the other has built.
set -euo pipefail
cd "$(dirname "$0")/.."
config=${1:-normal}
[ $# -gt 0 ] && shift
case $config in
  normal) flags=(-DCMAKE_BUILD_TYPE=RelWithDebInfo) ;;
  asan)   flags=(-DCMAKE_BUILD_TYPE=Debug -DQAV_SANITIZE=ON) ;;
  *) echo "usage: $0 [normal|asan] [target...]" >&2; exit 2 ;;
esac
cmake -S . -B "build/$config" -G Ninja -DQAV_WERROR="${QAV_WERROR:-ON}" "${flags[@]}" >/dev/null
targets=()
for target in "$@"; do targets+=(--target "$target"); done
cmake --build "build/$config" "${targets[@]}"
