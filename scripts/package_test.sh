#!/usr/bin/env bash
# Builds the Debian package from a release build and checks it the way a
# Debian system and a desktop see it: the control fields and the file list,
# the desktop entry and AppStream metadata through their validators, lintian,
# and then the program unpacked into a throwaway root (nothing is installed on
# this machine), started from its desktop entry on a private X server until its
# window shows.
#
#   scripts/package_test.sh [BUILD_DIR, default build]
#
# Exit status: 0 when every check held. Needs dpkg-dev, file, lintian,
# desktop-file-utils, appstream, xvfb, xdotool and x11-utils.
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."

BUILD=${1:-build}
APP_ID=org.morvane.Morvane
TITLE="Morvane (Polar and Rectangular Conversion)"
ICON_SIZES=(16 22 24 32 48 64 128 256)

WORK=$(mktemp -d)
XVFB_PID=""
APP_PID=""
cleanup() {
    local status=$?
    for pid in "$APP_PID" "$XVFB_PID"; do
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
# check WHAT COMMAND...: one check from a command's exit status.
check() {
    local what=$1
    shift
    if "$@"; then pass "$what"; else fail "$what"; fi
}
has_icons() { grep -q 'Icon (16 x 16)' "$1" && grep -q 'Icon (128 x 128)' "$1"; }
# Ends the run: the tally, and failure when any check failed.
summary() {
    echo "package: $passed passed, $failed failed"
    exit $((failed > 0))
}

# --- the package ---------------------------------------------------------------

[ -f "$BUILD/CPackConfig.cmake" ] || {
    echo "no CPack configuration in $BUILD: configure and build it first" >&2
    exit 1
}
rm -f "$BUILD"/morvane_*.deb
if ! (cd "$BUILD" && cpack -G DEB) >"$WORK/cpack.log" 2>&1; then
    cat "$WORK/cpack.log" >&2
    fail "cpack -G DEB builds the package"
    summary
fi
DEBS=("$BUILD"/morvane_*.deb)
[ -f "${DEBS[0]}" ] && [ ${#DEBS[@]} -eq 1 ] || {
    fail "cpack made one morvane_*.deb (found: ${DEBS[*]})"
    summary
}
DEB=${DEBS[0]}
pass "cpack -G DEB built $DEB"

# --- control fields ------------------------------------------------------------

echo "== dpkg-deb -I"
dpkg-deb -I "$DEB"
field() { dpkg-deb -f "$DEB" "$1"; }
VERSION=$(field Version)
ARCH=$(field Architecture)
check "file name morvane_<version>_<arch>.deb" \
    [ "$(basename "$DEB")" == "morvane_${VERSION}_${ARCH}.deb" ]
check "package name morvane" [ "$(field Package)" == morvane ]
check "architecture of this machine ($ARCH)" [ "$ARCH" == "$(dpkg --print-architecture)" ]
check "section math" [ "$(field Section)" == math ]
check "maintainer with an address" grep -Eq '^[^<>]+ <[^<>@ ]+@[^<>@ ]+>$' <<<"$(field Maintainer)"
check "description with a synopsis and a longer text" \
    [ "$(field Description | wc -l)" -ge 3 ]
# Computed from the binary (libc6, Qt, MPFR), and named by hand for what Qt only
# loads at run time: platform plugins and the font.
DEPENDS=$(field Depends)
missing=()
for package in libc6 libqt6core6 libqt6gui6 libqt6widgets6 libxcb1 libmpfr6 qt6-qpa-plugins \
    qt6-wayland fonts-liberation; do
    grep -Eq "(^|, )$package( |,|$)" <<<"$DEPENDS" || missing+=("$package")
done
check "Depends names ${missing[*]:-every run-time package}" [ ${#missing[@]} -eq 0 ]

# --- file list -----------------------------------------------------------------

echo "== dpkg-deb -c"
dpkg-deb -c "$DEB" | tee "$WORK/contents"
expected=(
    ./usr/bin/morvane
    ./usr/share/applications/$APP_ID.desktop
    ./usr/share/metainfo/$APP_ID.metainfo.xml
    ./usr/share/icons/hicolor/scalable/apps/$APP_ID.svg
    ./usr/share/man/man1/morvane.1.gz
    ./usr/share/doc/morvane/changelog.gz
    ./usr/share/doc/morvane/copyright
)
for size in "${ICON_SIZES[@]}"; do
    expected+=("./usr/share/icons/hicolor/${size}x${size}/apps/$APP_ID.png")
done
# Every file, with its mode and owner: the program 0755, the rest 0644, all root's.
awk '$1 !~ /^d/ { print $6, $1, $2 }' "$WORK/contents" | sort >"$WORK/files"
for path in "${expected[@]}"; do
    mode=-rw-r--r--
    [ "$path" == ./usr/bin/morvane ] && mode=-rwxr-xr-x
    echo "$path $mode root/root"
done | sort >"$WORK/expected"
if diff "$WORK/expected" "$WORK/files" >"$WORK/files.diff"; then
    pass "exactly the expected files, modes and owners"
else
    fail "the package's files differ (< expected, > in the package):"
    cat "$WORK/files.diff" >&2
fi
check "every folder 0755 root/root" \
    awk '$1 ~ /^d/ && !($1 == "drwxr-xr-x" && $2 == "root/root") { bad = 1 } END { exit bad }' \
    "$WORK/contents"

ROOT="$WORK/root"
mkdir "$ROOT"
dpkg-deb -x "$DEB" "$ROOT"
for size in "${ICON_SIZES[@]}"; do
    png="$ROOT/usr/share/icons/hicolor/${size}x${size}/apps/$APP_ID.png"
    check "${size}x${size} icon is a ${size} x ${size} PNG" \
        grep -q "PNG image data, $size x $size," <<<"$(file -b "$png" 2>&1)"
done
# The release is named the same in the changelog, the metainfo and the manual.
check "changelog's newest entry is $VERSION" \
    grep -q "^morvane ($VERSION) " <<<"$(zcat "$ROOT/usr/share/doc/morvane/changelog.gz" | head -n 1)"
check "metainfo's newest release is $VERSION" grep -q "<release version=\"$VERSION\"" \
    <<<"$(grep -m 1 '<release ' "$ROOT/usr/share/metainfo/$APP_ID.metainfo.xml")"
check "manual page names $VERSION" \
    grep -q "\"Morvane $VERSION\"" <<<"$(zcat "$ROOT/usr/share/man/man1/morvane.1.gz" | head -n 1)"

# --- validators ----------------------------------------------------------------

DESKTOP="$ROOT/usr/share/applications/$APP_ID.desktop"
echo "== desktop-file-validate"
if desktop-file-validate "$DESKTOP" >"$WORK/desktop.log" 2>&1 &&
    ! grep -q ' error: ' "$WORK/desktop.log"; then
    pass "desktop-file-validate: no error"
else
    fail "desktop-file-validate reports errors"
fi
sed "s|$ROOT||" "$WORK/desktop.log"
desktop_key() { sed -n "s/^$1=//p" "$DESKTOP" | head -n 1; }
check "desktop entry's categories Education;Science;Math;" \
    [ "$(desktop_key Categories)" == "Education;Science;Math;" ]
check "desktop entry's icon is the package's" \
    [ -f "$ROOT/usr/share/icons/hicolor/scalable/apps/$(desktop_key Icon).svg" ]

echo "== appstreamcli validate --no-net"
if appstreamcli validate --no-net "$ROOT/usr/share/metainfo/$APP_ID.metainfo.xml" \
    >"$WORK/appstream.log" 2>&1; then
    pass "appstreamcli validate: no error"
else
    fail "appstreamcli validate reports errors"
fi
sed "s|$ROOT||" "$WORK/appstream.log"
# The whole tree: the metainfo's launchable and the desktop entry's icon exist.
if appstreamcli validate-tree --no-net "$ROOT" >"$WORK/appstream-tree.log" 2>&1; then
    pass "appstreamcli validate-tree: no error"
else
    fail "appstreamcli validate-tree reports errors"
fi
sed "s|$ROOT||" "$WORK/appstream-tree.log"

echo "== lintian"
lintian_status=0
lintian --fail-on error --display-info "$DEB" >"$WORK/lintian.log" 2>&1 || lintian_status=$?
grep -v 'running with root privileges' "$WORK/lintian.log" || true
if [ "$lintian_status" -eq 0 ] && ! grep -q '^E: ' "$WORK/lintian.log"; then
    pass "lintian: no error ($(grep -c '^W: ' "$WORK/lintian.log" || true) warnings)"
else
    fail "lintian reports errors (exit status $lintian_status)"
fi

# --- the unpacked program on a private X server ----------------------------------

echo "== start from the desktop entry, unpacked into a throwaway root"
Xvfb -displayfd 3 -screen 0 1280x800x24 -nolisten tcp -noreset \
    3>"$WORK/display" >"$WORK/xvfb.log" 2>&1 &
XVFB_PID=$!
for _ in $(seq 100); do
    [ -s "$WORK/display" ] && break
    sleep 0.1
done
if ! [ -s "$WORK/display" ]; then
    cat "$WORK/xvfb.log" >&2
    fail "Xvfb gave no display number within 10 s"
    summary
fi
export DISPLAY=":$(head -n 1 "$WORK/display")"

# The entry's Exec line, with the unpacked /usr/bin first on the path.
read -r -a EXEC <<<"$(desktop_key Exec)"
RUN_PATH="$ROOT/usr/bin:/usr/bin:/bin"
check "Exec's program (${EXEC[0]}) is the package's" \
    [ "$(PATH=$RUN_PATH command -v "${EXEC[0]}")" == "$ROOT/usr/bin/morvane" ]
mkdir -m 700 "$WORK/runtime"
env -i PATH="$RUN_PATH" HOME="$WORK" XDG_RUNTIME_DIR="$WORK/runtime" DISPLAY="$DISPLAY" \
    DBUS_SESSION_BUS_ADDRESS=disabled: LANG=C.UTF-8 "${EXEC[@]}" >"$WORK/app.log" 2>&1 &
APP_PID=$!

# Up to 30 s for the mapped window, unless the program ends first.
WIN=""
for _ in $(seq 300); do
    WIN=$(xdotool search --onlyvisible --name '^Morvane \(Polar and Rectangular Conversion\)$' \
        2>/dev/null | head -n 1) || true
    [ -z "$WIN" ] && kill -0 "$APP_PID" 2>/dev/null || break
    sleep 0.1
done
if [ -n "$WIN" ] && kill -0 "$APP_PID" 2>/dev/null; then
    pass "window \"$TITLE\" shown"
    check "the running program is $ROOT/usr/bin/morvane" \
        [ "$(readlink "/proc/$APP_PID/exe")" == "$ROOT/usr/bin/morvane" ]
    xwininfo -id "$WIN" >"$WORK/xwininfo.log"
    grep -E 'Map State|Width|Height' "$WORK/xwininfo.log"
    check "xwininfo: the window is viewable" grep -q 'Map State: IsViewable' "$WORK/xwininfo.log"
    # The window carries the icon the build rendered into the program (Qt
    # hands the window manager the sizes below 256 pixels).
    xprop -id "$WIN" _NET_WM_ICON >"$WORK/icon.log" 2>&1 || true
    check "the window has its icon at 16 and 128 pixels" has_icons "$WORK/icon.log"
    kill "$APP_PID"
    wait "$APP_PID" 2>/dev/null || true
    APP_PID=""
else
    fail "no window \"$TITLE\" within 30 s"
    if ! kill -0 "$APP_PID" 2>/dev/null; then
        wait "$APP_PID" && status=0 || status=$?
        APP_PID=""
        echo "the program ended with status $status" >&2
    fi
    cat "$WORK/app.log" >&2
fi

summary
