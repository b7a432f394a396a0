#!/usr/bin/env bash
# Makes sure the Debian packages that build and play Quintrel are installed, and defines the builds.
# Sourced by play.sh, test.sh and fuzz/run.sh; with QUINTREL_TESTING=1 it also installs what only
# the test suite uses.
set -euo pipefail

# Building and playing: a compiler, CMake and make, Qt's widgets, SDL2's headers (the library itself
# is opened at run time) and a font; Qt's translation tools (lupdate and lrelease, and their CMake
# package) build the translations, and Qt's own translations give the message boxes' buttons in the
# player's language.
QUINTREL_PACKAGES=(cmake g++ make qt6-base-dev libsdl2-dev fonts-dejavu-core
                   qt6-l10n-tools qt6-tools-dev qt6-translations-l10n)
# The test suite builds twice and links some twenty programs each time: ninja and lld make that
# quicker. The sanitizer and fuzz builds use clang; the data generators write GIFs through giflib.
# The end-to-end checks run the program under Xvfb with openbox, driven by xdotool and read back by
# ImageMagick; the screen-reader check plays through the accessibility bus (a session bus, the
# AT-SPI registry and its Python bindings); the install check validates the desktop entry, the
# metainfo and the manual page; the Wayland check runs the program on Qt's wayland platform in a
# headless sway, typing with wtype and reading the screen with grim; the high-density checks set
# the X server's Xft.dpi with xrdb.
QUINTREL_TEST_PACKAGES=(ninja-build lld clang libclang-rt-14-dev qt6-base-private-dev libgif-dev
                        xvfb xauth xdotool x11-utils openbox imagemagick dbus-daemon at-spi2-core
                        python3-pyatspi desktop-file-utils appstream man-db
                        qt6-wayland sway wtype grim x11-xserver-utils)

quintrel_missing_packages() {
    local package missing=()
    for package in "$@"; do
        if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed'; then
            missing+=("$package")
        fi
    done
    echo "${missing[@]:-}"
}

# Installs what is missing of the packages to build and play, and with QUINTREL_TESTING=1 of those
# to test: as root, or through passwordless sudo; otherwise says what is missing, for which of the
# two commands, and stops.
quintrel_install_packages() {
    local play_missing test_missing=""
    play_missing=$(quintrel_missing_packages "${QUINTREL_PACKAGES[@]}")
    if [ "${QUINTREL_TESTING:-0}" = 1 ]; then
        test_missing=$(quintrel_missing_packages "${QUINTREL_TEST_PACKAGES[@]}")
    fi
    local wanted="$play_missing${play_missing:+${test_missing:+ }}$test_missing"
    [ -z "$wanted" ] && return 0
    if [ "$(id -u)" -eq 0 ]; then
        echo "Installing: $wanted"
        DEBIAN_FRONTEND=noninteractive apt-get update -qq
        # shellcheck disable=SC2086
        DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends $wanted
    elif command -v sudo >/dev/null 2>&1 && sudo -n true 2>/dev/null; then
        echo "Installing through sudo: $wanted"
        sudo DEBIAN_FRONTEND=noninteractive apt-get update -qq
        # shellcheck disable=SC2086
        sudo DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends $wanted
    else
        {
            echo "Quintrel needs Debian packages that are not installed:"
            [ -z "$play_missing" ] || echo "  to build and play (./play.sh and ./test.sh): $play_missing"
            [ -z "$test_missing" ] || echo "  to run the tests (./test.sh only): $test_missing"
            echo "Install them as root, then run this again:"
            echo "  sudo apt-get update && sudo apt-get install -y --no-install-recommends $wanted"
        } >&2
        exit 1
    fi
}

# quintrel_configure DIR TYPE [CMAKE ARGUMENTS...]
quintrel_configure() {
    local dir=$1 type=$2
    shift 2
    cmake -S "$QUINTREL_ROOT" -B "$dir" -DCMAKE_BUILD_TYPE="$type" "$@" >/dev/null
}

# quintrel_build DIR TYPE [CMAKE ARGUMENTS...]: configures DIR and builds everything in it.
quintrel_build() {
    quintrel_configure "$@"
    cmake --build "$1" -j "$(nproc)"
}

# The sanitizer tree: clang with AddressSanitizer and UndefinedBehaviorSanitizer, all code also
# instrumented for libFuzzer, so that one build serves both the sanitizer pass of the test suite and
# the fuzz targets. A debug build (assertions on) at -O1: the fuzz targets then run about two and a
# half times as many inputs as unoptimised, for a few seconds more of building. The data generators
# are left out: the normal build checks their output.
QUINTREL_SANITIZER_DIR=build-asan
quintrel_configure_sanitizer() {
    CC=clang CXX=clang++ quintrel_configure "$QUINTREL_ROOT/$QUINTREL_SANITIZER_DIR" Debug \
        "-DCMAKE_CXX_FLAGS_DEBUG=-O1 -g" -DQUINTREL_SANITIZE=ON -DQUINTREL_FUZZ=ON -DQUINTREL_TOOLS=OFF \
        -DBUILD_TESTING=ON -DQUINTREL_E2E=ON -DCMAKE_EXE_LINKER_FLAGS=-fuse-ld=lld
}

QUINTREL_ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
quintrel_install_packages
if [ "${QUINTREL_TESTING:-0}" = 1 ]; then
    # Only for trees made from now on: a tree keeps the generator it was made with.
    export CMAKE_GENERATOR=Ninja
fi
