#!/usr/bin/env bash
# Installs what is missing, builds what the program needs to run, and starts it.
#   scripts/run.sh            starts QAV-750
#   scripts/run.sh QAV-730    starts the other program once it is built
# Only the program and the default data shipped beside it are built, in the
# same configuration as the test script's: after a test run this is at most a
# link step.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
program=${1:-QAV-750}
# QAV-750 -> qav750_default_data_file
lower=${program,,}
scripts/build.sh normal "$program" "${lower//-/}_default_data_file"
exec "build/normal/bin/$program"
