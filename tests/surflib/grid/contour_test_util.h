// contour_test_util.h - reading contour maps back from the kernel call log: polylines (a pen
// move followed by lines), filled polygons, texts, and the conversion of picture points to map
// coordinates through the map transform the frame left.
#ifndef TESTS_SURFLIB_GRID_CONTOUR_TEST_UTIL_H
#define TESTS_SURFLIB_GRID_CONTOUR_TEST_UTIL_H

#include <cmath>
#include <cstdio>
#include <sstream>
#include <string>
#include <vector>

#include "frame/state.h"

using namespace surflib;

struct Pt {
    double x, y;
};
using Line = std::vector<Pt>;

// Every kernelMovePen followed by at least one kernelDrawLineTo, as one polyline.
inline std::vector<Line> polylinesOf(const std::vector<std::string>& log)
{
    std::vector<Line> lines;
    Line current;
    auto close = [&]() {
        if (current.size() >= 2) lines.push_back(current);
        current.clear();
    };
    for (const std::string& l : log) {
        double x = 0, y = 0;
        if (std::sscanf(l.c_str(), "kernelMovePen %lf %lf", &x, &y) == 2) {
            close();
            current.push_back({x, y});
        } else if (std::sscanf(l.c_str(), "kernelDrawLineTo %lf %lf", &x, &y) == 2) {
            current.push_back({x, y});
        } else if (l.rfind("kernelFillPolygon", 0) == 0 || l.rfind("kernelDrawText", 0) == 0) {
            close();
        }
    }
    close();
    return lines;
}

// The polygons of kernelFillPolygon lines: "kernelFillPolygon style pen 0 [x..] [y..] n".
struct Fill {
    int style, pen;
    Line points;
};
inline std::vector<Fill> fillsOf(const std::vector<std::string>& log)
{
    std::vector<Fill> fills;
    for (const std::string& l : log) {
        if (l.rfind("kernelFillPolygon ", 0) != 0) continue;
        Fill f{};
        std::string rest = l.substr(18);
        int zero = 0;
        std::sscanf(rest.c_str(), "%d %d %d", &f.style, &f.pen, &zero);
        const size_t a = rest.find('['), b = rest.find(']'), c = rest.find('[', b),
                     d = rest.find(']', c);
        std::istringstream xs(rest.substr(a + 1, b - a - 1)), ys(rest.substr(c + 1, d - c - 1));
        double x = 0, y = 0;
        while (xs >> x && ys >> y) f.points.push_back({x, y});
        fills.push_back(f);
    }
    return fills;
}

// Shoelace area of a polygon (absolute).
inline double areaOf(const Line& p)
{
    double a = 0.0;
    for (size_t k = 0; k < p.size(); ++k) {
        const Pt& u = p[k];
        const Pt& v = p[(k + 1) % p.size()];
        a += u.x * v.y - v.x * u.y;
    }
    return std::fabs(a) / 2.0;
}

inline std::vector<std::string> textsOf(const std::vector<std::string>& log)
{
    std::vector<std::string> texts;
    for (const std::string& l : log) {
        if (l.rfind("kernelDrawText \"", 0) == 0) texts.push_back(l.substr(16, l.size() - 17));
    }
    return texts;
}

inline Pt toMap(const Pt& p)
{
    const MapTransform& m = surfaceState.map;
    return {((p.x - m.originX) / m.scaleX + m.startX) * m.factorX,
            ((p.y - m.originY) / m.scaleY + m.startY) * m.factorY};
}

inline Pt toPicture(double x, double y)
{
    const MapTransform& m = surfaceState.map;
    return {(x / m.factorX - m.startX) * m.scaleX + m.originX,
            (y / m.factorY - m.startY) * m.scaleY + m.originY};
}

inline double dist(const Pt& a, const Pt& b) { return std::hypot(a.x - b.x, a.y - b.y); }

#endif
