#!/usr/bin/env bash
# The run behind the README's table of the beginners' levels: Iniciante and
# Aprendiz against fairy-stockfish at Skill Level -9 and -5 (depth 5), and
# the neighbouring levels against each other, every move judged by
# stockfish. One game at a time, at low priority. The engine is copied
# first, so that a rebuild during the run cannot take it away.
# Usage: tools/ladder/beginners-ladder.sh [BUILD-DIR] [more kestravin-ladder options]
set -euo pipefail
build=${1:-build}
shift || true
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
cp "$build/tools/uci/kestravin-uci" "$tmp/kestravin-uci"
nice -n 19 "$build/tools/ladder/kestravin-ladder" --engine "$tmp/kestravin-uci" --games 100 --judge \
  --pairing Iniciante:fsf-skill-9 --pairing Aprendiz:fsf-skill-5 --pairing Aprendiz:Iniciante \
  --pairing L1:Aprendiz --concurrency 1 "$@"
