# The anchor of terr_grid_bench: matplotlib's contour (contourf with "bands", contourf and
# contour over it with "bandlines") and savefig of the same 1000 x 1000 grids with 20 levels to
# a 1000 x 750 pixel PNG.  Prints the seconds of the contour and the savefig, best of the runs
# asked.
import sys
import time

import matplotlib
matplotlib.use("Agg")
import matplotlib.pyplot as plt
import numpy as np

mode = sys.argv[1] if len(sys.argv) > 1 else "lines"
bands = mode in ("bands", "bandlines")
runs = int(sys.argv[2]) if len(sys.argv) > 2 else 5
n = 1000
x, y = np.meshgrid(np.linspace(-3.0, 3.0, n), np.linspace(-3.0, 3.0, n))
if bands:
    z = (np.sin(3.0 * x) * np.cos(2.0 * y) + 0.5 * np.sin(5.0 * x + 4.0 * y)
         + np.exp(-(x * x + y * y)) + 0.3 * np.cos(7.0 * x * y / 3.0))
else:
    z = np.sin(2.0 * x) * np.cos(1.5 * y) + 0.3 * x
best = float("inf")
for _ in range(runs):
    start = time.perf_counter()
    fig = plt.figure(figsize=(10, 7.5), dpi=100)
    ax = fig.add_subplot()
    if bands:
        ax.contourf(x, y, z, 20)
    if mode != "bands":
        ax.contour(x, y, z, 20, colors="k", linewidths=1)
    fig.savefig("mpl_contour_anchor.png")
    plt.close(fig)
    best = min(best, time.perf_counter() - start)
print(best)
