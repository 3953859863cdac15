#!/usr/bin/env bash
# Lines of test code against lines of program code (C++ lines that are not
# blank and not comments only). The house rule: tests at most 0.4 of the code.
set -euo pipefail
cd "$(dirname "$0")/.."

count() {
  git ls-files "$1" | grep -E '\.(cpp|h|hpp)$' | xargs -r cat | grep -cvE '^\s*(//.*)?$' || true
}
src=$(count 'src/*')
tests=$(count 'tests/*')
ratio=$(awk -v t="$tests" -v s="$src" 'BEGIN { printf "%.2f", s ? t / s : 0 }')
echo "code lines in src/: $src; in tests/: $tests; tests/code = $ratio (at most 0.40)"
awk -v r="$ratio" 'BEGIN { exit !(r <= 0.40) }' || { echo "tests exceed 0.4 of the code" >&2; exit 1; }
