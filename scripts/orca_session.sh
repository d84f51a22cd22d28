#!/usr/bin/env bash
# Runs the calculator with the Orca screen reader on a private X server and
# drives it from the keyboard, as a blind user would; prints what Orca said.
#
#   scripts/orca_session.sh PATH_TO_MORVANE < SCENARIO
#
# Each line of the scenario is one of:
#   key KEY...      keys pressed in turn (xdotool key names: Tab, shift+Up, KP_Add)
#   type TEXT       text typed into the focused widget
#   wait SECONDS    a pause, for Orca to finish speaking
#   mark TEXT       "## TEXT" in the output, to tell the steps apart
# Blank lines and lines starting with # are skipped.
#
# Needs: xvfb, xdotool, openbox, dbus, at-spi2-core, orca, speech-dispatcher,
# espeak-ng. Speech goes to ALSA's null device; nothing is heard. Exit status
# 77 when a tool is missing. ORCA_SESSION_KEEP=DIR keeps the logs in DIR.
set -euo pipefail

APP=$(realpath "${1:?usage: orca_session.sh PATH_TO_MORVANE < SCENARIO}")
HERE=$(dirname "$(realpath "${BASH_SOURCE[0]}")")
for tool in Xvfb xdotool openbox dbus-run-session orca speech-dispatcher; do
    command -v "$tool" >/dev/null || {
        echo "SKIP: '$tool' is not installed" >&2
        exit 77
    }
done
[ -x /usr/libexec/at-spi-bus-launcher ] || {
    echo "SKIP: no at-spi-bus-launcher (package at-spi2-core)" >&2
    exit 77
}

WORK=$(mktemp -d)
SCENARIO="$WORK/scenario"
cat >"$SCENARIO"
XVFB_PID=""
cleanup() {
    local status=$?
    [ -n "$XVFB_PID" ] && kill "$XVFB_PID" 2>/dev/null && wait "$XVFB_PID" 2>/dev/null
    if [ -n "${ORCA_SESSION_KEEP:-}" ]; then
        mkdir -p "$ORCA_SESSION_KEEP" && cp "$WORK"/*.log "$WORK"/spoken "$ORCA_SESSION_KEEP"/ 2>/dev/null
    fi
    rm -rf "$WORK"
    exit "$status"
}
trap cleanup EXIT

Xvfb -displayfd 3 -screen 0 1280x800x24 -nolisten tcp 3>"$WORK/display" >"$WORK/xvfb.log" 2>&1 &
XVFB_PID=$!
for _ in $(seq 100); do [ -s "$WORK/display" ] && break; sleep 0.1; done
export DISPLAY=":$(head -n 1 "$WORK/display")"

# A private home: speech to the null device, Orca's default settings.
mkdir -m 700 "$WORK/runtime"
mkdir -p "$WORK/home/.config/speech-dispatcher"
printf 'pcm.!default { type null }\n' >"$WORK/home/.asoundrc"
{
    cat /etc/speech-dispatcher/speechd.conf
    printf 'AudioOutputMethod "alsa"\nAudioALSADevice "null"\n'
} >"$WORK/home/.config/speech-dispatcher/speechd.conf"
: >"$WORK/spoken"

# Everything below runs inside one session bus, which ends with it.
env -i PATH="$PATH" HOME="$WORK/home" XDG_RUNTIME_DIR="$WORK/runtime" DISPLAY="$DISPLAY" \
    LANG=C.UTF-8 LC_ALL=C.UTF-8 WORK="$WORK" APP="$APP" HERE="$HERE" \
    ASAN_OPTIONS="${ASAN_OPTIONS:-}" UBSAN_OPTIONS="${UBSAN_OPTIONS:-}" \
    LSAN_OPTIONS="${LSAN_OPTIONS:-}" \
    dbus-run-session -- bash -c '
    set -u
    /usr/libexec/at-spi-bus-launcher --launch-immediately >"$WORK/atspi.log" 2>&1 &
    PIDS=($!)
    openbox >"$WORK/openbox.log" 2>&1 &
    PIDS+=($!)
    sleep 1
    /usr/bin/python3 "$HERE/orca_listen.py" "$WORK/spoken" \
        --debug-file="$WORK/orca-debug.log" >"$WORK/orca.log" 2>&1 &
    PIDS+=($!)
    # Orca says it is on, then registers for the events it reads.
    for _ in $(seq 100); do grep -q . "$WORK/spoken" && break; sleep 0.1; done
    sleep 1
    QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 QT_QPA_PLATFORM=xcb "$APP" >"$WORK/app.log" 2>&1 &
    APP_PID=$!
    for _ in $(seq 150); do
        WIN=$(xdotool search --onlyvisible --name "^Morvane " 2>/dev/null | head -n 1) && break
        sleep 0.1
    done
    xdotool windowactivate --sync "$WIN" 2>/dev/null || xdotool windowfocus --sync "$WIN"
    # Ready once Orca has presented the window.
    for _ in $(seq 100); do grep -q " frame\.$" "$WORK/spoken" && break; sleep 0.1; done
    sleep 1
    echo "## started" >>"$WORK/spoken"
    while IFS= read -r line; do
        case "$line" in
        "" | "#"*) ;;
        key\ *) xdotool key --delay 150 ${line#key } ;;
        type\ *) xdotool type --delay 80 -- "${line#type }" ;;
        wait\ *) sleep "${line#wait }" ;;
        mark\ *) echo "## ${line#mark }" >>"$WORK/spoken" ;;
        *) echo "unknown scenario line: $line" >&2 ;;
        esac
    done <"$WORK/scenario"
    sleep 1
    kill $APP_PID 2>/dev/null
    wait $APP_PID 2>/dev/null
    kill "${PIDS[@]}" 2>/dev/null
    ' || true
cat "$WORK/spoken"
grep -h "QTextCursor\|out of range" "$WORK/app.log" || true
