#!/usr/bin/env bash
# Installs what is missing, builds the program and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
BUILD=${BUILD_DIR:-build}
cmake -S . -B "$BUILD" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build "$BUILD" --parallel "$(nproc)"
export XDG_RUNTIME_DIR=${XDG_RUNTIME_DIR:-/tmp/kestravin-runtime-$(id -u)}
mkdir -p "$XDG_RUNTIME_DIR" && chmod 700 "$XDG_RUNTIME_DIR"
if [ -x "$BUILD/app/kestravin" ]; then
  exec "$BUILD/app/kestravin" "$@"
fi
echo "The program is not built yet; running the tests instead."
exec ctest --test-dir "$BUILD" --output-on-failure
