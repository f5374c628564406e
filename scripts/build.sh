#!/usr/bin/env bash
# Installs what is missing and builds everything into $BUILD_DIR (default
# build). Sourced by run-program.sh and run-tests.sh, or run on its own.
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."
scripts/setup.sh
BUILD=${BUILD_DIR:-build}
cmake -S . -B "$BUILD" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build "$BUILD" --parallel "$(nproc)"
# Qt wants a private runtime folder.
export XDG_RUNTIME_DIR=${XDG_RUNTIME_DIR:-/tmp/kestravin-runtime-$(id -u)}
mkdir -p "$XDG_RUNTIME_DIR" && chmod 700 "$XDG_RUNTIME_DIR"
