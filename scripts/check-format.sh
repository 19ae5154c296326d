#!/usr/bin/env bash
# Fails, naming the files, when a tracked .cpp or .h file differs from what clang-format makes of it
# with the committed .clang-format. Fix with: clang-format -i FILE...
set -euo pipefail
cd "$(dirname "$0")/.."
if report=$(git ls-files -z -- '*.cpp' '*.h' | xargs -0 clang-format --style=file --dry-run --Werror 2>&1); then
  exit 0
fi
files=$(sed -n 's/^\(.*\):[0-9]*:[0-9]*: error: code should be clang-formatted.*/\1/p' <<<"$report" | sort -u)
if [ -z "$files" ]; then
  echo "$report" >&2   # clang-format itself failed
else
  echo "Not formatted as clang-format ($(clang-format --version)) would:" >&2
  sed 's/^/  /' <<<"$files" >&2
fi
exit 1
