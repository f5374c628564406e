#!/usr/bin/env bash
# Measures start-up: from starting the process to the start screen's first
# paint, on an X server (run it under on-xvfb.sh). Prints each run and the
# median. The first run warms the font cache and the disk cache and is
# reported apart.
#   measure_startup.sh <kestravin> [runs]
set -euo pipefail
prog="$1"
runs="${2:-10}"
out=${TMPDIR:-/tmp}
source "$(dirname "$0")/x11-session.sh"
export KESTRAVIN_REPORT_FIRST_PAINT=1

measure() {
  local start painted
  start=$(date +%s%3N)
  painted=$("$prog" 2>/dev/null | awk '/^first paint/ {print $3}')
  [ -n "$painted" ] || { echo "no paint reported" >&2; return 1; }
  echo $(( painted - start ))
}

echo "warm-up run: $(measure) ms"
times=()
for _ in $(seq 1 "$runs"); do times+=("$(measure)"); done
sorted=$(printf '%s\n' "${times[@]}" | sort -n)
echo "runs (ms): $(tr '\n' ' ' <<<"$sorted")"
echo "median: $(sed -n "$(( (runs + 1) / 2 ))p" <<<"$sorted") ms, best: $(head -n1 <<<"$sorted") ms, worst: $(tail -n1 <<<"$sorted") ms"
