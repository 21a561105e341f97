// Least-squares line fit and the point transforms between graph and kernel coordinates.
#include <cmath>
#include <random>
#include <vector>

#include "graphs_fixture.h"

namespace {

class LineFitTest : public GraphsTest {
protected:
    struct Fit {
        float coefficients[2] = {-77.0f, -77.0f};  // untouched unless written
        int count = 99, status = 99;
    };

    static Fit fit(const std::vector<float>& x, const std::vector<float>& y, int capacity = 2)
    {
        Fit f;
        const int code = 1, n = static_cast<int>(x.size());
        calls([&] {
            LINFIT(code, x.data(), y.data(), n, capacity, f.coefficients, f.count, f.status);
        });
        return f;
    }
};

TEST_F(LineFitTest, ExactLine)
{
    const Fit f = fit({1, 2, 3}, {2, 4, 6});
    EXPECT_EQ(f.status, 0);
    EXPECT_EQ(f.count, 2);
    EXPECT_NEAR(f.coefficients[0], 0.0f, 1e-6);
    EXPECT_NEAR(f.coefficients[1], 2.0f, 1e-6);
    EXPECT_TRUE(errors().empty());
    // Room for one coefficient: the intercept alone, yet two are reported.
    const Fit one = fit({1, 2, 3}, {3, 5, 7}, 1);
    EXPECT_EQ(one.count, 2);
    EXPECT_NEAR(one.coefficients[0], 1.0f, 1e-6);
    EXPECT_EQ(one.coefficients[1], -77.0f);
}

// Data with no spread in x report the singular case (status 1, nothing written, no error),
// however the rounding of raw sums would have come out; small but real spreads still fit.
TEST_F(LineFitTest, SingularAndIllConditionedData)
{
    const std::vector<float> three(3, 3.0f);
    std::vector<float> tenths(100, 0.1f), tenthsY(100);
    std::vector<float> sevens(1000, 7.7f), sevensY(1000);
    for (int i = 0; i < 100; ++i) tenthsY[i] = static_cast<float>(i);
    for (int i = 0; i < 1000; ++i) sevensY[i] = 0.37f * static_cast<float>(i + 1);
    const struct {
        std::vector<float> x, y;
    } singular[] = {{three, {1, 2, 3}},
                    {tenths, tenthsY},
                    {sevens, sevensY},
                    {{1, 1, NAN}, {1, 2, 3}},
                    {{1, INFINITY, 3}, {1, 2, 3}}};
    for (const auto& c : singular) {
        const Fit f = fit(c.x, c.y);
        EXPECT_EQ(f.status, 1) << c.x.size();
        EXPECT_EQ(f.count, 0);
        EXPECT_EQ(f.coefficients[0], -77.0f);
        EXPECT_EQ(f.coefficients[1], -77.0f);
        EXPECT_TRUE(errors().empty());
    }
    const Fit small = fit({0.001f, 0.002f, 0.003f}, {1, 2, 3});
    EXPECT_EQ(small.status, 0);
    EXPECT_NEAR(small.coefficients[1], 1000.0f, 0.01f);
    EXPECT_NEAR(small.coefficients[0], 0.0f, 1e-4f);
    // A large offset with a modest spread: raw sums lose the spread, centred ones keep it.
    const Fit offset = fit({10000.0f, 10001.0f, 10002.0f, 10003.0f}, {1, 3, 5, 7});
    EXPECT_EQ(offset.status, 0);
    EXPECT_NEAR(offset.coefficients[1], 2.0f, 1e-4f);
}

// Well-conditioned data against a fit computed here independently: the normal equations
// solved by Cramer's rule in long double.
TEST_F(LineFitTest, MatchesAnIndependentLeastSquaresFit)
{
    std::mt19937 random(12345);
    std::uniform_real_distribution<float> noise(-0.5f, 0.5f), spread(-50.0f, 80.0f);
    for (int n : {2, 7, 50, 1000}) {
        std::vector<float> x(n), y(n);
        for (int i = 0; i < n; ++i) {
            x[i] = spread(random);
            y[i] = -3.25f * x[i] + 17.0f + noise(random);
        }
        long double s = n, sx = 0, sy = 0, sxx = 0, sxy = 0;
        for (int i = 0; i < n; ++i) {
            sx += x[i];
            sy += y[i];
            sxx += static_cast<long double>(x[i]) * x[i];
            sxy += static_cast<long double>(x[i]) * y[i];
        }
        const long double det = s * sxx - sx * sx;
        const long double b = (sy * sxx - sx * sxy) / det;
        const long double m = (s * sxy - sx * sy) / det;
        const Fit f = fit(x, y);
        ASSERT_EQ(f.status, 0) << n;
        EXPECT_NEAR(f.coefficients[0], static_cast<double>(b),
                    1e-5 * (1 + std::fabs(static_cast<double>(b))));
        EXPECT_NEAR(f.coefficients[1], static_cast<double>(m),
                    1e-5 * std::fabs(static_cast<double>(m)));
    }
}

TEST_F(LineFitTest, TooFewPointsOrNoRoom)
{
    const struct {
        int n, capacity, error;
    } cases[] = {{1, 2, 541}, {0, 2, 541}, {-4, 2, 541}, {3, 0, 542}, {3, -1, 542}};
    const float x[] = {1, 2, 3}, y[] = {1, 2, 3};
    for (const auto& c : cases) {
        float coefficients[2] = {-77.0f, -77.0f};
        int count = 99, status = 99;
        const int code = 0;
        calls([&] { LINFIT(code, x, y, c.n, c.capacity, coefficients, count, status); });
        EXPECT_EQ(errors(), std::vector<int>{c.error});
        EXPECT_EQ(tarv::errorLog()[0].routine, "kpReturnLineCoeffs(LINFIT)");
        EXPECT_EQ(count, 0);
        EXPECT_EQ(status, 1);
        EXPECT_EQ(coefficients[0], -77.0f);
    }
}

using TransformTest = GraphsTest;

TEST_F(TransformTest, GraphAndKernelPointsRoundTrip)
{
    placeAxes();
    float kxv = 0, kyv = 0, gx = 0, gy = 0;
    calls([&] { GRASPA(2.5f, 4.0f, kxv, kyv); });
    EXPECT_FLOAT_EQ(kxv, 300.0f);
    EXPECT_FLOAT_EQ(kyv, 300.0f);
    calls([&] { SPAGRA(kxv, kyv, gx, gy); });
    EXPECT_FLOAT_EQ(gx, 2.5f);
    EXPECT_FLOAT_EQ(gy, 4.0f);

    // Logarithmic y from 1 to 1000: three decades over 500 units.
    calls([] { AXISCA(4, 0, 1.0f, 1000.0f, 2); });
    for (float value : {1.0f, 31.6f, 1000.0f, 0.02f}) {
        calls([&] {
            GRASPA(7.0f, value, kxv, kyv);
            SPAGRA(kxv, kyv, gx, gy);
        });
        EXPECT_NEAR(gy, value, 1e-5f * value);
        EXPECT_FLOAT_EQ(gx, 7.0f);
    }
    calls([&] { GRASPA(7.0f, 10.0f, kxv, kyv); });
    EXPECT_NEAR(kyv, 100.0f + 500.0f / 3.0f, 1e-3);
    // No logarithm: 514 and the fallback -10 itself.
    calls([&] { GRASPA(7.0f, 0.0f, kxv, kyv); });
    EXPECT_EQ(errors(), std::vector<int>{514});
    EXPECT_EQ(kyv, -10.0f);
}

// A degenerate transform gives the fallback value instead of dividing by zero, and powers of
// ten beyond single precision are held finite.
TEST_F(TransformTest, BackTransformOfDegenerateAxes)
{
    placeAxes();
    float gx = 0, gy = 0;
    calls([&] { SPAGRA(100.0f, 100.0f, gx, gy); });
    graphTransform(1).scale = 0.0f;
    calls([&] { SPAGRA(500.0f, 100.0f, gx, gy); });
    EXPECT_EQ(gx, -10.0f);
    EXPECT_EQ(gy, 0.0f);
    calls([] { AXISCA(4, 0, 1.0f, 1000.0f, 2); });
    calls([&] { SPAGRA(500.0f, 1.0e9f, gx, gy); });
    EXPECT_TRUE(std::isfinite(gy));
    EXPECT_GT(gy, 1.0e37f);
}

}  // namespace
