// pngfile.cpp - writing the raster device's image surface to a PNG file.
//
// Cairo's own writer allows no choice of compression, and its default (level 6 with a row
// filter chosen row by row) costs more than the drawing of most pictures.  A picture of lines,
// text and flat colours compresses about as well at zlib's level 4 with no row filter (the
// lowest level that matches lazily, which text needs; the levels below it give files up to
// twice the size), so the file is written here: the rows are cut into a few bands compressed
// side by side, each band a raw deflate stream ended on a byte boundary, and the bands joined
// into the one zlib stream of the image data (the checksum combined from theirs).
#include <zlib.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <system_error>
#include <thread>
#include <vector>

#include "state.h"

namespace tarv {

namespace {

constexpr int kCompressionLevel = 4;
constexpr int kMaxBands = 4;
constexpr int kRowsPerBand = 64;         // fewer rows than this per band are not worth a thread
constexpr size_t kChunkBytes = 1 << 20;  // image data per IDAT chunk

struct Image {
    const unsigned char* data;
    int width, height, stride;
};

// One band of rows, compressed: the deflate output and the checksum of the raw rows.
struct Band {
    int first = 0, last = 0;  // rows first .. last - 1
    bool final = false;       // the band that ends the stream
    std::vector<unsigned char> out;
    uLong adler = 1;
    uLong rawLength = 0;
    bool ok = false;
};

// A row as PNG stores it: filter type 0, then red, green, blue of each pixel.  Cairo keeps an
// RGB24 pixel as one native 32-bit word 0x00RRGGBB.
void packRow(const Image& im, int row, unsigned char* out)
{
    const unsigned char* src = im.data + static_cast<ptrdiff_t>(row) * im.stride;
    *out++ = 0;
    for (int x = 0; x < im.width; ++x) {
        uint32_t v;
        std::memcpy(&v, src + 4 * x, 4);
        *out++ = static_cast<unsigned char>(v >> 16);
        *out++ = static_cast<unsigned char>(v >> 8);
        *out++ = static_cast<unsigned char>(v);
    }
}

// Runs deflate on what is in the stream's input, growing the output as it fills.
bool pump(z_stream& zs, std::vector<unsigned char>& out, int flush)
{
    for (;;) {
        size_t used = out.size() - zs.avail_out;
        if (zs.avail_out == 0) {
            out.resize(std::max<size_t>(2 * out.size(), 4096));
            zs.next_out = out.data() + used;
            zs.avail_out = static_cast<uInt>(out.size() - used);
        }
        int status = deflate(&zs, flush);
        if (status == Z_STREAM_ERROR) return false;
        if (flush == Z_FINISH ? status == Z_STREAM_END : zs.avail_out != 0) return true;
    }
}

void compressBand(const Image& im, Band& b)
{
    z_stream zs{};
    if (deflateInit2(&zs, kCompressionLevel, Z_DEFLATED, -15, 8, Z_DEFAULT_STRATEGY) != Z_OK)
        return;
    const size_t rowBytes = 1 + 3 * static_cast<size_t>(im.width);
    std::vector<unsigned char> row(rowBytes);
    b.out.resize(rowBytes * static_cast<size_t>(b.last - b.first) / 8 + 4096);
    zs.next_out = b.out.data();
    zs.avail_out = static_cast<uInt>(b.out.size());
    bool ok = true;
    for (int r = b.first; r < b.last && ok; ++r) {
        packRow(im, r, row.data());
        b.adler = adler32(b.adler, row.data(), static_cast<uInt>(rowBytes));
        b.rawLength += rowBytes;
        zs.next_in = row.data();
        zs.avail_in = static_cast<uInt>(rowBytes);
        // The last row ends the band on a byte boundary, or the whole stream.
        int flush = r + 1 < b.last ? Z_NO_FLUSH : (b.final ? Z_FINISH : Z_SYNC_FLUSH);
        ok = pump(zs, b.out, flush) && zs.avail_in == 0;
    }
    b.out.resize(b.out.size() - zs.avail_out);
    deflateEnd(&zs);
    b.ok = ok;
}

// The bands side by side: the first on this thread, the others on threads of their own (or here
// too when no thread can be had).
void compressBands(const Image& im, std::vector<Band>& bands)
{
    std::vector<std::thread> helpers;
    for (size_t k = 1; k < bands.size(); ++k) {
        try {
            helpers.emplace_back(compressBand, std::cref(im), std::ref(bands[k]));
        } catch (const std::system_error&) {
            compressBand(im, bands[k]);
        }
    }
    compressBand(im, bands[0]);
    for (auto& t : helpers) t.join();
}

void put32(unsigned char* p, uint32_t v)
{
    p[0] = static_cast<unsigned char>(v >> 24);
    p[1] = static_cast<unsigned char>(v >> 16);
    p[2] = static_cast<unsigned char>(v >> 8);
    p[3] = static_cast<unsigned char>(v);
}

bool writeChunk(std::FILE* f, const char* type, const unsigned char* data, size_t n)
{
    unsigned char head[8];
    put32(head, static_cast<uint32_t>(n));
    std::memcpy(head + 4, type, 4);
    uLong crc = crc32(0, head + 4, 4);
    if (n > 0) crc = crc32(crc, data, static_cast<uInt>(n));
    unsigned char tail[4];
    put32(tail, static_cast<uint32_t>(crc));
    return std::fwrite(head, 1, 8, f) == 8 && (n == 0 || std::fwrite(data, 1, n, f) == n) &&
        std::fwrite(tail, 1, 4, f) == 4;
}

// The zlib stream of the image data: header, the bands, the checksum of all raw rows.
std::vector<unsigned char> joinBands(const std::vector<Band>& bands)
{
    std::vector<unsigned char> z = {0x78, 0x01};
    uLong adler = 1;
    for (const Band& b : bands) {
        z.insert(z.end(), b.out.begin(), b.out.end());
        adler = adler32_combine(adler, b.adler, static_cast<z_off_t>(b.rawLength));
    }
    unsigned char sum[4];
    put32(sum, static_cast<uint32_t>(adler));
    z.insert(z.end(), sum, sum + 4);
    return z;
}

bool writeFile(const char* fileName, const Image& im, const std::vector<unsigned char>& z)
{
    std::FILE* f = std::fopen(fileName, "wb");
    if (f == nullptr) return false;
    static const unsigned char kSignature[8] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    unsigned char header[13] = {};
    put32(header, static_cast<uint32_t>(im.width));
    put32(header + 4, static_cast<uint32_t>(im.height));
    header[8] = 8;  // bits per channel
    header[9] = 2;  // RGB
    bool ok = std::fwrite(kSignature, 1, 8, f) == 8 && writeChunk(f, "IHDR", header, 13);
    for (size_t at = 0; ok && at < z.size(); at += kChunkBytes)
        ok = writeChunk(f, "IDAT", z.data() + at, std::min(kChunkBytes, z.size() - at));
    ok = ok && writeChunk(f, "IEND", nullptr, 0);
    return std::fclose(f) == 0 && ok;
}

}  // namespace

bool writePngFile(cairo_surface_t* surface, const char* fileName)
{
    if (cairo_image_surface_get_format(surface) != CAIRO_FORMAT_RGB24)
        return cairo_surface_write_to_png(surface, fileName) == CAIRO_STATUS_SUCCESS;
    const Image im{cairo_image_surface_get_data(surface), cairo_image_surface_get_width(surface),
                   cairo_image_surface_get_height(surface),
                   cairo_image_surface_get_stride(surface)};
    if (im.data == nullptr || im.width <= 0 || im.height <= 0) return false;
    unsigned hardware = std::max(1u, std::thread::hardware_concurrency());
    int count =
        std::clamp(im.height / kRowsPerBand, 1, std::min(kMaxBands, static_cast<int>(hardware)));
    std::vector<Band> bands(static_cast<size_t>(count));
    for (int k = 0; k < count; ++k) {
        Band& b = bands[static_cast<size_t>(k)];
        b.first = static_cast<int>(static_cast<long long>(im.height) * k / count);
        b.last = static_cast<int>(static_cast<long long>(im.height) * (k + 1) / count);
        b.final = k + 1 == count;
    }
    compressBands(im, bands);
    for (const Band& b : bands)
        if (!b.ok) return false;
    return writeFile(fileName, im, joinBands(bands));
}

}  // namespace tarv
