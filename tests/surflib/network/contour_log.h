// contour_log.h - reading network contour maps back from the kernel's call log: polylines
// (a move followed by line-tos), smooth curves with their end conditions and curve ends, and
// filled polygons with their style and pen, in picture and in map coordinates.
#ifndef TESTS_SURFLIB_NETWORK_CONTOUR_LOG_H
#define TESTS_SURFLIB_NETWORK_CONTOUR_LOG_H

#include <cmath>
#include <sstream>
#include <string>
#include <vector>

#include "frame/state.h"

using namespace surflib;

namespace netlog {

struct Line {
    std::vector<float> x, y;
};

struct Curve {
    std::vector<float> x, y;
    int start = 0, end = 0;
    bool endsSet = false;  // a kernelSetCurveEnds came right before it
    float ends[8] = {};
};

struct Fill {
    int style = 0, pen = 0;
    std::vector<float> x, y;
};

inline std::vector<float> numbersIn(const std::string& text)
{
    std::vector<float> out;
    std::string cleaned = text;
    for (char& c : cleaned) {
        if (c == '[' || c == ']') c = ' ';
    }
    std::istringstream in(cleaned);
    std::string word;
    while (in >> word) {
        try {
            out.push_back(std::stof(word));
        } catch (...) {}
    }
    return out;
}

inline bool startsWith(const std::string& s, const char* prefix) { return s.rfind(prefix, 0) == 0; }

// The text of a kernelDrawText line, without the quotes and the blanks around it.
inline std::string textOf(const std::string& line)
{
    const size_t open = line.find('"'), close = line.rfind('"');
    if (open == std::string::npos || close <= open) return "";
    std::string t = line.substr(open + 1, close - open - 1);
    t.erase(0, t.find_first_not_of(' '));
    t.erase(t.find_last_not_of(' ') + 1);
    return t;
}

inline std::vector<Line> polylines(const std::vector<std::string>& log)
{
    std::vector<Line> out;
    for (size_t i = 0; i < log.size(); ++i) {
        if (!startsWith(log[i], "kernelMovePen ")) continue;
        if (i + 1 >= log.size() || !startsWith(log[i + 1], "kernelDrawLineTo ")) continue;
        Line l;
        const std::vector<float> p = numbersIn(log[i].substr(13));
        l.x.push_back(p[0]);
        l.y.push_back(p[1]);
        size_t j = i + 1;
        for (; j < log.size() && startsWith(log[j], "kernelDrawLineTo "); ++j) {
            const std::vector<float> q = numbersIn(log[j].substr(16));
            l.x.push_back(q[0]);
            l.y.push_back(q[1]);
        }
        out.push_back(l);
        i = j - 1;
    }
    return out;
}

inline std::vector<Curve> curves(const std::vector<std::string>& log)
{
    std::vector<Curve> out;
    for (size_t i = 0; i < log.size(); ++i) {
        if (!startsWith(log[i], "kernelDrawCurve ")) continue;
        const std::vector<float> v = numbersIn(log[i].substr(15));
        Curve c;
        const size_t n = (v.size() - 3) / 2;
        c.x.assign(v.begin(), v.begin() + static_cast<long>(n));
        c.y.assign(v.begin() + static_cast<long>(n), v.begin() + static_cast<long>(2 * n));
        c.start = static_cast<int>(v[2 * n + 1]);
        c.end = static_cast<int>(v[2 * n + 2]);
        if (i > 0 && startsWith(log[i - 1], "kernelSetCurveEnds ")) {
            const std::vector<float> e = numbersIn(log[i - 1].substr(18));
            c.endsSet = true;
            for (int k = 0; k < 8; ++k) c.ends[k] = e[static_cast<size_t>(k)];
        }
        out.push_back(c);
    }
    return out;
}

inline std::vector<Fill> fills(const std::vector<std::string>& log)
{
    std::vector<Fill> out;
    for (const std::string& l : log) {
        if (!startsWith(l, "kernelFillPolygon ")) continue;
        const std::vector<float> v = numbersIn(l.substr(17));
        Fill f;
        f.style = static_cast<int>(v[0]);
        f.pen = static_cast<int>(v[1]);
        const size_t n = static_cast<size_t>(v.back());
        f.x.assign(v.begin() + 3, v.begin() + 3 + static_cast<long>(n));
        f.y.assign(v.begin() + 3 + static_cast<long>(n), v.begin() + 3 + static_cast<long>(2 * n));
        out.push_back(f);
    }
    return out;
}

// Picture to map coordinates through the map transform in force.
inline float mapX(float X)
{
    const MapTransform& m = surfaceState.map;
    return ((X - m.originX) / m.scaleX + m.startX) * m.factorX;
}
inline float mapY(float Y)
{
    const MapTransform& m = surfaceState.map;
    return ((Y - m.originY) / m.scaleY + m.startY) * m.factorY;
}
inline Line toMap(const Line& l)
{
    Line out;
    for (size_t i = 0; i < l.x.size(); ++i) {
        out.x.push_back(mapX(l.x[i]));
        out.y.push_back(mapY(l.y[i]));
    }
    return out;
}

// Area of a ring in map units (shoelace; the ring may or may not repeat its first point).
inline double mapArea(const std::vector<float>& X, const std::vector<float>& Y)
{
    double a = 0.0;
    const size_t n = X.size();
    for (size_t i = 0; i < n; ++i) {
        const size_t j = (i + 1) % n;
        a += static_cast<double>(mapX(X[i])) * mapY(Y[j]) -
            static_cast<double>(mapX(X[j])) * mapY(Y[i]);
    }
    return 0.5 * a;
}

}  // namespace netlog

#endif
