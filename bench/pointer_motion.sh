#!/usr/bin/env bash
# The CPU cost of following the pointer, on a real X server with real pointer
# motion: the calculator beside a floor (bench/pointer_floor.cpp, a minimal Qt
# window doing the same visible work the cheapest way), in the same run, at
# scale 1 on 1920 x 1080 and at QT_SCALE_FACTOR=2 on 3840 x 2160. Each run
# glides the pointer over the left picture with XTest (xdotool) at 120 Hz and
# counts the CPU time of the program and of the X server (utime + stime from
# /proc) per movement. Then the cost of a conversion: Space on the focused
# "Polar to Rectangular" button, the program's and the server's CPU per
# conversion. Prints the medians and the calculator-to-floor ratio.
#
#   bench/pointer_motion.sh [RUNS] [MOVES]     (defaults: 5 runs, 960 movements)
#   MORVANE=path/to/morvane FLOOR=path/to/pointer_floor bench/pointer_motion.sh
set -euo pipefail

RUNS=${1:-5}
MOVES=${2:-960}
HERE=$(cd "$(dirname "$0")" && pwd)
MORVANE=${MORVANE:-$HERE/../build/morvane}
FLOOR=${FLOOR:-$HERE/../build/bench/pointer_floor}
CONVERSIONS=20

for tool in Xvfb xdotool; do
    command -v "$tool" >/dev/null || { echo "'$tool' is not installed" >&2; exit 1; }
done
for program in "$MORVANE" "$FLOOR"; do
    [ -x "$program" ] || { echo "$program is not built" >&2; exit 1; }
done

WORK=$(mktemp -d)
PIDS=()
cleanup() {
    [ ${#PIDS[@]} -gt 0 ] && kill "${PIDS[@]}" 2>/dev/null
    wait 2>/dev/null || true
    rm -rf "$WORK"
}
trap cleanup EXIT

TICK=$(getconf CLK_TCK)
# utime + stime of a process, all its threads, in clock ticks.
cpu_ticks() { awk '{ print $14 + $15 }' "/proc/$1/stat"; }
median() { sort -n | awk '{ a[NR] = $1 } END { print (NR % 2 ? a[(NR + 1) / 2] : (a[NR / 2] + a[NR / 2 + 1]) / 2) }'; }
# Milliseconds of CPU per event, from two tick counts.
per_event() { echo "$1 $2 $3" | awk -v tick="$TICK" '{ printf "%.3f", ($2 - $1) * 1000 / tick / $3 }'; }

start_program() { # NAME_PATTERN COMMAND
    env -i PATH="$PATH" HOME="$WORK" XDG_RUNTIME_DIR="$WORK/runtime" DISPLAY="$DISPLAY" \
        DBUS_SESSION_BUS_ADDRESS=disabled: QT_QPA_PLATFORM=xcb QT_SCALE_FACTOR="$SCALE" \
        LANG=C.UTF-8 LC_ALL=C.UTF-8 "$2" >"$WORK/program.log" 2>&1 &
    APP=$!
    PIDS+=("$APP")
    for _ in $(seq 300); do
        WINDOW=$(xdotool search --onlyvisible --name "$1" 2>/dev/null | head -n 1) && [ -n "$WINDOW" ] && break
        sleep 0.05
    done
    [ -n "${WINDOW:-}" ] || { echo "no window for $2" >&2; cat "$WORK/program.log" >&2; exit 1; }
    sleep 1.5 # the first layout and drawing
}

stop_program() {
    kill "$APP" 2>/dev/null || true
    wait "$APP" 2>/dev/null || true
}

# Back and forth over the left picture, both lines moving at every step.
glide() { # COUNT
    local args=() x y
    for i in $(seq 0 $(($1 - 1))); do
        x=$((WIDTH / 10 + (i * 7) % (WIDTH * 3 / 10)))
        y=$((HEIGHT / 4 + (i * 3) % (HEIGHT / 8)))
        args+=(mousemove "$x" "$y" sleep 0.00833)
    done
    xdotool "${args[@]}"
}

# CPU per movement of the program now running, and of the server.
measure_motion() {
    glide 60 # into the picture: the crosshairs show from the first tick on
    sleep 0.3
    local app0 x0 app1 x1
    app0=$(cpu_ticks "$APP")
    x0=$(cpu_ticks "$XVFB")
    glide "$MOVES"
    sleep 0.3 # what was sent is drawn
    app1=$(cpu_ticks "$APP")
    x1=$(cpu_ticks "$XVFB")
    echo "$(per_event "$app0" "$app1" "$MOVES") $(per_event "$x0" "$x1" "$MOVES")"
}

# CPU per conversion: r 5 and angle 130, then Space on the focused button.
measure_conversion() {
    xdotool mousemove "$((WIDTH / 2))" "$((HEIGHT - 5))"
    xdotool windowfocus --sync "$WINDOW"
    # The tab order from the polar diagram: ..., the angle box (6), the r box (7).
    xdotool key --delay 20 Tab Tab Tab Tab Tab Tab ctrl+a 1 3 0 Tab ctrl+a 5 \
        shift+Tab shift+Tab shift+Tab shift+Tab
    sleep 0.5
    local app0 x0 app1 x1
    app0=$(cpu_ticks "$APP")
    x0=$(cpu_ticks "$XVFB")
    for _ in $(seq "$CONVERSIONS"); do
        xdotool key space
        sleep 0.25
    done
    app1=$(cpu_ticks "$APP")
    x1=$(cpu_ticks "$XVFB")
    echo "$(per_event "$app0" "$app1" "$CONVERSIONS") $(per_event "$x0" "$x1" "$CONVERSIONS")"
}

printf '%-24s %8s %8s %8s %8s %8s %8s %7s %10s\n' "" calc calc+X "" floor floor+X "" ratio conversion
printf '%-24s %8s %8s %8s %8s %8s %8s %7s %10s\n' "scale, screen" program server total \
    program server total "" "prog+X ms"
for SCALE in 1 2; do
    WIDTH=$((1920 * SCALE))
    HEIGHT=$((1080 * SCALE))
    mkdir -p "$WORK/runtime" && chmod 700 "$WORK/runtime"
    Xvfb -displayfd 3 -screen 0 "${WIDTH}x${HEIGHT}x24" -dpi 96 -nolisten tcp -noreset \
        3>"$WORK/display" >/dev/null 2>&1 &
    XVFB=$!
    PIDS+=("$XVFB")
    for _ in $(seq 100); do [ -s "$WORK/display" ] && break; sleep 0.05; done
    export DISPLAY=":$(head -n 1 "$WORK/display")"
    : >"$WORK/display"
    : >"$WORK/calc" && : >"$WORK/floor" && : >"$WORK/conversion"
    for _ in $(seq "$RUNS"); do
        start_program '^Morvane \(' "$MORVANE"
        measure_motion >>"$WORK/calc"
        measure_conversion | awk '{ print $1 + $2 }' >>"$WORK/conversion"
        stop_program
        start_program '^Pointer floor$' "$FLOOR"
        measure_motion >>"$WORK/floor"
        stop_program
    done
    calc_app=$(awk '{ print $1 }' "$WORK/calc" | median)
    calc_x=$(awk '{ print $2 }' "$WORK/calc" | median)
    calc=$(awk '{ print $1 + $2 }' "$WORK/calc" | median)
    floor_app=$(awk '{ print $1 }' "$WORK/floor" | median)
    floor_x=$(awk '{ print $2 }' "$WORK/floor" | median)
    floor=$(awk '{ print $1 + $2 }' "$WORK/floor" | median)
    conversion=$(median <"$WORK/conversion")
    printf '%-24s %8.3f %8.3f %8.3f %8.3f %8.3f %8.3f %6.2fx %10.2f\n' \
        "$SCALE, ${WIDTH}x${HEIGHT}" "$calc_app" "$calc_x" "$calc" "$floor_app" "$floor_x" \
        "$floor" "$(echo "$calc $floor" | awk '{ print $1 / $2 }')" "$conversion"
    echo "  runs (ms per movement, program + server): calculator $(awk '{ printf "%.3f ", $1 + $2 }' "$WORK/calc")| floor $(awk '{ printf "%.3f ", $1 + $2 }' "$WORK/floor")"
    echo "  conversions (ms each, program + server): $(tr '\n' ' ' <"$WORK/conversion")"
    kill "$XVFB" && wait "$XVFB" 2>/dev/null || true
done
echo "Medians of $RUNS runs of $MOVES movements at 120 Hz and $CONVERSIONS conversions each."
