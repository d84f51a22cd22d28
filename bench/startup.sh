#!/usr/bin/env bash
# Start-up to a shown window, and peak memory, for the calculator and for any
# other programs named after it, each started and measured the same way under
# its own Xvfb: the time from launch until its window is mapped (xdotool), the
# median of several runs, and the peak resident memory of the process (GNU time).
#   bench/startup.sh [runs] -- "morvane:build/morvane" "speedcrunch:speedcrunch" ...
set -euo pipefail
runs=${1:-10}
shift || true
[ "${1:-}" = "--" ] && shift
[ $# -gt 0 ] || set -- "Morvane:$(dirname "$0")/../build/morvane"

# A display of its own: -displayfd picks a free number and says it once ready;
# -noreset keeps it from resetting, and refusing clients, as each program exits.
displayfile=$(mktemp)
Xvfb -displayfd 3 -screen 0 1920x1080x24 -nolisten tcp -noreset 3>"$displayfile" 2>/dev/null &
xvfb=$!
trap 'kill $xvfb 2>/dev/null; rm -f "$displayfile"' EXIT
for _ in $(seq 100); do [ -s "$displayfile" ] && break; sleep 0.05; done
[ -s "$displayfile" ] || { echo "Xvfb did not start" >&2; exit 1; }
export DISPLAY=":$(head -n 1 "$displayfile")"
for _ in $(seq 100); do xdotool getdisplaygeometry >/dev/null 2>&1 && break; sleep 0.05; done

printf '%-14s %12s %14s\n' program "median ms" "peak RSS MiB"
for entry in "$@"; do
    name=${entry%%:*}
    command=${entry#*:}
    times=()
    peak=0
    for _ in $(seq "$runs"); do
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
        times+=($(((end - start) / 1000)))
        # Let it settle before reading its peak memory.
        sleep 0.3
        pkill -TERM -P "$launcher" 2>/dev/null || true
        wait "$launcher" 2>/dev/null || true
        rss=$(tail -n 1 "$log")
        [ "${rss:-0}" -gt "$peak" ] && peak=$rss
        rm -f "$log"
    done
    median=$(printf '%s\n' "${times[@]}" | sort -n | awk '{a[NR]=$1} END {print (NR%2 ? a[(NR+1)/2] : (a[NR/2]+a[NR/2+1])/2)}')
    printf '%-14s %12.1f %14.1f\n' "$name" "$(echo "$median / 1000" | bc -l)" "$(echo "$peak / 1024" | bc -l)"
done
