#!/usr/bin/env bash
# Start-up to a shown window, and peak memory, for the calculator and for any
# other programs named after it, each started and measured the same way: the
# time from launch until its window is mapped (xdotool) and the peak resident
# memory of the process (GNU time), each the median of several runs.
#
# As on a desktop, every program runs under one D-Bus session bus (GTK and Qt
# programs start helper daemons of their own without one) and under a window
# manager, matchbox, which shows every main window maximized: every program
# in the same window state, on one 1920 x 1080 Xvfb. The programs start from a
# fresh user's settings (a temporary home), so none reopens a window state
# saved by an earlier session. Each program is started once before the
# measured runs and that start is not counted: a user's first start builds
# caches and settings (galculator's first start peaks at three times the
# memory of the later ones).
#   bench/startup.sh [runs] -- "morvane:build/morvane" "speedcrunch:speedcrunch" ...
# Needs xvfb, xdotool, matchbox-window-manager, dbus (dbus-run-session), time, bc.
set -euo pipefail

# One session bus for the whole measurement; it ends with the script. The
# services it starts print to /dev/null, the script to where it was called.
if [ -z "${MORVANE_STARTUP_BUS:-}" ]; then
    export MORVANE_STARTUP_BUS=1
    exec dbus-run-session -- "$0" "$@" 3>&1 4>&2 >/dev/null 2>&1
fi
exec 1>&3 2>&4 3>&- 4>&-

runs=${1:-10}
shift || true
[ "${1:-}" = "--" ] && shift
[ $# -gt 0 ] || set -- "Morvane:$(dirname "$0")/../build/morvane"

home=$(mktemp -d)
export HOME=$home XDG_CONFIG_HOME=$home/.config XDG_CACHE_HOME=$home/.cache XDG_DATA_HOME=$home/.local/share

# A display of its own: -displayfd picks a free number and says it once ready;
# -noreset keeps it from resetting, and refusing clients, as each program exits.
displayfile=$(mktemp)
Xvfb -displayfd 3 -screen 0 1920x1080x24 -nolisten tcp -noreset 3>"$displayfile" 2>/dev/null &
xvfb=$!
wm=""
trap '[ -n "$wm" ] && kill $wm 2>/dev/null; kill $xvfb 2>/dev/null; rm -rf "$displayfile" "$home"' EXIT
for _ in $(seq 100); do [ -s "$displayfile" ] && break; sleep 0.05; done
[ -s "$displayfile" ] || { echo "Xvfb did not start" >&2; exit 1; }
export DISPLAY=":$(head -n 1 "$displayfile")"
for _ in $(seq 100); do xdotool getdisplaygeometry >/dev/null 2>&1 && break; sleep 0.05; done
matchbox-window-manager -use_titlebar no -use_cursor no >/dev/null 2>&1 &
wm=$!
# Ready once it announces itself on the root window.
for _ in $(seq 100); do
    xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && break
    sleep 0.05
done

median() {
    printf '%s\n' "$@" | sort -n | awk '{a[NR]=$1} END {print (NR%2 ? a[(NR+1)/2] : (a[NR/2]+a[NR/2+1])/2)}'
}

printf '%-14s %12s %14s\n' program "median ms" "peak RSS MiB"
for entry in "$@"; do
    name=${entry%%:*}
    command=${entry#*:}
    times=()
    peaks=()
    for run in $(seq 0 "$runs"); do
        log=$(mktemp)
        start=$(date +%s%N)
        /usr/bin/time -f '%M' -o "$log" $command >/dev/null 2>"$log.err" &
        launcher=$!
        # Polled every few milliseconds: --sync waits half a second between tries.
        until xdotool search --onlyvisible --name "$name" >/dev/null 2>&1; do
            kill -0 "$launcher" 2>/dev/null || { echo "$name ended before showing a window:" >&2; cat "$log" "$log.err" >&2; exit 1; }
            sleep 0.01
        done
        end=$(date +%s%N)
        # Let it settle before reading its peak memory.
        sleep 0.3
        pkill -TERM -P "$launcher" 2>/dev/null || true
        wait "$launcher" 2>/dev/null || true
        if [ "$run" -gt 0 ]; then
            times+=($(((end - start) / 1000)))
            peaks+=("$(tail -n 1 "$log")")
        fi
        rm -f "$log" "$log.err"
    done
    printf '%-14s %12.1f %14.1f\n' "$name" "$(echo "$(median "${times[@]}") / 1000" | bc -l)" \
        "$(echo "$(median "${peaks[@]}") / 1024" | bc -l)"
done
