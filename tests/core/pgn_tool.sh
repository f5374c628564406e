#!/usr/bin/env bash
# kestravin-pgn through its command line: the line per game, the error
# lines, --export read back, --help and --version, and the exit statuses.
# Usage: pgn_tool.sh PROGRAM SOURCE_DIR
set -u
tool=$1
data=$2/tests/core/data
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0

fail() {
  echo "FAIL: $*" >&2
  failures=$((failures + 1))
}

expect_status() {  # expected, description, command...
  local expected=$1 what=$2
  shift 2
  "$@" >"$work/out" 2>"$work/err"
  local status=$?
  [[ $status == "$expected" ]] || fail "$what: exit status $status, expected $expected ($(head -c 300 "$work/err"))"
}

# Every game of the famous games read: status 0, one line each.
expect_status 0 "famous games" "$tool" "$data/famous.pgn"
[[ $(wc -l <"$work/out") == 4 ]] || fail "famous games: $(wc -l <"$work/out") lines"
printf '%s\t0\t1-0\t33\t1n1Rkb1r/p4ppp/4q3/4p1B1/4P3/8/PPP2PPP/2K5 b k - 1 17\n' "$data/famous.pgn" >"$work/expected"
head -1 "$work/out" | cmp -s - "$work/expected" || fail "famous games: first line is $(head -1 "$work/out")"
grep -q $'\t3\t0-1\t82\t1Q6/5pk1/2p3p1/1p2N2p/1b5P/1bn5/2r3P1/2K5 w - - 16 42$' "$work/out" ||
  fail "famous games: no line for the fourth game"

# A broken game between two good ones: an error line, the rest still read,
# status 1. The Result tag is printed as * when absent.
printf '[Result "1-0"]\n\n1. e4 e5 1-0\n\n1. e4 e5 2. Ke3 *\n\n1. d4\n' >"$work/mixed.pgn"
expect_status 1 "broken game" "$tool" "$work/mixed.pgn"
printf '%s\t0\t1-0\t2\trnbqkbnr/pppp1ppp/8/4p3/4P3/8/PPPP1PPP/RNBQKBNR w KQkq e6 0 2\n%s\t1\terror\t5:13\tlance ilegal: "Ke3"\n%s\t2\t*\t1\trnbqkbnr/pppppppp/8/8/3P4/8/PPP1PPPP/RNBQKBNR b KQkq d3 0 1\n' \
  "$work/mixed.pgn" "$work/mixed.pgn" "$work/mixed.pgn" >"$work/expected"
cmp -s "$work/out" "$work/expected" || fail "broken game: output was $(cat "$work/out")"

# A file that cannot be opened: status 2, the other files still read.
expect_status 2 "missing file" "$tool" "$work/none.pgn" "$data/famous.pgn"
[[ $(wc -l <"$work/out") == 4 ]] || fail "missing file: the other file was not read"
grep -q "none.pgn" "$work/err" || fail "missing file: no message"

# An empty file and binary noise give no crash.
: >"$work/empty.pgn"
expect_status 0 "empty file" "$tool" "$work/empty.pgn"
[[ ! -s "$work/out" ]] || fail "empty file: printed $(cat "$work/out")"
head -c 20000 /dev/urandom >"$work/noise.pgn"
"$tool" "$work/noise.pgn" >/dev/null 2>&1
status=$?
[[ $status == 0 || $status == 1 ]] || fail "binary noise: exit status $status"

# --export writes games that read back to the same positions.
expect_status 0 "export" "$tool" --export "$data/famous.pgn"
cp "$work/out" "$work/exported.pgn"
grep -q '^\[Event "Paris"\]$' "$work/exported.pgn" || fail "export: no Event tag"
awk 'length($0) > 80 { exit 1 }' "$work/exported.pgn" || fail "export: a line longer than 80 characters"
"$tool" "$data/famous.pgn" | cut -f 2- >"$work/original"
"$tool" "$work/exported.pgn" | cut -f 2- >"$work/again"
cmp -s "$work/original" "$work/again" || fail "export: the games read back differently"
expect_status 1 "export of a broken game" "$tool" --export "$work/mixed.pgn"
[[ $(grep -c '^\[Event ' "$work/out") == 2 ]] || fail "export: the readable games were not all written"
grep -q $'\t1\terror\t5:13\t' "$work/err" || fail "export: no error line on stderr"

# A timed game keeps its clock tags and each move's [%clk] through export.
cat >"$work/timed.pgn" <<'PGN'
[Event "?"]
[Result "0-1"]
[TimeControl "40/5400+30:1800+30"]
[Termination "time forfeit"]

1. e4 {[%clk 1:30:00]} 1... d5 {bom [%clk 1:29:58.4]} 2. exd5 {[%clk 1:25:01.3]} 0-1
PGN
expect_status 0 "export of a timed game" "$tool" --export "$work/timed.pgn"
grep -q '^\[TimeControl "40/5400+30:1800+30"\]$' "$work/out" || fail "export: TimeControl lost"
grep -q '^\[Termination "time forfeit"\]$' "$work/out" || fail "export: Termination lost"
grep -q '{bom \[%clk 1:29:58.4\]}' "$work/out" || fail "export: a move's clock lost: $(cat "$work/out")"
# --export keeps variations, comments and NAGs: exported once, the text is
# what exporting it again gives, and the variations are there.
expect_status 0 "export of annotated games" "$tool" --export "$data/annotated.pgn"
cp "$work/out" "$work/annotated.pgn"
grep -q '(2... d5 {contragambito}' "$work/annotated.pgn" || fail "export: a nested variation was lost"
expect_status 0 "export of exported games" "$tool" --export "$work/annotated.pgn"
cmp -s "$work/out" "$work/annotated.pgn" || fail "export: exporting again changed the games"

# Two files joined, each with its byte-order mark: two games, status 0.
{ printf '\357\273\277[Event "a"]\r\n\r\n1. e4 *\r\n'; printf '\357\273\277[Event "b"]\r\n\r\n1. d4 *\r\n'; } >"$work/joined.pgn"
expect_status 0 "joined files" "$tool" "$work/joined.pgn"
[[ $(wc -l <"$work/out") == 2 ]] || fail "joined files: $(cat "$work/out")"
# --eco names each game's opening by the last named position it reached,
# replacing the tags it had; only with --export.
printf '[ECO "A00"]\n[Opening "Wrong"]\n\n1. e4 e5 2. Nf3 Nc6 3. Bb5 a6 4. h3 *\n\n[SetUp "1"]\n[FEN "8/8/8/4k3/8/8/8/4K3 w - - 0 1"]\n\n1. Ke2 *\n' >"$work/eco.pgn"
expect_status 0 "--eco" "$tool" --export --eco "$work/eco.pgn"
grep -qx '\[ECO "C70"\]' "$work/out" || fail "--eco: no ECO tag C70 in $(cat "$work/out")"
grep -qx '\[Opening "Ruy Lopez: Morphy Defense"\]' "$work/out" || fail "--eco: no Opening tag"
[[ $(grep -c '^\[ECO ' "$work/out") == 1 ]] || fail "--eco: the old tag stayed or an unnamed game got one"
expect_status 2 "--eco without --export" "$tool" --eco "$work/eco.pgn"

# Options.
expect_status 0 "--help" "$tool" --help
grep -q -- "--export" "$work/out" || fail "--help does not describe --export"
expect_status 0 "--version" "$tool" --version
grep -q "^kestravin-pgn [0-9]" "$work/out" || fail "--version printed $(cat "$work/out")"
expect_status 0 "-v" "$tool" -v
grep -q "^kestravin-pgn [0-9]" "$work/out" || fail "-v printed $(cat "$work/out")"
expect_status 2 "no arguments" "$tool"
expect_status 2 "unknown option" "$tool" --frobnicate "$data/famous.pgn"

# An export to a full disk is no success: status 2 and a message.
expect_status 2 "export to a full disk" bash -c '"$1" --export "$2" >/dev/full' _ "$tool" "$data/famous.pgn"
grep -q "saída" "$work/err" || fail "export to a full disk: no message ($(cat "$work/err"))"

if ((failures)); then
  echo "$failures check(s) failed" >&2
  exit 1
fi
echo "kestravin-pgn: all checks passed"
