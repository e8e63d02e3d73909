#!/usr/bin/env bash
# Builds the Debian package from a build folder and looks inside it: the files in
# their places, a valid desktop entry, dependencies computed from the shared
# libraries, and programs that start.   check_package.sh BUILD_DIR
set -euo pipefail
build=$1
if ! command -v dpkg-deb >/dev/null || ! command -v dpkg-shlibdeps >/dev/null; then
    echo "dpkg-deb or dpkg-shlibdeps missing: skipped"
    exit 77
fi
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cpack --config "$build/CPackConfig.cmake" -B "$work" >"$work/cpack.log" 2>&1 || { cat "$work/cpack.log"; exit 1; }
deb=$(ls "$work"/*.deb)
fail() { echo "FAIL: $*"; exit 1; }

contents=$(dpkg-deb -c "$deb")
for f in ./usr/bin/etp ./usr/bin/etp-gui ./usr/lib/etp/etp-chart ./usr/share/applications/etp-gui.desktop \
         ./usr/share/icons/hicolor/scalable/apps/etp.svg ./usr/share/icons/hicolor/48x48/apps/etp.png \
         ./usr/share/man/man1/etp.1 ./usr/share/man/man1/etp-gui.1 ./usr/share/doc/etp/guide.md \
         ./usr/share/doc/etp/screenshots/Form1.png; do
    grep -q " $f\$" <<<"$contents" || fail "$f is not in the package"
done

depends=$(dpkg-deb -f "$deb" Depends)
# libgsf is opened only when a workbook is, so it is named by hand, not found by shlibdeps.
for lib in libqt6widgets6 libc6 libgsf-1-114; do
    grep -q "$lib" <<<"$depends" || fail "Depends lacks $lib: $depends"
done
[ "$(dpkg-deb -f "$deb" Version)" = "$(sed -n 's/^project(etp VERSION \([0-9.]*\).*/\1/p' "$(dirname "$0")/../../CMakeLists.txt")" ] ||
    fail "package version is not the project version"

dpkg-deb -x "$deb" "$work/root"
if command -v desktop-file-validate >/dev/null; then
    desktop-file-validate "$work/root/usr/share/applications/etp-gui.desktop" | grep -v "^.*hint:" && fail "desktop entry" || true
fi
[ "$("$work/root/usr/bin/etp" --version)" = "etp 1.0.2" ] || fail "etp --version"
QT_QPA_PLATFORM=offscreen "$work/root/usr/bin/etp-gui" --version 2>/dev/null | grep -qx "etp-gui 1.0.2" || fail "etp-gui --version"
# etp draws its chart with the program etp-chart of the package.
printf 'DATE\tTMIN\tTMAX\tRHMIN\tRHMAX\tRAD\tWIND\tELIOF\tRAIN\r\n01/07/19\t15\t30\t40\t90\t25\t2\t12\t0\r\n' >"$work/day.txt"
"$work/root/usr/bin/etp" "$work/day.txt" --lat 45 --method PenMon --chart "$work/day.svg" 2>/dev/null && [ -s "$work/day.svg" ] ||
    fail "etp --chart with the packaged etp-chart"
# Neither Qt nor the compound-file library is loaded when etp starts.
if command -v readelf >/dev/null && readelf -d "$work/root/usr/bin/etp" | grep -E "NEEDED.*(gsf|Qt)"; then
    fail "etp loads libraries at start-up that it needs only for a chart or a workbook"
fi
# etp opens a workbook with the compound-file library it loads on demand.
"$work/root/usr/bin/etp" "$(dirname "$0")/../data/xls/weather.xls" --sheet 2 --lat 45 --method PenMon -o "$work/w.txt" >/dev/null &&
    grep -q PenMon "$work/w.txt" || fail "etp reading a workbook"
grep -q "^\.SH" "$work/root/usr/share/man/man1/etp.1" || fail "etp.1 is no manual page"
grep -q -- '\\-\\-method' "$work/root/usr/share/man/man1/etp.1" || fail "etp.1 lacks the options"
echo "package $(basename "$deb") checked"
