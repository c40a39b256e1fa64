// Fonts, font families and string formats against the fonts of the test
// prefix (which maps "宋体" to an installed CJK font).
#include "graphics.h"
#include "pixel_canvas.h"

#include <gtest/gtest.h>

#include <string>

namespace {

TEST(Font, UninstalledFamilyFailsAndLeavesTheFontEmpty)
{
    Font font;
    EXPECT_FALSE(font.Create("No Such Family 0815", 12.0f));
    EXPECT_EQ(LastStatus, Gdiplus::FontFamilyNotFound);
    EXPECT_TRUE(font.IsEmpty());
    FontFamily family;
    EXPECT_FALSE(font.GetFamily(family));
    EXPECT_TRUE(family.IsEmpty());
}

TEST(Font, CreatedByNameKeepsSizeStyleAndUnit)
{
    Font font;
    ASSERT_TRUE(font.Create("宋体", 18.0f, Gdiplus::FontStyleBold | Gdiplus::FontStyleItalic, Gdiplus::UnitPixel));
    EXPECT_FLOAT_EQ(font.GetSize(), 18.0f);
    EXPECT_EQ(font.GetStyle(), Gdiplus::FontStyleBold | Gdiplus::FontStyleItalic);
    EXPECT_EQ(font.GetUnit(), Gdiplus::UnitPixel);
    FontFamily family;
    ASSERT_TRUE(font.GetFamily(family));
    EXPECT_FALSE(family.GetFamilyName().empty());
}

TEST(FontFamily, NonAsciiFamilyNameComesBackInTheAnsiCodePage)
{
    FontFamily family;
    ASSERT_TRUE(family.CreateFromName("文泉驿正黑")) << LastStatus;
    EXPECT_EQ(family.GetFamilyName(), "文泉驿正黑");
}
 
TEST(FontFamily, GetterOnEmptyFamilyGivesNothingAndInvalidParameter)
{
    FontFamily family;
    EXPECT_EQ(family.GetFamilyName(), "");
    EXPECT_EQ(LastStatus, Gdiplus::InvalidParameter);
}

TEST(Font, FromGdiFontKeepsItsFace)
{
    PixelCanvas canvas(8, 8, RGB(255, 255, 255));
    LOGFONTA description{};
    description.lfHeight = -20;
    lstrcpyA(description.lfFaceName, "宋体");
    HFONT gdiFont = CreateFontIndirectA(&description);
    ASSERT_NE(gdiFont, nullptr);
    Font font;
    EXPECT_TRUE(font.CreateFromHFONT(canvas.Dc(), gdiFont));
    DeleteObject(gdiFont);
    EXPECT_GT(font.GetSize(), 0.0f);
}

TEST(StringFormat, KeepsAlignmentsAndTrimming)
{
    StringFormat format;
    ASSERT_TRUE(format.Create());
    EXPECT_TRUE(format.SetAlignment(Gdiplus::StringAlignmentCenter));
    EXPECT_TRUE(format.SetLineAlignment(Gdiplus::StringAlignmentFar));
    EXPECT_TRUE(format.SetTrimming(Gdiplus::StringTrimmingEllipsisCharacter));
    EXPECT_EQ(format.GetAlignment(), Gdiplus::StringAlignmentCenter);
    EXPECT_EQ(format.GetLineAlignment(), Gdiplus::StringAlignmentFar);
    EXPECT_EQ(format.GetTrimming(), Gdiplus::StringTrimmingEllipsisCharacter);
}

TEST(FontCollection, InstalledFontsIncludeAtLeastOneFamily)
{
    FontCollection installed;
    EXPECT_EQ(installed.GetFamilyCount(), 0);
    EXPECT_EQ(LastStatus, Gdiplus::InvalidParameter);
    ASSERT_TRUE(installed.CreateInstalled());
    EXPECT_GT(installed.GetFamilyCount(), 0);
    FontFamily family;
    EXPECT_TRUE(family.CreateFromName("宋体", installed));
}

}  // namespace
