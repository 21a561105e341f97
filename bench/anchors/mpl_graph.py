# The anchor of plot_graph_bench: matplotlib's plot and savefig of the same million points to a
# 1000 x 750 pixel PNG.  Prints the seconds of the plot and the savefig, best of the runs asked.
import sys
import time

import matplotlib
matplotlib.use("Agg")
import matplotlib.pyplot as plt
import numpy as np

runs = int(sys.argv[1]) if len(sys.argv) > 1 else 5
i = np.arange(1000000, dtype=np.float64)
noise = np.sin(i * 12.9898) * 43758.5453
noise -= np.floor(noise)
x = i * 1.0e-3
y = np.sin(2.0 * np.pi * 5.0 * i * 1.0e-6) + 0.2 * (noise - 0.5)
best = float("inf")
for _ in range(runs):
    start = time.perf_counter()
    fig = plt.figure(figsize=(10, 7.5), dpi=100)
    ax = fig.add_subplot()
    ax.plot(x, y, linewidth=1)
    fig.savefig("mpl_graph_anchor.png")
    plt.close(fig)
    best = min(best, time.perf_counter() - start)
print(best)
