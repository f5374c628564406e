#!/usr/bin/env bash
# Installs what is missing, builds everything and runs every test via CTest.
set -euo pipefail
source "$(dirname "$0")/build.sh"
ctest --test-dir "$BUILD" --output-on-failure --parallel "$(nproc)" "$@"

# The thread protocol under ThreadSanitizer, and the whole suite under
# AddressSanitizer and UBSan (skipped with KESTRAVIN_QUICK=1 for a fast local run).
if [ "${KESTRAVIN_QUICK:-0}" != "1" ]; then
  scripts/sanitizer-tests.sh thread address
fi
