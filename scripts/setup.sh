#!/usr/bin/env bash
# Makes sure the Debian packages that build, test and play Quintrel are installed, then builds it.
# Sourced by play.sh and test.sh; BUILD_DIR and BUILD_TYPE may be set by the caller.
set -euo pipefail

QUINTREL_PACKAGES=(cmake g++ make qt6-base-dev libsdl2-dev libgif-dev xvfb xauth xdotool x11-utils
                   openbox imagemagick fonts-dejavu-core clang libclang-rt-14-dev)

quintrel_missing_packages() {
    local package missing=()
    for package in "${QUINTREL_PACKAGES[@]}"; do
        if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed'; then
            missing+=("$package")
        fi
    done
    echo "${missing[@]:-}"
}

quintrel_install_packages() {
    local missing
    missing=$(quintrel_missing_packages)
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

quintrel_build() {
    local dir=$1 type=$2
    shift 2
    cmake -S "$QUINTREL_ROOT" -B "$dir" -DCMAKE_BUILD_TYPE="$type" "$@" >/dev/null
    cmake --build "$dir" -j "$(nproc)"
}

QUINTREL_ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
quintrel_install_packages
