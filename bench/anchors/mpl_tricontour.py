# The anchor of the scattered maps of terr_network_bench: matplotlib's tricontour ("lines"),
# tricontourf ("bands"), or tricontourf with tricontour over it ("bandlines"), its own
# triangulation of the points included (once for both with "bandlines"), and savefig of the
# points asked, scattered over [-3, 3] by [-3, 3] under the same crossed waves, with 20 levels
# to a 1000 x 750 pixel PNG, timed from the figure to the saved file.  Prints the seconds, best
# of the runs asked.  Usage: mpl_tricontour.py lines|bands|bandlines [points] [runs]
import sys
import time

import matplotlib
matplotlib.use("Agg")
import matplotlib.pyplot as plt
import matplotlib.tri
import numpy as np

mode = sys.argv[1] if len(sys.argv) > 1 else "bands"
n = int(sys.argv[2]) if len(sys.argv) > 2 else 100000
runs = int(sys.argv[3]) if len(sys.argv) > 3 else 5
rng = np.random.default_rng(11)
x = rng.uniform(-3.0, 3.0, n)
y = rng.uniform(-3.0, 3.0, n)
z = (np.sin(3.0 * x) * np.cos(2.0 * y) + 0.5 * np.sin(5.0 * x + 4.0 * y)
     + np.exp(-(x * x + y * y)) + 0.3 * np.cos(7.0 * x * y / 3.0))
best = float("inf")
for _ in range(runs):
    start = time.perf_counter()
    fig = plt.figure(figsize=(10, 7.5), dpi=100)
    ax = fig.add_subplot()
    if mode == "lines":
        ax.tricontour(x, y, z, 20)
    elif mode == "bands":
        ax.tricontourf(x, y, z, 20)
    else:
        triangles = matplotlib.tri.Triangulation(x, y)
        ax.tricontourf(triangles, z, 20)
        ax.tricontour(triangles, z, 20, colors="k", linewidths=1)
    fig.savefig("mpl_tricontour_anchor.png")
    plt.close(fig)
    best = min(best, time.perf_counter() - start)
print(best)
