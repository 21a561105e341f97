// frames_test.cpp - graphics frame bitmaps: background, kernel drawing through the private
// link (y up in the kernel, rows down in the bitmap), resizing, snapshots and printed pages.
#include <cairo.h>

#include "panel_fixture.h"
#include "state.h"

namespace {

class Frames : public ScriptedPanel {
protected:
    void build()
    {
        RegisterTARV("kernel", 6);
        RegMinimum(32, 22);
        OpenMaster(0, 2);
        GraphicsFrame(1, 0, 0, frame_);
        ChangePen(0, 192, 192, 192);
        ClearFrame(frame_);
    }
    // Kernel output onto the whole frame, 1000 x 750 units, as the program's binding sets it.
    void aim()
    {
        GetBitmap(frame_);
        int pw = 0, ph = 0;
        GetBitmapSize(frame_, pw, ph);
        kernelSetRasterOutput(pw, ph, 1000.0f / pw, 750.0f / ph, 0.0f, 0.0f);
    }
    static void horizontalLine(float y)
    {
        kernelSetLineWidth(4.0f);
        kernelMovePen(0.0f, y);
        kernelDrawLineTo(1000.0f, y);
        kernelFlushOutput();
    }
    // The pixel at a fraction of the width and height (0 at the top).
    static unsigned pixel(cairo_surface_t* s, double fx, double fy)
    {
        cairo_surface_flush(s);
        const int x = static_cast<int>(fx * cairo_image_surface_get_width(s));
        const int y = static_cast<int>(fy * cairo_image_surface_get_height(s));
        const unsigned char* row =
            cairo_image_surface_get_data(s) + y * cairo_image_surface_get_stride(s);
        return reinterpret_cast<const unsigned*>(row)[x] & 0xFFFFFFu;
    }
    cairo_surface_t* bitmap() { return tpanel::widget(frame_)->bitmap; }
    int frame_ = 0;
};

constexpr unsigned kGrey = 0xC0C0C0;

TEST_F(Frames, KernelDrawsIntoTheBitmapWithYUp)
{
    start("");
    build();
    EXPECT_EQ(pixel(bitmap(), 0.5, 0.5), kGrey);
    aim();
    horizontalLine(600.0f);  // 0.2 of the height from the top
    EXPECT_NE(pixel(bitmap(), 0.5, 0.2), kGrey);
    EXPECT_EQ(pixel(bitmap(), 0.5, 0.8), kGrey);
    ClearFrame(frame_);
    EXPECT_EQ(pixel(bitmap(), 0.5, 0.2), kGrey);
}

TEST_F(Frames, ResizedFrameGetsANewClearedBitmapTheKernelDrawsInto)
{
    start("");
    build();
    aim();
    horizontalLine(600.0f);
    int info[4], kind;
    char text[4];
    GetWidgetInfo(frame_, text, 4, info, 16, kind, 1);
    info[2] = 50, info[3] = 30;
    SetWidgetInfo(frame_, text, 4, info, 16, kind, 1);
    EXPECT_EQ(cairo_image_surface_get_width(bitmap()), 50 * tpanel::kCellWidth);
    EXPECT_EQ(pixel(bitmap(), 0.5, 0.2), kGrey);
    aim();
    horizontalLine(150.0f);
    EXPECT_NE(pixel(bitmap(), 0.5, 0.8), kGrey);
}

TEST_F(Frames, SnapshotWritesTheBitmap)
{
    start("snapshot shot.png\nsnapshot /nonexistent/dir/shot.png\n");
    build();
    aim();
    horizontalLine(600.0f);
    EXPECT_EQ(next(), -1);
    cairo_surface_t* png = cairo_image_surface_create_from_png((dir_ / "shot.png").c_str());
    ASSERT_EQ(cairo_surface_status(png), CAIRO_STATUS_SUCCESS);
    EXPECT_EQ(cairo_image_surface_get_width(png), cairo_image_surface_get_width(bitmap()));
    EXPECT_NE(pixel(png, 0.5, 0.2), kGrey);
    EXPECT_EQ(pixel(png, 0.5, 0.8), kGrey);
    cairo_surface_destroy(png);
    ASSERT_EQ(tpanel::transcript().size(), 1u);
    EXPECT_NE(tpanel::transcript()[0].find("script line 2: cannot write the picture"),
              std::string::npos);
}

// A snapshot writes PNG and a print job PDF: a name whose extension says another format is
// refused with its line (and a print job goes where the last print-to taken named); a name
// with no extension, or the format's own in any case, is taken.
TEST_F(Frames, ScriptFilesAreNamedForTheFormatTheyHold)
{
    start("snapshot shot.pdf\nsnapshot shot.PNG\nsnapshot shot\n"
          "print-to page.PDF\nprint-to page.txt\nprint ok\n"
          "print-to page\nprint-to page.png\nprint ok\n");
    build();
    aim();
    horizontalLine(600.0f);
    EXPECT_EQ(next(), -1);
    int status = 0, ppw = 0, pph = 0;
    float pw = 0, ph = 0;
    for (int job = 0; job < 2; ++job) {
        PrintJob(0, status, ppw, pph, pw, ph);
        ASSERT_EQ(status, 1);
        PrintJob(1, status, ppw, pph, pw, ph);
        EXPECT_EQ(status, 1);
    }
    const auto starts = [this](const char* name, const std::string& bytes) {
        std::ifstream in(dir_ / name, std::ios::binary);
        std::string head(bytes.size(), '\0');
        in.read(head.data(), static_cast<std::streamsize>(head.size()));
        return in.good() && head == bytes;
    };
    const std::string png = "\x89PNG", pdf = "%PDF";
    EXPECT_TRUE(starts("shot.PNG", png));
    EXPECT_TRUE(starts("shot", png));
    EXPECT_TRUE(starts("page.PDF", pdf));
    EXPECT_TRUE(starts("page", pdf));
    for (const char* refused : {"shot.pdf", "page.txt", "page.png"})
        EXPECT_FALSE(std::filesystem::exists(dir_ / refused)) << refused;
    EXPECT_EQ(tpanel::transcript(),
              (std::vector<std::string>{
                  "script line 1: a snapshot writes a PNG file: name it .png or without an "
                  "extension: snapshot shot.pdf",
                  "script line 5: a print job writes a PDF file: name it .pdf or without an "
                  "extension: print-to page.txt",
                  "script line 8: a print job writes a PDF file: name it .pdf or without an "
                  "extension: print-to page.png"}));
}

TEST_F(Frames, APrintedPageTakesTheDrawingNotTheBitmap)
{
    start("print-to one.pdf\nprint ok\nprint-to empty.pdf\nprint ok\n");
    build();
    EXPECT_EQ(next(), -1);
    int status = 0, ppw = 0, pph = 0;
    float pw = 0, ph = 0;
    PrintJob(0, status, ppw, pph, pw, ph);
    ASSERT_EQ(status, 1);
    kernelSetRasterOutput(ppw, pph, pw / ppw, ph / pph, 0.0f, 0.0f);
    for (float y = 50.0f; y < 750.0f; y += 50.0f) horizontalLine(y);
    PrintJob(1, status, ppw, pph, pw, ph);
    EXPECT_EQ(pixel(bitmap(), 0.5, 0.2), kGrey);
    PrintJob(0, status, ppw, pph, pw, ph);
    PrintJob(1, status, ppw, pph, pw, ph);
    EXPECT_GT(std::filesystem::file_size(dir_ / "one.pdf"),
              std::filesystem::file_size(dir_ / "empty.pdf") + 100);
}

// A backend standing in for a window whose printer takes the page from a file once the job has
// ended: it gives that file for every job and counts the pages it is told not to send.
class PrinterBackend : public tpanel::Backend {
public:
    PrinterBackend(std::string file, int& dropped) : file_(std::move(file)), dropped_(dropped) {}
    tpanel::Action nextAction() override { return {}; }
    tpanel::BrowseAnswer browse(const std::string&, const std::string&, const std::string&) override
    {
        return {};
    }
    void messageBox(const std::string&, const std::string&) override {}
    tpanel::PrintAnswer print() override { return {true, file_}; }
    void pageNotWritten() override { ++dropped_; }

private:
    std::string file_;
    int& dropped_;
};

// A page written whole goes on to the printer; one whose file took nothing is held back, so
// that no printer is handed a page cut short.
TEST_F(Frames, APageThatCannotBeWrittenIsNotSentToThePrinter)
{
    start("");
    build();
    const struct {
        const char* file;
        bool written;
    } jobs[] = {{"page.pdf", true}, {"/dev/full", false}, {"again.pdf", true}};
    int dropped = 0, expected = 0;
    for (const auto& job : jobs) {
        SCOPED_TRACE(job.file);
        tpanel::panel().backend = std::make_unique<PrinterBackend>(job.file, dropped);
        int status = 0, ppw = 0, pph = 0;
        float pw = 0, ph = 0;
        PrintJob(0, status, ppw, pph, pw, ph);
        ASSERT_EQ(status, 1);
        kernelSetRasterOutput(ppw, pph, pw / ppw, ph / pph, 0.0f, 0.0f);
        horizontalLine(300.0f);
        PrintJob(1, status, ppw, pph, pw, ph);
        EXPECT_EQ(status, job.written ? 1 : 0);
        expected += job.written ? 0 : 1;
        EXPECT_EQ(dropped, expected);
    }
}

}  // namespace
