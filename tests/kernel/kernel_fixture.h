// Shared set-up of the kernel tests: a kernel at its start values with the call log captured,
// and a raster linked as the drawing target whose pixels can be read in kernel units.
#ifndef TARV_TESTS_KERNEL_FIXTURE_H
#define TARV_TESTS_KERNEL_FIXTURE_H

#include <gtest/gtest.h>

#include <cairo.h>

#include <cstdint>
#include <cstring>
#include <fstream>
#include <sstream>
#include <string>

#include "tarvcore.h"
#include "tarvlink.h"

class KernelTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        tarv::resetState(true);
        tarv::setErrorEcho(false);
        tarv::errorLogClear();
        tarv::traceCapture(true);
    }
    void TearDown() override
    {
        tarv::linkRasterTarget(nullptr);
        tarv::linkPageTarget(nullptr, 0.0, 0.0);
        tarv::linkFlushHook(nullptr);
        tarv::resetState(true);
        tarv::traceCapture(false);
        tarv::setErrorEcho(true);
    }
};

// The whole of a file the kernel wrote (empty when there is none).
inline std::string slurp(const std::string& name)
{
    std::ifstream in(name, std::ios::binary);
    std::stringstream ss;
    ss << in.rdbuf();
    return ss.str();
}

// A 1000 x 750 white raster linked as the target: kernel unit (x, y) is pixel (x, 750 - y).
class Canvas {
public:
    Canvas(int w = 1000, int h = 750) : w_(w), h_(h)
    {
        surface_ = cairo_image_surface_create(CAIRO_FORMAT_RGB24, w, h);
        cairo_t* cr = cairo_create(surface_);
        cairo_set_source_rgb(cr, 1, 1, 1);
        cairo_paint(cr);
        cairo_destroy(cr);
        tarv::linkRasterTarget(surface_);
    }
    ~Canvas()
    {
        tarv::linkRasterTarget(nullptr);
        cairo_surface_destroy(surface_);
    }
    Canvas(const Canvas&) = delete;
    Canvas& operator=(const Canvas&) = delete;

    // 0xRRGGBB of the pixel under kernel point (x, y), after bringing the drawing up to date.
    uint32_t at(double x, double y)
    {
        kernelFlushOutput();
        int col = static_cast<int>(x), row = static_cast<int>(h_ - y);
        if (col < 0 || row < 0 || col >= w_ || row >= h_) return 0xFFFFFF;
        const unsigned char* data = cairo_image_surface_get_data(surface_);
        uint32_t v;
        std::memcpy(&v, data + row * cairo_image_surface_get_stride(surface_) + 4 * col, 4);
        return v & 0xFFFFFF;
    }
    bool inked(double x, double y) { return at(x, y) != 0xFFFFFF; }
    // Any pixel within r units of (x, y) not white.
    bool inkedNear(double x, double y, int r = 2)
    {
        for (int dx = -r; dx <= r; ++dx)
            for (int dy = -r; dy <= r; ++dy)
                if (inked(x + dx, y + dy)) return true;
        return false;
    }
    int inkCount()
    {
        kernelFlushOutput();
        int n = 0;
        const unsigned char* data = cairo_image_surface_get_data(surface_);
        for (int row = 0; row < h_; ++row)
            for (int col = 0; col < w_; ++col) {
                uint32_t v;
                std::memcpy(&v, data + row * cairo_image_surface_get_stride(surface_) + 4 * col, 4);
                n += (v & 0xFFFFFF) != 0xFFFFFF;
            }
        return n;
    }
    cairo_surface_t* surface() { return surface_; }

private:
    int w_, h_;
    cairo_surface_t* surface_;
};

#endif
