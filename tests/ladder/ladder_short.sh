#!/usr/bin/env bash
# A short ladder: the tool plays whole games, every one ends by the rules
# (no illegal move, no time forfeit, no broken engine) and the table comes
# out. "levels": level 1 against level 2, two games, colours swapped.
# "stockfish": one game of level 1 against stockfish's weakest UCI_Elo;
# skipped (77) when stockfish is not installed.
set -uo pipefail
ladder=$1
mode=$2
stockfish=${KESTRAVIN_STOCKFISH:-/usr/games/stockfish}
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
export XDG_RUNTIME_DIR=${XDG_RUNTIME_DIR:-$out/rt}
mkdir -p "$XDG_RUNTIME_DIR" && chmod 700 "$XDG_RUNTIME_DIR"

case $mode in
levels)
    args=(--quick --strict --verbose)
    pairing='L1 vs L2'
    games=2
    ;;
stockfish)
    if [ ! -x "$stockfish" ]; then
        echo "stockfish is not installed at $stockfish: skipped"
        exit 77
    fi
    args=(--pairing L1:sf-elo-min --games 1 --movetime 20 --strict --verbose --stockfish "$stockfish")
    pairing='L1 vs sf-elo[0-9]+'
    games=1
    ;;
*)
    echo "unknown mode $mode"
    exit 2
    ;;
esac

"$ladder" "${args[@]}" >"$out/stdout" 2>"$out/stderr"
rc=$?
cat "$out/stdout" "$out/stderr"
fail() {
    echo "FAIL: $*"
    exit 1
}
[ $rc -eq 0 ] || fail "the ladder exited with $rc"
# Every game is printed with its moves and ends by a rule of the game.
played=$(grep -c '^game ' "$out/stdout")
[ "$played" -eq "$games" ] || fail "$played games printed, $games expected"
ended=$(grep -cE '^game .* \((checkmate|stalemate|threefold repetition|fifty-move rule|no mating material)\): ' \
    "$out/stdout")
[ "$ended" -eq "$games" ] || fail "only $ended of $games games ended by the rules"
# Each game has moves beyond its opening line (at least the engines' own).
while read -r moves; do
    [ "$(wc -w <<<"$moves")" -ge 8 ] || fail "a game of only: $moves"
done < <(sed -n 's/^game [^:]*: //p' "$out/stdout")
grep -qE "^$pairing +$games +[0-9]+-[0-9]+-[0-9]+ +[0-9]+% +[-+0-9a-z]+ \[" "$out/stdout" ||
    fail "no table line for $pairing"
grep -q "$games games in .* 0 forfeited" "$out/stdout" || fail "no summary line without forfeits"
echo "PASS"
