// linefit.cpp - the least-squares straight line through a data set (LINFIT) and the two
// point transforms between graph units and kernel coordinates on the current axes (GRASPA,
// SPAGRA).  Nothing here draws.
//
// The fit works in double precision with sums about the means: with raw sums the
// denominator n Sxx - Sx^2 is a small difference of large numbers, and data whose x values
// are all equal can leave a rounding residue there that looks like a real spread.  About the
// mean, equal single-precision x values give exactly zero.
#include <cfloat>
#include <cmath>

#include "frame/errors.h"
#include "frame/frame.h"
#include "frame/state.h"
#include "frame/utilities.h"
#include "tplotlib.h"

using namespace plotlib;

namespace {

// Intercept and slope of the fit, or false when the x values have no usable spread (or the
// data are not finite).
bool fitLine(const float* x, const float* y, int n, double& intercept, double& slope)
{
    GraphWorkingStorage& w = graphState.work;
    double sumX = 0.0, sumY = 0.0, sumXX = 0.0, sumXY = 0.0;
    for (int i = 0; i < n; ++i) {
        sumX += x[i];
        sumY += y[i];
        sumXX += static_cast<double>(x[i]) * x[i];
        sumXY += static_cast<double>(x[i]) * y[i];
    }
    const double count = n;
    const double meanX = sumX / count, meanY = sumY / count;
    double sxx = 0.0, sxy = 0.0;
    for (int i = 0; i < n; ++i) {
        const double dx = x[i] - meanX;
        sxx += dx * dx;
        sxy += dx * (y[i] - meanY);
    }
    w.fitSums[0] = sumX;
    w.fitSums[1] = sumXX;
    w.fitSums[2] = sumY;
    w.fitSums[3] = sumXY;
    const double threshold = 10.0 * graphState.nice.tinyDouble;
    if (!std::isfinite(sxx) || !std::isfinite(sxy) || !std::isfinite(meanY) || sxx <= threshold ||
        sxx <= 1e-12 * sumXX)
        return false;
    slope = sxy / sxx;
    intercept = meanY - slope * meanX;
    // Coefficients are handed back in single precision.
    return std::fabs(slope) <= FLT_MAX && std::fabs(intercept) <= FLT_MAX;
}

// Single precision of a double, held at the largest float rather than overflowing.
float toSingle(double value)
{
    if (std::isnan(value)) return static_cast<float>(value);
    return static_cast<float>(std::fmax(-FLT_MAX, std::fmin(static_cast<double>(FLT_MAX), value)));
}

// Graph value of kernel coordinate k along axis n.
float toGraphValue(float k, int n)
{
    const AxisTransform& t = graphTransform(n);
    if (t.scale == 0.0f || !std::isfinite(t.scale)) return graphState.logFallback;
    const double value = (static_cast<double>(k) - t.offset) / t.scale;
    if (graphAxis(n).scalingType != 4) return toSingle(value);
    // Exponents beyond single precision are held at its largest power.
    return toSingle(std::pow(10.0, std::fmin(value, 38.0)));
}

}  // namespace

void LINFIT(const int& fitCode, const float* x, const float* y, const int& n, const int& capacity,
            float* coefficients, int& count, int& status)
{
    (void)fitCode;  // accepted for the caller's sake; a straight line is the only fit
    GraphRoutineFrame frame("LINFIT");
    count = 0;
    status = 1;
    if (n < 2 || x == nullptr || y == nullptr) {
        graphReportError(kTooFewFitPoints);
        return;
    }
    if (capacity < 1 || coefficients == nullptr) {
        graphReportError(kNoCoefficientRoom);
        return;
    }
    double intercept = 0.0, slope = 0.0;
    if (!fitLine(x, y, n, intercept, slope)) return;
    graphState.work.fitIntercept = intercept;
    graphState.work.fitSlope = slope;
    status = 0;
    count = 2;
    coefficients[0] = static_cast<float>(intercept);
    if (capacity > 1) coefficients[1] = static_cast<float>(slope);
}

void GRASPA(const float& x, const float& y, float& kernelX, float& kernelY)
{
    GraphRoutineFrame frame("GRASPA");
    float kx = 0.0f, ky = 0.0f;
    graphToKernelCoords(x, y, kx, ky);
    kernelX = kx;
    kernelY = ky;
}

void SPAGRA(const float& kernelX, const float& kernelY, float& x, float& y)
{
    GraphRoutineFrame frame("SPAGRA");
    const float gx = toGraphValue(kernelX, 1);
    const float gy = toGraphValue(kernelY, 2);
    x = gx;
    y = gy;
}
