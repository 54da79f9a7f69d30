#!/usr/bin/env bash
# Retakes the README's screenshots (docs/screenshot.png and
# docs/screenshot-x2.png) as a French classroom sees the window: the program
# runs under Xvfb in fr_FR.UTF-8, "Signal carré" is chosen and the amplitude
# strip of rank 3 is being dragged. Needs xvfb, xdotool and imagemagick, and
# the fr_FR.UTF-8 locale (see the README). Build first (scripts/sinuvia.sh run).
set -euo pipefail
top=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build=${BUILD_DIR:-$top/build}

if [ "${1:-}" != --dans-xvfb ]; then
    locale -a | grep -qix 'fr_FR.utf8' || { echo "the fr_FR.UTF-8 locale is missing (see the README)" >&2; exit 1; }
    exec xvfb-run -a -s "-screen 0 1800x1100x24" "$0" --dans-xvfb
fi

export LANG=fr_FR.UTF-8 LC_ALL=fr_FR.UTF-8
capture() {  # scale, output file
    local s=$1
    QT_SCALE_FACTOR=$s "$build/sinuvia" &
    local pid=$!
    sleep 3
    # No window manager: the window is at the top-left corner, its menu bar
    # (17 pixels at scale 1) above the designed client area.
    local m=$((17 * s))
    xdotool mousemove $((428 * s)) $((21 * s + m)) click 1; sleep 0.7   # the signal list
    xdotool key Down Down Return; sleep 1                           # "Signal carré"
    xdotool mousemove $((176 * s)) $((340 * s + m)) mousedown 1; sleep 0.3
    xdotool mousemove $((176 * s)) $((350 * s + m)); sleep 0.3
    xdotool mousemove $((176 * s)) $((362 * s + m)); sleep 0.8           # rank 3 dragged
    import -window root -crop "$((802 * s))x$((463 * s + m))+0+0" +repage "$2"
    xdotool mouseup 1
    kill "$pid"
}
capture 1 "$top/docs/screenshot.png"
capture 2 "$top/docs/screenshot-x2.png"
