// print.cpp - the print command: the kernel's mapping is saved, the plot drawn on a printer page
// with the picture space mapped onto the whole page, and the screen's output and mapping put
// back.  A print job that does not start leaves everything as it was; one that does not start
// or whose page cannot be written is reported as a failed print request.
#include "binding/binding.h"
#include "plot/plot.h"
#include "state.h"
#include "tarvcore.h"

namespace {

template <int N> void notice(const char (&text)[N]) { GUIERR("Print Request", 13, text, N - 1); }

}  // namespace

void printPlot()
{
    MainWindowState& m = app.main;
    float* s = m.savedMapping;
    kernelEnquireMapping(s[0], s[1], s[2], s[3], s[4], s[5], s[6], s[7]);
    notice("Set paper orientation, and landscape requires more printer memory!");
    int status = 0;
    GUIPRT(0, status);
    if (status != 1) {
        notice("Printer Request Failed");
        return;
    }
    float* page = m.page;
    FRAENQ(0, page[0], page[1], page[2], page[3]);
    kernelSetMapping(0.0f, 1000.0f, 0.0f, 750.0f, page[0], page[2], page[1], page[3]);
    PLOT(app.plotKind);
    GUIPRT(1, status);
    FRAACT(m.frame);
    kernelSetMapping(s[0], s[1], s[2], s[3], s[4], s[5], s[6], s[7]);
    if (status != 1) notice("Printer Request Failed");  // the page was not written
}
