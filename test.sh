#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test with CTest.
set -euo pipefail
cd "$(dirname "$0")"
. tools/deps.sh
etp_install_missing
etp_build build -DETP_WERROR=ON
# The desktop tests need no display.
export QT_QPA_PLATFORM=${QT_QPA_PLATFORM:-offscreen}
etp_phase "Testing build"
ctest --test-dir build --output-on-failure -j 2

# Every test again under AddressSanitizer and UndefinedBehaviorSanitizer, the desktop
# tests included: any leak, overflow, bad read or undefined arithmetic stops the run.
etp_build build-asan -DCMAKE_BUILD_TYPE=RelWithDebInfo -DETP_BUILD_BENCH=OFF -DETP_WERROR=ON \
    "-DCMAKE_CXX_FLAGS=-fsanitize=address,undefined -fno-sanitize-recover=undefined -fno-omit-frame-pointer"
# The set-up check looks at packages, not at code: once is enough.
etp_phase "Testing build-asan (sanitizers)"
ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1 \
    ctest --test-dir build-asan --output-on-failure -j 2 -LE setup
