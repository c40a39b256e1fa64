// Many create/draw/release cycles of the wrappers a paint routine uses must
// leave the process memory flat.
#include "graphics.h"
#include "pixel_canvas.h"

#include <psapi.h>

#include <gtest/gtest.h>

#include <cstdio>

namespace {

constexpr int kWarmUpCycles = 500;
constexpr int kMeasuredCycles = 10000;

// One paint as the skin engine does it: every wrapper made, used, dropped.
void PaintOnce(HDC dc)
{
    Graphics graphics;
    graphics.CreateFromHDC(dc);
    graphics.SetSmoothingMode(Gdiplus::SmoothingModeAntiAlias);
    GraphicsPath path;
    path.Create();
    path.AddRoundRectPercent(2.0f, 2.0f, 60.0f, 24.0f, 30);
    LinearGradientBrush gradient;
    gradient.Create({0.0f, 2.0f}, {0.0f, 26.0f}, 0xc0ffffffu, 0xc0204080u);
    graphics.FillPath(gradient, path);
    Pen pen;
    pen.Create(0xff204080u, 1.0f);
    graphics.DrawPath(pen, path);
    PathGradientBrush glow;
    glow.CreateFromPath(path);
    glow.SetCenterColor(0x80ffffffu);
    const Gdiplus::ARGB surround[] = {0x00ffffffu};
    glow.SetSurroundColors(surround);
    graphics.FillPath(glow, path);
    Font font;
    font.Create("宋体", 12.0f, Gdiplus::FontStyleRegular, Gdiplus::UnitPixel);
    StringFormat format;
    format.Create();
    format.SetAlignment(Gdiplus::StringAlignmentCenter);
    SolidBrush text;
    text.Create(0xff000000u);
    graphics.DrawString("关机", font, text, Gdiplus::RectF(2.0f, 2.0f, 60.0f, 24.0f), format);
}

// Committed private memory. Wine leaves PrivateUsage at 0 but fills the
// page-file figure, which counts the same committed pages.
SIZE_T PrivateBytes()
{
    PROCESS_MEMORY_COUNTERS_EX counters{};
    counters.cb = sizeof counters;
    GetProcessMemoryInfo(GetCurrentProcess(), reinterpret_cast<PROCESS_MEMORY_COUNTERS*>(&counters),
                         sizeof counters);
    return counters.PrivateUsage ? counters.PrivateUsage : counters.PagefileUsage;
}

TEST(WrapperLeaks, TenThousandPaintCyclesLeaveProcessMemoryFlat)
{
    PixelCanvas canvas(64, 28, RGB(255, 255, 255));
    ASSERT_TRUE(canvas.Valid());
    PaintOnce(canvas.Dc());
    ASSERT_GT(canvas.CountOtherThan(RGB(255, 255, 255), 0, 0, 64, 28), 0);  // the cycle really draws
    for (int i = 0; i < kWarmUpCycles; ++i)
        PaintOnce(canvas.Dc());
    const SIZE_T before = PrivateBytes();
    ASSERT_GT(before, 0u);
    for (int i = 0; i < kMeasuredCycles; ++i)
        PaintOnce(canvas.Dc());
    const SIZE_T after = PrivateBytes();
    const long long growth = static_cast<long long>(after) - static_cast<long long>(before);
    std::printf("private bytes before %llu, after %llu, growth %lld over %d cycles\n",
                static_cast<unsigned long long>(before), static_cast<unsigned long long>(after), growth,
                kMeasuredCycles);
    // A single leaked GDI+ object per cycle would add well over this.
    EXPECT_LT(growth, 256 * 1024);
}

}  // namespace
