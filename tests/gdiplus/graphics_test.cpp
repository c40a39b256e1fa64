// Graphics on a memory DC: transforms, the shapes of text and array
// arguments, and drawing results probed pixel by pixel. Probes keep away
// from shape edges: GDI+ under Wine does not anti-alias fills and lines.
#include "graphics.h"
#include "pixel_canvas.h"

#include <gtest/gtest.h>

#include <array>
#include <vector>

namespace {

constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr Gdiplus::ARGB kOpaqueBlack = 0xff000000u;

class GraphicsOnCanvas : public testing::Test {
protected:
    explicit GraphicsOnCanvas(int width = 100, int height = 100, COLORREF background = kWhite)
        : canvas(width, height, background)
    {
    }
    void SetUp() override
    {
        ASSERT_TRUE(canvas.Valid());
        ASSERT_TRUE(graphics.CreateFromHDC(canvas.Dc()));
    }
    // Ends drawing so the DC holds every pixel GDI+ produced.
    void Finish() { graphics.Delete(); }

    PixelCanvas canvas;
    Graphics graphics;
};

TEST_F(GraphicsOnCanvas, DeleteOnANeverCreatedGraphicsMakesNoCall)
{
    Graphics never;
    LastStatus = Gdiplus::WrongState;
    EXPECT_FALSE(never.Delete());
    EXPECT_EQ(LastStatus, Gdiplus::WrongState);
    EXPECT_TRUE(graphics.Delete());
    EXPECT_TRUE(graphics.IsEmpty());
}

struct AboutCase {
    const char* name;
    bool rotate;
    Gdiplus::MatrixOrder order;
    Gdiplus::PointF offCentre;  // where (centre + (1, 0)) must land
};

TEST_F(GraphicsOnCanvas, ScaleAndRotateAboutAPointKeepThatPointFixed)
{
    const Gdiplus::PointF centre(10.0f, 20.0f);
    const AboutCase cases[] = {
        {"scale append", false, Gdiplus::MatrixOrderAppend, {12.0f, 20.0f}},
        {"scale prepend", false, Gdiplus::MatrixOrderPrepend, {12.0f, 20.0f}},
        {"rotate append", true, Gdiplus::MatrixOrderAppend, {10.0f, 21.0f}},
        {"rotate prepend", true, Gdiplus::MatrixOrderPrepend, {10.0f, 21.0f}},
    };
    for (const AboutCase& c : cases) {
        SCOPED_TRACE(c.name);
        ASSERT_TRUE(graphics.ResetTransform());
        // A translation already in place must not move the fixed point
        // for Prepend (it acts first) and is undone below for Append.
        ASSERT_TRUE(c.rotate ? graphics.RotateTransformAt(90.0f, centre, c.order)
                             : graphics.ScaleTransformAt(2.0f, 3.0f, centre, c.order));
        std::array<Gdiplus::PointF, 2> points{centre, Gdiplus::PointF(centre.X + 1.0f, centre.Y)};
        ASSERT_TRUE(graphics.TransformPoints(Gdiplus::CoordinateSpaceDevice, Gdiplus::CoordinateSpaceWorld, points));
        EXPECT_NEAR(points[0].X, centre.X, 1e-4);
        EXPECT_NEAR(points[0].Y, centre.Y, 1e-4);
        EXPECT_NEAR(points[1].X, c.offCentre.X, 1e-4);
        EXPECT_NEAR(points[1].Y, c.offCentre.Y, 1e-4);
    }
}

TEST_F(GraphicsOnCanvas, EmptyTextIsDrawnAndMeasuredAsNothing)
{
    Font font;
    SolidBrush brush;
    ASSERT_TRUE(font.Create("宋体", 20.0f, Gdiplus::FontStyleRegular, Gdiplus::UnitPixel));
    ASSERT_TRUE(brush.Create(kOpaqueBlack));
    const Gdiplus::RectF layout(0.0f, 0.0f, 100.0f, 100.0f);
    EXPECT_TRUE(graphics.DrawString("", font, brush, layout));
    Gdiplus::RectF bounds(1.0f, 1.0f, 1.0f, 1.0f);
    EXPECT_TRUE(graphics.MeasureString("", font, layout, StringFormat{}, bounds));
    EXPECT_EQ(bounds.Width, 0.0f);
    Finish();
    EXPECT_EQ(canvas.CountOtherThan(kWhite, 0, 0, 100, 100), 0);
}

TEST_F(GraphicsOnCanvas, EmptyPointArraysReachGdiplusAsNothingAndFailCleanly)
{
    Pen pen;
    SolidBrush brush;
    ASSERT_TRUE(pen.Create(kOpaqueBlack, 3.0f));
    ASSERT_TRUE(brush.Create(kOpaqueBlack));
    std::vector<Gdiplus::PointF> none;
    none.reserve(4);  // storage exists, but no element: GDI+ must get null, 0
    EXPECT_FALSE(graphics.DrawLines(pen, none));
    EXPECT_EQ(LastStatus, Gdiplus::InvalidParameter);
    EXPECT_FALSE(graphics.FillPolygon(brush, none));
    EXPECT_EQ(LastStatus, Gdiplus::InvalidParameter);
    EXPECT_FALSE(graphics.TransformPoints(Gdiplus::CoordinateSpaceDevice, Gdiplus::CoordinateSpaceWorld, none));
    Finish();
    EXPECT_EQ(canvas.CountOtherThan(kWhite, 0, 0, 100, 100), 0);
}

TEST_F(GraphicsOnCanvas, DrawingWithEmptyWrappersFailsQuietly)
{
    Pen pen;
    SolidBrush brush;
    GraphicsPath path;
    EXPECT_FALSE(graphics.FillRectangle(brush, 0, 0, 50, 50));
    EXPECT_FALSE(graphics.DrawLine(pen, 0, 0, 50, 50));
    ASSERT_TRUE(path.Create());
    ASSERT_TRUE(path.AddRectangle(0, 0, 50, 50));
    EXPECT_FALSE(graphics.FillPath(brush, path));
    Finish();
    EXPECT_EQ(canvas.CountOtherThan(kWhite, 0, 0, 100, 100), 0);
}

class DrawingOverBlue : public GraphicsOnCanvas {
protected:
    DrawingOverBlue() : GraphicsOnCanvas(100, 100, RGB(0, 0, 255)) {}
};

TEST_F(DrawingOverBlue, LinearGradientWithAlphaBlendsOverTheOpaqueColour)
{
    LinearGradientBrush brush;
    // Opaque red on the left fading to transparent red on the right.
    ASSERT_TRUE(brush.Create({0.0f, 0.0f}, {100.0f, 0.0f}, 0xffff0000u, 0x00ff0000u));
    ASSERT_TRUE(graphics.FillRectangle(brush, 0.0f, 0.0f, 100.0f, 100.0f));
    Finish();
    EXPECT_TRUE(Near(canvas.Pixel(1, 50), RGB(255, 0, 0), 12)) << std::hex << canvas.Pixel(1, 50);
    EXPECT_TRUE(Near(canvas.Pixel(50, 50), RGB(128, 0, 127), 16)) << std::hex << canvas.Pixel(50, 50);
    EXPECT_TRUE(Near(canvas.Pixel(98, 50), RGB(0, 0, 255), 12)) << std::hex << canvas.Pixel(98, 50);
}

TEST_F(DrawingOverBlue, PathGradientEllipseRunsFromCentreToSurround)
{
    GraphicsPath ellipse;
    ASSERT_TRUE(ellipse.Create());
    ASSERT_TRUE(ellipse.AddEllipse(10.0f, 10.0f, 80.0f, 80.0f));
    PathGradientBrush brush;
    ASSERT_TRUE(brush.CreateFromPath(ellipse));
    ASSERT_TRUE(brush.SetCenterColor(0xffffffffu));
    const Gdiplus::ARGB surround[] = {kOpaqueBlack};
    ASSERT_TRUE(brush.SetSurroundColors(surround));
    ASSERT_TRUE(graphics.FillPath(brush, ellipse));
    Finish();
    EXPECT_TRUE(Near(canvas.Pixel(50, 50), kWhite, 24)) << std::hex << canvas.Pixel(50, 50);
    const COLORREF halfway = canvas.Pixel(70, 50);
    EXPECT_TRUE(Near(halfway, RGB(128, 128, 128), 40)) << std::hex << halfway;
    EXPECT_LT(GetRValue(canvas.Pixel(87, 50)), GetRValue(halfway));
    EXPECT_EQ(canvas.Pixel(12, 12), RGB(0, 0, 255));  // outside the ellipse
}

TEST_F(GraphicsOnCanvas, RoundedPathOutlineSkipsTheCorners)
{
    GraphicsPath path;
    Pen pen;
    ASSERT_TRUE(path.Create());
    ASSERT_TRUE(path.AddRoundRectPercent(10.0f, 10.0f, 80.0f, 60.0f, 40));
    ASSERT_TRUE(pen.Create(0xffff0000u, 2.0f));
    ASSERT_TRUE(graphics.DrawPath(pen, path));
    Finish();
    EXPECT_TRUE(Near(canvas.Pixel(50, 10), RGB(255, 0, 0), 8)) << std::hex << canvas.Pixel(50, 10);
    EXPECT_TRUE(Near(canvas.Pixel(10, 40), RGB(255, 0, 0), 8)) << std::hex << canvas.Pixel(10, 40);
    EXPECT_TRUE(Near(canvas.Pixel(50, 70), RGB(255, 0, 0), 8)) << std::hex << canvas.Pixel(50, 70);
    EXPECT_EQ(canvas.Pixel(11, 11), kWhite);  // cut off by the rounded corner
    EXPECT_EQ(canvas.Pixel(88, 68), kWhite);
    EXPECT_EQ(canvas.Pixel(50, 40), kWhite);  // only the outline is drawn
}

TEST_F(GraphicsOnCanvas, TextDrawnWithAFontGivenByNameMarksOnlyItsLayoutBox)
{
    Font font;
    SolidBrush brush;
    StringFormat format;
    ASSERT_TRUE(font.Create("宋体", 24.0f, Gdiplus::FontStyleRegular, Gdiplus::UnitPixel));
    ASSERT_TRUE(brush.Create(kOpaqueBlack));
    ASSERT_TRUE(format.Create());
    ASSERT_TRUE(format.SetAlignment(Gdiplus::StringAlignmentCenter));
    ASSERT_TRUE(graphics.DrawString("关机", font, brush, Gdiplus::RectF(0.0f, 30.0f, 100.0f, 40.0f), format));
    Finish();
    EXPECT_GT(canvas.CountOtherThan(kWhite, 20, 30, 80, 70), 40);
    EXPECT_EQ(canvas.CountOtherThan(kWhite, 0, 0, 100, 28), 0);
    EXPECT_EQ(canvas.CountOtherThan(kWhite, 0, 72, 100, 100), 0);
}

TEST_F(GraphicsOnCanvas, MeasureCharacterRangesGivesOneRegionPerRange)
{
    Font font;
    StringFormat format;
    ASSERT_TRUE(font.Create("宋体", 20.0f, Gdiplus::FontStyleRegular, Gdiplus::UnitPixel));
    ASSERT_TRUE(format.Create());
    const Gdiplus::CharacterRange ranges[] = {{0, 1}, {1, 1}};
    ASSERT_TRUE(format.SetMeasurableCharacterRanges(ranges));
    std::array<Region, 2> regions;
    ASSERT_TRUE(graphics.MeasureCharacterRanges("宋体", font, Gdiplus::RectF(0.0f, 0.0f, 100.0f, 40.0f), format,
                                                regions));
    ASSERT_FALSE(regions[0].IsEmpty());
    EXPECT_FALSE(regions[0].IsEmpty(graphics));
    const Gdiplus::RectF first = regions[0].GetBounds(graphics);
    const Gdiplus::RectF second = regions[1].GetBounds(graphics);
    EXPECT_GT(first.Width, 0.0f);
    EXPECT_GT(second.Width, 0.0f);
    EXPECT_LE(first.X + first.Width, second.X + 0.5f);
}

TEST_F(GraphicsOnCanvas, ClipRectangleLimitsFilling)
{
    SolidBrush brush;
    ASSERT_TRUE(brush.Create(kOpaqueBlack));
    ASSERT_TRUE(graphics.SetClipRect(20.0f, 20.0f, 30.0f, 30.0f));
    ASSERT_TRUE(graphics.FillRectangle(brush, 0.0f, 0.0f, 100.0f, 100.0f));
    ASSERT_TRUE(graphics.ResetClip());
    Finish();
    EXPECT_EQ(canvas.Pixel(30, 30), RGB(0, 0, 0));
    EXPECT_EQ(canvas.Pixel(10, 10), kWhite);
    EXPECT_EQ(canvas.Pixel(60, 60), kWhite);
}

}  // namespace
