#!/usr/bin/env bash
# Formats every C++ file of the project with the root .clang-format.
# Usage: scripts/format.sh [--check]   (--check: change nothing, fail on any file that differs)
set -euo pipefail
cd "$(dirname "$0")/.."

mapfile -t files < <(git ls-files '*.cpp' '*.h')
if [ "${1:-}" = "--check" ]; then
  clang-format --dry-run -Werror "${files[@]}"
  echo "format: ${#files[@]} files as .clang-format wants them"
else
  clang-format -i "${files[@]}"
fi
