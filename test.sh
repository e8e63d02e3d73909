#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test with CTest.
set -euo pipefail
cd "$(dirname "$0")"
. tools/deps.sh
etp_install_missing
etp_build build -DETP_WERROR=ON
# The desktop tests need no display.
export QT_QPA_PLATFORM=${QT_QPA_PLATFORM:-offscreen}
ctest --test-dir build --output-on-failure -j 2
