#!/usr/bin/env bash
# Installs what is missing, builds, and starts the programming software.
#   scripts/run.sh            starts QAV-750
#   scripts/run.sh QAV-730    starts the other program once it is built
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
scripts/build.sh normal
program=${1:-QAV-750}
exec "build/normal/bin/$program"
