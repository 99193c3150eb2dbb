#!/usr/bin/env bash
# Start-up time of VAZOLAR as the user sees it, measured from outside the process: from the
# launch to the splash's first paint, and to the chooser's first paint (two seconds later by
# design). Runs the start-up probe (the program as main starts it, ending once the chooser is
# painted) N times and prints the medians in milliseconds.
#
#   bench/startup.sh [runs] [build folder]        default: 15 runs, build/release
#   VAZOLAR_BENCH_XVFB=1 bench/startup.sh ...     on a real X server (Xvfb :98) instead of
#                                                 Qt's offscreen platform
set -euo pipefail
cd "$(dirname "$0")/.."
runs=${1:-15}
tree=${2:-build/release}
probe=$tree/app/vazolar_startup_probe
if [ ! -x "$probe" ]; then
    echo "No $probe: build the target vazolar_startup_probe first." >&2
    exit 1
fi

xvfb_pid=
cleanup() { if [ -n "$xvfb_pid" ]; then kill "$xvfb_pid" 2>/dev/null || true; fi; }
trap cleanup EXIT
if [ "${VAZOLAR_BENCH_XVFB:-0}" = 1 ]; then
    Xvfb :98 -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
    xvfb_pid=$!
    sleep 1
    export DISPLAY=:98 QT_QPA_PLATFORM=xcb
    platform="xcb on Xvfb"
else
    export QT_QPA_PLATFORM=${QT_QPA_PLATFORM:-offscreen}
    platform=$QT_QPA_PLATFORM
fi

# One line per run: milliseconds to main, to the splash painted, to the chooser painted.
measure() {
    local launched output
    launched=$(date +%s%N)
    output=$("$probe" 2>/dev/null)
    awk -v launched="$launched" '
        { at[$1] = ($2 - launched) / 1e6 }
        END { printf "%.1f %.1f %.1f\n", at["main_entered"], at["splash_painted"],
                                          at["chooser_painted"] }' <<<"$output"
}

median() { sort -n | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }

"$probe" >/dev/null 2>&1 # warm the file cache once, untimed
results=$(for ((i = 0; i < runs; i++)); do measure; done)
echo "VAZOLAR start-up, $runs runs, platform $platform, median milliseconds since launch:"
echo "  main entered:     $(cut -d' ' -f1 <<<"$results" | median)"
echo "  splash painted:   $(cut -d' ' -f2 <<<"$results" | median)"
echo "  chooser painted:  $(cut -d' ' -f3 <<<"$results" | median)"
