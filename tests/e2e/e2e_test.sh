#!/usr/bin/env bash
# End-to-end test: runs the real calculator on a private X server and uses it
# the way a person does, with the mouse and the keyboard, reading every result
# back from the clipboard, from the screen, or from the accessibility bus as a
# screen reader hears it.
#
#   e2e_test.sh PATH_TO_MORVANE [ARTIFACT_DIR]
#
# Screenshots of each stage go to ARTIFACT_DIR (default ./artifacts/e2e).
# Exit status: 0 all checks held, 1 a check failed, 77 a tool is missing.
set -euo pipefail

APP=${1:?usage: e2e_test.sh PATH_TO_MORVANE [ARTIFACT_DIR]}
ARTIFACTS=${2:-$PWD/artifacts/e2e}

for tool in Xvfb xdotool xclip import dbus-launch; do
    if ! command -v "$tool" >/dev/null; then
        echo "SKIP: '$tool' is not installed (packages xvfb, xdotool, xclip, imagemagick, dbus-x11)"
        exit 77
    fi
done
ATSPI_LAUNCHER=/usr/libexec/at-spi-bus-launcher
ATSPI_QUERY=("/usr/bin/python3" "$(dirname "${BASH_SOURCE[0]}")/atspi_query.py")
if [ ! -x "$ATSPI_LAUNCHER" ] || ! /usr/bin/python3 -c 'import pyatspi' 2>/dev/null; then
    echo "SKIP: no accessibility bus (packages at-spi2-core, python3-pyatspi)"
    exit 77
fi
[ -x "$APP" ] || {
    echo "FAIL: no program at $APP" >&2
    exit 1
}

mkdir -p "$ARTIFACTS"
rm -f "$ARTIFACTS"/*.png
WORK=$(mktemp -d)
XVFB_PID=""
APP_PID=""
BUS_PIDS=()
STARTED=$(date +%s%N)

cleanup() {
    local status=$?
    if [ -n "$APP_PID" ] && kill -0 "$APP_PID" 2>/dev/null; then
        kill "$APP_PID" 2>/dev/null || true
        wait "$APP_PID" 2>/dev/null || true
    fi
    if [ ${#BUS_PIDS[@]} -gt 0 ]; then
        kill "${BUS_PIDS[@]}" 2>/dev/null || true
    fi
    if [ -n "$XVFB_PID" ]; then
        kill "$XVFB_PID" 2>/dev/null || true
        wait "$XVFB_PID" 2>/dev/null || true
    fi
    if [ "$status" -ne 0 ] && [ -s "$WORK/app.log" ]; then
        echo "--- the calculator's output:" >&2
        cat "$WORK/app.log" >&2
    fi
    rm -rf "$WORK"
    exit "$status"
}
trap cleanup EXIT
trap 'exit 130' INT TERM

log() { echo "-- $*"; }

# The window's area of the screen, once the window is known; popups lie inside it.
shot() {
    local area=()
    [ -n "${WIDTH:-}" ] && area=(-crop "${WIDTH}x${HEIGHT}+$X+$Y")
    import -window root "${area[@]}" "$ARTIFACTS/$1.png" 2>/dev/null || true
}

fail() {
    echo "FAIL: $*" >&2
    [ -n "${DISPLAY:-}" ] && shot 99-failure
    exit 1
}

now_ns() { date +%s%N; }

# poll MILLISECONDS WHAT COMMAND...: polls the command every 50 ms; false when
# the time ran out.
poll() {
    local limit=$1 what=$2 status
    shift 2
    local deadline=$(($(now_ns) + limit * 1000000))
    until "$@"; do
        if [ -n "$APP_PID" ] && ! kill -0 "$APP_PID" 2>/dev/null; then
            wait "$APP_PID" && status=0 || status=$?
            APP_PID=""
            fail "the calculator ended (exit status $status) while waiting for $what"
        fi
        [ "$(now_ns)" -lt "$deadline" ] || return 1
        sleep 0.05
    done
}

# wait_until SECONDS WHAT COMMAND...: as poll, failing the test on time-out.
wait_until() {
    poll $(($1 * 1000)) "$2" "${@:3}" || fail "no $2 within $1 s"
}

expect_eq() { # WHAT EXPECTED ACTUAL
    [ "$2" == "$3" ] || fail "$1: expected '$2', got '$3'"
    log "$1: '$3'"
}

# --- the X server and the program -------------------------------------------

Xvfb -displayfd 3 -screen 0 1280x800x24 -dpi 96 -nolisten tcp -noreset \
    3>"$WORK/display" >"$WORK/xvfb.log" 2>&1 &
XVFB_PID=$!
wait_until 10 "display number from Xvfb" test -s "$WORK/display"
DISPLAY=":$(head -n 1 "$WORK/display")"
export DISPLAY
log "Xvfb on $DISPLAY"

# A session bus and the accessibility bus on it, as a desktop session has.
mkdir -m 700 "$WORK/runtime"
export HOME="$WORK" XDG_RUNTIME_DIR="$WORK/runtime"
eval "$(dbus-launch --sh-syntax)"
BUS_PIDS+=("$DBUS_SESSION_BUS_PID")
"$ATSPI_LAUNCHER" --launch-immediately >"$WORK/atspi.log" 2>&1 &
BUS_PIDS+=($!)

# A clean environment, but for the sanitizers' settings of a sanitizer build.
env -i PATH="$PATH" HOME="$WORK" XDG_RUNTIME_DIR="$WORK/runtime" DISPLAY="$DISPLAY" \
    DBUS_SESSION_BUS_ADDRESS="$DBUS_SESSION_BUS_ADDRESS" QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 \
    QT_QPA_PLATFORM=xcb LANG=C.UTF-8 LC_ALL=C.UTF-8 \
    ASAN_OPTIONS="${ASAN_OPTIONS:-}" UBSAN_OPTIONS="${UBSAN_OPTIONS:-}" \
    LSAN_OPTIONS="${LSAN_OPTIONS:-}" \
    "$APP" >"$WORK/app.log" 2>&1 &
APP_PID=$!

TITLE="Morvane (Polar and Rectangular Conversion)"
find_window() {
    WIN=$(xdotool search --onlyvisible --name '^Morvane \(Polar and Rectangular Conversion\)$' \
        2>/dev/null | head -n 1)
    [ -n "$WIN" ]
}
wait_until 15 "visible main window" find_window
expect_eq "window title" "$TITLE" "$(xdotool getwindowname "$WIN")"

# --- screen helpers ---------------------------------------------------------

# The darkest pixel of a screen area, 0 black .. 1 white.
darkest() { # X Y W H
    import -window root -crop "$3x$4+$1+$2" -colorspace gray -format '%[fx:minima]' info:- 2>/dev/null
}
area_has_ink() { awk -v v="$(darkest "$@")" 'BEGIN { exit !(v != "" && v < 0.35) }'; }
area_is_blank() { awk -v v="$(darkest "$@")" 'BEGIN { exit !(v != "" && v > 0.6) }'; }

# --- where things are, from the window's layout rules ------------------------
# Main window (twips, 15 to a pixel): a 435-twip tray, then 70 % of the rest for
# the conversion control and 30 % for the solution view, at full width. In the
# control: the two diagrams side by side, each W / 2 wide with a 2 px sunken
# frame, over a 77 px tray; the left inputs keep their design place, the right
# group follows the polar diagram's interior width P. Edges round to the
# nearest pixel.

# The diagrams' frame is the first dark row under the menu bar and the top tray;
# the client area starts 29 px (435 twips) above it.
find_client_top() { # sets CY, or returns false before the diagrams are drawn
    local row
    row=$(import -window root -crop "1x$((HEIGHT > 200 ? 200 : HEIGHT))+$((X + WIDTH - 30))+$Y" \
        -colorspace gray -depth 8 txt:- 2>/dev/null |
        awk -F'[,:( ]+' 'NR > 1 && $3 + 0 < 180 { print $2; exit }')
    [ -n "$row" ] && [ "$row" -ge 29 ] || return 1
    CY=$((Y + row - 29))
}
window_settled() { # the window's geometry, the same on two looks with the diagrams drawn
    local before
    before=$(xdotool getwindowgeometry --shell "$WIN") || return 1
    eval "$before" # X, Y, WIDTH, HEIGHT
    find_client_top || return 1
    [ "$(xdotool getwindowgeometry --shell "$WIN")" == "$before" ]
}
wait_until 10 "window with its diagrams drawn, at a steady size" window_settled
CX=$X
CLIENT_W=$WIDTH
CLIENT_H=$((Y + HEIGHT - CY))
log "window ${WIDTH}x${HEIGHT} at $X,$Y; client area ${CLIENT_W}x${CLIENT_H} at $CX,$CY"

eval "$(awk -v W="$CLIENT_W" -v H="$CLIENT_H" '
    function px(v) { return int(v + 0.5) }
    BEGIN {
        below = H * 15 - 435
        ctrl_top = px(435 / 15); ctrl_bottom = px((435 + below * 0.7) / 15)
        view_bottom = px((435 + below * 0.7 + below * 0.3) / 15)
        ctrl_h = ctrl_bottom - ctrl_top
        half = W / 2; P = half - 4; right = P + 10
        diagram_h = px(ctrl_h - 77)
        printf "CTRL_TOP=%d VIEW_TOP=%d VIEW_H=%d TRAY_TOP=%d\n",
            ctrl_top, ctrl_bottom, view_bottom - ctrl_bottom, ctrl_top + ctrl_h - 77
        printf "INTERIOR_W=%d INTERIOR_H=%d RECT_LEFT=%d\n", px(half) - 4, diagram_h - 4, px(P + 3)
        printf "RIGHT=%d RIGHT_BOX=%d RIGHT_BUTTON=%d\n", px(right), px(right + 31), px(right + 31 + 81 + 3)
    }')"
TRAY_Y=$((CY + TRAY_TOP))

# Screen position of a point given relative to the control's tray.
tray_x() { echo $((CX + $1)); }
tray_y() { echo $((TRAY_Y + $1)); }

R_BOX=("$(tray_x $((48 + 40)))" "$(tray_y $((28 + 10)))")
ANGLE_BOX=("$(tray_x $((48 + 40)))" "$(tray_y $((52 + 10)))")
X_BOX=("$(tray_x $((RIGHT_BOX + 40)))" "$(tray_y $((24 + 10)))")
Y_BOX=("$(tray_x $((RIGHT_BOX + 40)))" "$(tray_y $((48 + 10)))")
POLAR_BUTTON=("$(tray_x $((136 + 56)))" "$(tray_y $((28 + 22)))")
RECT_BUTTON=("$(tray_x $((RIGHT_BUTTON + 56)))" "$(tray_y $((24 + 22)))")
# Read-out lines: left 5 and RIGHT, top 0, 289 x 21.
READOUT0=("$(tray_x 5)" "$(tray_y 0)")
READOUT1=("$(tray_x "$RIGHT")" "$(tray_y 0)")
READOUT_W=280
READOUT_H=21
VIEW=("$((CX + CLIENT_W / 2))" "$((CY + VIEW_TOP + VIEW_H / 2))")

# The diagrams' interiors; the centre lies at (INTERIOR_W / 2, INTERIOR_H / 2).
POLAR_IN_X=$((CX + 2))
POLAR_IN_Y=$((CY + CTRL_TOP + 2))
RECT_IN_X=$((CX + RECT_LEFT + 2))
# The pointer on the centre, or half a pixel left of it where the centre falls
# between two pixel columns.
POINTER=("$((POLAR_IN_X + INTERIOR_W / 2))" "$((POLAR_IN_Y + INTERIOR_H / 2))")
[ $((INTERIOR_H % 2)) -eq 0 ] ||
    fail "the diagrams' interior is ${INTERIOR_W}x${INTERIOR_H}: no pixel row through the centre"
# A pixel of the rectangular diagram's horizontal crosshair, near its right
# edge, where nothing else is drawn.
CROSSHAIR_PIXEL=("$((RECT_IN_X + INTERIOR_W - 8))" "${POINTER[1]}")
# Away from both diagrams: the right end of the top tray.
AWAY=("$((CX + CLIENT_W - 40))" "$((CY + 14))")

# --- input helpers ----------------------------------------------------------

atspi() { "${ATSPI_QUERY[@]}" "$@" 2>>"$WORK/atspi-query.log"; }
atspi_is() { [ "$(atspi "${@:2}")" == "$1" ]; } # EXPECTED QUERY...

click() { xdotool mousemove "$1" "$2" click "${3:-1}"; }

clip() { xclip -o -selection "$1" -t UTF8_STRING 2>/dev/null || true; }
clip_is() { [ "$(clip "$1")" == "$2" ]; }
clip_is_not() { [ "$(clip "$1")" != "$2" ]; }
# xclip keeps serving the text in the background until another owner takes over.
set_clip() {
    printf '%s' "$2" | xclip -i -selection "$1" >/dev/null 2>&1
    wait_until 5 "marker on the $1 selection" clip_is "$1" "$2"
}

# type_into NAME X Y TEXT: selects the box's text and types over it.
type_into() {
    click "$2" "$3"
    xdotool key ctrl+a
    xdotool type --delay 20 -- "$4"
    log "typed '$4' into $1"
}

# check_box NAME X Y EXPECTED WHAT: copies the box's whole text with Ctrl+A,
# Ctrl+C and compares it.
check_box() {
    local marker="(not copied: $1)"
    set_clip clipboard "$marker"
    click "$2" "$3"
    xdotool key ctrl+a ctrl+c
    wait_until 5 "copy of the $1 box on the clipboard" clip_is_not clipboard "$marker"
    expect_eq "$5" "$4" "$(clip clipboard)"
}

popup_window() {
    local w
    for w in $(xdotool search --onlyvisible --class morvane 2>/dev/null); do
        [ "$w" != "$WIN" ] && echo "$w" && return 0
    done
    return 1
}
menu_open() { popup_window >/dev/null; }
menu_closed() { ! popup_window >/dev/null; }

# Darkness of a caption of the two-item Edit menu: row 0 Select All, 1 Copy.
menu_item_darkness() {
    local w
    w=$(popup_window) || fail "the Edit menu is not open"
    eval "$(xdotool getwindowgeometry --shell "$w" | sed 's/^/MENU_/')"
    darkest $((MENU_X + 4)) $((MENU_Y + $1 * MENU_HEIGHT / 2 + 2)) $((MENU_WIDTH / 2)) \
        $((MENU_HEIGHT / 2 - 5))
}
select_all_item_painted() { awk -v v="$(menu_item_darkness 0)" 'BEGIN { exit !(v < 0.35) }'; }

# A press that follows the closing of a menu within a moment can still reach
# the closed menu's pointer grab; a right-click that opened nothing is repeated.
open_edit_menu() {
    local attempt
    wait_until 5 "closed menus" menu_closed
    for attempt in 1 2 3; do
        click "${VIEW[@]}" 3
        if poll 1500 "Edit menu" menu_open; then
            wait_until 5 "Edit menu painted" select_all_item_painted
            return 0
        fi
        log "no Edit menu after right-click $attempt"
    done
    fail "no Edit menu after three right-clicks in the solution"
}

# --- the session ------------------------------------------------------------

wait_until 10 "painted window" area_has_ink "$((CX + 4))" "$((CY + 6))" 80 16
shot 01-started

# No window manager activates the window: that is done here, as a user's click would.
xdotool windowfocus --sync "$WIN"
wait_until 5 "calculator on the accessibility bus, focus on the polar diagram" \
    atspi_is "Polar diagram" focused
log "the polar diagram has the focus from the start"
expect_eq "polar diagram's description before any conversion" \
    "Polar grid: six rings, one for each sixth of r, and spokes every 15°; no point yet" \
    "$(atspi named "Polar diagram")"

log "polar to rectangular: r 5, angle 30"
type_into r "${R_BOX[@]}" "5"
type_into angle "${ANGLE_BOX[@]}" "30"
click "${POLAR_BUTTON[@]}"
check_box x "${X_BOX[@]}" "4.33" "x after r 5, angle 30"
check_box y "${Y_BOX[@]}" "2.5" "y after r 5, angle 30"
shot 02-polar-to-rectangular

log "rectangular to polar: x -3, y -4 (letters typed on the way are refused)"
type_into x "${X_BOX[@]}" "-3"
type_into y "${Y_BOX[@]}" "-a4b"
check_box y "${Y_BOX[@]}" "-4" "y box after typing -a4b"
click "${RECT_BUTTON[@]}"
check_box r "${R_BOX[@]}" "5" "r after x -3, y -4"
check_box angle "${ANGLE_BOX[@]}" "233.13" "angle after x -3, y -4"
shot 03-rectangular-to-polar

log "significant values 4"
# The box is the first long white run in the tray's middle row.
SIG_ROW=$((CY + 14))
SIG_RUN=$(import -window root -crop "${CLIENT_W}x1+$CX+$SIG_ROW" -depth 8 txt:- 2>/dev/null |
    awk -F'[,:]' 'NR > 1 { white = /#FFFFFF/
        if (white && start < 0) start = $1
        if (!white) { if (start >= 0 && $1 - start > best) { best = $1 - start; from = start }
                      start = -1 } }
        BEGIN { start = -1; best = 0 } END { print from, best }')
read -r SIG_FROM SIG_LEN <<<"$SIG_RUN"
[ "${SIG_LEN:-0}" -ge 20 ] || fail "no significant-values box in the top tray (row $SIG_ROW)"
SIG_BOX=("$((CX + SIG_FROM + SIG_LEN / 2))" "$SIG_ROW")
type_into significant "${SIG_BOX[@]}" "4"
check_box angle "${ANGLE_BOX[@]}" "233.1301" "angle with 4 significant values"
check_box r "${R_BOX[@]}" "5" "r with 4 significant values"
check_box x "${X_BOX[@]}" "-3" "x keeps its typed text"
shot 04-significant-values

log "Edit menu in the solution view"
set_clip clipboard "(nothing copied)"
open_edit_menu
shot 05-edit-menu-nothing-selected
COPY_DISABLED=$(menu_item_darkness 1)
xdotool key a # Select &All
wait_until 5 "Edit menu to close after Select All" menu_closed
open_edit_menu
shot 06-edit-menu-all-selected
COPY_ENABLED=$(menu_item_darkness 1)
awk -v off="$COPY_DISABLED" -v on="$COPY_ENABLED" 'BEGIN { exit !(off > 0.45 && on < 0.3) }' ||
    fail "Copy should be greyed with nothing selected and black once all is selected" \
        "(darkest caption pixel: $COPY_DISABLED before, $COPY_ENABLED after)"
log "Copy greyed with nothing selected ($COPY_DISABLED), enabled after Select All ($COPY_ENABLED)"
xdotool key c # &Copy
wait_until 5 "worked solution on the clipboard" clip_is_not clipboard "(nothing copied)"
SOLUTION=$(clip clipboard)
printf '%s\n' "$SOLUTION" >"$ARTIFACTS/solution.txt"

# The worked solution as plain text, a table row a line with its cells apart by
# tabs (written \t here); blank lines between blocks are not compared.
EXPECTED_SOLUTION=$(printf '%b' 'Formula:
r = sqrt(x² + y²)
Ø = 180° + Atn(Y/X)  (see table below)
Table
(X,Y)\tØ
X > 0, Y >= 0\tAtn(Y/X)
X = 0, Y > 0\t90°
X < 0, Y >= 0\t180° + Atn(Y/X)
X = 0, Y < 0\t270°
X < 0, Y <= 0\t180° + Atn(Y/X)
X > 0, Y <= 0\t360° + Atn(Y/X)
Given:
x = -3
y = -4
Solution:
r\t=\tsqrt(-3² + -4²)
\t=\tsqrt(9 + 16)
\t=\tsqrt(25)
r\t=\t5
Ø\t=\t180° + Atn(-4/-3)
\t=\t180° + 53.1301017798049°
Ø\t=\t233.1301°')
ACTUAL_LINES=$(printf '%s\n' "$SOLUTION" | tr -d '\r' | sed '/^[[:space:]]*$/d')
if [ "$ACTUAL_LINES" != "$EXPECTED_SOLUTION" ]; then
    diff <(printf '%s\n' "$EXPECTED_SOLUTION") <(printf '%s\n' "$ACTUAL_LINES") >&2 || true
    fail "copied worked solution differs from the expected text (diff above: < expected, > copied)"
fi
log "worked solution copied through the Edit menu: $(printf '%s\n' "$ACTUAL_LINES" | wc -l) lines as expected"

log "Ctrl+A, Ctrl+C in the solution view"
set_clip clipboard "(nothing copied)"
click "${VIEW[@]}"
xdotool key ctrl+a ctrl+c
wait_until 5 "solution copied with Ctrl+C" clip_is_not clipboard "(nothing copied)"
[ "$(clip clipboard)" == "$SOLUTION" ] || fail "Ctrl+A, Ctrl+C copied another text than the Edit menu"
log "Ctrl+A, Ctrl+C copies the same text"

log "pointer read-out at the centre of the polar diagram"
xdotool mousemove "${AWAY[@]}"
crosshair_shown() { area_has_ink "${CROSSHAIR_PIXEL[0]}" "$((CROSSHAIR_PIXEL[1] - 1))" 1 3; }
crosshair_hidden() { area_is_blank "${CROSSHAIR_PIXEL[0]}" "$((CROSSHAIR_PIXEL[1] - 1))" 1 3; }
# Written: text, or a selection's highlight left from reading it.
readouts_written() {
    ! area_is_blank "${READOUT0[@]}" "$READOUT_W" "$READOUT_H" &&
        ! area_is_blank "${READOUT1[@]}" "$READOUT_W" "$READOUT_H"
}
readouts_cleared() {
    area_is_blank "${READOUT0[@]}" "$READOUT_W" "$READOUT_H" &&
        area_is_blank "${READOUT1[@]}" "$READOUT_W" "$READOUT_H"
}
wait_until 3 "white crosshair check pixel before the pointer came" crosshair_hidden
wait_until 5 "empty read-out lines before the pointer came" readouts_cleared

track_centre() {
    xdotool mousemove "${POINTER[@]}"
    wait_until 5 "crosshair through the pointer" crosshair_shown
    wait_until 5 "read-out lines" readouts_written
}

track_centre
shot 07-pointer-at-centre
# As a screen reader hears them: the lines' text is their accessible name.
POLAR_READOUT=$(atspi described "Polar read-out")
RECT_READOUT=$(atspi described "Rectangular read-out")
if [ $((INTERIOR_W % 2)) -eq 0 ]; then
    # On the centre: radius 0 whatever r is, angle 180, Quadrant II.
    expect_eq "polar read-out at the centre" "Radius = 0; Angle = 180°; Quadrant II" \
        "$POLAR_READOUT"
    expect_eq "rectangular read-out at the centre" "X = 0; Y = 0; Quadrant II" "$RECT_READOUT"
else
    # Half a pixel left of the centre: angle 180, Quadrant II, and a radius of
    # r / 6 * 0.5 / RingSpacing, on which both read-outs must agree.
    [[ "$POLAR_READOUT" =~ ^Radius\ =\ (0\.[0-9]{4})\;\ Angle\ =\ 180°\;\ Quadrant\ II$ ]] ||
        fail "polar read-out half a pixel left of the centre: got '$POLAR_READOUT'," \
            "expected 'Radius = 0.dddd; Angle = 180°; Quadrant II'"
    RADIUS=${BASH_REMATCH[1]}
    [ "$RADIUS" != "0.0000" ] || fail "polar read-out radius is 0 with r = 5"
    log "polar read-out: '$POLAR_READOUT'"
    expect_eq "rectangular read-out" "X = -$RADIUS; Y = 0; Quadrant II" "$RECT_READOUT"
fi

log "the diagrams from the keyboard, read through the accessibility bus"
xdotool mousemove "${AWAY[@]}"
wait_until 2 "crosshair hidden before the keyboard" crosshair_hidden
expect_eq "polar diagram's description" "Point at r = 5, Ø = 233.1301° in Quadrant III" \
    "$(atspi named "Polar diagram")"
expect_eq "rectangular diagram's description" "Point at x = -3, y = -4 in Quadrant III" \
    "$(atspi named "Rectangular diagram")"
expect_eq "the x box's value" "-3" "$(atspi value x)"
# From the solution view, on along the tab order: the significant values, then
# the polar diagram.
click "${VIEW[@]}"
xdotool key Tab Tab
wait_until 3 "focus on the polar diagram after Tab, Tab" atspi_is "Polar diagram" focused
KEYS=(Right Right Right Right Right Right Right Right Right Right)
xdotool key Home "${KEYS[@]}"
wait_until 2 "crosshair through the keyboard's pointer, at once" crosshair_shown
KEY_POLAR=$(atspi described "Polar read-out")
KEY_RECT=$(atspi described "Rectangular read-out")
shot 08-keyboard-pointer
if [ $((INTERIOR_W % 2)) -eq 0 ]; then
    # The centre is a whole pixel: the mouse can stand where the keys went.
    xdotool mousemove "$((POINTER[0] + ${#KEYS[@]}))" "${POINTER[1]}"
    wait_until 2 "the mouse's polar read-out equal to the keyboard's ('$KEY_POLAR')" \
        atspi_is "$KEY_POLAR" described "Polar read-out"
    expect_eq "rectangular read-out: keyboard then mouse" "$KEY_RECT" \
        "$(atspi described "Rectangular read-out")"
    [[ "$KEY_POLAR" == "Radius = 0."*"; Angle = 0°; Quadrant I" ]] ||
        fail "polar read-out ten pixels right of the centre: '$KEY_POLAR'"
else
    [[ "$KEY_POLAR" == "Radius = "*"; Angle = 0°; Quadrant I" ]] ||
        fail "polar read-out ten pixels right of the centre: '$KEY_POLAR'"
fi
xdotool mousemove "${AWAY[@]}"
wait_until 2 "read-out cleared once the mouse left" readouts_cleared
xdotool key Home shift+Left shift+Left shift+Left shift+Left shift+Left shift+Left
wait_until 2 "the outer ring's read-out after six grid steps left" \
    atspi_is "Radius = 5; Angle = 180°; Quadrant II" described "Polar read-out"
expect_eq "rectangular read-out on the outer ring" "X = -5; Y = 0; Quadrant II" \
    "$(atspi described "Rectangular read-out")"
xdotool key Escape
wait_until 2 "crosshair hidden after Escape" crosshair_hidden
expect_eq "polar read-out after Escape" "" "$(atspi described "Polar read-out")"

log "a read-out that needs r, announced"
type_into r "${R_BOX[@]}" "-"
xdotool mousemove "${AWAY[@]}"
click "${VIEW[@]}"
xdotool key Tab Tab
wait_until 3 "focus back on the polar diagram" atspi_is "Polar diagram" focused
atspi announcements 4 "Message" >"$WORK/announced.txt" &
LISTENER_PID=$!
wait_until 5 "accessibility listener" grep -q listening "$WORK/announced.txt"
xdotool key Right
MESSAGE='The read-out needs a number in r: “-” is not a number.'
wait_until 2 "message on the bus" atspi_is "$MESSAGE" described "Message"
wait_until 3 "the message announced" grep -qF "Message: $MESSAGE" "$WORK/announced.txt"
log "announced: '$MESSAGE'"
xdotool key Escape
wait_until 2 "message gone with the keyboard's pointer" atspi_is "" described "Message"
wait "$LISTENER_PID" || true
type_into r "${R_BOX[@]}" "5"

log "pointer leaves the diagrams"
track_centre
xdotool mousemove "${AWAY[@]}"
wait_until 2 "crosshair to disappear after the pointer left" crosshair_hidden
wait_until 2 "read-out lines to clear after the pointer left" readouts_cleared
shot 09-pointer-left
log "crosshairs hidden and read-out cleared"

log "File, Exit"
click "$((CX + 18))" "$(((Y + CY) / 2))"
wait_until 5 "File menu" menu_open
shot 10-file-menu
xdotool key x # E&xit
app_ended() { ! kill -0 "$APP_PID" 2>/dev/null; }
deadline=$(($(now_ns) + 10 * 1000000000))
until app_ended; do
    [ "$(now_ns)" -lt "$deadline" ] || fail "the calculator still runs 10 s after File, Exit"
    sleep 0.05
done
wait "$APP_PID" && status=0 || status=$?
APP_PID=""
[ "$status" -eq 0 ] || fail "the calculator ended with status $status after File, Exit"
log "File, Exit ended the calculator with status 0"

log "all checks held in $((($(now_ns) - STARTED) / 1000000)) ms"
