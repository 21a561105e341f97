// pngfile.cpp - writing the raster device's image surface to a PNG file.
//
// Written through libpng rather than Cairo's own writer, which allows no choice of compression:
// a picture of lines and flat colours compresses nearly as well at zlib's fastest level with
// no row filter, and is written several times faster.  Rows go out as they lie in the surface;
// libpng drops the unused fourth byte of each pixel and puts the channels in RGB order.
#include <png.h>

#include <csetjmp>
#include <cstdint>
#include <cstdio>

#include "state.h"

namespace tarv {

namespace {

constexpr int kCompressionLevel = 1;

// Cairo keeps an RGB24 pixel as one native 32-bit word 0x00RRGGBB.
bool littleEndian() {
    const uint32_t probe = 1;
    return *reinterpret_cast<const unsigned char*>(&probe) == 1;
}

// The part that may long-jump out of libpng: no object with a destructor lives here.
bool writeRows(png_structp png, png_infop info, std::FILE* file, cairo_surface_t* surface) {
    if (setjmp(png_jmpbuf(png))) return false;
    const int width = cairo_image_surface_get_width(surface);
    const int height = cairo_image_surface_get_height(surface);
    const int stride = cairo_image_surface_get_stride(surface);
    unsigned char* data = cairo_image_surface_get_data(surface);
    png_init_io(png, file);
    png_set_IHDR(png, info, static_cast<png_uint_32>(width), static_cast<png_uint_32>(height), 8,
                 PNG_COLOR_TYPE_RGB, PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT,
                 PNG_FILTER_TYPE_DEFAULT);
    png_set_compression_level(png, kCompressionLevel);
    png_set_filter(png, PNG_FILTER_TYPE_BASE, PNG_FILTER_NONE);
    png_write_info(png, info);
    if (littleEndian()) {
        png_set_bgr(png);
        png_set_filler(png, 0, PNG_FILLER_AFTER);
    } else {
        png_set_filler(png, 0, PNG_FILLER_BEFORE);
    }
    for (int row = 0; row < height; ++row) png_write_row(png, data + static_cast<ptrdiff_t>(row) * stride);
    png_write_end(png, info);
    return true;
}

}  // namespace

bool writePngFile(cairo_surface_t* surface, const char* fileName) {
    if (cairo_image_surface_get_format(surface) != CAIRO_FORMAT_RGB24)
        return cairo_surface_write_to_png(surface, fileName) == CAIRO_STATUS_SUCCESS;
    std::FILE* file = std::fopen(fileName, "wb");
    if (file == nullptr) return false;
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop info = png != nullptr ? png_create_info_struct(png) : nullptr;
    bool ok = info != nullptr && writeRows(png, info, file, surface);
    png_destroy_write_struct(&png, info != nullptr ? &info : nullptr);
    ok = std::fclose(file) == 0 && ok;
    return ok;
}

}  // namespace tarv
