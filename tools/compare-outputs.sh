#!/bin/bash
# Runs two builds of etp over the same cases and compares everything they write, byte for
# byte: the sheet, the model files, the summary, standard output and standard error. For
# a change that must not change a result (a reorganisation, a speed-up).
#   tools/compare-outputs.sh BEFORE_ETP AFTER_ETP [INPUT...]
# The inputs default to samples/station.txt and the station series of ../shared/data
# when that folder is there. Each input runs every method alone under each set of method
# options, every method at once with the model files, irrigation and the summary, and a
# few refusals. Prints the number of cases and each one that differs; fails when any does.
set -u
[ $# -ge 2 ] || { echo "usage: $0 BEFORE_ETP AFTER_ETP [INPUT...]" >&2; exit 2; }
before=$(realpath "$1")
after=$(realpath "$2")
shift 2
root=$(cd "$(dirname "$0")/.." && pwd)
inputs=("$@")
if [ ${#inputs[@]} -eq 0 ]; then
    inputs=("$root/samples/station.txt")
    for f in "$root"/../shared/data/stations/*.txt; do [ -f "$f" ] && inputs+=("$(realpath "$f")"); done
fi
work=$(mktemp -d "${TMPDIR:-/tmp}/etp-compare.XXXXXX")
trap 'rm -rf "$work"' EXIT

methods=(PenFAO PFAOnocorr PenMon "P-T" PFAOrad PFAOsun Hargr. Turc Thornt. "P-T extrad" Bl-Cr PotRad "ASCE short" "ASCE tall")
option_sets=(
    ""
    "--penmon-g zero --turc-humidity off --asce-rso full --potrad-unit mm"
    "--estimate-missing radiation,humidity,wind --angstrom 0.2,0.55 --krs 0.19 --k0 2"
    "--pt-alpha 1.3 --ptextrad-krs 0.19 --hargreaves 0.0025,17.8,0.5"
    "--lat -33.9 --alt 1500 --wind-height 10"
    "--lat 71 --alt 0"
)
whole=(--creams-tr creams.tr --creams-rain creams.rn --leachm-rain leachm.rn --leachm-etp leachm.et
       --macro-rain macro.rn --macro-etp macro.et --summary summary.txt --check -o sheet.txt)
cases=0
differ=0

# One case: the same arguments through both builds, each in a folder of its own; the
# folder's name is the same in both runs so that messages naming files compare equal.
run_case() {
    local name=$1
    shift
    cases=$((cases + 1))
    local build
    for build in before after; do
        rm -rf "$work/run"
        mkdir -p "$work/run"
        local etp=$before
        [ $build = after ] && etp=$after
        (cd "$work/run" && "$etp" "$@" >stdout 2>stderr; echo "status $?" >status)
        rm -rf "$work/$build"
        mv "$work/run" "$work/$build"
    done
    if ! diff -r "$work/before" "$work/after" >/dev/null; then
        differ=$((differ + 1))
        echo "differs: $name"
        diff -r "$work/before" "$work/after" | head -n 6
    fi
}

for input in "${inputs[@]}"; do
    base=$(basename "$input")
    for options in "${option_sets[@]}"; do
        read -r -a extra <<<"$options"
        # The station is the options' when they give one, else a mid-latitude default.
        station=(--lat 45 --alt 100)
        [[ " $options " == *" --lat "* ]] && station=()
        for method in "${methods[@]}"; do
            run_case "$base [$options] $method" "$input" "${station[@]}" "${extra[@]}" --method "$method" -o sheet.txt
        done
        all=()
        for method in "${methods[@]}"; do all+=(--method "$method"); done
        run_case "$base [$options] all" "$input" "${station[@]}" "${extra[@]}" "${all[@]}" "${whole[@]}"
    done
    run_case "$base irrigation" "$input" --lat 45 --alt 100 --method PenMon --turned 01/06,30/08,10,30,40,3 \
        --on-demand PenMon,01/05,30/09,40,60 -o sheet.txt
    run_case "$base leachm days" "$input" --lat 45 --alt 100 --method Hargr. --leachm-rain l.rn --leachm-dates day \
        --leachm-n 0,0.2,2 --leachm-etp l.et --leachm-et Hargr.
    run_case "$base calibration" "$input" --lat 45 --alt 100 --calibrate-hargreaves
    run_case "$base bad method" "$input" --method Nope
    run_case "$base bad latitude" "$input" --lat north --method PenMon
    run_case "$base latitude out of range" "$input" --lat 95.0 --method PenMon
    run_case "$base wind height out of range" "$input" --lat 45 --wind-height 0.0 --method Hargr. -o sheet.txt
    run_case "$base calibration, altitude out of range" "$input" --lat 45 --alt 9000.5 --calibrate-hargreaves
    run_case "$base creams, latitude out of range" "$input" --lat -90.5 --col rad=0 --estimate-missing radiation \
        --creams-tr c.tr
done
echo "$cases cases, $differ differing"
[ "$differ" -eq 0 ]
