#!/usr/bin/env bash
# Installs what is missing, builds Quintrel and starts it. Only the game is built, in a folder of its
# own: the tests, the data generators and the fuzz targets are left to test.sh, and the committed
# data files are used as they are.
set -euo pipefail
source "$(dirname "$0")/scripts/setup.sh"
quintrel_build "$QUINTREL_ROOT/build-play" RelWithDebInfo
exec "$QUINTREL_ROOT/build-play/quintrel/quintrel" "$@"
