// terr_setup.h - the set-up the surface library's examples share: a kernel output opened by its
// file name, a picture opened with the space, character size and pen every example draws with,
// the plot title, the test field of two hills and a hollow, and the colours for heights.
#ifndef TERR_SETUP_H
#define TERR_SETUP_H

#include <cmath>
#include <cstdio>
#include <cstring>

#include "tarvcore.h"
#include "tterrlib.h"

// Sends the kernel's output to the named file, its kind (.png, .pdf, .svg, .trace) from the
// name's ending, and opens it.
inline void openOutput(const char* name)
{
    kernelSelectOutput(name, static_cast<int>(std::strlen(name)));
    kernelOpenDevice();
}

// A picture 1200 by 900 units, characters 9 by 12, drawn in pen 1.
inline void openPicture(const char* name)
{
    openOutput(name);
    kernelSetPictureSpace(0.0f, 1200.0f, 0.0f, 900.0f);
    kernelSetCharSize(9.0f, 12.0f);
    kernelSetColour(1);
}

inline void closePicture(const char* name)
{
    kernelCloseDevice();
    std::printf("wrote %s\n", name);
}

inline void setPlotTitle(const char* title)
{
    krSetSurfPlotTitle(title, static_cast<int>(std::strlen(title)));
}

// Two hills and a hollow over [-3, 3] by [-2, 2].
inline float twoHillsAndAHollow(const float& x, const float& y)
{
    const auto bump = [](float dx, float dy, float h, float r) {
        return h * std::exp(-(dx * dx + dy * dy) / (r * r));
    };
    return 40.0f + bump(x + 1.2f, y - 0.4f, 60.0f, 1.0f) + bump(x - 1.5f, y + 0.5f, 35.0f, 0.8f) -
        bump(x - 0.3f, y - 1.2f, 25.0f, 0.7f);
}

// Palette colours from cold to warm, for bands and cells filled by height.
inline constexpr int kHeightColours[10] = {13, 4, 7, 12, 3, 5, 8, 2, 14, 16};

#endif
