#!/usr/bin/env bash
# Installs what is missing, builds the program and starts it.
set -euo pipefail
source "$(dirname "$0")/build.sh"
exec "$BUILD/app/kestravin" "$@"
