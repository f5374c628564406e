#!/usr/bin/env bash
# Fails when a tracked C++ file is not formatted as .clang-format says.
# Usage: scripts/check-format.sh [--fix]
set -euo pipefail
cd "$(dirname "$0")/.."
if ! git rev-parse --is-inside-work-tree >/dev/null 2>&1; then
  echo "check-format: not a git checkout; nothing to check" >&2
  exit 77
fi
mapfile -t files < <(git ls-files '*.cpp' '*.h')
if [ "${1:-}" = "--fix" ]; then
  clang-format -i --style=file "${files[@]}"
  exit 0
fi
clang-format --dry-run --Werror --style=file "${files[@]}"
echo "check-format: ${#files[@]} files formatted"
