#!/usr/bin/env bash
# The layering check must catch each planted violation of violations/ and
# fail: an upward include in core/, Qt in the engine, a project include in
# platform/.
set -uo pipefail
here=$(cd "$(dirname "$0")" && pwd)
output=$(bash "$here/check-layering.sh" "$here/violations")
status=$?
echo "$output"
[[ $status -eq 1 ]] || { echo "expected exit status 1, got $status"; exit 1; }
for expected in "core/ may not include board/ChessBoard.h" "engine/ must not use Qt" \
                "platform/ may not include core/Square.h"; do
    grep -qF "$expected" <<<"$output" || { echo "missed: $expected"; exit 1; }
done
echo "every planted violation was reported"
