#!/usr/bin/env bash
# Installs what is missing, builds everything and runs every test via CTest.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
BUILD=${BUILD_DIR:-build}
cmake -S . -B "$BUILD" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build "$BUILD" --parallel "$(nproc)"
export XDG_RUNTIME_DIR=${XDG_RUNTIME_DIR:-/tmp/kestravin-runtime-$(id -u)}
mkdir -p "$XDG_RUNTIME_DIR" && chmod 700 "$XDG_RUNTIME_DIR"
ctest --test-dir "$BUILD" --output-on-failure --parallel "$(nproc)" "$@"

# The thread protocol under ThreadSanitizer, and the whole suite under
# AddressSanitizer and UBSan (skipped with KESTRAVIN_QUICK=1 for a fast local run).
if [ "${KESTRAVIN_QUICK:-0}" != "1" ]; then
  scripts/sanitizer-tests.sh thread address
fi
