// plot_axes_example - an amplitude spectrum drawn the way the analysis program draws it: axes
// of 800 by 600 units from (100, 100) scaled in ten intervals, both axes with ticks and
// numbers, a grid of lines, a title, the two axis titles and the spectrum as a polyline.
// The samples are a sum of three sines with a little deterministic noise; their amplitudes
// come from a direct discrete Fourier transform.  Written to plot_axes_example.png in the
// current directory.
#include <cmath>
#include <cstring>
#include <string>
#include <vector>

#include "tarvcore.h"
#include "tplotlib.h"

namespace {

constexpr int kSamples = 400;
constexpr double kStep = 0.01;  // seconds between samples

struct Spectrum {
    std::vector<float> frequency, amplitude;
};

Spectrum amplitudeSpectrum()
{
    const double pi = std::acos(-1.0);
    std::vector<double> x(kSamples);
    for (int n = 0; n < kSamples; ++n) {
        const double t = n * kStep;
        const double noise = 0.3 * std::sin(37.0 * n * n + 1.3);
        x[n] = 1.8 * std::sin(2 * pi * 4.0 * t) + 1.1 * std::sin(2 * pi * 11.0 * t + 0.4) +
            0.6 * std::cos(2 * pi * 23.0 * t) + noise;
    }
    Spectrum s;
    for (int k = 1; k <= kSamples / 2; ++k) {
        double re = 0.0, im = 0.0;
        for (int n = 0; n < kSamples; ++n) {
            re += x[n] * std::cos(2 * pi * k * n / kSamples);
            im -= x[n] * std::sin(2 * pi * k * n / kSamples);
        }
        s.frequency.push_back(static_cast<float>(k / (kSamples * kStep)));
        s.amplitude.push_back(static_cast<float>(2.0 * std::hypot(re, im) / kSamples));
    }
    return s;
}

// A text of 80 characters, blank padded, as the program keeps its names.
std::string name80(const char* text)
{
    std::string s(text);
    s.resize(80, ' ');
    return s;
}

void plot(const Spectrum& s)
{
    const int count = static_cast<int>(s.frequency.size());
    float fLow = s.frequency[0], fHigh = s.frequency[0];
    float aLow = s.amplitude[0], aHigh = s.amplitude[0];
    for (int i = 0; i < count; ++i) {
        fLow = std::fmin(fLow, s.frequency[i]), fHigh = std::fmax(fHigh, s.frequency[i]);
        aLow = std::fmin(aLow, s.amplitude[i]), aHigh = std::fmax(aHigh, s.amplitude[i]);
    }
    const int divisions = 10, one = 1, minusOne = -1, two = 2, zero = 0, three = 3, seven = 7;
    const std::string title = name80("Plot of Amplitude Spectrum");
    const std::string xName = name80("Frequency (Hz)");
    const std::string yName = name80("Amplitude");

    GRFMOD(zero);
    kernelSetLineWidth(1.5f);
    kernelSetColour(one);
    kernelSetPictureSpace(0.0f, 1000.0f, 0.0f, 750.0f);
    kernelSetCharSize(10.0f, 10.0f);
    kernelSetTextMode(one);
    kernelSetCharSize(11.0f, 11.0f);
    AXIPOS(one, 100.0f, 100.0f, 800.0f, one);
    AXIPOS(one, 100.0f, 100.0f, 600.0f, two);
    AXISCA(one, divisions, fLow, fHigh, one);
    AXISCA(one, divisions, aLow, aHigh, two);
    AXIDRA(one, one, one);
    AXIDRA(minusOne, minusOne, two);
    kernelSetColour(one);
    GRID(three, one, one);
    GRFTTL(title.c_str(), 80, zero, minusOne);
    kernelSetTextSetting49(zero);
    AXNSTR(xName.c_str(), 80, 30.0f, minusOne, zero);
    AXNSTR(yName.c_str(), 80, 30.0f, two, zero);
    kernelSetColour(seven);
    kernelSetLineWidth(2.2f);
    GRAPOL(s.frequency.data(), s.amplitude.data(), count);
}

}  // namespace

int main()
{
    const Spectrum s = amplitudeSpectrum();
    const char* file = "plot_axes_example.png";
    kernelOpen();
    kernelSelectOutput(file, static_cast<int>(std::strlen(file)));
    kernelOpenDevice();
    plot(s);
    kernelCloseDevice();
    kernelClose();
    return 0;
}
