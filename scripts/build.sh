#!/usr/bin/env bash
# Installs what is missing and builds everything into $BUILD_DIR (default
# build). Sourced by run-program.sh and run-tests.sh, or run on its own.
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."
scripts/setup.sh
BUILD=${BUILD_DIR:-build}
# The code builds without a single warning, and the scripts keep it so.
cmake -S . -B "$BUILD" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
      -DKESTRAVIN_WARNINGS_AS_ERRORS=ON
cmake --build "$BUILD" --parallel "$(nproc)"
source scripts/runtime-dir.sh
