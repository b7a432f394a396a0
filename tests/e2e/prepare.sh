#!/usr/bin/env bash
# prepare.sh EXECUTABLE OUT: the program folder that every end-to-end check copies, with stand-ins
# for data not made yet, and the signatures of its card pictures.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
# shellcheck source=lib.sh
source "$here/lib.sh"
prepare_data "$(realpath "$1")" "$2"
echo "prepared $2"
