// print.cpp - print jobs: a job is one page, a PDF surface of A4 landscape that the kernel draws
// into while the job is open.  Where the page goes, and whether the job starts at all, is the
// backend's answer (a print dialog, or the script); the end of the job says whether the page
// reached its file.
#include <cairo-pdf.h>

#include <cstdio>
#include <string>

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

// The page's bytes go to its file through here, so that a failed write is seen: the PDF
// surface itself finishes without error on a file that took nothing.
cairo_status_t writePage(void* closure, const unsigned char* data, unsigned int length)
{
    PageFile& f = *static_cast<PageFile*>(closure);
    if (!f.failed && std::fwrite(data, 1, length, f.file) != length) f.failed = true;
    return f.failed ? CAIRO_STATUS_WRITE_ERROR : CAIRO_STATUS_SUCCESS;
}

// Closes the page's file; false when a write to it, its last flush or its closing failed.
bool closePageFile(PageFile& f)
{
    bool ok = !f.failed;
    if (f.file) {
        if (std::fflush(f.file) != 0) ok = false;
        if (std::fclose(f.file) != 0) ok = false;
    }
    f = PageFile{};
    return ok;
}

bool startJob()
{
    PanelState& p = panel();
    if (p.page || !p.backend) return false;
    const PrintAnswer answer = p.backend->print();
    if (!answer.ok) return false;
    p.pageFile = {std::fopen(answer.file.c_str(), "wb"), answer.file, false};
    cairo_surface_t* page = p.pageFile.file
        ? cairo_pdf_surface_create_for_stream(writePage, &p.pageFile, kPageWidthPoints,
                                              kPageHeightPoints)
        : nullptr;
    if (!page || cairo_surface_status(page) != CAIRO_STATUS_SUCCESS) {
        cairo_surface_destroy(page);
        closePageFile(p.pageFile);
        tell("print: cannot write " + answer.file);
        return false;
    }
    p.page = page;
    if (p.kernelCoupled) tarv::linkPageTarget(page, kPageWidthPoints, kPageHeightPoints);
    return true;
}

// Writes the page and closes its file; false (and said) when the page could not be written.
bool endJob()
{
    PanelState& p = panel();
    if (!p.page) return false;
    if (p.kernelCoupled) tarv::linkPageTarget(nullptr, 0.0, 0.0);
    cairo_surface_finish(p.page);
    bool ok = cairo_surface_status(p.page) == CAIRO_STATUS_SUCCESS;
    cairo_surface_destroy(p.page);
    p.page = nullptr;
    const std::string file = p.pageFile.name;
    if (!closePageFile(p.pageFile)) ok = false;
    if (!ok) {
        tell("print: the page could not be written to " + file);
        if (p.backend) p.backend->pageNotWritten();
    }
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
