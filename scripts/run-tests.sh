#!/usr/bin/env bash
# Installs what is missing, builds everything and runs every test via CTest.
set -euo pipefail
source "$(dirname "$0")/build.sh"
ctest --test-dir "$BUILD" --output-on-failure --parallel "$(nproc)" "$@"

# The thread protocol under ThreadSanitizer, the whole suite under
# AddressSanitizer and UBSan, then every fuzz target for a bounded time
# (all skipped with KESTRAVIN_QUICK=1 for a fast local run).
if [ "${KESTRAVIN_QUICK:-0}" != "1" ]; then
  scripts/sanitizer-tests.sh thread address
  KESTRAVIN_FUZZ_SECONDS=${KESTRAVIN_FUZZ_SECONDS:-45} scripts/fuzz.sh
fi
