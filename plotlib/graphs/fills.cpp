// fills.cpp - areas below a data set (GRAFIL) and between two data sets (GRAFI2).
//
// Every polygon goes to the kernel through the library's 200-point polygon buffer, so long
// data sets are cut into pieces that share their end points: for GRAFIL 198 data points and
// two points on the base line; for GRAFI2 pieces of at most 200 points of the two sets
// together.  The kernel's polygon starts at the current point, so each piece begins with a
// pen move to its first point.  Fill code -1 draws the outline instead: the data lines, and
// the base line or the end edges of the whole data set, never the seams between pieces.
//
// The base line of GRAFIL is held within its axis line as the set-up laid it out (with axes
// through value 0 the stored origin is where 0 lies, not where the axis starts), and only the
// base's own coordinate is converted.
#include "graphs/fills.h"

#include <climits>
#include <cstdint>

#include "frame/errors.h"
#include "frame/frame.h"
#include "frame/state.h"
#include "frame/utilities.h"
#include "graphs/reflines.h"
#include "tarvcore.h"
#include "tplotlib.h"

using namespace plotlib;

namespace {

constexpr int kBufferPoints = 200;              // PolygonBuffer
constexpr int kBelowPiece = kBufferPoints - 2;  // GRAFIL: data points of a piece
constexpr int kBetweenPiece = 98;               // GRAFI2 without a monotonic coordinate
constexpr float kStep = 1e-5f;                  // smallest step of a monotonic set

// The pen checked: a negative pen warns and its size is used.
int checkedPen(int pen)
{
    if (pen >= 0) return pen;
    graphReportError(kNegativePen);
    return pen == INT_MIN ? INT_MAX : -pen;
}

// ---- Fill below a data set

struct BaseLine {
    bool horizontal;  // base at a y value (direction 2 or more), else at an x value
    float at;         // its kernel coordinate
};

BaseLine baseLine(float base, int direction)
{
    const int n = direction >= 2 ? 2 : 1;
    float low = 0.0f, high = 0.0f;
    graphAxisSpan(n, low, high);
    float at = graphMapAlongAxis(base, n);
    if (!(at >= low)) at = low;  // also a base with no kernel coordinate at all
    if (at > high) at = high;
    return {n == 2, at};
}

// The foot of a kernel point on the base line.
void foot(const BaseLine& b, float x, float y, float& fx, float& fy)
{
    fx = b.horizontal ? x : b.at;
    fy = b.horizontal ? b.at : y;
}

// Piece `k` (from 0) of `pieces`: data points first..last of the set.
void belowPiece(const float* x, const float* y, int n, int k, int pieces, const BaseLine& b,
                int fillCode, int pen, float firstX, float firstY)
{
    PolygonBuffer& buffer = graphState.polygon;
    const int first = k == 0 ? 0 : kBelowPiece * k - 1;
    const int last = k == pieces - 1 ? n - 1 : kBelowPiece * (k + 1) - 1;
    const int m = last - first;
    float startX = 0.0f, startY = 0.0f;
    graphToKernelCoords(x[first], y[first], startX, startY);
    kernelMovePen(startX, startY);
    for (int i = 1; i <= m; ++i)
        graphToKernelCoords(x[first + i], y[first + i], buffer.x[i - 1], buffer.y[i - 1]);
    const float lastX = m > 0 ? buffer.x[m - 1] : startX;
    const float lastY = m > 0 ? buffer.y[m - 1] : startY;
    foot(b, lastX, lastY, buffer.x[m], buffer.y[m]);
    foot(b, startX, startY, buffer.x[m + 1], buffer.y[m + 1]);
    if (fillCode != -1) {
        static const int reserved = 0;
        const int count = m + 2;
        kernelFillPolygon(fillCode, pen, reserved, buffer.x, buffer.y, count);
    } else if (k < pieces - 1) {
        kernelDrawPolyline(buffer.x, buffer.y, m);
    } else {
        // The last piece closes the outline under the whole data set.
        foot(b, firstX, firstY, buffer.x[m + 1], buffer.y[m + 1]);
        const int count = m + 2;
        kernelDrawPolyline(buffer.x, buffer.y, count);
        kernelDrawLineTo(firstX, firstY);
    }
}

// ---- Fill between two data sets

// One data set as the band walks it: reversed when it runs against the other set.
struct DataSet {
    const float* x;
    const float* y;
    int n;
    bool reversed;

    int at(int i) const { return reversed ? n - 1 - i : i; }
};

// Direction of a set (-1 when its first value is above its second) and whether every step
// goes that way by more than 1e-5.
bool isMonotonic(const float* a, int n, int& direction)
{
    direction = a[0] > a[1] ? -1 : 1;
    for (int i = 0; i + 1 < n; ++i)
        if (!((a[i + 1] - a[i]) * static_cast<float>(direction) > kStep)) return false;
    return true;
}

// Fills the piece of A from walk index sA to eA and of B from sB to eB.
void betweenPiece(const DataSet& a, const DataSet& b, int sA, int eA, int sB, int eB, int fillCode,
                  int pen)
{
    const int countA = eA - sA + 1, countB = eB - sB + 1;
    const int firstB = b.reversed ? b.at(eB) : sB;
    graphFillBetweenPieces(a.x + sA, a.y + sA, countA, b.x + firstB, b.y + firstB, countB, fillCode,
                           pen, b.reversed);
}

// Both sets monotonic in coordinate `coordinate` (0 x, 1 y), running in `direction`: the
// points are taken in the order of that coordinate, and a piece is filled each time it holds
// as many points as the buffer.
void mergePieces(const DataSet& a, const DataSet& b, int coordinate, int direction, int fillCode,
                 int pen)
{
    const float* ca = coordinate == 0 ? a.x : a.y;
    const float* cb = coordinate == 0 ? b.x : b.y;
    const float d = static_cast<float>(direction);
    int sA = 0, sB = 0, eA = 0, eB = 0;
    while (eA < a.n - 1 || eB < b.n - 1) {
        if (eA == a.n - 1) ++eB;
        else if (eB < b.n - 1 && d * ca[a.at(eA)] >= d * cb[b.at(eB)]) ++eB;
        else ++eA;
        if ((eA - sA + 1) + (eB - sB + 1) == kBufferPoints) {
            betweenPiece(a, b, sA, eA, sB, eB, fillCode, pen);
            sA = eA;
            sB = eB;
        }
    }
    if (eA > sA || eB > sB) betweenPiece(a, b, sA, eA, sB, eB, fillCode, pen);
}

// No monotonic coordinate: the longer set is cut into pieces of 98 points (one more for each
// piece after the first, which starts at the last point of the one before), the shorter one
// at the points that divide it in the same proportion, every piece with at least one step of
// the shorter set while it has points left.
void splitPieces(const DataSet& a, const DataSet& b, int fillCode, int pen)
{
    const bool aLonger = a.n >= b.n;
    const int64_t longer = aLonger ? a.n : b.n, shorter = aLonger ? b.n : a.n;
    const int pieces = static_cast<int>((longer - 1) / kBetweenPiece + 1);
    if (pieces == 1) {
        betweenPiece(a, b, 0, a.n - 1, 0, b.n - 1, fillCode, pen);
        return;
    }
    int shortFirst = 0;
    for (int k = 0; k < pieces; ++k) {
        const int longFirst = k == 0 ? 0 : kBetweenPiece * k - 1;
        const int longLast =
            k == pieces - 1 ? static_cast<int>(longer) - 1 : kBetweenPiece * (k + 1) - 1;
        // Points of the shorter set up to the same share, rounded to the nearest.
        const int64_t share = (2 * shorter * (longLast + 1) + longer) / (2 * longer);
        int shortLast =
            k == pieces - 1 ? static_cast<int>(shorter) - 1 : static_cast<int>(share) - 1;
        const int oneStep = shortFirst + 1 < shorter ? shortFirst + 1 : shortFirst;
        if (shortLast < oneStep) shortLast = oneStep;
        if (shortLast > shorter - 1) shortLast = static_cast<int>(shorter) - 1;
        if (aLonger) betweenPiece(a, b, longFirst, longLast, shortFirst, shortLast, fillCode, pen);
        else betweenPiece(a, b, shortFirst, shortLast, longFirst, longLast, fillCode, pen);
        shortFirst = shortLast;
    }
}

// The outline's edges from A's first point to B's first and from A's last to B's last.
void endEdges(const DataSet& a, const DataSet& b)
{
    const int ends[2][2] = {{0, 0}, {a.n - 1, b.n - 1}};
    for (const auto& e : ends) {
        float x1 = 0.0f, y1 = 0.0f, x2 = 0.0f, y2 = 0.0f;
        graphToKernelCoords(a.x[a.at(e[0])], a.y[a.at(e[0])], x1, y1);
        graphToKernelCoords(b.x[b.at(e[1])], b.y[b.at(e[1])], x2, y2);
        kernelMovePen(x1, y1);
        kernelDrawLineTo(x2, y2);
    }
}

}  // namespace

namespace plotlib {

void graphFillBetweenPieces(const float* xA, const float* yA, int countA, const float* xB,
                            const float* yB, int countB, int fillCode, int pen, bool bForward)
{
    if (countA < 1 || countB < 1 || countA > kBufferPoints - countB) return;
    PolygonBuffer& buffer = graphState.polygon;
    for (int i = 0; i < countA; ++i) graphToKernelCoords(xA[i], yA[i], buffer.x[i], buffer.y[i]);
    for (int j = 0; j < countB; ++j) {
        const int i = bForward ? j : countB - 1 - j;
        graphToKernelCoords(xB[i], yB[i], buffer.x[countA + j], buffer.y[countA + j]);
    }
    kernelMovePen(buffer.x[0], buffer.y[0]);
    if (fillCode != -1) {
        static const int reserved = 0;
        const int count = countA + countB;
        kernelFillPolygon(fillCode, pen, reserved, buffer.x, buffer.y, count);
        return;
    }
    kernelSetPen(pen);
    kernelDrawPolyline(buffer.x, buffer.y, countA);
    kernelMovePen(buffer.x[countA], buffer.y[countA]);
    const int rest = countB - 1;
    if (rest > 0) kernelDrawPolyline(buffer.x + countA + 1, buffer.y + countA + 1, rest);
}

}  // namespace plotlib

void GRAFIL(const float* x, const float* y, const int& n, const float& base, const int& axis,
            const int& fillCode, const int& pen)
{
    GraphRoutineFrame frame("GRAFIL");
    if (n < 1 || x == nullptr || y == nullptr) {
        graphReportError(kTooFewPoints);
        return;
    }
    if (fillCode < -1) return;
    const int p = checkedPen(pen);
    const BaseLine b = baseLine(base, axis);
    float firstX = 0.0f, firstY = 0.0f;
    graphToKernelCoords(x[0], y[0], firstX, firstY);
    const int pieces = (n - 1) / kBelowPiece + 1;
    if (fillCode == -1) kernelSetPen(p);
    for (int k = 0; k < pieces; ++k) belowPiece(x, y, n, k, pieces, b, fillCode, p, firstX, firstY);
}

void GRAFI2(const float* xA, const float* yA, const int& nA, const float* xB, const float* yB,
            const int& nB, const int& fillCode, const int& pen)
{
    GraphRoutineFrame frame("GRAFI2");
    if (nA < 2 || nB < 2 || xA == nullptr || yA == nullptr || xB == nullptr || yB == nullptr) {
        graphReportError(kTooFewPoints);
        return;
    }
    if (fillCode < -1) return;
    const int p = checkedPen(pen);
    DataSet a{xA, yA, nA, false}, b{xB, yB, nB, false};
    int dxA = 0, dxB = 0, dyA = 0, dyB = 0;
    const bool xMonotonic = isMonotonic(xA, nA, dxA) && isMonotonic(xB, nB, dxB);
    const bool yMonotonic = !xMonotonic && isMonotonic(yA, nA, dyA) && isMonotonic(yB, nB, dyB);
    if (xMonotonic || yMonotonic) {
        // A set B that runs against A is walked backwards, so that the band does not cross
        // itself.
        const int dA = xMonotonic ? dxA : dyA, dB = xMonotonic ? dxB : dyB;
        b.reversed = dA != dB;
        mergePieces(a, b, xMonotonic ? 0 : 1, dA, fillCode, p);
    } else {
        splitPieces(a, b, fillCode, p);
    }
    if (fillCode == -1) endEdges(a, b);
}
