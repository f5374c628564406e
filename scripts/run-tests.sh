#!/usr/bin/env bash
# Installs what is missing, builds everything (warnings are errors) and runs
# every test via CTest: the normal build's suite, then the thread protocol
# under ThreadSanitizer, the whole suite under AddressSanitizer and UBSan,
# and every fuzz target for a bounded time.
#
# With arguments, they go to CTest and only the normal build's matching
# tests run, quickly: scripts/run-tests.sh -R Engine, or -L unit.
# KESTRAVIN_QUICK=1 also leaves out the sanitizer and fuzz runs.
set -euo pipefail
source "$(dirname "$0")/build.sh"
ctest --test-dir "$BUILD" --output-on-failure --parallel "$(nproc)" "$@"

if (($# == 0)) && [ "${KESTRAVIN_QUICK:-0}" != "1" ]; then
  scripts/sanitizer-tests.sh thread address
  KESTRAVIN_FUZZ_SECONDS=${KESTRAVIN_FUZZ_SECONDS:-30} scripts/fuzz.sh
fi
