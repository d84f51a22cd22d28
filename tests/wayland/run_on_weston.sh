#!/usr/bin/env bash
# Runs a test program as a native Wayland client of its own headless weston.
#
#   run_on_weston.sh PROGRAM [ARGS...]
set -euo pipefail

command -v weston >/dev/null || {
    echo "FAIL: weston is not installed (package weston)" >&2
    exit 1
}

RUNTIME=$(mktemp -d)
chmod 700 "$RUNTIME"
SOCKET=morvane-test-$$
WESTON_PID=""
cleanup() {
    if [ -n "$WESTON_PID" ]; then
        kill "$WESTON_PID" 2>/dev/null || true
        wait "$WESTON_PID" 2>/dev/null || true
    fi
    rm -rf "$RUNTIME"
}
trap cleanup EXIT

export XDG_RUNTIME_DIR=$RUNTIME
weston --backend=headless-backend.so --socket="$SOCKET" --idle-time=0 \
    --width=1280 --height=800 >"$RUNTIME/weston.log" 2>&1 &
WESTON_PID=$!
for _ in $(seq 100); do
    [ -S "$RUNTIME/$SOCKET" ] && break
    kill -0 "$WESTON_PID" 2>/dev/null || break
    sleep 0.05
done
[ -S "$RUNTIME/$SOCKET" ] || {
    echo "FAIL: weston did not start" >&2
    cat "$RUNTIME/weston.log" >&2
    exit 1
}

export WAYLAND_DISPLAY=$SOCKET QT_QPA_PLATFORM=wayland
# The headless compositor has no seat; Qt's Wayland input method support
# assumes one, so the tests type without an input method.
export QT_IM_MODULE=none
# Widgets draw into shared memory; with no GPU, nothing is gained by loading
# the EGL stack, whose drivers keep memory to the end of a sanitizer run.
export QT_WAYLAND_CLIENT_BUFFER_INTEGRATION=none
SUPPRESSIONS="$(realpath "$(dirname "${BASH_SOURCE[0]}")/lsan.supp")"
export LSAN_OPTIONS="${LSAN_OPTIONS:+$LSAN_OPTIONS:}suppressions=$SUPPRESSIONS"
"$@"
