#!/usr/bin/env bash
# The run behind the README's table of the levels ("How strong each level
# is"): about 600 games, some 25 minutes on two busy cores. The engine is
# copied first, so that a rebuild during the run cannot take it away.
# Usage: tools/ladder/full-ladder.sh [BUILD-DIR] [more kestravin-ladder options]
set -euo pipefail
build=${1:-build}
shift || true
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
cp "$build/tools/uci/kestravin-uci" "$tmp/kestravin-uci"
"$build/tools/ladder/kestravin-ladder" --engine "$tmp/kestravin-uci" \
  --games 40 --ref-games 12 --ref-levels 2-5 --skill 0 --elo min,1500,1700 --movetime 50 --concurrency 1 "$@"
