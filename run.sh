#!/usr/bin/env bash
# ./run.sh       install what is missing, build, compute every method on the sample station
# ./run.sh gui   the same build, then start the desktop program
set -euo pipefail
cd "$(dirname "$0")"
. tools/deps.sh
etp_install_missing
etp_build build

case "${1:-}" in
gui) exec ./build/bin/etp-gui ;;
package)
    (cd build && cpack)
    ls -1 build/*.deb
    exit 0 ;;
esac

mkdir -p out
sample=samples/station.txt
methods=(PenFAO PFAOnocorr PenMon P-T PFAOrad PFAOsun Hargr. Turc Thornt. "P-T extrad" Bl-Cr PotRad)
args=()
for m in "${methods[@]}"; do args+=(--method "$m"); done
etp_phase "Computing every method on the sample station"
# The sample station: 44.5 N, 120 m a.s.l., wind measured at 10 m (see samples/README.md).
./build/bin/etp "$sample" --lat 44.5 --alt 120 --wind-height 10 "${args[@]}" -o out/station-results.txt

echo
echo "Sample station: $sample"
echo "Results:        out/station-results.txt (the data sheet with one column per method)"
awk -F'\t' '
    { sub(/\r$/, "") }
    NR == 1 { for (c = 10; c <= NF; c++) label[c] = $c; n = NF; next }
    { rows++; for (c = 10; c <= n; c++) if ($c != "") { sum[c] += $c; cnt[c]++ } }
    END {
        printf "Rows:           %d days\n", rows
        printf "Methods:        %d\n", n - 9
        for (c = 10; c <= n; c++)
            if (cnt[c]) printf "  %-11s mean %8.2f\n", label[c], sum[c] / cnt[c]
            else printf "  %-11s (no values)\n", label[c]
    }' out/station-results.txt
