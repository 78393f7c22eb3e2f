#!/usr/bin/env bash
# Configures and builds one configuration: scripts/build.sh [normal|asan]
set -euo pipefail
cd "$(dirname "$0")/.."
config=${1:-normal}
case $config in
  normal) flags=(-DCMAKE_BUILD_TYPE=RelWithDebInfo) ;;
  asan)   flags=(-DCMAKE_BUILD_TYPE=Debug -DQAV_SANITIZE=ON) ;;
  *) echo "usage: $0 [normal|asan]" >&2; exit 2 ;;
esac
werror=OFF
[ -n "${CI:-}" ] && werror=ON
cmake -S . -B "build/$config" -G Ninja -DQAV_WERROR="${QAV_WERROR:-$werror}" "${flags[@]}" >/dev/null
cmake --build "build/$config"
