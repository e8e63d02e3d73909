#!/bin/sh
# Writes one station of 400 days (01/10/17 to 04/11/18) beside this script in four forms:
# station400.txt, TAB-separated with CR LF line ends and dd/mm/yy dates, as a person types
# it; and station400.xls, .xlsx and .ods, the same table imported by LibreOffice Calc
# (column 1 as day/month/year dates, so the workbooks hold date cells) and saved as
# "MS Excel 97", Office Open XML and OpenDocument. The tests open every form and expect
# the same results and model files.
#   sh tests/data/xls/make_station_forms.sh
set -eu
here=$(cd "$(dirname "$0")" && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
awk 'BEGIN {
    split("31 28 31 30 31 30 31 31 30 31 30 31", days, " ")
    printf "DATE\tTMIN\tTMAX\tRHMIN\tRHMAX\tRAD\tWIND\tELIOF\tRAIN\r\n"
    d = 1; m = 10; y = 2017
    for (i = 0; i < 400; i++) {
        s = sin(6.283185 * (i + 273 - 105) / 365)
        printf "%02d/%02d/%02d\t%.1f\t%.1f\t%d\t%d\t%.2f\t%.1f\t%.1f\t%.1f\r\n", d, m, y % 100,
            7 + 8 * s + (i % 7) * 0.3, 16 + 10 * s + (i % 5) * 0.4, 45 + i % 20, 85 + i % 15,
            14 + 9 * s + (i % 9) * 0.5, 2 + (i % 11) * 0.3, 6 + 4 * s, (i % 4 == 0) ? 3.5 + (i % 3) : 0
        if (++d > days[m] + (m == 2 && y % 4 == 0)) { d = 1; if (++m > 12) { m = 1; y++ } }
    }
}' > "$work/station400.csv"
mkdir -p "$work/profile"
# Field separator TAB (9), text delimiter ", UTF-8 (76), from line 1; column 1 is a
# day/month/year date (format 4).
for format in "xls:MS Excel 97" xlsx ods; do
    soffice "-env:UserInstallation=file://$work/profile" --headless --infilter="CSV:9,34,76,1,1/4" \
        --convert-to "$format" --outdir "$work" "$work/station400.csv" >/dev/null 2>&1
done
cp "$work/station400.csv" "$here/station400.txt"
cp "$work/station400.xls" "$work/station400.xlsx" "$work/station400.ods" "$here/"
