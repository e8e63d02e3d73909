#!/bin/sh
# Builds the .xls reader's libFuzzer target with clang under AddressSanitizer and runs it
# from the seed corpus for SECONDS (600 unless given). Needs clang and libclang-rt-14-dev.
#   fuzz/run.sh [SECONDS]
# New inputs collect in build-fuzz/corpus, crashes in build-fuzz/crashes.
set -eu
here=$(cd "$(dirname "$0")" && pwd)
root=$(dirname "$here")
build=$root/build-fuzz
. "$root/tools/deps.sh"
etp_install_missing clang libclang-rt-14-dev
CXX=clang++ cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DETP_BUILD_FUZZ=ON \
    -DETP_BUILD_TESTS=OFF -DETP_BUILD_BENCH=OFF -DETP_BUILD_GUI=OFF >/dev/null
ninja -C "$build" xls_fuzz
mkdir -p "$build/corpus" "$build/crashes"
exec "$build/bin/xls_fuzz" -max_total_time="${1:-600}" -rss_limit_mb=2048 -max_len=131072 -timeout=10 \
    -artifact_prefix="$build/crashes/" "$build/corpus" "$here/corpus"
