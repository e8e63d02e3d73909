#!/usr/bin/env bash
# bench/workbooks.sh [BUILD_DIR]
#
# The 33,000-day workbook (BUILD_DIR/data/station33k.xls, unpacked by the build) as .xlsx
# and .ods: converts it once with LibreOffice Calc into BUILD_DIR/data/, then times with
# hyperfine openpyxl reading the .xlsx in read-only mode (every row's values) against etp
# importing the .xlsx and the .ods, and prints how many times faster etp is (the goal:
# 5 times). etp runs with only the file: it opens it and runs auto finding, nothing is
# written (not -o /dev/null: etp writes a file beside the target and renames it over it,
# which, run as root, would replace /dev/null). RUNS sets hyperfine's runs (default 10).
#
# openpyxl and Calc serve this script and the fixture scripts only, not the build or the
# tests, so tools/deps.sh does not list them. On Debian 12:
#   sudo apt-get install --no-install-recommends python3-openpyxl libreoffice-calc-nogui
# openpyxl runs under Debian's own /usr/bin/python3 (a python3 earlier in PATH, such as a
# pyenv one, does not see it).
set -euo pipefail
cd "$(dirname "$0")/.."
. tools/deps.sh
etp_install_missing hyperfine

build=${1:-build}
runs=${RUNS:-10}
python=/usr/bin/python3
"$python" -c 'import openpyxl' 2>/dev/null ||
    { echo "openpyxl is missing: sudo apt-get install --no-install-recommends python3-openpyxl" >&2; exit 1; }
. bench/common.sh
bench_build "$build" etp station33k_xls
etp=$(realpath "$build/bin/etp")
data=$(realpath "$build/data")

bench_workdir workbooks
for format in xlsx ods; do
    [ -f "$data/station33k.$format" ] && continue
    command -v soffice >/dev/null ||
        { echo "soffice is missing: sudo apt-get install --no-install-recommends libreoffice-calc-nogui" >&2; exit 1; }
    echo "converting station33k.xls to .$format with LibreOffice (once)"
    soffice "-env:UserInstallation=file://$work/profile" --headless --convert-to "$format" --outdir "$work" \
        "$data/station33k.xls" >/dev/null 2>&1
    mv "$work/station33k.$format" "$data/"
done

cat >"$work/openpyxl_read.py" <<'PY'
import sys
from openpyxl import load_workbook

workbook = load_workbook(sys.argv[1], read_only=True, data_only=True)
cells = 0
for row in workbook.worksheets[0].iter_rows(values_only=True):
    cells += sum(value is not None for value in row)
workbook.close()
print(cells)
PY

# Every command must succeed: a refusal would time a shorter run.
openpyxl_cmd="$python $work/openpyxl_read.py $data/station33k.xlsx"
xlsx_cmd="$etp $data/station33k.xlsx"
ods_cmd="$etp $data/station33k.ods"
for command in "$openpyxl_cmd" "$xlsx_cmd" "$ods_cmd"; do
    if ! $command >/dev/null 2>"$work/err"; then
        echo "failed: $command" >&2
        cat "$work/err" >&2
        exit 1
    fi
done

hyperfine --style basic --warmup 1 --runs "$runs" --export-csv "$work/h.csv" \
    -n "openpyxl read-only (.xlsx)" "$openpyxl_cmd" -n "etp (.xlsx)" "$xlsx_cmd" -n "etp (.ods)" "$ods_cmd" >/dev/null

# command,mean,stddev,median,user,system,min,max (seconds). The ratio is taken from the
# medians; the one from user + system time shows it apart from other load on the machine.
echo
echo "33,000-day workbook (hyperfine, $runs runs after 1 warm-up run)"
awk -F, 'NR > 1 { name[NR] = $1; mean[NR] = $(NF-6) * 1e3; median[NR] = $(NF-4) * 1e3; min[NR] = $(NF-1) * 1e3
                  cpu[NR] = ($(NF-3) + $(NF-2)) * 1e3 }
    END {
        printf "%-28s %9s %9s %9s %9s %11s %11s\n", "run", "mean ms", "median ms", "min ms", "cpu ms", "x (median)", "x (cpu)"
        for (i = 2; i <= NR; i++)
            printf "%-28s %9.1f %9.1f %9.1f %9.1f %11s %11s\n", name[i], mean[i], median[i], min[i], cpu[i],
                   (i == 2 ? "-" : sprintf("%.1f", median[2] / median[i])), (i == 2 ? "-" : sprintf("%.1f", cpu[2] / cpu[i]))
        for (i = 3; i <= NR; i++)
            printf "%s: %.1f times as fast as openpyxl (goal 5): %s\n", name[i], median[2] / median[i],
                   (median[2] / median[i] >= 5 ? "met" : "missed")
    }' "$work/h.csv"
