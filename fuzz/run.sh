#!/usr/bin/env bash
# Builds a libFuzzer target with clang under AddressSanitizer and UndefinedBehaviorSanitizer
# and runs it from its seed corpus for SECONDS (600 unless given). Needs clang and
# libclang-rt-14-dev.
#   fuzz/run.sh TARGET [SECONDS]
# TARGET: xls (the .xls reader), xlsx (the .xlsx reader), ods (the .ods reader), value (NumericValue and DateParts), text (the text
# import and the saved sheet read again), autofind, pattern (number patterns and the
# blanking of leading zeros), compute (a whole Compute), creams, leachm, macro (each
# model's writers), batch (a weather text file through the whole batch tool).
# New inputs collect in build-fuzz/corpus (xls) or build-fuzz/corpus-TARGET, crashes in
# build-fuzz/crashes.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
root=$(dirname "$here")
build=$root/build-fuzz
. "$root/tools/deps.sh"
etp_install_missing clang libclang-rt-14-dev
case ${1:-} in [0-9]*) set -- xls "$1" ;; esac # the older form: fuzz/run.sh SECONDS
target=${1:-xls}
case $target in
xls) seeds=$here/corpus max_len=131072 work=$build/corpus ;;
ods) seeds=$here/corpus-ods max_len=65536 work=$build/corpus-ods ;;
value | pattern) seeds=$here/corpus-$target max_len=64 work=$build/corpus-$target ;;
batch | text | autofind) seeds=$here/corpus-$target max_len=4096 work=$build/corpus-$target ;;
compute | creams | leachm | macro) seeds=$here/corpus-$target max_len=8192 work=$build/corpus-$target ;;
xlsx) seeds=$here/corpus-$target max_len=65536 work=$build/corpus-$target ;;
*) echo "usage: fuzz/run.sh xls|xlsx|ods|value|text|autofind|pattern|compute|creams|leachm|macro|batch [SECONDS]" >&2; exit 2 ;;
esac
CXX=clang++ cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DETP_BUILD_FUZZ=ON \
    -DETP_BUILD_TESTS=OFF -DETP_BUILD_BENCH=OFF -DETP_BUILD_GUI=OFF >/dev/null
ninja -C "$build" "${target}_fuzz"
mkdir -p "$work" "$build/crashes"
exec "$build/bin/${target}_fuzz" -max_total_time="${2:-600}" -rss_limit_mb=2048 -max_len=$max_len -timeout=10 \
    -artifact_prefix="$build/crashes/" "$work" "$seeds"
