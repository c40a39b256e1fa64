// Paths, brushes and pens: argument shapes and the state they keep.
#include "graphics.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

std::vector<Gdiplus::PointF> RoundRectPoints(int percent)
{
    GraphicsPath path;
    EXPECT_TRUE(path.Create());
    EXPECT_TRUE(path.AddRoundRectPercent(0.0f, 0.0f, 200.0f, 100.0f, percent));
    return path.GetPathPoints();
}

bool SamePoints(const std::vector<Gdiplus::PointF>& a, const std::vector<Gdiplus::PointF>& b)
{
    if (a.size() != b.size())
        return false;
    for (size_t i = 0; i < a.size(); ++i)
        if (a[i].X != b[i].X || a[i].Y != b[i].Y)
            return false;
    return true;
}

TEST(GraphicsPath, RoundRectPercentIsClampedToOneToHundred)
{
    const auto one = RoundRectPoints(1);
    const auto hundred = RoundRectPoints(100);
    ASSERT_FALSE(one.empty());
    EXPECT_TRUE(SamePoints(RoundRectPoints(0), one));
    EXPECT_TRUE(SamePoints(RoundRectPoints(-5), one));
    EXPECT_TRUE(SamePoints(RoundRectPoints(250), hundred));
    EXPECT_FALSE(SamePoints(RoundRectPoints(50), hundred));
}

TEST(GraphicsPath, RoundRectAtHundredPercentIsAnEllipseLikeShape)
{
    GraphicsPath path;
    ASSERT_TRUE(path.Create());
    ASSERT_TRUE(path.AddRoundRectPercent(0.0f, 0.0f, 200.0f, 100.0f, 100));
    const Gdiplus::RectF bounds = path.GetBounds();
    EXPECT_NEAR(bounds.X, 0.0f, 0.01f);
    EXPECT_NEAR(bounds.Width, 200.0f, 0.01f);
    EXPECT_NEAR(bounds.Height, 100.0f, 0.01f);
    EXPECT_TRUE(path.IsVisible(100.0f, 50.0f));
    EXPECT_TRUE(path.IsVisible(100.0f, 2.0f));
    EXPECT_FALSE(path.IsVisible(5.0f, 5.0f));  // corners are cut like an ellipse's
    EXPECT_FALSE(path.IsVisible(195.0f, 95.0f));
}

TEST(GraphicsPath, EmptyPathReportsNothing)
{
    GraphicsPath path;
    EXPECT_EQ(path.GetPointCount(), 0);
    EXPECT_EQ(LastStatus, Gdiplus::InvalidParameter);
    EXPECT_TRUE(path.GetPathPoints().empty());
    EXPECT_FALSE(path.AddLine2({}));
}

TEST(LinearGradientBrush, PresetBlendPassesTheColourCount)
{
    LinearGradientBrush brush;
    ASSERT_TRUE(brush.Create({0.0f, 0.0f}, {10.0f, 0.0f}, 0xff000000u, 0xffffffffu));
    const Gdiplus::ARGB colours[] = {0xffff0000u, 0xff00ff00u, 0xff0000ffu};
    const Gdiplus::REAL positions[] = {0.0f, 0.5f, 1.0f};
    ASSERT_TRUE(brush.SetPresetBlend(colours, positions));
    EXPECT_EQ(brush.GetPresetBlendCount(), 3);
    // Unequal arrays would make GDI+ read past the shorter one.
    const Gdiplus::REAL two[] = {0.0f, 1.0f};
    EXPECT_FALSE(brush.SetPresetBlend(colours, two));
    EXPECT_EQ(LastStatus, Gdiplus::InvalidParameter);
    EXPECT_EQ(brush.GetPresetBlendCount(), 3);
}

TEST(PathGradientBrush, SurroundColorsReportHowManyGdiplusTook)
{
    GraphicsPath path;
    ASSERT_TRUE(path.Create());
    ASSERT_TRUE(path.AddRectangle(0.0f, 0.0f, 10.0f, 10.0f));
    PathGradientBrush brush;
    ASSERT_TRUE(brush.CreateFromPath(path));
    const Gdiplus::ARGB colours[] = {0xffff0000u, 0xff00ff00u, 0xff0000ffu, 0xff000000u};
    EXPECT_TRUE(brush.SetSurroundColors(colours));
    EXPECT_EQ(brush.GetSurroundColorCount(), 4);
    INT count = 2;
    EXPECT_TRUE(brush.SetSurroundColors(colours, &count));
    EXPECT_EQ(count, 2);
    INT tooMany = 9;  // more than the array holds: only the array is passed
    EXPECT_TRUE(brush.SetSurroundColors(colours, &tooMany));
    EXPECT_EQ(tooMany, 4);
    EXPECT_TRUE(brush.SetCenterColor(0xff123456u));
    EXPECT_EQ(brush.GetCenterColor(), 0xff123456u);
}

TEST(Brush, DeleteOnAnEmptyBrushMakesNoCall)
{
    SolidBrush solid;
    LinearGradientBrush linear;
    PathGradientBrush gradient;
    LastStatus = Gdiplus::Aborted;
    EXPECT_FALSE(solid.Delete());
    EXPECT_FALSE(linear.Delete());
    EXPECT_FALSE(gradient.Delete());
    EXPECT_EQ(LastStatus, Gdiplus::Aborted);
}

TEST(Brush, EveryKindReportsItsType)
{
    SolidBrush solid;
    LinearGradientBrush linear;
    ASSERT_TRUE(solid.Create(0xff00ff00u));
    ASSERT_TRUE(linear.Create({0.0f, 0.0f}, {1.0f, 1.0f}, 0xff000000u, 0xffffffffu));
    EXPECT_EQ(solid.GetType(), Gdiplus::BrushTypeSolidColor);
    EXPECT_EQ(linear.GetType(), Gdiplus::BrushTypeLinearGradient);
    EXPECT_EQ(solid.GetColor(), 0xff00ff00u);
    EXPECT_TRUE(solid.SetColor(0x80112233u));
    EXPECT_EQ(solid.GetColor(), 0x80112233u);
}

TEST(Pen, KeepsWidthAndColourAndCanBeMadeFromABrush)
{
    Pen pen;
    ASSERT_TRUE(pen.Create(0xff0000ffu, 2.0f));
    EXPECT_FLOAT_EQ(pen.GetWidth(), 2.0f);
    EXPECT_TRUE(pen.SetWidth(5.0f));
    EXPECT_FLOAT_EQ(pen.GetWidth(), 5.0f);
    EXPECT_EQ(pen.GetColor(), 0xff0000ffu);
    SolidBrush brush;
    ASSERT_TRUE(brush.Create(0xffff0000u));
    Pen fromBrush;
    ASSERT_TRUE(fromBrush.CreateFromBrush(brush, 3.0f));
    EXPECT_EQ(fromBrush.GetColor(), 0xffff0000u);
    EXPECT_TRUE(pen.ScaleTransformAt(2.0f, 2.0f, {5.0f, 5.0f}));
}

}  // namespace
