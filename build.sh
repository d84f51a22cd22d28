#!/usr/bin/env bash
# Morvane's two commands:
#   ./build.sh run    install what is missing, build, open the calculator
#   ./build.sh test   install what is missing, build, run every test
# and the Windows packages, cross-built (README, "Windows"):
#   ./build.sh windows
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")"

# What building and running the calculator needs, from Debian's packages:
# the compiler and build tools (make for a plain `cmake -S . -B build`), Qt
# with its X11 and Wayland platform plugins, the headers the X11 window-manager
# query links against, MPFR for the correctly rounded cosine, sine and
# arctangent, the font the program asks for, and the icon renderer.
RUN_PACKAGES=(
    g++ make cmake ninja-build pkg-config
    qt6-base-dev qt6-qpa-plugins qt6-wayland libgl-dev libxcb1-dev libmpfr-dev
    fonts-liberation
    librsvg2-bin
)
# What the tests, the checks and the Debian package add. clang-format is the
# major version the tree is formatted with (scripts/lint.sh calls it by name).
TEST_PACKAGES=(
    libgtest-dev libbenchmark-dev
    dpkg-dev file
    clang libclang-rt-dev clang-format-14 clang-tidy
    xvfb xdotool xclip imagemagick weston
    dbus-x11 at-spi2-core python3-pyatspi
    orca speech-dispatcher-espeak-ng openbox
    lintian desktop-file-utils appstream x11-utils
    wine wine64 fonts-wine unzip
)
# What the Windows cross-build adds: MinGW-w64 with posix threads, GoogleTest's
# sources for its tests, the icon and installer makers. Qt's host tools (moc,
# rcc, uic) are Debian's own; Qt, GMP and MPFR for Windows come from the kit.
WINDOWS_PACKAGES=(
    cmake ninja-build qt6-base-dev-tools librsvg2-bin
    g++-mingw-w64-x86-64-posix googletest icoutils nsis
)

# Installs those of the packages named that are missing.
install_missing() {
    local missing=()
    for package in "$@"; do
        dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed" ||
            missing+=("$package")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    echo "Installing: ${missing[*]}"
    local sudo=""
    [ "$(id -u)" -eq 0 ] || sudo="sudo"
    $sudo apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends \
        "${missing[@]}" >/dev/null
}

# Configures and builds one of CMakePresets.json's configurations.
build() {
    cmake --preset "$1"
    cmake --build --preset "$1" --parallel "$(nproc)"
}

# A Windows kit: ../shared/windows-kit beside the clone, or MORVANE_WINDOWS_KIT.
windows_kit_at_hand() {
    [ -n "${MORVANE_WINDOWS_KIT:-}" ] || [ -f ../shared/windows-kit/morvane-windows-kit.tar.xz ]
}

# The cross-build and both Windows packages in build-windows/.
build_windows() {
    build windows
    (cd build-windows && cpack >cpack.log 2>&1) || {
        cat build-windows/cpack.log >&2
        return 1
    }
    ls build-windows/morvane-*-win64-setup.exe build-windows/morvane-*-win64.zip
}

case "${1:-}" in
run)
    install_missing "${RUN_PACKAGES[@]}"
    build app
    exec ./build/morvane
    ;;
test)
    install_missing "${RUN_PACKAGES[@]}" "${TEST_PACKAGES[@]}"
    build release
    # The toolkit-free core alone, built and tested without Qt: a Qt include
    # slipping into it fails here.
    build core
    ctest --preset core
    # Formatting and clang-tidy over the release build's compile commands,
    # then the same tests under AddressSanitizer and UndefinedBehaviorSanitizer,
    # then a short bounded fuzzing run of the number and document code.
    scripts/lint.sh
    scripts/sanitize.sh
    scripts/fuzz.sh "${MORVANE_FUZZ_SECONDS:-15}"
    ctest --preset release
    # The Debian package of the release build, checked and started unpacked.
    scripts/package_test.sh build
    # The Windows build, its tests and its installer under Wine.
    if windows_kit_at_hand; then
        install_missing "${WINDOWS_PACKAGES[@]}"
        build_windows
        scripts/windows_test.sh build
    elif [ "${CI:-}" == true ]; then
        echo "No Windows kit (../shared/windows-kit or MORVANE_WINDOWS_KIT): the Windows stage fails in CI" >&2
        exit 1
    else
        echo "No Windows kit (../shared/windows-kit or MORVANE_WINDOWS_KIT): Windows stage skipped"
    fi
    ;;
windows)
    install_missing "${WINDOWS_PACKAGES[@]}"
    windows_kit_at_hand || {
        echo "No Windows kit: put it in ../shared/windows-kit or name it with MORVANE_WINDOWS_KIT" >&2
        exit 1
    }
    build_windows
    ;;
*)
    echo "usage: $0 run|test|windows" >&2
    exit 2
    ;;
esac
