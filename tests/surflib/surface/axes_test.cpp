// axes_test.cpp - surface axes: refusal without a projection, numbers and titles with their
// captions, side words, the fixed number format and its fall-back.
#include <string>
#include <vector>

#include "frame/state.h"
#include "picture_fixture.h"

using namespace surflib;

namespace {

class SurfaceAxesTest : public PictureFixture {
protected:
    std::vector<float> work = std::vector<float>(100, 0.0f);

    std::vector<std::string> axes(float z1 = 0.0f, float z2 = 5000.0f)
    {
        float d = 0.0f;
        PERSET(0.0f, 10.0f, 0.0f, 6.0f, z1, z2, d, 30.0f, 30.0f);
        capture();
        PERAXE(100, work.data());
        return only(calls(), "kernelDrawText");
    }
};

TEST_F(SurfaceAxesTest, NeedAPerspectiveProjection)
{
    capture();
    PERAXE(100, work.data());
    EXPECT_EQ(count(calls(), "kernelDrawLineTo"), 0);
    EXPECT_EQ(reported(), std::vector<int>({asReported(kNoProjection)}));
    EXPECT_EQ(tarv::errorLog()[0].routine, "krDrawSurfaceAxes(PERAXE)");
}

TEST_F(SurfaceAxesTest, NumbersTitlesAndCaptions)
{
    const std::vector<std::string> texts = axes();
    EXPECT_TRUE(tarv::errorLog().empty());
    auto has = [&](const std::string& t) {
        for (const std::string& l : texts) {
            if (l == "kernelDrawText \"" + t + "\"") return true;
        }
        return false;
    };
    EXPECT_TRUE(has("X axis"));
    EXPECT_TRUE(has("Y axis"));
    EXPECT_TRUE(has("Z axis"));  // heights up to 5000 are shown in thousands
    EXPECT_TRUE(has(" *10"));
    EXPECT_TRUE(has("3"));
    EXPECT_TRUE(has("0.0"));
    EXPECT_TRUE(has("10.0"));  // tens written out, without a caption on the x axis

    // Without the caption: titles only.
    ANNSTR(-1, "", 0);
    const std::vector<std::string> plain = axes();
    for (const std::string& l : plain) EXPECT_EQ(l.find("*10"), std::string::npos) << l;
    ANNSTR(-2, "", 0);
    for (const std::string& l : axes()) EXPECT_EQ(l.find("axis"), std::string::npos) << l;
}

TEST_F(SurfaceAxesTest, SideWordThreeDropsBothEndNumbers)
{
    const size_t all = axes().size();
    const int styles[6] = {1, 0, 0, 0, 0, 0};  // the x axis alone
    const int none[6] = {0, 0, 0, 0, 0, 0};
    PRJAXI(styles, none);
    const size_t xOnly = axes().size();
    const int ends[6] = {3, 0, 0, 0, 0, 0};
    PRJAXI(styles, ends);
    EXPECT_EQ(axes().size(), xOnly - 2);
    EXPECT_LT(xOnly, all);
}

TEST_F(SurfaceAxesTest, FixedFormatOfWholeNumbersNeedsAFittingExponent)
{
    ANNDIG(1, 4, 0, 9999);  // decimals 0, no exponent: the automatic format, no warning
    axes();
    EXPECT_TRUE(tarv::errorLog().empty());
    ANNDIG(3, 6, 0, -12);  // 5000 * 10^12 does not fit the kernel's integers
    axes();
    EXPECT_EQ(reported(), std::vector<int>({asReported(kFormatTooNarrow)}));
    tarv::errorLogClear();
    ANNDIG(3, 6, 1, 0);  // one decimal, in data units: no caption on the z axis
    const std::vector<std::string> texts = axes();
    bool fiveThousand = false;
    for (const std::string& l : texts)
        fiveThousand = fiveThousand || l == "kernelDrawText \"5000.0\"";
    EXPECT_TRUE(fiveThousand);
}

}  // namespace

namespace {

TEST_F(SurfaceAxesTest, UnusableZStepIsReportedByTheAxes)
{
    // The z span 0 .. 5000 holds a quarter of this step.
    PRJSCA(0.0f, 0.0f, 20000.0f);
    float d = 0.0f;
    PERSET(0.0f, 10.0f, 0.0f, 6.0f, 0.0f, 5000.0f, d, 30.0f, 30.0f);
    tarv::errorLogClear();
    capture();
    PERAXE(100, work.data());
    EXPECT_EQ(reported(), std::vector<int>({asReported(kStepUnusable)}));
    EXPECT_EQ(tarv::errorLog()[0].routine, "krDrawSurfaceAxes(PERAXE)");
    EXPECT_GT(count(calls(), "kernelDrawText"), 0);  // drawn with the picture's own ticks
    // A step that fits draws without a word.
    PRJSCA(0.0f, 0.0f, 500.0f);
    PERSET(0.0f, 10.0f, 0.0f, 6.0f, 0.0f, 5000.0f, d, 30.0f, 30.0f);
    tarv::errorLogClear();
    PERAXE(100, work.data());
    EXPECT_TRUE(tarv::errorLog().empty());
}

}  // namespace

namespace {

TEST_F(SurfaceAxesTest, FixedExponentFarFromTheAxisPowerGivesNoCaption)
{
    auto zTitle = [&](int exponent) {
        ANNDIG(3, 6, 1, exponent);
        const std::vector<std::string> texts = axes(0.0f, 5.0e30f);  // z axis power 30
        for (const std::string& l : texts) {
            if (l == "kernelDrawText \"Z axis\"") return true;
        }
        return false;
    };
    EXPECT_TRUE(zTitle(27));   // within reach: numbers in units of 10^27, with the caption
    EXPECT_FALSE(zTitle(-9));  // 39 powers away: no caption, so no z title
}

}  // namespace
