#!/usr/bin/env bash
# Checks the C++ sources against .clang-format (Debian's clang-format-14): every file, or
# only those changed since BASE.
#   scripts/check-format.sh [BASE]      e.g. scripts/check-format.sh origin/main
# Prints each file that differs and how (clang-format's own diagnostics), exits 1 if any does.
# To format a file: clang-format-14 -i --style=file FILE
set -euo pipefail
cd "$(dirname "$0")/.."
./scripts/install-missing.sh clang-format-14
patterns=('src/*.cpp' 'src/*.h' 'tests/*.cpp' 'tests/*.h' 'tools/*.cpp' 'tools/*.h' 'bench/*.cpp' 'bench/*.h'
          'fuzz/*.cpp' 'fuzz/*.h' 'assets/*.cpp')
if [ $# -ge 1 ]; then
  mapfile -t files < <(git diff --name-only --diff-filter=ACMR "$1" -- "${patterns[@]}")
else
  mapfile -t files < <(git ls-files -- "${patterns[@]}")
fi
[ ${#files[@]} -gt 0 ] || { echo "check-format: no C++ file to check"; exit 0; }
bad=0
for f in "${files[@]}"; do
  clang-format-14 --style=file --dry-run -Werror "$f" >/dev/null 2>&1 || { echo "check-format: $f differs from .clang-format"; bad=1; }
done
[ "$bad" -eq 0 ] && echo "check-format: ${#files[@]} files as .clang-format has them"
exit "$bad"
