# The anchor of the network build: qdelaunay triangulating the same number of uniformly
# scattered points over [0, 100] x [0, 100], its input prepared beforehand.  Prints the seconds
# of the qdelaunay run (reading the points, triangulating, writing the triangles to nowhere),
# best of the runs asked.
import os
import random
import subprocess
import sys
import tempfile
import time

count = int(sys.argv[1])
runs = int(sys.argv[2]) if len(sys.argv) > 2 else 3
rng = random.Random(5)
with tempfile.NamedTemporaryFile("w", suffix=".txt", delete=False) as points:
    points.write("2\n%d\n" % count)
    for _ in range(count):
        points.write("%.7g %.7g\n" % (rng.uniform(0.0, 100.0), rng.uniform(0.0, 100.0)))
    name = points.name
best = float("inf")
for _ in range(runs):
    with open(name) as source:
        start = time.perf_counter()
        subprocess.run(["qdelaunay", "Qt", "i"], stdin=source, stdout=subprocess.DEVNULL, check=True)
        best = min(best, time.perf_counter() - start)
os.remove(name)
print(best)
