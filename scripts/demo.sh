#!/usr/bin/env bash
# The demo: SPECVUE run scripted on the bundled sample data, writing the result table and the
# plots into demo-output/.  Until the program is built, the kernel's example picture stands in.
set -euo pipefail
build=${1:-build}
top=$(cd "$(dirname "$0")/.." && pwd)
out="$top/demo-output"
mkdir -p "$out"
if [ -x "$build/app/specvue" ] && [ -f "$top/examples/demo.script" ]; then
  cp "$top/examples/dft_input.in" "$out/"
  (cd "$out" && TPANEL_SCRIPT="$top/examples/demo.script" "$top/$build/app/specvue")
else
  (cd "$out" && "$top/$build/examples/kernel_example")
fi
echo "demo: wrote $(ls "$out" | tr '\n' ' ')in $out"
