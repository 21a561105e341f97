// fuzz_graphs.cc - the graph routines: axis set-up and drawing, frames and grids, titles and
// labels, curves of every kind, whole graphs, fills, error bars, value tags, line fits and a
// few charts, called in any order with hostile counts, reals and texts.
#include <string>

#include "frame/state.h"
#include "hostile.h"
#include "tarvcore.h"
#include "tplotlib.h"

namespace {

using namespace plotlib;
using hostile::Input;

// A text of up to 40 bytes of any value; its length as the caller passes it.
std::string text(Input& in)
{
    std::string s(in.byte() % 41, ' ');
    for (char& c : s) c = static_cast<char>(in.byte() % 3 == 0 ? in.byte() : 'A' + in.byte() % 26);
    return s;
}

int axis(Input& in) { return in.byte() % 8 == 0 ? in.count() : 1 + in.byte() % 2; }

void axes(Input& in)
{
    switch (in.byte() % 10) {
    case 0: {
        const int type = in.count(1);
        const float x = in.real(1000.0f), y = in.real(1000.0f), length = in.real(1000.0f);
        AXIPOS(type, x, y, length, axis(in));
        break;
    }
    case 1: {
        const int type = in.count(5), count = in.count(20);
        const float lo = in.real(), hi = in.real();
        AXISCA(type, count, lo, hi, axis(in));
        break;
    }
    case 2: {
        const int interval = in.count(10);
        AXIINT(interval, axis(in));
        break;
    }
    case 3: {
        const int ticks = in.code(-2, 2), annotation = in.code(-1, 1);
        AXIDRA(ticks, annotation, axis(in));
        break;
    }
    case 4: {
        const int style = in.code(-4, 4), xo = in.code(-1, 1), yo = in.code(-1, 1);
        GRID(style, xo, yo);
        break;
    }
    case 5: {
        const std::string t = text(in);
        const float pos = in.real(1000.0f);
        const int ax = axis(in), just = in.code(-1, 1);
        AXNSTR(t.data(), static_cast<int>(t.size()), pos, ax, just);
        break;
    }
    case 6: {
        const int decimals = in.code(-3, 3), digits = in.pick<int>({40, 41, 0, 3, -3, 40000}),
                  style = in.count(4);
        AXIANN(decimals, digits, style, axis(in));
        break;
    }
    case 7: {
        const int a1 = in.count(1), a3 = in.count(5), a4 = in.count(5);
        const float a2 = in.real(1000.0f), a5 = in.real(5.0f), a6 = in.real(360.0f);
        const int a7 = in.code(-1, 2), a8 = in.code(-1, 2), a9 = in.count(1);
        AXIATT(a1, a2, a3, a4, a5, a6, a7, a8, a9, axis(in));
        break;
    }
    case 8: {
        // count labels of `length` characters each.
        const int length = in.byte() % 12, count = in.backedCount(12);
        std::string labels(static_cast<size_t>(std::max(count, 1)) * std::max(length, 1), 'x');
        for (char& c : labels) c = static_cast<char>(in.byte());
        const int side = in.code(-1, 1);
        const char* given = in.sometimesNull(labels.data());
        if (in.flag()) AXISTR(given, length, count, side, axis(in));
        else AXLSTR(given, length, count, in.real(1000.0f), in.code(-2, 2));
        break;
    }
    default: AXISET();
    }
}

struct Data {
    int n;
    std::vector<float> x, y;
};

Data data(Input& in, int usual = 20)
{
    Data d;
    d.n = in.backedCount(usual);
    d.x = in.reals(d.n);
    d.y = in.reals(d.n);
    return d;
}

void curves(Input& in)
{
    Data d = data(in);
    switch (in.byte() % 8) {
    case 0: GRAPOL(d.x.data(), d.y.data(), d.n); break;
    case 1: GRACUR(d.x.data(), d.y.data(), d.n); break;
    case 2: GRASPL(d.x.data(), d.y.data(), d.n); break;
    case 3: GRAAKI(d.x.data(), d.y.data(), d.n); break;
    case 4: {
        const int mode = in.code(-1, 1), ax = in.count(2);
        GRASQU(d.x.data(), d.y.data(), d.n, mode, ax);
        break;
    }
    case 5: {
        const int marker = in.count(20), skip = in.count(3);
        GRASYM(d.x.data(), d.y.data(), d.n, marker, skip);
        break;
    }
    case 6: {
        const int type = in.code(-1, 2), line = in.code(-3, 3), ax = in.count(1);
        GRAPH(d.x.data(), d.y.data(), d.n, type, line, ax);
        break;
    }
    default: {
        const float x = in.real(), y = in.real();
        if (in.flag()) GRAMOV(x, y);
        else GRALIN(x, y);
    }
    }
}

void curveSettings(Input& in)
{
    const int type = in.code(-1, 1);
    const float t1 = in.real(), t2 = in.real(), p1 = in.real(), p2 = in.real();
    switch (in.byte() % 6) {
    case 0: CURBEG(type, t1, t2, p1, p2); break;
    case 1: CURFIN(type, t1, t2, p1, p2); break;
    case 2: VALMIS(in.count(7), t1, t2, in.count(2)); break;
    case 3: GRASCA(in.count(4)); break;
    case 4: GRFBND(t1, t2, p1, p2); break;
    default: GRDSYM(in.count(20)); break;
    }
}

void extras(Input& in)
{
    Data d = data(in);
    switch (in.byte() % 9) {
    case 0: {
        const std::string t = text(in);
        const int h = in.code(-1, 1), v = in.code(0, 2);
        GRFTTL(t.data(), static_cast<int>(t.size()), h, v);
        break;
    }
    case 1: {
        const std::string a = text(in), b = text(in);
        VALTXT(a.data(), static_cast<int>(a.size()), b.data(), static_cast<int>(b.size()));
        GRAVAL(d.x.data(), d.y.data(), d.n, in.count(2));
        break;
    }
    case 2: {
        float coefficients[4] = {0, 0, 0, 0};
        int count = 0, status = 0;
        const int capacity = in.byte() % 5;
        LINFIT(in.count(2), d.x.data(), d.y.data(), d.n, capacity, coefficients, count, status);
        break;
    }
    case 3: {
        const std::string t = text(in);
        const float value = in.real();
        const int position = in.count(8), dir = in.count(1), line = in.count(2);
        REFLIN(t.data(), static_cast<int>(t.size()), value, position, dir, line);
        break;
    }
    case 4: {
        const float base = in.real();
        const int ax = in.count(2), fill = in.code(-2, 8), pen = in.count(5);
        GRAFIL(d.x.data(), d.y.data(), d.n, base, ax, fill, pen);
        break;
    }
    case 5: {
        Data b = data(in);
        const int fill = in.code(-2, 8), pen = in.count(5);
        GRAFI2(d.x.data(), d.y.data(), d.n, b.x.data(), b.y.data(), b.n, fill, pen);
        break;
    }
    case 6: {
        std::vector<float> e1 = in.reals(d.n), e2 = in.reals(d.n);
        const int style = in.count(7), mode = in.count(1), dir = in.count(2);
        GRAERB(d.x.data(), d.y.data(), e1.data(), e2.data(), d.n, style, mode, dir);
        break;
    }
    case 7: {
        const float x = in.real(), y = in.real();
        const int style = in.count(2), coordinates = in.count(1);
        ARROW(x, y, style, coordinates);
        break;
    }
    default: {
        std::vector<float> ends = in.reals(d.n);
        const float width = in.real(), centre = in.real(), divisor = in.real(5.0f);
        GRAPOP(width, centre, ends.data(), d.y.data(), d.n, divisor);
    }
    }
}

void charts(Input& in)
{
    Data d = data(in);
    const std::vector<int> styles = in.ints(d.n, -3, 8), pens = in.ints(d.n, -3, 8);
    switch (in.byte() % 4) {
    case 0: {
        const int type = in.code(-2, 2);
        const float fraction = in.real(1.0f), lo = in.real(), hi = in.real();
        BARCHA(d.x.data(), d.y.data(), d.n, type, fraction, lo, hi);
        break;
    }
    case 1: {
        const float fraction = in.real(1.0f), lo = in.real(), hi = in.real();
        HISCHA(d.y.data(), d.n, in.count(1), fraction, lo, hi);
        break;
    }
    case 2: {
        const int length = in.byte() % 8;
        std::string labels(static_cast<size_t>(std::max(d.n, 1)) * std::max(length, 1), 'p');
        PIECHA(d.y.data(), labels.data(), length, d.n, styles.data(), pens.data());
        break;
    }
    default: {
        int nx, ny;
        in.gridCounts(nx, ny, 6);
        const long long cells = Input::elements(nx, ny);
        std::vector<float> dir = in.reals(cells, 360.0f), mag = in.reals(cells);
        const std::vector<int> colours = in.ints(cells, -3, 8);
        VECGRA(dir.data(), mag.data(), colours.data(), nx, ny, in.count(2));
    }
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* bytes, size_t size)
{
    hostile::resetKernel();
    graphResetLibraryForTests();
    Input in(bytes, size);
    for (int step = 0; step < 10 && !in.empty(); ++step) {
        switch (in.byte() % 6) {
        case 0:
        case 1: axes(in); break;
        case 2: curves(in); break;
        case 3: curveSettings(in); break;
        case 4: extras(in); break;
        default: charts(in);
        }
    }
    return 0;
}
