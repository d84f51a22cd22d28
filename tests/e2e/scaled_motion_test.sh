#!/usr/bin/env bash
# The crosshairs under a real, moving pointer, at the scale factors desktops run:
# for each factor, the real program on its own X server, a pointer that glides
# over the polar diagram a step every 10 ms, and the screen's pixels read from
# the server's framebuffer file while it moves (a screenshot through the server
# would stall the clients). Then the pointer leaves and the crosshairs go.
# Factor 1 is left to e2e_test, which checks the crosshair through the real
# pointer and its going on such a server, and to tst_pointer_tracking, which
# checks that it shows during motion.
#
#   scaled_motion_test.sh PATH_TO_MORVANE [ARTIFACT_DIR] [FACTOR...]
#
# Exit status: 0 all checks held, 1 a check failed, 77 a tool is missing.
set -euo pipefail

APP=${1:?usage: scaled_motion_test.sh PATH_TO_MORVANE [ARTIFACT_DIR] [FACTOR...]}
ARTIFACTS=${2:-$PWD/artifacts/scaled}
shift $(($# >= 2 ? 2 : $#))
FACTORS=("$@")
[ ${#FACTORS[@]} -gt 0 ] || FACTORS=(1.25 1.5 2)

for tool in Xvfb xdotool convert; do
    command -v "$tool" >/dev/null || {
        echo "SKIP: '$tool' is not installed (packages xvfb, xdotool, imagemagick)"
        exit 77
    }
done
mkdir -p "$ARTIFACTS"
WORK=$(mktemp -d)
PIDS=()
cleanup() {
    local status=$?
    [ ${#PIDS[@]} -gt 0 ] && kill "${PIDS[@]}" 2>/dev/null
    wait 2>/dev/null || true
    rm -rf "$WORK"
    exit "$status"
}
trap cleanup EXIT
trap 'exit 130' INT TERM

log() { echo "-- $*"; }
fail() {
    echo "FAIL: $*" >&2
    exit 1
}

WIDTH=1280
HEIGHT=800
# Dark pixels of one screen row between two columns, in percent.
dark_share() { # ROW FROM TO
    convert "xwd:$FB" -crop "$(($3 - $2))x1+$2+$1" -colorspace gray -depth 8 txt:- 2>/dev/null |
        awk -F'[()]' 'NR > 1 { n++; if ($2 + 0 < 90) dark++ } END { print n ? int(100 * dark / n) : 0 }'
}

for factor in "${FACTORS[@]}"; do
    log "scale factor $factor"
    mkdir -p "$WORK/$factor"
    Xvfb -displayfd 3 -screen 0 "${WIDTH}x${HEIGHT}x24" -dpi 96 -nolisten tcp -noreset \
        -fbdir "$WORK/$factor" 3>"$WORK/display" >/dev/null 2>&1 &
    PIDS+=($!)
    for _ in $(seq 100); do [ -s "$WORK/display" ] && break; sleep 0.05; done
    export DISPLAY=":$(head -n 1 "$WORK/display")"
    : >"$WORK/display"
    FB="$WORK/$factor/Xvfb_screen0"
    mkdir -m 700 -p "$WORK/runtime"
    env -i PATH="$PATH" HOME="$WORK" XDG_RUNTIME_DIR="$WORK/runtime" DISPLAY="$DISPLAY" \
        DBUS_SESSION_BUS_ADDRESS=disabled: QT_QPA_PLATFORM=xcb QT_SCALE_FACTOR="$factor" \
        LANG=C.UTF-8 LC_ALL=C.UTF-8 ASAN_OPTIONS="${ASAN_OPTIONS:-}" \
        UBSAN_OPTIONS="${UBSAN_OPTIONS:-}" "$APP" >"$WORK/app-$factor.log" 2>&1 &
    APP_PID=$!
    PIDS+=("$APP_PID")
    for _ in $(seq 300); do
        xdotool search --onlyvisible --name '^Morvane \(' >/dev/null 2>&1 && break
        sleep 0.05
    done
    xdotool search --onlyvisible --name '^Morvane \(' >/dev/null 2>&1 ||
        fail "no window at scale factor $factor"
    sleep 1 # the first layout and drawing

    # A row through both diagrams, well inside them at every factor here; the
    # rectangular diagram's horizontal crosshair lies on it while the pointer
    # glides along it over the polar diagram.
    ROW=$((HEIGHT * 3 / 10))
    RIGHT_FROM=$((WIDTH * 55 / 100))
    RIGHT_TO=$((WIDTH * 95 / 100))
    before=$(dark_share "$ROW" "$RIGHT_FROM" "$RIGHT_TO")
    [ "$before" -lt 20 ] || fail "the row is $before % dark before the pointer came ($factor)"
    GLIDE=()
    for i in $(seq 0 149); do
        GLIDE+=(mousemove "$((WIDTH / 10 + (i * 5) % (WIDTH * 3 / 10)))" "$ROW" sleep 0.01)
    done
    xdotool "${GLIDE[@]}" &
    MOTION_PID=$!
    for at in 0.5 1.0; do
        sleep 0.5
        kill -0 "$MOTION_PID" 2>/dev/null || fail "the glide ended before ${at} s ($factor)"
        during=$(dark_share "$ROW" "$RIGHT_FROM" "$RIGHT_TO")
        [ "$during" -ge 90 ] ||
            fail "scale $factor: crosshair not across the rectangular diagram ${at} s into" \
                "the motion (row $ROW $during % dark)"
        log "crosshair shown ${at} s into the motion ($during % of the row)"
    done
    wait "$MOTION_PID"
    convert "xwd:$FB" "$ARTIFACTS/motion-$factor.png" 2>/dev/null || true

    # Down into the worked solution: out of the diagrams.
    xdotool mousemove "$((WIDTH / 2))" "$((HEIGHT * 95 / 100))"
    for _ in $(seq 40); do
        [ "$(dark_share "$ROW" "$RIGHT_FROM" "$RIGHT_TO")" -lt 20 ] && break
        sleep 0.05
    done
    after=$(dark_share "$ROW" "$RIGHT_FROM" "$RIGHT_TO")
    [ "$after" -lt 20 ] || fail "scale $factor: crosshair still shown 2 s after leaving"
    log "crosshair gone after the pointer left"
    kill "$APP_PID"
    wait "$APP_PID" 2>/dev/null || true
done
log "all checks held"
