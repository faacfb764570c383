#!/usr/bin/env bash
# Starts the built program on a private virtual display (scripts/screenshot), finds its window by
# the title "Quirevo v1.1", and checks its place, its size and where its controls are drawn.
#   started_window_test.sh BUILD_DIR PROBE PROGRAM
set -euo pipefail
build=$1
probe=$2
program=$3
root=$(cd "$(dirname "$0")/../.." && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

"$root/scripts/screenshot" "$work/window.png" "$build" "$program" | tee "$work/log"
grep -qx "window: 218 41 670 515" "$work/log" || { echo "FAIL window not at 218,41 sized 670 x 515"; exit 1; }
"$probe" "$work/window.png"
