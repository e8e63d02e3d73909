#!/usr/bin/env bash
# bench/pipeline.sh [BUILD_DIR]
#
# Times the batch tool end to end on generated stations of 32,000 and 100,000 days with
# hyperfine, and its peak memory with GNU time, beside the cost of starting the process at
# all (etp --version); then runs the stage benchmarks of etp_bench (read, auto find,
# compute, format, write), which give every stage as a multiple of its floor. BUILD_DIR (default
# build) is configured as a Release build when it does not exist yet; etp and etp_bench
# are built in it. STAGES=0 skips the stage benchmarks, RUNS sets hyperfine's runs, and
# ETP=PATH times another etp program (an older build, say) on the same stations.
#
# The stations (see bench/BenchStation.h for why the dates differ):
#   32,000 days  01/01/1900 on (four-digit years): all twelve methods and all six model
#                files take it.
#   100,000 days 01/01/30 on, two-digit years passing from 99 to 00 (and from 29 back to
#                30 through the pivot): all twelve methods take it. The CREAMS table
#                (at most 36,500 days), which etp builds before either CREAMS file, and
#                the LEACHM weekly file (at most 32,766 days) refuse it, so that run
#                writes the LEACHM rain file and both MACRO files.
set -euo pipefail
cd "$(dirname "$0")/.."
. tools/deps.sh
etp_install_missing hyperfine time

build=${1:-build}
runs=${RUNS:-30}
. bench/common.sh
bench_build "$build" etp etp_bench
etp=$(realpath "${ETP:-$build/bin/etp}")
bench=$(realpath "$build/bin/etp_bench")

bench_workdir pipeline
"$bench" --write-station "$work/station-32k.txt" 32000 1900
"$bench" --write-station "$work/station-100k.txt" 100000 from30

station=(--lat 44.5 --alt 120 --wind-height 10)
all_methods="--method PenFAO --method PFAOnocorr --method PenMon --method P-T --method PFAOrad --method PFAOsun"
all_methods+=" --method Hargr. --method Turc --method Thornt. --method 'P-T extrad' --method Bl-Cr --method PotRad"
six_files="--creams-tr $work/o.tr --creams-rain $work/oc.rn --leachm-rain $work/ol.rn --leachm-etp $work/ol.etp"
six_files+=" --macro-rain $work/om.rn --macro-etp $work/om.etp --leachm-et PenMon --macro-et PenMon"
three_files="--leachm-rain $work/ol.rn --macro-rain $work/om.rn --macro-etp $work/om.etp --macro-et PenMon"

# name|rows|target ms|command line
runs_table=(
    "start (etp --version)|-|-|$etp --version"
    "PenMon, -o|32000|25|$etp $work/station-32k.txt ${station[*]} --method PenMon -o $work/out.txt"
    "12 methods, 6 model files, -o|32000|80|$etp $work/station-32k.txt ${station[*]} $all_methods $six_files -o $work/out.txt"
    "PenMon, -o|100000|-|$etp $work/station-100k.txt ${station[*]} --method PenMon -o $work/out.txt"
    "12 methods, 3 model files, -o|100000|-|$etp $work/station-100k.txt ${station[*]} $all_methods $three_files -o $work/out.txt"
)

results=()
for entry in "${runs_table[@]}"; do
    IFS='|' read -r name rows target command <<<"$entry"
    # Every run must succeed: a refusal would time a shorter pipeline.
    if ! bash -c "$command" >/dev/null 2>"$work/err"; then
        echo "etp failed ($name, $rows days):" >&2
        cat "$work/err" >&2
        exit 1
    fi
    hyperfine --style basic --warmup 3 --runs "$runs" --export-csv "$work/h.csv" "$command" >/dev/null
    # command,mean,stddev,median,user,system,min,max (seconds)
    timing=$(tail -n 1 "$work/h.csv" | awk -F, '{ printf "%.1f %.1f %.1f %.1f", $(NF-6)*1e3, $(NF-4)*1e3, $(NF-1)*1e3, $(NF-5)*1e3 }')
    /usr/bin/time -v -o "$work/time" bash -c "exec $command" >/dev/null 2>&1
    rss=$(awk -F: '/Maximum resident set size/ { printf "%.1f", $2 / 1024 }' "$work/time")
    results+=("$name|$rows|$target|$timing|$rss")
done

echo
echo "etp end to end (hyperfine, $runs runs after 3 warm-up runs; peak RSS from /usr/bin/time -v)"
printf '%-32s %7s %9s %9s %9s %9s %8s %7s\n' run rows "mean ms" "median ms" "min ms" "+/- ms" "RSS MB" "target"
for line in "${results[@]}"; do
    IFS='|' read -r name rows target timing rss <<<"$line"
    read -r mean median min sd <<<"$timing"
    verdict=""
    if [ "$target" != - ]; then
        verdict=$(awk -v m="$median" -v t="$target" -v r="$rss" 'BEGIN { print (m < t && r < 40) ? "met" : "missed" }')
        verdict="<${target}ms $verdict"
    fi
    printf '%-32s %7s %9s %9s %9s %9s %8s %s\n' "$name" "$rows" "$mean" "$median" "$min" "$sd" "$rss" "$verdict"
done

if [ "${STAGES:-1}" != 0 ]; then
    echo
    echo "Stages (etp_bench; min ms is the fastest run, x floor its multiple of the floor)"
    "$bench" --benchmark_min_time=0.3 --benchmark_format=console 2>/dev/null | sed -n '/^stage /,$p'
fi
