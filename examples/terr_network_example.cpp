// terr_network_example - a triangulated network of scattered points: the triangles with the
// data points marked and the boundary drawn over them (terr_network.png), then the same
// network with a lake cut out as a region, contoured with curved lines, with its triangles over
// the contours (terr_network_contours.png).  Heights at a few points are printed.
#include <cmath>
#include <cstdio>
#include <random>
#include <vector>

#include "terr_setup.h"

namespace {

float terrain(float x, float y)
{
    return 40.0f + 12.0f * std::sin(0.8f * x) * std::cos(0.6f * y) + 3.0f * y;
}

}  // namespace

int main()
{
    const int n = 150;
    std::mt19937 rng(2024);
    std::uniform_real_distribution<float> u(0.0f, 1.0f);
    std::vector<float> x(n), y(n), z(n);
    for (int i = 0; i < n; ++i) {
        x[i] = 10.0f * u(rng);
        y[i] = 7.0f * u(rng);
        z[i] = terrain(x[i], y[i]);
    }
    const int wsize = 36 * (n + 40) + 100;  // room for the lake's points
    std::vector<float> work(wsize, 0.0f);

    openPicture("terr_network.png");
    SURF();
    RANTRI(n, x.data(), y.data(), z.data(), wsize, work.data());
    TRISET(0.0f, 10.0f, 0.0f, 7.0f, wsize, work.data());
    kernelSetColour(4);
    TRINET(2, wsize, work.data());
    kernelSetColour(2);
    std::vector<float> bx(400), by(400);
    int nb = 400;
    const int draw = 1;
    TRIBOU(nb, draw, bx.data(), by.data(), wsize, work.data());
    std::printf("boundary of %d points\n", nb);
    closePicture("terr_network.png");

    const float probes[][2] = {{2.0f, 2.0f}, {5.0f, 3.5f}, {8.0f, 6.0f}};
    for (const auto& p : probes) {
        float h = 0.0f, dx = 0.0f, dy = 0.0f;
        TRIHGT(p[0], p[1], h, dx, dy, wsize, work.data());
        std::printf("height at (%.1f, %.1f): %.3f (true %.3f), gradient %.3f %.3f\n", p[0], p[1], h,
                    terrain(p[0], p[1]), dx, dy);
    }

    openPicture("terr_network_contours.png");
    const float lx[] = {4.0f, 6.5f, 7.0f, 5.0f, 3.5f}, ly[] = {2.0f, 2.5f, 4.5f, 5.0f, 3.5f};
    std::vector<float> lz(5, 0.0f), none(5, 0.0f);
    TRIREG(0, 5, lx, ly, lz.data(), none.data(), none.data(), 0, wsize, work.data());
    DRATRI(0.0f, 10.0f, 0.0f, 7.0f, 12, 1, wsize, work.data());  // curved contours
    kernelSetColour(5);
    TRINET(0, wsize, work.data());
    closePicture("terr_network_contours.png");
    return 0;
}
