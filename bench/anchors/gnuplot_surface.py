# The anchor of terr_surface_bench's 200 x 200 wire frame: gnuplot's splot with hidden3d of the
# same grid to a 1000 x 750 PNG (pngcairo), the grid written to a data file beforehand.  Prints
# the seconds of the gnuplot run, best of the runs asked.
import math
import os
import shutil
import subprocess
import sys
import tempfile
import time

n = int(sys.argv[1]) if len(sys.argv) > 1 else 200
runs = int(sys.argv[2]) if len(sys.argv) > 2 else 3
folder = tempfile.mkdtemp()
data = os.path.join(folder, "grid.dat")
with open(data, "w") as out:
    for j in range(n):
        for i in range(n):
            x = -3.0 + 6.0 * i / (n - 1)
            y = -3.0 + 6.0 * j / (n - 1)
            z = math.sin(1.7 * x) * math.cos(1.3 * y) + 2.0 * math.exp(-(x * x + y * y))
            out.write("%.6g %.6g %.6g\n" % (x, y, z))
        out.write("\n")
script = os.path.join(folder, "surface.gp")
with open(script, "w") as out:
    out.write('set terminal pngcairo size 1000,750\nset output "%s"\n'
              % os.path.join(folder, "surface.png"))
    out.write("set hidden3d\nset view 55, 30\nunset key\n")
    out.write('splot "%s" with lines\n' % data)
best = float("inf")
for _ in range(runs):
    start = time.perf_counter()
    subprocess.run(["gnuplot", script], check=True)
    best = min(best, time.perf_counter() - start)
shutil.rmtree(folder)
print(best)
