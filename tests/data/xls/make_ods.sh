#!/bin/sh
# Saves the .xls fixtures beside this script again as .ods with LibreOffice Calc
# (headless), so the .ods reader can be checked against the .xls import of the same
# workbooks:
#   sh tests/data/xls/make_ods.sh
set -e
here=$(cd "$(dirname "$0")" && pwd)
profile=$(mktemp -d)
trap 'rm -rf "$profile"' EXIT
soffice -env:UserInstallation="file://$profile" --headless --convert-to ods --outdir "$here" \
    "$here/weather.xls" "$here/dates1904.xls" >/dev/null
