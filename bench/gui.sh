#!/usr/bin/env bash
# bench/gui.sh [BUILD_DIR]
#
# Times the desktop program on the generated 32,000-day station (01/01/1900 on, the
# station of bench/pipeline.sh): etp_gui_bench drives MainWindow and its dialogs through their
# objectNames on the offscreen platform and prints, as its last line, the medians of
# RUNS (default 7, at least 5) runs of each stage:
#   open N ms, compute N ms, chart N ms, summary N ms
# ETP_GUI_BENCH_RUNS=1 also prints every run of each stage.
# BUILD_DIR (default build) is configured as a Release build when it does not exist yet.
set -euo pipefail
cd "$(dirname "$0")/.."

build=${1:-build}
. bench/common.sh
bench_build "$build" etp_bench etp_gui_bench

bench_workdir gui
"$build/bin/etp_bench" --write-station "$work/station-32k.txt" 32000 1900
# The offscreen platform's notes on window calls it ignores are no news.
QT_QPA_PLATFORM=offscreen "$build/bin/etp_gui_bench" "$work/station-32k.txt" "${RUNS:-7}" 2>&1 |
    grep -v -e '^This plugin does not support' -e '^QStandardPaths: XDG_RUNTIME_DIR'

