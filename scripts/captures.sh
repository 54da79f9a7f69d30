#!/usr/bin/env bash
# Retakes the README's screenshots (docs/screenshot.png, docs/screenshot-x2.png
# on a screen scaled 200 %, docs/screenshot-projecteur.png started with
# --echelle 1.5, docs/screenshot-mesures.png with the "Mesures" window open
# beside a half-wave rectified sine) as a French classroom sees the window: the program
# runs under Xvfb in fr_FR.UTF-8, "Signal carré" is chosen and the amplitude
# strip of rank 3 is being dragged. docs/choix-periode.png is "Choix de la
# période" on an oscilloscope capture of a rectifier's line current opened
# from the command line. `captures.sh fenetre`, `captures.sh periode` or
# `captures.sh mesures` retakes only those. Needs xvfb, xdotool and imagemagick, and
# the fr_FR.UTF-8 locale (see the README). Build first (scripts/sinuvia.sh run),
# or let `scripts/sinuvia.sh captures` install, build and run this. The
# pictures go to docs/, or to the folder DOCS_DIR names.
set -euo pipefail
top=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build=${BUILD_DIR:-$top/build}
docs=${DOCS_DIR:-$top/docs}
mkdir -p "$docs"

if [ "${1:-}" != --dans-xvfb ]; then
    locale -a | grep -qix 'fr_FR.utf8' || { echo "the fr_FR.UTF-8 locale is missing (see the README)" >&2; exit 1; }
    exec xvfb-run -a -s "-screen 0 1800x1100x24" "$0" --dans-xvfb "${1:-tout}"
fi
quoi=${2:-tout}

export LANG=fr_FR.UTF-8 LC_ALL=fr_FR.UTF-8
# A coordinate of the designed window times a scale (which may be 1.5).
fois() { awk -v v="$1" -v s="$2" 'BEGIN { printf "%d", v * s }'; }
capture() {  # scale, output file, program's arguments
    local s=$1 sortie=$2
    shift 2
    if [ $# -eq 0 ]; then
        QT_SCALE_FACTOR=$s "$build/sinuvia" &
    else
        "$build/sinuvia" "$@" &
    fi
    local pid=$!
    sleep 3
    # No window manager: the window is at the top-left corner, its menu bar
    # (17 pixels at scale 1) above the designed client area.
    local m
    m=$(fois 17 "$s")
    xdotool mousemove "$(fois 428 "$s")" $(($(fois 21 "$s") + m)) click 1; sleep 0.7   # the signal list
    xdotool key Down Down Return; sleep 1                                            # "Signal carré"
    xdotool mousemove "$(fois 176 "$s")" $(($(fois 340 "$s") + m)) mousedown 1; sleep 0.3
    xdotool mousemove "$(fois 176 "$s")" $(($(fois 350 "$s") + m)); sleep 0.3
    xdotool mousemove "$(fois 176 "$s")" $(($(fois 362 "$s") + m)); sleep 0.8      # rank 3 dragged
    import -window root -crop "$(fois 802 "$s")x$(($(fois 463 "$s") + m))+0+0" +repage "$sortie"
    xdotool mouseup 1
    kill "$pid"
}
# "Redressement simple alternance" picked, then Ctrl+M: "Mesures" opens on the
# right of the main window; both are captured.
capture_mesures() {  # output file
    "$build/sinuvia" &
    local pid=$!
    sleep 3
    xdotool mousemove 428 $((21 + 17)) click 1; sleep 0.7
    xdotool key Down Down Down Down Down Down Return; sleep 1
    xdotool mousemove 400 300 key ctrl+m; sleep 1.5
    local X Y WIDTH HEIGHT WINDOW SCREEN
    eval "$(xdotool search --name '^Mesures$' getwindowgeometry --shell | head -n 6)"
    local d
    d=$(mktemp -d)
    import -window root -crop "802x480+0+0" +repage "$d/principale.png"
    import -window root -crop "${WIDTH}x${HEIGHT}+${X}+${Y}" +repage "$d/mesures.png"
    convert "$d/principale.png" "$d/mesures.png" -background '#efefef' -gravity north +append "$1"
    rm -rf "$d"
    kill "$pid"
}
# An oscilloscope's CSV, the French way: 2,500 points over 5 periods of the
# line current of a diode rectifier with a capacitor (a pulse near each peak
# of the mains), with an offset and some noise, starting anywhere.
capture_periode() {
    local csv
    csv=$(mktemp --suffix=.csv)
    awk 'BEGIN {
        srand(11);
        print "Modèle;Oscilloscope numérique"; print "Intervalle d'"'"'échantillonnage;4,000000E-05";
        print "Temps (s);CH1 (V);CH2 (A)";
        for (i = 0; i < 2500; i++) {
            t = i * 4e-5; th = 2 * 3.14159265 * 50 * t + 1.3; s = sin(th);
            a = (s > 0.82 ? (s - 0.82) : (s < -0.82 ? (s + 0.82) : 0)) * 40;
            line = sprintf("%.6E;%.4E;%.4E", t, 325 * s, 0.05 + a + 0.04 * (rand() - 0.5));
            gsub(/\./, ",", line); print line
        } }' > "$csv"
    "$build/sinuvia" "$csv" &
    local pid=$!
    sleep 4
    local dialogue
    dialogue=$(xdotool search --name "Choix de la période" | head -n 1)
    xdotool windowfocus "$dialogue" 2>/dev/null || true
    # The second column, the line current.
    xdotool key Down; sleep 1
    eval "$(xdotool getwindowgeometry --shell "$dialogue")"
    import -window root -crop "${WIDTH}x${HEIGHT}+${X}+${Y}" +repage "$1"
    kill "$pid"
    rm -f "$csv"
}
if [ "$quoi" = tout ] || [ "$quoi" = fenetre ]; then
    capture 1 "$docs/screenshot.png"
    capture 2 "$docs/screenshot-x2.png"
    capture 1.5 "$docs/screenshot-projecteur.png" --echelle 1.5
fi
if [ "$quoi" = tout ] || [ "$quoi" = periode ]; then
    capture_periode "$docs/choix-periode.png"
fi
if [ "$quoi" = tout ] || [ "$quoi" = mesures ]; then
    capture_mesures "$docs/screenshot-mesures.png"
fi
