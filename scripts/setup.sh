#!/usr/bin/env bash
# Makes sure the Debian packages that build, test and play Quintrel are installed, and defines the
# builds. Sourced by play.sh, test.sh and fuzz/run.sh; with QUINTREL_TESTING=1 it also installs what
# only the test suite uses.
set -euo pipefail

QUINTREL_PACKAGES=(cmake g++ make qt6-base-dev libsdl2-dev libgif-dev xvfb xauth xdotool x11-utils
                   openbox imagemagick fonts-dejavu-core clang libclang-rt-14-dev qt6-base-private-dev)
# The test suite builds twice and links some twenty programs each time: ninja and lld make that quicker.
# The screen-reader check plays through the accessibility bus: a session bus, the AT-SPI registry
# and its Python bindings.
QUINTREL_TEST_PACKAGES=(ninja-build lld dbus-daemon at-spi2-core python3-pyatspi)

quintrel_missing_packages() {
    local package missing=()
    for package in "$@"; do
        if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed'; then
            missing+=("$package")
        fi
    done
    echo "${missing[@]:-}"
}

quintrel_install_packages() {
    local missing
    missing=$(quintrel_missing_packages "$@")
    [ -z "$missing" ] && return 0
    local line="apt-get install -y --no-install-recommends $missing"
    if [ "$(id -u)" -eq 0 ]; then
        echo "Installing: $missing"
        DEBIAN_FRONTEND=noninteractive apt-get update -qq
        # shellcheck disable=SC2086
        DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends $missing
    elif command -v sudo >/dev/null 2>&1 && sudo -n true 2>/dev/null; then
        echo "Installing through sudo: $missing"
        sudo DEBIAN_FRONTEND=noninteractive apt-get update -qq
        # shellcheck disable=SC2086
        sudo DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends $missing
    else
        echo "Quintrel needs these Debian packages. Install them as root, then run this again:" >&2
        echo "  sudo apt-get update && sudo $line" >&2
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
        -DCMAKE_EXE_LINKER_FLAGS=-fuse-ld=lld
}

QUINTREL_ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
if [ "${QUINTREL_TESTING:-0}" = 1 ]; then
    quintrel_install_packages "${QUINTREL_PACKAGES[@]}" "${QUINTREL_TEST_PACKAGES[@]}"
    # Only for trees made from now on: a tree keeps the generator it was made with.
    export CMAKE_GENERATOR=Ninja
else
    quintrel_install_packages "${QUINTREL_PACKAGES[@]}"
fi
