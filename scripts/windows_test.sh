#!/usr/bin/env bash
# The Windows build under Wine, on an Xvfb of its own:
# - the cross-built tests under ctest, in one fresh Wine prefix;
# - the differential run of the Linux and the Windows core;
# - in a second fresh prefix, the setup program installed silently; the
#   installed program started in a Wine desktop, conversions typed at the
#   keyboard and their worked solutions, read through the clipboard, compared
#   with the Linux program's for the same keys; the window at 100 % and 200 %;
#   then the uninstaller, which must leave nothing behind.
#
#   scripts/windows_test.sh [LINUX_BUILD, default build]
#
# Needs the configured and built `windows` preset with its packages (./build.sh
# windows) and the Linux program in LINUX_BUILD. Screenshots go to
# build-windows/artifacts/. Exit status: 0 when every check held.
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."

LINUX_BUILD=${1:-build}
WIN_BUILD=build-windows
ARTIFACTS=$WIN_BUILD/artifacts
VERSION=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$WIN_BUILD/CMakeCache.txt")
SETUP=$WIN_BUILD/morvane-$VERSION-win64-setup.exe
ZIP=$WIN_BUILD/morvane-$VERSION-win64.zip
for file in "$SETUP" "$ZIP" "$LINUX_BUILD/morvane"; do
    [ -e "$file" ] || {
        echo "windows_test: no $file (build it first: ./build.sh windows, cmake --preset release)" >&2
        exit 1
    }
done
STARTED=$(date +%s)
mkdir -p "$ARTIFACTS"
rm -f "$ARTIFACTS"/*.png "$ARTIFACTS"/*.txt
WORK=$(mktemp -d)
XVFB_PID=""
LINUX_PID=""
cleanup() {
    local status=$?
    for prefix in "$WORK"/prefix-*; do
        [ -d "$prefix" ] && WINEPREFIX=$prefix wineserver -k 2>/dev/null || true
    done
    for pid in "$LINUX_PID" "$XVFB_PID"; do
        if [ -n "$pid" ] && kill -0 "$pid" 2>/dev/null; then
            kill "$pid" 2>/dev/null || true
            wait "$pid" 2>/dev/null || true
        fi
    done
    rm -rf "$WORK"
    exit "$status"
}
trap cleanup EXIT
trap 'exit 130' INT TERM

passed=0
failed=0
pass() {
    passed=$((passed + 1))
    echo "ok   $*"
}
fail() {
    failed=$((failed + 1))
    echo "FAIL $*" >&2
}
check() { # WHAT COMMAND...
    local what=$1
    shift
    if "$@"; then pass "$what"; else fail "$what"; fi
}
summary() {
    echo "windows: $passed passed, $failed failed in $(($(date +%s) - STARTED)) s"
    exit $((failed > 0))
}
# wait_for SECONDS COMMAND...: polls every 0.2 s.
wait_for() {
    local deadline=$(($(date +%s) + $1))
    shift
    until "$@"; do
        [ "$(date +%s)" -lt "$deadline" ] || return 1
        sleep 0.2
    done
}

# --- the X server ---------------------------------------------------------------

# Large enough for the window at 200 %.
Xvfb -displayfd 3 -screen 0 2560x1600x24 -dpi 96 -nolisten tcp -noreset \
    3>"$WORK/display" >"$WORK/xvfb.log" 2>&1 &
XVFB_PID=$!
wait_for 10 test -s "$WORK/display" || {
    fail "Xvfb gave no display number"
    summary
}
export DISPLAY=":$(head -n 1 "$WORK/display")"
export WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
unset WINEPATH

# new_prefix NAME: a fresh Wine prefix, with Arial drawn in Liberation Sans
# (Wine has no Arial).
new_prefix() {
    export WINEPREFIX="$WORK/prefix-$1"
    wineboot -i >"$WORK/wineboot-$1.log" 2>&1
    wine reg add 'HKCU\Software\Wine\Fonts\Replacements' /v Arial /t REG_SZ \
        /d "Liberation Sans" /f >/dev/null 2>&1
    wineserver -w
}

# --- the cross-built tests --------------------------------------------------------

echo "== ctest under Wine"
new_prefix tests
# One server for every test program, rather than one started per test, and
# Wine's services started before ctest: those the first test program started
# would hold its output pipe open, and ctest would wait for them.
wineserver -p
wine cmd /c exit </dev/null >/dev/null 2>&1 || true
if ctest --preset windows --output-junit "$PWD/$WIN_BUILD/wine-tests.xml" >"$WORK/ctest.log" 2>&1; then
    pass "ctest under Wine: $(grep -E 'tests passed' "$WORK/ctest.log")"
else
    cat "$WORK/ctest.log" >&2
    fail "ctest under Wine"
fi
wineserver -k || true

# The same seeded inputs through the Linux core and, under Wine, the Windows
# core, where both drivers exist.
DRIVER=tests/differential/core_outputs
echo "== differential: Linux and Windows core"
export WINEPREFIX="$WORK/prefix-tests"
if WINEPATH="Z:$PWD/$WIN_BUILD/wine-runtime/bin" bash tests/differential/compare_outputs.sh \
    1 20000 -- "$LINUX_BUILD/$DRIVER" -- wine "$WIN_BUILD/$DRIVER.exe" >"$WORK/differential.log" 2>&1 &&
    WINEPATH="Z:$PWD/$WIN_BUILD/wine-runtime/bin" bash tests/differential/compare_outputs.sh \
        2 20000 typical -- "$LINUX_BUILD/$DRIVER" -- wine "$WIN_BUILD/$DRIVER.exe" \
        >>"$WORK/differential.log" 2>&1; then
    pass "differential: $(tail -n 1 "$WORK/differential.log")"
else
    cat "$WORK/differential.log" >&2
    fail "differential: the Linux and the Windows core differ"
fi

# --- the worked solutions of the Linux program ---------------------------------------

# Focus order from the start: 0 polar diagram, 1 rectangular diagram, 2 and 3
# the buttons Rectangular to Polar and Polar to Rectangular, 4 to 7 the boxes
# y, x, Ø, r, 8 the solution, 9 significant values; then round again. Only Tab
# is used: under Wine xdotool's shift+Tab is not always a back-tab.
FOCUS=0
focus_to() {
    local steps=$((($1 - FOCUS + 10) % 10))
    [ "$steps" -eq 0 ] || xdotool key --delay 60 $(printf 'Tab %.0s' $(seq "$steps"))
    FOCUS=$1
}
type_text() { xdotool type --delay 60 -- "$1"; }
clip() { xclip -o -selection clipboard -t UTF8_STRING 2>/dev/null | tr -d '\r' | sed '/^[[:space:]]*$/d'; }
clip_is_not() { [ "$(clip)" != "$1" ]; }
# solve KIND A B: KIND polar (r A, Ø B) or rect (x A, y B); prints the
# copied worked solution.
solve() {
    local marker="(nothing copied: $*)"
    printf '%s' "$marker" | xclip -i -selection clipboard >/dev/null 2>&1
    wait_for 5 test "$(clip)" == "$marker" || true
    if [ "$1" == polar ]; then
        focus_to 6 && type_text "$3"
        focus_to 7 && type_text "$2"
        focus_to 3
    else
        focus_to 4 && type_text "$3"
        focus_to 5 && type_text "$2"
        focus_to 2
    fi
    xdotool key space
    sleep 0.3
    # Select All and Copy of the Edit menu, from the button.
    xdotool key ctrl+a ctrl+c
    wait_for 10 clip_is_not "$marker" || true
    clip
}
CASES=("polar 5 30" "rect -3 -4" "polar 12.5 -130.25" "rect 0.001 -250000")
# Angles whose sines and cosines MinGW's own library rounds otherwise.
CASES+=("polar 5 180" "polar 5 3600")

screen_shot() { import -window root -crop "$2" +repage "$1" 2>/dev/null; }
white_share() { # FILE: the share of white pixels
    convert "$1" -fill black +opaque white -format '%[fx:mean]' info:
}
shows_window() { # CROP: the window's white solution view fills the bottom of the area
    screen_shot "$WORK/look.png" "$1" &&
        awk -v v="$(white_share "$WORK/look.png")" 'BEGIN { exit !(v > 0.6) }'
}

# dark_rows FILE X: the rows where column X is dark, below the caption.
dark_rows() {
    convert "$1" -crop "1x+$2+0" +repage -colorspace gray -depth 8 txt:- 2>/dev/null |
        awk -F'[,:( ]+' 'NR > 1 && $2 > 60 && $3 + 0 < 200 { print $2 }'
}
# frame_span FILE X HEIGHT: from the diagrams' top frame to the solution
# view's top frame, the first dark row and the next one a tenth further down.
frame_span() {
    dark_rows "$1" "$2" | awk -v h="$3" 'NR == 1 { top = $1; next } $1 - top > h / 10 { print $1 - top; exit }'
}
# The window's layout at twice the size, and the diagrams drawn for the device's
# pixels: a picture scaled up from half the size is the same after sampling it
# down and up again, at one of the four pixel phases; a drawing at device
# resolution is not.
scaled_checks() {
    local span100 span200 phase ae changed
    span100=$(frame_span "$1" 1250 800)
    span200=$(frame_span "$2" 2500 1600)
    echo "-- diagram top to solution top: ${span100:-?} px at 100 %, ${span200:-?} px at 200 %"
    check "laid out at twice the size at 200 %" \
        awk -v a="${span100:-0}" -v b="${span200:-0}" 'BEGIN { exit !(a > 100 && b / a > 1.95 && b / a < 2.05) }'
    changed=""
    for phase in +0+0 +1+0 +0+1 +1+1; do
        convert "$2" -crop 1000x600+200+200 +repage -crop "998x598$phase" +repage "$WORK/crop.png"
        convert "$WORK/crop.png" -sample 50% -sample 200% "$WORK/resampled.png"
        ae=$(compare -metric AE "$WORK/crop.png" "$WORK/resampled.png" null: 2>&1 || true)
        ae=${ae%% *}
        ae=${ae%.*}
        if [ -z "$changed" ] || [ "$ae" -lt "$changed" ]; then changed=$ae; fi
    done
    echo "-- fewest pixels changed by resampling the 200 % diagram: $changed"
    check "diagrams drawn at device resolution at 200 %" test "$changed" -ge 1000
}

echo "== the Linux program's solutions"
env -i PATH="$PATH" HOME="$WORK" DISPLAY="$DISPLAY" QT_QPA_PLATFORM=xcb LANG=C.UTF-8 \
    LC_ALL=C.UTF-8 "$LINUX_BUILD/morvane" >"$WORK/linux.log" 2>&1 &
LINUX_PID=$!
linux_window() { LINUX_WIN=$(xdotool search --onlyvisible --name '^Morvane ' 2>/dev/null | head -n 1); }
if wait_for 20 linux_window && wait_for 10 shows_window 1200x100+40+1400; then
    xdotool windowfocus --sync "$LINUX_WIN"
    FOCUS=0
    for i in "${!CASES[@]}"; do
        # shellcheck disable=SC2086
        solve ${CASES[$i]} >"$WORK/linux-$i.txt"
    done
    pass "the Linux program gave ${#CASES[@]} solutions"
else
    fail "the Linux program showed no window"
fi
kill "$LINUX_PID" 2>/dev/null || true
wait "$LINUX_PID" 2>/dev/null || true
LINUX_PID=""

# --- install, use, uninstall --------------------------------------------------------

echo "== the setup program, silently, in a fresh prefix"
new_prefix install
INSTALL_DIR="$WINEPREFIX/drive_c/Program Files/Morvane"
UNINSTALL_KEY='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\Morvane'
wine "$SETUP" /S >"$WORK/setup.log" 2>&1 || true
wineserver -w
check "installed into C:\\Program Files\\Morvane" test -f "$INSTALL_DIR/morvane.exe"
for file in Qt6Core.dll Qt6Gui.dll Qt6Widgets.dll libmpfr-6.dll libgmp-10.dll libstdc++-6.dll \
    libgcc_s_seh-1.dll libwinpthread-1.dll qt.conf plugins/platforms/qwindows.dll \
    plugins/styles/qwindowsvistastyle.dll licenses/Qt.txt licenses/MPFR.txt licenses/GMP.txt \
    licenses/LGPL-3.txt Uninstall.exe; do
    [ -f "$INSTALL_DIR/$file" ] || fail "installed: no $file"
done
# The zip holds the same program files as the installer's folder.
unzip -Z1 "$ZIP" | sed -n 's|^[^/]*/||p' | grep -v '/$' | grep -v '^$' | sort >"$WORK/zip.list"
(cd "$INSTALL_DIR" && find . -type f ! -name Uninstall.exe | sed 's|^\./||' | sort) >"$WORK/installed.list"
check "the zip holds the installed files" diff "$WORK/zip.list" "$WORK/installed.list"
SHORTCUT=$(find "$WINEPREFIX/drive_c" -path '*Start Menu/Programs/Morvane/Morvane.lnk' | head -n 1)
check "Start-menu shortcut Morvane" test -n "$SHORTCUT"
reg_value() { wine reg query "$UNINSTALL_KEY" /v "$1" 2>/dev/null | tr -d '\r' | awk -v k="$1" '$1 == k { $1 = ""; $2 = ""; sub(/^ +/, ""); print }'; }
check "Apps & features: DisplayName Morvane" test "$(reg_value DisplayName)" == Morvane
check "Apps & features: DisplayVersion $VERSION" test "$(reg_value DisplayVersion)" == "$VERSION"
check "Apps & features: DisplayIcon is the program" \
    test "$(reg_value DisplayIcon)" == 'C:\Program Files\Morvane\morvane.exe'
check "Apps & features: UninstallString" \
    test "$(reg_value UninstallString)" == '"C:\Program Files\Morvane\Uninstall.exe"'

# start_program NAME WxH: the installed program in a Wine desktop of that size.
start_program() {
    wine explorer "/desktop=$1,$2" 'C:\Program Files\Morvane\morvane.exe' >"$WORK/$1.log" 2>&1 &
    DESKTOP_NAME=$1
    wait_for 20 desktop_window
}
# The desktop focused, and the program active in it, as a click on its caption does.
activate() {
    xdotool windowfocus --sync "$DESKTOP_WIN"
    xdotool mousemove 400 5 click 1
    sleep 1
}
desktop_window() {
    DESKTOP_WIN=$(xdotool search --name "^$DESKTOP_NAME - Wine desktop\$" 2>/dev/null | head -n 1)
    [ -n "$DESKTOP_WIN" ]
}

echo "== the installed program at 100 %"
if start_program morvane100 1280x800 && wait_for 30 shows_window 1200x100+40+680; then
    pass "the installed program shows its window at 100 %"
    sleep 1
    screen_shot "$ARTIFACTS/wine-100.png" 1280x800+0+0
    activate
    FOCUS=0
    for i in "${!CASES[@]}"; do
        # shellcheck disable=SC2086
        solve ${CASES[$i]} >"$WORK/wine-$i.txt"
        cp "$WORK/wine-$i.txt" "$ARTIFACTS/solution-$i.txt"
        if [ -s "$WORK/wine-$i.txt" ] && cmp -s "$WORK/linux-$i.txt" "$WORK/wine-$i.txt"; then
            pass "${CASES[$i]}: the same worked solution as on Linux ($(wc -l <"$WORK/wine-$i.txt") lines)"
        else
            diff "$WORK/linux-$i.txt" "$WORK/wine-$i.txt" >&2 || true
            fail "${CASES[$i]}: the worked solution differs from Linux's (< Linux, > Windows)"
        fi
    done
    screen_shot "$ARTIFACTS/wine-100-converted.png" 1280x800+0+0
else
    fail "the installed program showed no window at 100 %"
fi
wineserver -k || true
wineserver -w

echo "== the installed program at 200 %"
wine reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d 192 /f >/dev/null 2>&1
wineserver -w
if start_program morvane200 2560x1600 && wait_for 30 shows_window 2400x200+80+1360; then
    pass "the installed program shows its window at 200 %"
    sleep 1
    activate
    FOCUS=0
    solve polar 5 30 >/dev/null
    screen_shot "$ARTIFACTS/wine-200.png" 2560x1600+0+0
    scaled_checks "$ARTIFACTS/wine-100-converted.png" "$ARTIFACTS/wine-200.png"
else
    fail "the installed program showed no window at 200 %"
fi
wineserver -k || true
wineserver -w

echo "== the uninstaller, silently"
wine 'C:\Program Files\Morvane\Uninstall.exe' /S >"$WORK/uninstall.log" 2>&1 || true
# It runs on from a copy of itself, which ends with the prefix's last program.
wineserver -w
check "uninstalled: no folder C:\\Program Files\\Morvane" test ! -e "$INSTALL_DIR"
check "uninstalled: no Start-menu folder Morvane" \
    test -z "$(find "$WINEPREFIX/drive_c" -path '*Start Menu/Programs/Morvane*')"
check "uninstalled: no Apps & features entry" \
    bash -c "! wine reg query '$UNINSTALL_KEY' >/dev/null 2>&1"
check "uninstalled: no registry key of Morvane's" \
    bash -c "! wine reg query 'HKLM\\Software\\Morvane developers' >/dev/null 2>&1"
wineserver -k || true

summary
