#!/usr/bin/env bash
# Runs our benchmarks beside the tools users would pick instead and prints the ratios
# (ours / anchor, lower is better).  Usage: bench/compare.sh [build-dir] (default: build);
# ROWS=network runs only the scattered-map and network rows.
# The anchors are matplotlib (Debian python3-matplotlib), qdelaunay (qhull-bin) and gnuplot
# (gnuplot-nox); a missing anchor leaves its ratio out.  Every figure is the best of a few runs, on both sides.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
build=$(cd "${1:-build}" && pwd)
runs=${RUNS:-5}
python=${PYTHON:-}
if [ -z "$python" ]; then
  for p in /usr/bin/python3 python3; do
    if command -v "$p" >/dev/null && "$p" -c "import matplotlib, numpy" 2>/dev/null; then
      python=$p
      break
    fi
  done
fi
json=${python:-python3}

cmake --build "$build" -j4 --target plot_graph_bench terr_grid_bench terr_network_bench \
  terr_surface_bench >/dev/null
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# Best real time in seconds of one of our benchmarks over the runs.
ours() {   # program filter
  (cd "$work" && "$build/bench/$1" --benchmark_filter="^$2\$" \
     --benchmark_repetitions="$runs" --benchmark_format=json 2>/dev/null) |
    "$json" -c '
import json, sys
rows = [b for b in json.load(sys.stdin)["benchmarks"] if b.get("run_type") == "iteration"]
scale = {"ns": 1e-9, "us": 1e-6, "ms": 1e-3, "s": 1.0}
print(min(b["real_time"] * scale[b["time_unit"]] for b in rows))'
}

anchor() {   # script args...
  if [ -n "$python" ]; then (cd "$work" && "$python" "$here/anchors/$1" "${@:2}"); fi
}

qhull() {   # points
  if command -v qdelaunay >/dev/null; then "$json" "$here/anchors/qdelaunay_time.py" "$1" 3; fi
}

gnuplot_surface() {   # nodes per side
  if command -v gnuplot >/dev/null; then "$json" "$here/anchors/gnuplot_surface.py" "$1" 3; fi
}

row() {   # work, ours, anchor name, anchor, goal
  awk -v w="$1" -v o="$2" -v n="$3" -v a="$4" -v g="$5" 'BEGIN {
    r = (a == "") ? "-" : sprintf("%.2f", o / a)
    printf "%-44s %9.3f  %-30s %9s  %6s  %s\n", w, o, n, (a == "" ? "-" : sprintf("%.3f", a)), r, g }'
}

printf "%-44s %9s  %-30s %9s  %6s  %s\n" "work" "ours (s)" "anchor" "(s)" "ratio" "goal"
if [ "${ROWS:-all}" != network ]; then
row "GRAPH, 1,000,000 points, to a 1000 px PNG" "$(ours plot_graph_bench GraphToPng)" \
    "matplotlib plot + savefig" "$(anchor mpl_graph.py "$runs")" "0.5 or less"
row "DRACON, 1000 x 1000 grid, 20 levels, to PNG" "$(ours terr_grid_bench ContourLinesToPng)" \
    "matplotlib contour + savefig" "$(anchor mpl_contour.py lines "$runs")" "0.33 or less"
row "FILCON, 1000 x 1000 grid, 20 bands, to PNG" "$(ours terr_grid_bench BandFillsToPng)" \
    "matplotlib contourf + savefig" "$(anchor mpl_contour.py bands "$runs")" "0.5 or less"
row "FILCON as above, with the contour lines" "$(ours terr_grid_bench BandFillsAndLinesToPng)" \
    "matplotlib contourf, contour + savefig" "$(anchor mpl_contour.py bandlines "$runs")" ""
fi
# The scattered maps: from RANTRI to the closed device against matplotlib from the figure to
# the saved file, its triangulation included.  The million-point maps take seconds a run, so
# they are run fewer times (LARGE_RUNS, default 2).
large_runs=${LARGE_RUNS:-2}
for size in 100000 1000000; do
  label=$(echo "$size" | sed ':a;s/\B[0-9]\{3\}\>/,&/;ta')
  n_runs=$runs
  [ "$size" = 1000000 ] && n_runs=$large_runs
  lines=$(runs=$n_runs ours terr_network_bench "ScatteredMapToPng/$size/0")
  bands=$(runs=$n_runs ours terr_network_bench "ScatteredMapToPng/$size/1")
  goal_lines="0.5 or less" goal_bands="0.5 or less"
  [ "$size" = 1000000 ] && goal_lines="" && goal_bands="0.6 or less"
  row "DRATRI, $label points, 20 levels, to PNG" "$lines" \
      "matplotlib tricontour + savefig" "$(anchor mpl_tricontour.py lines "$size" "$n_runs")" \
      "$goal_lines"
  row "FILTRI, $label points, 20 bands, to PNG" "$bands" \
      "matplotlib tricontourf + savefig" "$(anchor mpl_tricontour.py bands "$size" "$n_runs")" \
      "$goal_bands"
  if [ "$size" = 100000 ]; then
    row "FILTRI as above, with the contour lines" \
        "$(runs=$n_runs ours terr_network_bench "ScatteredMapToPng/$size/2")" \
        "matplotlib tricontourf, tricontour" \
        "$(anchor mpl_tricontour.py bandlines "$size" "$n_runs")" ""
  fi
  awk -v b="$bands" -v l="$lines" -v n="$label" 'BEGIN {
    printf "FILTRI / DRATRI of the same %s points: %.2f\n", n, b / l }'
done
small=$(ours terr_network_bench buildNetwork/100000)
large=$(ours terr_network_bench buildNetwork/1000000)
qsmall=$(qhull 100000)
qlarge=$(qhull 1000000)
row "RANTRI, 100,000 points" "$small" "qdelaunay Qt i" "$qsmall" "keep (0.48)"
row "RANTRI, 1,000,000 points" "$large" "qdelaunay Qt i" "$qlarge" ""
awk -v s="$small" -v l="$large" -v qs="$qsmall" -v ql="$qlarge" 'BEGIN {
  printf "RANTRI growth from 100,000 to 1,000,000 points: ours %.1f times", l / s
  if (qs != "" && ql != "") printf ", qdelaunay %.1f times", ql / qs
  printf "\n" }'
[ "${ROWS:-all}" = network ] && exit 0
row "PERPRJ wire frame, 200 x 200, hidden lines, PNG" "$(ours terr_surface_bench WireFrameToPng/200)" \
    "gnuplot splot, hidden3d" "$(gnuplot_surface 200)" ""
