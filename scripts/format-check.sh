#!/usr/bin/env bash
# Checks that every C++ source and header is laid out as .clang-format says; lists the files
# that are not and exits 1.  Fix them with `clang-format -i FILE`.
set -u
cd "$(dirname "$0")/.."
command -v clang-format >/dev/null || { echo "format-check: clang-format is not installed" >&2; exit 1; }
bad=()
while IFS= read -r f; do
  clang-format --dry-run --Werror "$f" >/dev/null 2>&1 || bad+=("$f")
done < <(git ls-files '*.cpp' '*.h')
if [ ${#bad[@]} -ne 0 ]; then
  echo "format-check: not laid out as .clang-format says (clang-format -i FILE):" >&2
  printf '  %s\n' "${bad[@]}" >&2
  exit 1
fi
echo "format-check: every source file is laid out as .clang-format says"
