// map_fixture.h - a gridded map laid out the way the map drivers leave it (grid in the
// workspace, GridState, recorded workspace size, drawing code 2, MapTransform from a layout-only
// frame), so that frames, overlays, queries and sections can be tested on known grids, and
// helpers that read drawn polylines and texts back from the kernel's call log.
#ifndef TESTS_SURFLIB_GRID_MAP_FIXTURE_H
#define TESTS_SURFLIB_GRID_MAP_FIXTURE_H

#include <cstdio>
#include <functional>
#include <sstream>
#include <string>
#include <vector>

#include "grid/mapframe.h"
#include "grid/tracing.h"
#include "surface_test.h"
#include "tterrlib.h"

using namespace surflib;

// One polyline as the kernel drew it: the move, then every line-to.
struct DrawnLine {
    std::vector<float> x, y;
};

class MapFixture : public SurfacePictureTest {
public:
    std::vector<float> work;  // the workspace of the map
    int wsize() const { return static_cast<int>(work.size()); }

protected:
    // A gridded map of nx by ny nodes over the window with heights f(x, y), laid out with the
    // current settings; the workspace holds the grid, its edge flags and `spare` more words.
    void makeMap(int nx, int ny, float xmin, float xmax, float ymin, float ymax,
                 const std::function<float(float, float)>& f, int spare = 100)
    {
        SurfaceLibraryState& s = surfaceState;
        const int nodes = nx * ny;
        work.assign(static_cast<size_t>(2 * nodes + spare), 0.0f);
        surfaceRecordGrid(nx, xmin, xmax, ny, ymin, ymax);
        GridState& g = s.grid;
        g.xSpacing = (xmax - xmin) / (nx - 1);
        g.ySpacing = (ymax - ymin) / (ny - 1);
        g.zMin = 1e30f;
        g.zMax = -1e30f;
        for (int j = 0; j < ny; ++j) {
            for (int i = 0; i < nx; ++i) {
                const float z = f(xmin + i * g.xSpacing, ymin + j * g.ySpacing);
                work[static_cast<size_t>(j * nx + i)] = z;
                g.zMin = std::min(g.zMin, z);
                g.zMax = std::max(g.zMax, z);
            }
        }
        g.gridOffset = 0;
        g.mapWorkspaceSize = static_cast<int>(work.size());
        g.contourInterval = 1.0f;
        s.partition.grid = 0;
        s.partition.edgeFlags = nodes;
        s.drawing.code = kDrawingGriddedMap;
        layOut();
    }

    static void layOut()
    {
        ContourSettings& c = surfaceState.contour;
        const int type = c.mapFrameType;
        c.mapFrameType = kMapFrameLayoutOnly;
        int status = -1;
        surfaceDrawGridMapFrame(status);
        c.mapFrameType = type;
        ASSERT_EQ(status, 0);
    }

public:
    // The numbers of one log line, array brackets and the arrow left out.
    static std::vector<float> numbersIn(const std::string& line)
    {
        std::vector<float> v;
        std::string cleaned;
        for (char ch : line) cleaned += (ch == '[' || ch == ']') ? ' ' : ch;
        std::istringstream in(cleaned);
        std::string word;
        in >> word;
        while (in >> word) {
            if (word == "->") continue;
            try {
                v.push_back(std::stof(word));
            } catch (...) {}
        }
        return v;
    }

protected:
    // The polylines of the log: each kernelMovePen followed by kernelDrawLineTo calls.
    static std::vector<DrawnLine> polylines(const std::vector<std::string>& lines)
    {
        std::vector<DrawnLine> out;
        DrawnLine current;
        bool open = false;
        auto close = [&] {
            if (open && current.x.size() > 1) out.push_back(current);
            current = DrawnLine{};
            open = false;
        };
        for (const std::string& l : lines) {
            if (l.rfind("kernelMovePen ", 0) == 0) {
                const std::vector<float> v = numbersIn(l);
                // The move that ends a polyline at its own last point does not start a new one.
                if (open && !current.x.empty() && v[0] == current.x.back() &&
                    v[1] == current.y.back() && current.x.size() > 1) {
                    continue;
                }
                close();
                current.x.push_back(v[0]);
                current.y.push_back(v[1]);
                open = true;
            } else if (l.rfind("kernelDrawLineTo ", 0) == 0) {
                const std::vector<float> v = numbersIn(l);
                current.x.push_back(v[0]);
                current.y.push_back(v[1]);
            } else if (l.rfind("kernelFillPolygon", 0) == 0 || l.rfind("kernelDrawText", 0) == 0 ||
                       l.rfind("kernelDrawMarker", 0) == 0) {
                close();
            }
        }
        close();
        return out;
    }

    // The texts drawn, in order.
    static std::vector<std::string> texts(const std::vector<std::string>& lines)
    {
        std::vector<std::string> out;
        for (const std::string& l : lines) {
            if (l.rfind("kernelDrawText ", 0) != 0) continue;
            const size_t a = l.find('"'), b = l.rfind('"');
            out.push_back(l.substr(a + 1, b - a - 1));
        }
        return out;
    }

    // Text positions, in the order of the texts.
    static std::vector<std::pair<float, float>> textPositions(const std::vector<std::string>& lines)
    {
        std::vector<std::pair<float, float>> out;
        std::pair<float, float> last{0, 0};
        for (const std::string& l : lines) {
            if (l.rfind("kernelSetTextPosition ", 0) == 0) {
                const std::vector<float> v = numbersIn(l);
                last = {v[0], v[1]};
            } else if (l.rfind("kernelDrawText ", 0) == 0) {
                out.push_back(last);
            }
        }
        return out;
    }

    static int count(const std::vector<std::string>& lines, const std::string& prefix)
    {
        int n = 0;
        for (const std::string& l : lines) n += l.rfind(prefix, 0) == 0 ? 1 : 0;
        return n;
    }

    static std::vector<std::string> routines()
    {
        std::vector<std::string> out;
        for (const tarv::ErrorRecord& r : tarv::errorLog()) out.push_back(r.routine);
        return out;
    }
};

#endif
