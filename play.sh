#!/usr/bin/env bash
# Installs what is missing, builds Quintrel and starts it.
set -euo pipefail
source "$(dirname "$0")/scripts/setup.sh"
quintrel_build "$QUINTREL_ROOT/build" RelWithDebInfo
exec "$QUINTREL_ROOT/build/quintrel/quintrel"
