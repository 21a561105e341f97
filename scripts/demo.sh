#!/usr/bin/env bash
# The demo: SPECVUE run scripted on the bundled sample data, writing the result table and the
# plots into demo-output/.
set -euo pipefail
build=${1:-build}
top=$(cd "$(dirname "$0")/.." && pwd)
out="$top/demo-output"
program="$top/$build/app/specvue"
if [ ! -x "$program" ]; then
  echo "demo: $program is not built; run 'make build' first" >&2
  exit 1
fi
mkdir -p "$out"
cp "$top/examples/dft_input.in" "$out/"
(cd "$out" && TPANEL_SCRIPT="$top/examples/demo.script" "$program")
echo "demo: wrote $(ls "$out" | tr '\n' ' ')in $out"
