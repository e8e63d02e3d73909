#!/bin/sh
# Writes station33k.xls.tar.xz beside this script: station33k.xls, a sheet of 33,000 days
# (DATE as date cells, then TMIN TMAX RHMIN RHMAX RAD WIND ELIOF RAIN) that LibreOffice
# Calc makes from a TAB-separated table. The workbook is 3.3 MB, so it is kept packed and
# the build unpacks it for the tests and the benchmark.
#   sh tests/data/xls/make_station33k.sh
set -eu
here=$(cd "$(dirname "$0")" && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
awk 'BEGIN {
    split("31 28 31 30 31 30 31 31 30 31 30 31", days, " ")
    printf "DATE\tTMIN\tTMAX\tRHMIN\tRHMAX\tRAD\tWIND\tELIOF\tRAIN\r\n"
    d = 1; m = 1; y = 1930
    for (i = 0; i < 33000; i++) {
        s = sin(6.283185 * (i % 365 - 105) / 365)
        printf "%02d/%02d/%04d\t%.1f\t%.1f\t%d\t%d\t%.2f\t%.1f\t%.1f\t%.1f\r\n", d, m, y,
            7 + 8 * s + (i % 7) * 0.3, 16 + 10 * s + (i % 5) * 0.4, 45 + i % 20, 85 + i % 15,
            14 + 9 * s + (i % 9) * 0.5, 2 + (i % 11) * 0.3, 6 + 4 * s, (i % 4 == 0) ? 3.5 : 0
        leap = (y % 4 == 0 && y % 100 != 0) || y % 400 == 0
        if (++d > days[m] + (m == 2 && leap)) { d = 1; if (++m > 12) { m = 1; y++ } }
    }
}' > "$work/station33k.csv"
mkdir -p "$work/profile"
# Field separator TAB (9), text delimiter ", UTF-8 (76), from line 1; column 1 is a
# day/month/year date (format 4).
soffice "-env:UserInstallation=file://$work/profile" --headless --infilter="CSV:9,34,76,1,1/4" \
    --convert-to "xls:MS Excel 97" --outdir "$work" "$work/station33k.csv" >/dev/null 2>&1
tar -C "$work" -cJf "$here/station33k.xls.tar.xz" station33k.xls
