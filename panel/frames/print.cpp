// print.cpp - print jobs: a job is one page, a PDF surface of A4 landscape that the kernel draws
// into while the job is open.  Where the page goes, and whether the job starts at all, is the
// backend's answer (a print dialog, or the script).
#include <cairo-pdf.h>

#include "state.h"
#include "tarvlink.h"
#include "tpanel.h"

using namespace tpanel;

namespace {

void setPage(int& ppw, int& pph, float& pw, float& ph, bool open)
{
    ppw = open ? kPagePixelWidth : 0;
    pph = open ? kPagePixelHeight : 0;
    pw = open ? kPageWidthMm : 0.0f;
    ph = open ? kPageHeightMm : 0.0f;
}

bool startJob()
{
    PanelState& p = panel();
    if (p.page || !p.backend) return false;
    const PrintAnswer answer = p.backend->print();
    if (!answer.ok) return false;
    cairo_surface_t* page =
        cairo_pdf_surface_create(answer.file.c_str(), kPageWidthPoints, kPageHeightPoints);
    if (cairo_surface_status(page) != CAIRO_STATUS_SUCCESS) {
        cairo_surface_destroy(page);
        tell("print: cannot write " + answer.file);
        return false;
    }
    p.page = page;
    if (p.kernelCoupled) tarv::linkPageTarget(page, kPageWidthPoints, kPageHeightPoints);
    return true;
}

bool endJob()
{
    PanelState& p = panel();
    if (!p.page) return false;
    if (p.kernelCoupled) tarv::linkPageTarget(nullptr, 0.0, 0.0);
    cairo_surface_finish(p.page);
    const bool ok = cairo_surface_status(p.page) == CAIRO_STATUS_SUCCESS;
    cairo_surface_destroy(p.page);
    p.page = nullptr;
    return ok;
}

}  // namespace

void PrintJob(int mode, int& status, int& pagePixelWidth, int& pagePixelHeight, float& pageWidth,
              float& pageHeight)
{
    status = 0;
    if (mode == 0 || mode == -1) status = startJob() ? 1 : 0;
    else if (mode == 1) status = endJob() ? 1 : 0;
    setPage(pagePixelWidth, pagePixelHeight, pageWidth, pageHeight, status == 1);
}

namespace tpanel {

void closePrintJob() { endJob(); }

}  // namespace tpanel
