// picture_fixture.h - a kernel picture of 1000 by 600 with character cells of 10 by 10 and the
// library opened, and helpers that read the polylines, fills and texts a projected picture drew
// back from the kernel's call log.
#ifndef TESTS_SURFLIB_SURFACE_PICTURE_FIXTURE_H
#define TESTS_SURFLIB_SURFACE_PICTURE_FIXTURE_H

#include <cmath>
#include <functional>
#include <sstream>
#include <string>
#include <vector>

#include "surface_test.h"
#include "tterrlib.h"

struct Polyline {
    std::vector<float> x, y;
};

class PictureFixture : public SurfacePictureTest {
protected:
    // A grid of nx by ny heights f(x, y) over the window, x fastest.
    static std::vector<float> grid(int nx, int ny, float xmin, float xmax, float ymin, float ymax,
                                   const std::function<float(float, float)>& f)
    {
        std::vector<float> z(static_cast<size_t>(nx) * ny);
        for (int j = 0; j < ny; ++j) {
            for (int i = 0; i < nx; ++i) {
                const float x = xmin + (xmax - xmin) * i / (nx - 1);
                const float y = ny > 1 ? ymin + (ymax - ymin) * j / (ny - 1) : ymin;
                z[static_cast<size_t>(j) * nx + i] = f(x, y);
            }
        }
        return z;
    }

    // Every polyline in the log: a move followed by at least one line-to.
    static std::vector<Polyline> polylines(const std::vector<std::string>& lines)
    {
        std::vector<Polyline> out;
        Polyline current;
        bool moved = false;
        for (const std::string& l : lines) {
            std::istringstream in(l);
            std::string op;
            float x = 0, y = 0;
            in >> op;
            if (op == "kernelMovePen") {
                in >> x >> y;
                if (current.x.size() > 1) out.push_back(current);
                current = Polyline{{x}, {y}};
                moved = true;
            } else if (op == "kernelDrawLineTo" && moved) {
                in >> x >> y;
                current.x.push_back(x);
                current.y.push_back(y);
            }
        }
        if (current.x.size() > 1) out.push_back(current);
        return out;
    }

    static int count(const std::vector<std::string>& lines, const std::string& prefix)
    {
        return static_cast<int>(only(lines, prefix).size());
    }

    // Distance from (px, py) to the segment a-b.
    static double segmentDistance(double px, double py, double ax, double ay, double bx, double by)
    {
        const double dx = bx - ax, dy = by - ay;
        const double len2 = dx * dx + dy * dy;
        double t = len2 > 0.0 ? ((px - ax) * dx + (py - ay) * dy) / len2 : 0.0;
        t = std::fmax(0.0, std::fmin(1.0, t));
        return std::hypot(px - (ax + t * dx), py - (ay + t * dy));
    }
};

#endif
