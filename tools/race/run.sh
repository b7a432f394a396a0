#!/usr/bin/env bash
# run.sh [SAVES]: the saved game's race, run by hand as root (not by CI). Builds tools/race/race
# with the saved-game layers (Qt Core alone), then saves and loads SAVES times (10000 unless given)
# in a folder under /dev/shm while another user (nobody) swaps links, chains and files of its own
# in under the saved game's names and reads everything there for a secret of the player's. Prints
# what leaked (nothing may), how many saves and loads were told truly, and fails otherwise.
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
build="$root/build-race"
mkdir -p "$build"
sources=("$root"/tools/race/race.cpp "$root"/savegame/{profile,savedgame}.cpp
         "$root"/platform/{caseinsensitivename,filereplacement,folderfile,folderlock,gamefolders,regularfile}.cpp)
# shellcheck disable=SC2046
g++ -std=c++20 -O2 -fPIC -I"$root" "${sources[@]}" -o "$build/race" $(pkg-config --cflags --libs Qt6Core)
time "$build/race" "${1:-10000}"
