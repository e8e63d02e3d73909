#!/usr/bin/env bash
# bench/stations.sh [BUILD_DIR]
#
# Times etp --stations on a network of 40 generated stations of 10 years each (the
# benchmarks' station, 01/01/1900 on, at 40 latitudes and altitudes), every method and
# the six model files: once with --jobs 1, once with the default jobs (one per
# processor), and as a shell loop of single etp runs writing the same files. Prints
# the totals, the speed-up of the default jobs over --jobs 1 (goal: at least 1.8 on two
# processors) and of --jobs 1 over the loop (goal: above 1). Each figure is the fastest
# of RUNS runs (default 5). STATIONS sets another number of stations (at most 400).
# BUILD_DIR (default build) is configured as a Release build when it does not exist yet.
set -euo pipefail
cd "$(dirname "$0")/.."

build=${1:-build}
runs=${RUNS:-5}
stations=${STATIONS:-40}
. bench/common.sh
bench_build "$build" etp etp_bench
etp=$(realpath "$build/bin/etp")
bench=$(realpath "$build/bin/etp_bench")

bench_workdir stations
mkdir "$work/series"
"$bench" --write-station "$work/station.txt" 3650 1900
table="$work/stations.csv"
echo "file,name,lat,alt,wind_height" >"$table"
for ((i = 0; i < stations; i++)); do
    name=$(printf 's%03d' "$i")
    cp "$work/station.txt" "$work/series/$name.txt"
    # 30 to 59.85 N, 0 to 1990 m, wind at 10 m at every other station.
    echo "series/$name.txt,$name,$(awk -v i="$i" 'BEGIN { printf "%.2f", 30 + i * 0.15 }'),$((i * 10)),$((i % 2 ? 2 : 10))" >>"$table"
done

# Every method, by the labels etp --help lists ("--method TEXT:{PenFAO,...,ASCE tall} ...").
methods=()
IFS=',' read -ra labels <<<"$("$etp" --help | sed -n 's/^ *--method TEXT:{\([^}]*\)}.*/\1/p')"
[ ${#labels[@]} -gt 1 ] || { echo "no method labels in etp --help" >&2; exit 1; }
for label in "${labels[@]}"; do methods+=(--method "$label"); done
endings=(creams.tr creams.rn leachm.rn leachm.etp macro.rn macro.etp)
files() { # PREFIX: the six model file options, the files named PREFIX.ENDING
    echo "--creams-tr $1.creams.tr --creams-rain $1.creams.rn --leachm-rain $1.leachm.rn --leachm-etp $1.leachm.etp" \
        "--macro-rain $1.macro.rn --macro-etp $1.macro.etp --leachm-et PenMon --macro-et PenMon"
}

children_cpu() { # FILE: processor seconds (user + system) of the shell's finished children in `times` output
    tail -n 1 "$1" | awk '{ n = 0; for (i = 1; i <= 2; i++) { split($i, p, /[ms]/); n += p[1] * 60 + p[2] } print n }'
}

fastest() { # COMMAND...: "WALL CPU" of the fastest of $runs runs [s]; every run must succeed
    local best="" cpu=""
    for ((r = 0; r < runs; r++)); do
        rm -rf "$work/out" && mkdir "$work/out"
        local start end before after
        times >"$work/times"
        before=$(children_cpu "$work/times")
        start=$(date +%s.%N)
        if ! "$@" >"$work/stdout" 2>"$work/stderr"; then
            echo "failed: $*" >&2
            tail -5 "$work/stderr" >&2
            exit 1
        fi
        end=$(date +%s.%N)
        times >"$work/times"
        after=$(children_cpu "$work/times")
        read -r best cpu < <(awk -v b="$best" -v c="$cpu" -v s="$start" -v e="$end" -v x="$before" -v y="$after" \
            'BEGIN { t = e - s; if (b == "" || t < b) print t, y - x; else print b, c }')
    done
    echo "$best $cpu"
}

network() { # JOBS...
    # shellcheck disable=SC2046
    "$etp" --stations "$table" --out-dir "$work/out" "${methods[@]}" $(files "" | sed 's/ \./ /g') "$@"
}
loop() {
    while IFS=, read -r file name lat alt height; do
        [ "$file" = file ] && continue
        # shellcheck disable=SC2046
        "$etp" "$work/$file" --lat "$lat" --alt "$alt" --wind-height "$height" "${methods[@]}" \
            $(files "$work/out/$name") -o "$work/out/$name.txt" --summary "$work/out/$name.summary.txt" || return 1
    done <"$table"
}

read -r one one_cpu < <(fastest network --jobs 1)
read -r all all_cpu < <(fastest network)
read -r shell shell_cpu < <(fastest loop)
cores=$(nproc)

echo
echo "etp --stations: $stations stations x 3650 days, ${#labels[@]} methods, 6 model files, sheet and summary (fastest of $runs)"
printf '%-34s %9s %13s\n' run seconds "processor s"
printf '%-34s %9.2f %13.2f\n' "--jobs 1" "$one" "$one_cpu" "default jobs ($cores processors)" "$all" "$all_cpu" \
    "shell loop of single etp runs" "$shell" "$shell_cpu"
awk -v one="$one" -v all="$all" -v shell="$shell" -v cores="$cores" 'BEGIN {
    s = one / all; l = shell / one
    verdict = (cores < 2) ? "not measurable on 1 processor" : ((s >= 1.8) ? "met" : "missed")
    printf "speed-up of default jobs over --jobs 1: %.2fx (goal >= 1.8x on 2 processors: %s)\n", s, verdict
    verdict = (l > 1) ? "met" : "missed"
    printf "speed-up of --jobs 1 over the shell loop: %.2fx (goal > 1x: %s)\n", l, verdict
}'
# The processors are shared: with other work running, no speed-up can show.
echo "load average at the end: $(cut -d' ' -f1-3 /proc/loadavg) (on $cores processors)"
