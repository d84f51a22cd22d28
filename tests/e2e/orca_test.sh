#!/usr/bin/env bash
# What the Orca screen reader says to a keyboard user of the calculator:
# the diagrams as charts, the keyboard pointer's read-out, a conversion's
# results, whole values in the boxes, an error and the box at fault, and the
# worked solution line by line. Drives scripts/orca_session.sh.
#
#   orca_test.sh PATH_TO_MORVANE [ARTIFACT_DIR]
#
# What Orca said, its debug log and the program's output go to ARTIFACT_DIR.
# Exit status: 0 all checks held, 1 a check failed, 77 a tool is missing.
set -uo pipefail

APP=${1:?usage: orca_test.sh PATH_TO_MORVANE [ARTIFACT_DIR]}
ARTIFACTS=${2:-$PWD/artifacts/orca}
SESSION="$(dirname "${BASH_SOURCE[0]}")/../../scripts/orca_session.sh"
rm -rf "$ARTIFACTS"
SPOKEN=$(ORCA_SESSION_KEEP="$ARTIFACTS" bash "$SESSION" "$APP" 2>/dev/null <<'SCENARIO'
mark 1
key shift+Tab Tab
wait 2
mark 2
key Right
wait 1.5
mark 3
key Tab Tab Tab Tab Tab Tab Tab
key ctrl+a
type 5
key shift+Tab
key ctrl+a
type 30
key shift+Tab shift+Tab shift+Tab
wait 1
key space
wait 2
key Tab Tab Tab Tab Tab Tab
key ctrl+a
type 3
wait 2
mark 4
key shift+Tab shift+Tab shift+Tab shift+Tab
wait 2.5
mark 5
key ctrl+a
type -
key shift+Tab shift+Tab shift+Tab
wait 1
key space
wait 2
key Tab Tab Tab
wait 2.5
mark 6
key Tab Tab Tab
wait 2
key Down Down Down Down Down Down Down
wait 1
key Down
wait 1.5
key ctrl+Home
wait 1
key KP_Add
wait 7
SCENARIO
)
status=$?
[ "$status" -eq 77 ] && exit 77
printf '%s\n' "$SPOKEN" >"$ARTIFACTS/spoken.txt" 2>/dev/null

failed=0
# said STEP WHAT LINE: the exact line was spoken in that step.
said() {
    if awk -v step="## $1" -v line="$3" '
        $0 == step { inside = 1; next }
        /^## / { inside = 0 }
        inside && $0 == line { found = 1 }
        END { exit !found }' <<<"$SPOKEN"; then
        echo "-- $2: '$3'"
    else
        echo "FAIL: $2: Orca did not say '$3' in step $1" >&2
        failed=1
    fi
}
# said_matching STEP WHAT REGEX
said_matching() {
    if awk -v step="## $1" -v pattern="$3" '
        $0 == step { inside = 1; next }
        /^## / { inside = 0 }
        inside && $0 ~ pattern { found = 1 }
        END { exit !found }' <<<"$SPOKEN"; then
        echo "-- $2: /$3/"
    else
        echo "FAIL: $2: nothing like /$3/ in step $1" >&2
        failed=1
    fi
}

said 1 "a diagram is a chart" "Polar diagram chart."
said_matching 2 "the keyboard pointer's read-out" "^Radius = [0-9.]+, Angle = [0-9.]+°, Quadrant I+\\.$"
said 3 "a conversion's results" "x = 4.33, y = 2.5, Quadrant I."
said 3 "the results after 3 significant values" "x = 4.330, y = 2.5, Quadrant I."
said 4 "the x box's value, whole" "4.330 selected."
said 5 "the error message" "Rectangular to Polar stopped: x = “-” is not a number."
said 5 "the box at fault" "x = “-” is not a number."
said 6 "the solution with a caret" "Worked solution read only text."
said 6 "a step of the solution as one line" "x = 5 Cos(30°)  = 5(0.866025403784439)"
said 6 "say-all to the end" "y = 2.5"
# Each box reads its value once: no truncated second reading.
if [ "$(awk '/^## 4$/ { i = 1; next } /^## / { i = 0 } i && /^4\.33/' <<<"$SPOKEN" | wc -l)" != 1 ]; then
    echo "FAIL: the x box's value was read other than once, whole" >&2
    failed=1
fi
if grep -q "out of range" <<<"$SPOKEN"; then
    echo "FAIL: the program warned of a cursor out of range" >&2
    failed=1
fi
if grep -qs "ERROR: AddressSanitizer\|runtime error:" "$ARTIFACTS/app.log"; then
    echo "FAIL: a sanitizer reported an error (see $ARTIFACTS/app.log)" >&2
    failed=1
fi
if [ "$failed" -ne 0 ]; then
    echo "--- what Orca said:" >&2
    printf '%s\n' "$SPOKEN" >&2
fi
exit "$failed"
