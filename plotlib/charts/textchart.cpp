// textchart.cpp - text charts: tables drawn one column per call.  TEXDEF sets the column
// attributes that all columns share (TDFENQ returns them); each column routine draws N rows
// below the column's top left corner (X, Y), with an optional title row and frame: strings
// (TEXSTR), values (TEXVAL), generated values (TEXGEN), percentages of the total (TEXPER),
// filled boxes (TEXFIL), line samples (TEXLIN) and markers (TEXSYM).  Columns drawn side by
// side with the same N, height and title switch line up row by row.
#include <cmath>
#include <cstddef>
#include <cstring>

#include "charts/conventions.h"
#include "frame/errors.h"
#include "frame/frame.h"
#include "frame/state.h"
#include "graphs/valuelabels.h"
#include "tarvcore.h"
#include "tplotlib.h"

using namespace plotlib;

namespace {

constexpr int kNumberLength = 30;

// The geometry of one column: corner (x, y), width w, height h, the top t of its first row,
// and the height b of each row band.
struct Column {
    float x, y, w, h;
    float t, b;

    // Top of row i (1-based) and the middle of its band.
    float rowTop(int i) const { return t - static_cast<float>(i - 1) * b; }
    float rowMiddle(int i) const { return t - (static_cast<float>(i) - 0.5f) * b; }
};

struct Extent {
    float e1, e3, e4;
};

Extent measure(const char* text, int length)
{
    float e[5] = {};
    kernelEnquireTextExtent(text, length, e[0], e[1], e[2], e[3], e[4]);
    return {e[0], e[2], e[3]};
}

int nonNegative(int length) { return length < 0 ? 0 : length; }

// Steps 3 to 6 of every column: the plot area's corner, the column's size, the title row.
Column layOutColumn(float x, float y, int n, const char* title, int titleLength)
{
    const TextChartSettings& s = graphState.textChart;
    const CharacterAttributes& c = graphState.characters;
    graphState.graph.plotArea[0] = x;
    graphState.graph.plotArea[3] = y;
    const float rows = static_cast<float>(n);
    Column col{x, y, 0.0f, 0.0f, y, 0.0f};
    col.w = s.columnWidth > 0.0f ? s.columnWidth : 10.0f * c.width;
    const bool titled = s.titleSwitch == 1;
    if (s.columnHeight > 0.0f) col.h = s.columnHeight;
    else col.h = 2.0f * c.height * (titled ? rows + 1.0f : rows);
    float shared = col.h;
    if (titled) {
        const float titleBand = col.h / (rows + 1.0f);
        static const int centred = 0;
        kernelSetTextJustification(centred);
        const int length = title != nullptr ? nonNegative(titleLength) : 0;
        const char* text = title != nullptr ? title : "";
        const Extent e = measure(text, length);
        kernelSetTextPosition(x + 0.5f * col.w, y - titleBand / 2.0f + 0.5f * e.e3 - e.e4);
        kernelDrawText(text, length);
        col.t = y - titleBand;
        shared = col.h - titleBand;
    }
    col.b = shared / rows;
    return col;
}

// Step 7: the frame about the column, and under the title row, in the frame pen.
void drawFrame(const Column& col, int n)
{
    const TextChartSettings& s = graphState.textChart;
    if (s.framePen < 0) return;
    kernelSetPen(s.framePen);
    kernelMovePen(col.x, col.y);
    kernelDrawLineTo(col.x, col.y - col.h);
    kernelDrawLineTo(col.x + col.w, col.y - col.h);
    kernelDrawLineTo(col.x + col.w, col.y);
    kernelDrawLineTo(col.x, col.y);
    if (s.titleSwitch == 1) {
        const float under = col.y - col.h / (static_cast<float>(n) + 1.0f);
        kernelMovePen(col.x, under);
        kernelDrawLineTo(col.x + col.w, under);
    }
}

// Left edge of pieces `total` wide in a column by the justification setting.
float piecesLeft(const Column& col, float total)
{
    const float cw = graphState.characters.width;
    switch (graphState.textChart.justification) {
    case -1: return col.x + 0.5f * cw;
    case 1: return col.x + col.w - total - 0.5f * cw;
    default: return col.x + 0.5f * col.w - 0.5f * total;
    }
}

// One text piece of a number row drawn at (x, y); x moves on by its width.
void drawPiece(float& x, float y, const char* text, int length, float width)
{
    kernelSetTextPosition(x, y);
    kernelDrawText(text, length);
    x += width;
}

float numberRowY(const Column& col, int i)
{
    return col.rowMiddle(i) - 0.5f * graphState.characters.height;
}

// The rows of values: tag 1, the number as a value of the y axis, tag 2.
template <typename ValueOf> void drawValueRows(const Column& col, int n, ValueOf valueOf)
{
    static const int left = -1;
    kernelSetTextJustification(left);
    const ValueTagSettings& tags = graphState.tags;
    int lengths[2];
    float widths[2];
    for (int k = 0; k < 2; ++k) {
        const int used = tags.length[k] < 0 ? 0 : (tags.length[k] > 30 ? 30 : tags.length[k]);
        lengths[k] = used;
        widths[k] = measure(tags.tag[k], used).e1;
    }
    for (int i = 1; i <= n; ++i) {
        ValueLabelNumber number{};
        static const int yAxis = 2;
        graphFormatValueNumber(valueOf(i), yAxis, number);
        const float wn = measure(number.text, number.length).e1;
        const float total = wn + widths[0] + widths[1];
        float x = piecesLeft(col, total);
        const float y = numberRowY(col, i);
        drawPiece(x, y, tags.tag[0], lengths[0], widths[0]);
        drawPiece(x, y, number.text, number.length, wn);
        drawPiece(x, y, tags.tag[1], lengths[1], widths[1]);
    }
}

// The pen of a row of lines or markers: pen p, or for 0 the caller's own line as it was when
// the routine was entered.
void selectRowPen(int pen)
{
    const int p = chartFillPen(pen);
    if (p != 0) {
        kernelSetPen(p);
        return;
    }
    const SavedKernelState& s = graphState.saved;
    static const int selector = 0;
    kernelSetLineAttributes(selector, s.pen, s.style, s.colour, s.width, s.widthMode, s.reserved);
    if (s.style == -1) kernelSetDashPattern(s.dash[0], s.dash[1], s.dash[2], s.dash[3]);
}

// Half the line width where the kernel draws lines of a width (width modes 1 and 2).
float halfLineWidth()
{
    int mode = 0;
    kernelEnquireLineWidthMode(mode);
    if (mode != 1 && mode != 2) return 0.0f;
    float width = 0.0f;
    kernelEnquireLineWidth(width);
    return 0.5f * width;
}

// Warning -27 once at the first negative marker symbol.
void scanSymbols(const int* symbols, int n)
{
    for (int i = 0; i < n; ++i) {
        if (symbols[i] < 0) {
            graphReportError(kBadMarker);
            return;
        }
    }
}

}  // namespace

void TEXDEF(const float& width, const float& height, const int& justification,
            const int& titleSwitch, const int& framePen)
{
    GraphRoutineFrame frame("TEXDEF");
    TextChartSettings& s = graphState.textChart;
    s.columnWidth = std::fabs(width);
    s.columnHeight = std::fabs(height);
    s.justification = justification;
    if (justification < -1 || justification > 1) {
        graphReportError(kBadAlignment);
        s.justification = 0;
    }
    s.titleSwitch = titleSwitch == 1 ? 1 : 0;
    s.framePen = framePen;
}

void TDFENQ(float& width, float& height, int& justification, int& titleSwitch, int& framePen)
{
    GraphRoutineFrame frame("TDFENQ");
    const TextChartSettings& s = graphState.textChart;
    width = s.columnWidth;
    height = s.columnHeight;
    justification = s.justification;
    titleSwitch = s.titleSwitch;
    framePen = s.framePen;
}

void TEXSTR(const float& x, const float& y, const int& n, const char* strings, int length,
            const char* title, int titleLength)
{
    GraphRoutineFrame frame("TEXSTR");
    if (chartCountError(n, {}, kTextCountBelowOne)) return;
    const Column col = layOutColumn(x, y, n, title, titleLength);
    const int j = graphState.textChart.justification;
    kernelSetTextJustification(j);
    const float cw = graphState.characters.width;
    float tx = col.x + 0.5f * col.w;
    if (j == -1) tx = col.x + 0.5f * cw;
    else if (j == 1) tx = col.x + col.w - 0.5f * cw;
    const int each = strings != nullptr ? nonNegative(length) : 0;
    for (int i = 1; i <= n && each > 0; ++i) {
        const char* text = strings + static_cast<std::ptrdiff_t>(i - 1) * each;
        const int used = kernelUsedLength(text, each);
        if (used <= 0) continue;
        const Extent e = measure(text, used);
        kernelSetTextPosition(tx, col.rowMiddle(i) + 0.5f * e.e3 - e.e4);
        kernelDrawText(text, used);
    }
    drawFrame(col, n);
}

void TEXVAL(const float& x, const float& y, const int& n, const float* values, const char* title,
            int titleLength)
{
    GraphRoutineFrame frame("TEXVAL");
    if (chartCountError(n, {values}, kTextCountBelowOne)) return;
    const Column col = layOutColumn(x, y, n, title, titleLength);
    drawValueRows(col, n, [values](int i) { return values[i - 1]; });
    drawFrame(col, n);
}

void TEXGEN(const float& x, const float& y, const int& n, const float& first, const float& last,
            const char* title, int titleLength)
{
    GraphRoutineFrame frame("TEXGEN");
    if (chartCountError(n, {}, kTextCountBelowOne)) return;
    const Column col = layOutColumn(x, y, n, title, titleLength);
    const float a = first, z = last;
    const int rows = n;
    drawValueRows(col, n, [a, z, rows](int i) {
        if (rows < 2) return a;
        const double step = (static_cast<double>(z) - a) / (rows - 1);
        return static_cast<float>(a + (i - 1) * step);
    });
    drawFrame(col, n);
}

void TEXPER(const float& x, const float& y, const int& n, const float* values, const char* title,
            int titleLength)
{
    GraphRoutineFrame frame("TEXPER");
    if (chartCountError(n, {values}, kTextCountBelowOne)) return;
    double total = 0.0;
    for (int i = 0; i < n; ++i) total += std::fabs(static_cast<double>(values[i]));
    if (!(total >= 0.00001) || !std::isfinite(total)) {
        graphReportError(kTotalNotPositive);
        return;
    }
    // The field is as wide as the largest percentage written with two decimals needs
    // ("9.99", "99.99", "100.00"); a share just under 10 % rounds up to "10.00" and takes the
    // wider field too.
    int layout = 4;
    for (int i = 0; i < n; ++i) {
        const double percent = std::fabs(static_cast<double>(values[i])) * 100.0 / total;
        if (percent >= 99.995) layout = 6;
        else if (percent >= 9.995 && layout < 5) layout = 5;
    }
    const Column col = layOutColumn(x, y, n, title, titleLength);
    static const int left = -1;
    kernelSetTextJustification(left);
    static const char percentSign[] = "%*.";
    const float signWidth = measure(percentSign, 3).e1;
    for (int i = 1; i <= n; ++i) {
        char text[kNumberLength];
        std::memset(text, ' ', sizeof text);
        const float percent =
            static_cast<float>(std::fabs(static_cast<double>(values[i - 1])) * 100.0 / total);
        static const int decimals = 2;
        kernelFormatReal(percent, layout, decimals, text, kNumberLength);
        const int used = nonNegative(kernelUsedLength(text, kNumberLength));
        const float wn = measure(text, used).e1;
        float px = piecesLeft(col, wn + signWidth);
        const float py = numberRowY(col, i);
        drawPiece(px, py, text, used, wn);
        drawPiece(px, py, percentSign, 3, signWidth);
    }
    drawFrame(col, n);
}

void TEXFIL(const float& x, const float& y, const int& n, const int* styles, const int* pens,
            const char* title, int titleLength)
{
    GraphRoutineFrame frame("TEXFIL");
    if (chartCountError(n, {styles, pens}, kTextCountBelowOne)) return;
    chartScanPens(pens, n);
    const Column col = layOutColumn(x, y, n, title, titleLength);
    const float left = col.x + 0.1f * col.w, right = col.x + 0.9f * col.w;
    for (int i = 1; i <= n; ++i) {
        if (styles[i - 1] < -1) continue;
        const float top = col.rowTop(i) - 0.1f * col.b, bottom = col.rowTop(i) - 0.9f * col.b;
        chartFillBox(styles[i - 1], pens[i - 1], left, top, right, bottom);
        kernelMovePen(left, top);
        kernelDrawLineTo(right, top);
        kernelDrawLineTo(right, bottom);
        kernelDrawLineTo(left, bottom);
        kernelDrawLineTo(left, top);
    }
    drawFrame(col, n);
}

void TEXLIN(const float& x, const float& y, const int& n, const int* pens, const int& kind,
            const char* title, int titleLength)
{
    GraphRoutineFrame frame("TEXLIN");
    if (chartCountError(n, {pens}, kTextCountBelowOne)) return;
    int k = kind;
    if (k < 1 || k > 4) {
        graphReportError(kBadLineKind);
        k = 3;
    }
    chartScanPens(pens, n);
    const Column col = layOutColumn(x, y, n, title, titleLength);
    drawFrame(col, n);
    const float x1 = col.x + 0.1f * col.w, x9 = col.x + 0.9f * col.w, xm = col.x + 0.5f * col.w;
    for (int i = 1; i <= n; ++i) {
        selectRowPen(pens[i - 1]);
        const float m = halfLineWidth();
        const float t = col.rowTop(i);
        const float y1 = t - 0.1f * col.b, y9 = t - 0.9f * col.b, ym = t - 0.5f * col.b;
        switch (k) {
        case 1:
            kernelMovePen(x1 + m, ym);
            kernelDrawLineTo(x9 - m, ym);
            break;
        case 2:
            kernelMovePen(xm, y1 - m);
            kernelDrawLineTo(xm, y9 + m);
            break;
        case 3:
            kernelMovePen(x1 + m, y9 + m);
            kernelDrawLineTo(x9 - m, y1 - m);
            break;
        default:
            kernelMovePen(x1 + m, y1 - m);
            kernelDrawLineTo(x9 - m, y9 + m);
            break;
        }
    }
}

void TEXSYM(const float& x, const float& y, const int& n, const int* symbols, const int* pens,
            const char* title, int titleLength)
{
    GraphRoutineFrame frame("TEXSYM");
    if (chartCountError(n, {symbols, pens}, kTextCountBelowOne)) return;
    chartScanPens(pens, n);
    scanSymbols(symbols, n);
    const Column col = layOutColumn(x, y, n, title, titleLength);
    drawFrame(col, n);
    for (int i = 1; i <= n; ++i) {
        const int symbol = symbols[i - 1] < 0 ? 1 : symbols[i - 1];
        selectRowPen(pens[i - 1]);
        kernelMovePen(col.x + 0.5f * col.w, col.rowMiddle(i));
        kernelDrawMarker(symbol);
    }
}
