#!/usr/bin/env bash
# Builds the libFuzzer targets with clang (the whole code base instrumented
# for the fuzzer, AddressSanitizer and UBSan) and runs each for a bounded
# time from its committed seed corpus. Fails when any target crashes, breaks
# an invariant or times out; the input that did it is kept in
# <build>/fuzz-artifacts/.
#   KESTRAVIN_FUZZ_SECONDS  seconds per target (default 60)
#   FUZZ_BUILD_DIR          the build folder (default build-fuzz)
# Usage: scripts/fuzz.sh [target...]   (default: every target)
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/runtime-dir.sh

build=${FUZZ_BUILD_DIR:-build-fuzz}
seconds=${KESTRAVIN_FUZZ_SECONDS:-60}
targets=("$@")
((${#targets[@]})) || targets=(position gamefile moves engine uci pgn)

CC=clang CXX=clang++ cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DKESTRAVIN_SANITIZE=fuzzer >/dev/null
cmake --build "$build" --parallel "$(nproc)" --target "${targets[@]/#/fuzz_}"

# Leaks count as findings too: what the targets create once (the
# QApplication, the board) stays reachable, so only lost memory is reported.
export ASAN_OPTIONS="detect_leaks=1:abort_on_error=1"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
failed=()
for target in "${targets[@]}"; do
  # New inputs go to a scratch corpus; the committed seeds stay as they are.
  work="$build/fuzz-corpus/$target"
  artifacts="$build/fuzz-artifacts"
  mkdir -p "$work" "$artifacts"
  echo "== fuzz_$target: ${seconds} s"
  if "$build/tests/fuzz/fuzz_$target" -max_total_time="$seconds" -timeout=60 -rss_limit_mb=4096 \
       -print_final_stats=1 -artifact_prefix="$artifacts/$target-" \
       "$work" "tests/fuzz/corpus/$target" >"$build/fuzz-$target.log" 2>&1; then
    grep -E "^(Done|stat::number_of_executed_units)" "$build/fuzz-$target.log" | head -1 || true
  else
    echo "fuzz_$target FAILED; see $build/fuzz-$target.log and $artifacts/" >&2
    grep -E "invariant broken|ERROR:|SUMMARY:|Test unit written" "$build/fuzz-$target.log" >&2 || true
    failed+=("$target")
  fi
done

if ((${#failed[@]})); then
  echo "fuzz targets that failed: ${failed[*]}" >&2
  exit 1
fi
echo "all fuzz targets ran ${seconds} s without a finding"
