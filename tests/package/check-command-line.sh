#!/usr/bin/env bash
# Checks the command line of the two programs as a person or a script uses it.
#   check-command-line.sh <kestravin> <kestravin-uci> <version>
set -uo pipefail
kestravin=$1
uci=$2
version=$3
fail() { echo "FAIL: $*"; exit 1; }
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
export XDG_RUNTIME_DIR=$out/rt
mkdir -m 700 "$XDG_RUNTIME_DIR"
# No stored language choice: the language follows LANG.
export XDG_CONFIG_HOME=$out/config LANG=pt_BR.UTF-8
unset LC_ALL LC_MESSAGES LANGUAGE

# run <name> <expected status> <command...>: standard output and error in
# $out/<name>.out and .err.
run() {
  local name=$1 expected=$2
  shift 2
  timeout 60 "$@" >"$out/$name.out" 2>"$out/$name.err" </dev/null
  local status=$?
  [ "$status" -eq "$expected" ] || fail "$name: exit status $status, expected $expected ($(cat "$out/$name.err"))"
}

for program in "$kestravin" "$uci"; do
  name=$(basename "$program")
  # No display at all, and the X11 platform asked for: a program that
  # reached for a window would fail here.
  run "$name-version" 0 env -u DISPLAY -u WAYLAND_DISPLAY QT_QPA_PLATFORM=xcb "$program" --version
  [ "$(cat "$out/$name-version.out")" = "$name $version" ] ||
    fail "$name --version printed '$(cat "$out/$name-version.out")'"
  [ ! -s "$out/$name-version.err" ] || fail "$name --version wrote to standard error: $(cat "$out/$name-version.err")"
  run "$name-v" 0 env -u DISPLAY QT_QPA_PLATFORM=xcb "$program" -v
  cmp -s "$out/$name-v.out" "$out/$name-version.out" || fail "$name -v differs from --version"

  run "$name-help" 0 env -u DISPLAY -u WAYLAND_DISPLAY QT_QPA_PLATFORM=xcb "$program" --help
  grep -q -- "--version" "$out/$name-help.out" || fail "$name --help does not list --version"
  grep -q -- "--help" "$out/$name-help.out" || fail "$name --help does not list --help"
  grep -qE "^(Usage|Uso): .*$name" "$out/$name-help.out" || fail "$name --help has no usage line"

  run "$name-bogus" 2 env QT_QPA_PLATFORM=offscreen "$program" --no-such-option
  [ ! -s "$out/$name-bogus.out" ] || fail "$name --no-such-option wrote to standard output"
  grep -q -- "--no-such-option" "$out/$name-bogus.err" || fail "$name does not name the unknown option"
  grep -q -- "--help" "$out/$name-bogus.err" || fail "$name does not point to --help"
done

# The help speaks the interface language, before any window as well.
grep -q "Mostra esta ajuda e sai." "$out/kestravin-help.out" || fail "kestravin --help is not in Portuguese"
run help-en 0 env -u DISPLAY QT_QPA_PLATFORM=xcb LANG=en_US.UTF-8 "$kestravin" --help
grep -q "Displays this help and exits." "$out/help-en.out" || fail "kestravin --help is not in English for LANG=en_US"
# It names the game file the program opens, as the README shows it.
grep -qE "^(Usage|Uso): .*kestravin.* \[partida\.pgn\]" "$out/kestravin-help.out" ||
  fail "kestravin --help does not show the game file in its usage line"
grep -q "partida.pgn .*PGN" "$out/kestravin-help.out" || fail "kestravin --help does not explain the game file"
grep -qE "^Usage: .*kestravin.* \[game\.pgn\]" "$out/help-en.out" ||
  fail "kestravin --help in English does not show the game file"
run bogus-en 2 env QT_QPA_PLATFORM=offscreen LANG=en_US.UTF-8 "$kestravin" --no-such-option
grep -q "unknown option: --no-such-option" "$out/bogus-en.err" || fail "the unknown option is not reported in English"

# Qt's own options still reach Qt, and --version is answered after them.
run qt-option 0 "$kestravin" -platform offscreen --version
[ "$(cat "$out/qt-option.out")" = "kestravin $version" ] || fail "-platform offscreen --version printed '$(cat "$out/qt-option.out")'"

# A file argument starts the program as usual, with the game opened: it
# reaches its first paint and reports it.
printf '[Event "?"]\n[Site "?"]\n[Date "????.??.??"]\n[Round "?"]\n[White "?"]\n[Black "?"]\n[Result "*"]\n\n1. e4 e5 *\n' >"$out/partida.pgn"
run file-argument 0 env QT_QPA_PLATFORM=offscreen KESTRAVIN_REPORT_FIRST_PAINT=1 "$kestravin" "$out/partida.pgn"
grep -q "^first paint " "$out/file-argument.out" || fail "with a file argument the program did not start"

# The engine still speaks UCI when started without arguments.
printf 'uci\nquit\n' | timeout 30 "$uci" >"$out/uci.out" 2>&1 || fail "kestravin-uci without arguments failed"
grep -q "^uciok" "$out/uci.out" || fail "kestravin-uci did not answer uci"
echo "PASS: command lines of $(basename "$kestravin") and $(basename "$uci")"
