// Measures what the wrapper layer costs over direct flat-API calls, on
// the sequence one skin paint makes: a graphics on a memory DC, a rounded
// path filled with a gradient, a short text, everything deleted again.
// Both variants use the same run-time bound functions; rounds alternate
// between them so drift in the machine affects both alike.
//
//     gdiplus_bench.exe [cycles per round] [rounds]
#include "graphics.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <type_traits>
#include <vector>

namespace {

constexpr Gdiplus::REAL kX = 2.0f, kY = 2.0f, kWidth = 90.0f, kHeight = 26.0f;
constexpr int kPercent = 30;

void WrappedPaint(HDC dc)
{
    Graphics graphics;
    graphics.CreateFromHDC(dc);
    GraphicsPath path;
    path.Create();
    path.AddRoundRectPercent(kX, kY, kWidth, kHeight, kPercent);
    LinearGradientBrush gradient;
    gradient.Create({0.0f, kY}, {0.0f, kY + kHeight}, 0xe0ffffffu, 0xe0306090u);
    graphics.FillPath(gradient, path);
    Font font;
    font.Create("宋体", 12.0f, Gdiplus::FontStyleRegular, Gdiplus::UnitPixel);
    SolidBrush ink;
    ink.Create(0xff000000u);
    graphics.DrawString("关机", font, ink, Gdiplus::RectF(kX, kY, kWidth, kHeight));
}

void DirectPaint(HDC dc)
{
    using namespace gdip;
    Gdiplus::GpGraphics* graphics = nullptr;
    GdipCreateFromHDC(dc, &graphics);
    Gdiplus::GpPath* path = nullptr;
    GdipCreatePath(Gdiplus::FillModeAlternate, &path);
    const Gdiplus::REAL cw = kWidth * kPercent / 100, ch = kHeight * kPercent / 100;
    GdipAddPathArc(path, kX + kWidth - cw, kY, cw, ch, 270.0f, 90.0f);
    GdipAddPathArc(path, kX + kWidth - cw, kY + kHeight - ch, cw, ch, 0.0f, 90.0f);
    GdipAddPathArc(path, kX, kY + kHeight - ch, cw, ch, 90.0f, 90.0f);
    GdipAddPathArc(path, kX, kY, cw, ch, 180.0f, 90.0f);
    GdipClosePathFigure(path);
    const Gdiplus::PointF start(0.0f, kY), end(0.0f, kY + kHeight);
    Gdiplus::GpLineGradient* gradient = nullptr;
    GdipCreateLineBrush(&start, &end, 0xe0ffffffu, 0xe0306090u, Gdiplus::WrapModeTile, &gradient);
    GdipFillPath(graphics, gradient, path);
    Gdiplus::GpFontFamily* family = nullptr;
    GdipCreateFontFamilyFromName(L"\x5b8b\x4f53", nullptr, &family);
    Gdiplus::GpFont* font = nullptr;
    GdipCreateFont(family, 12.0f, Gdiplus::FontStyleRegular, Gdiplus::UnitPixel, &font);
    GdipDeleteFontFamily(family);
    Gdiplus::GpSolidFill* ink = nullptr;
    GdipCreateSolidFill(0xff000000u, &ink);
    const Gdiplus::RectF layout(kX, kY, kWidth, kHeight);
    GdipDrawString(graphics, L"\x5173\x673a", 2, font, &layout, nullptr, ink);
    GdipDeleteBrush(ink);
    GdipDeleteFont(font);
    GdipDeleteBrush(gradient);
    GdipDeletePath(path);
    GdipDeleteGraphics(graphics);
}

double Seconds(LARGE_INTEGER from, LARGE_INTEGER to, LARGE_INTEGER frequency)
{
    return static_cast<double>(to.QuadPart - from.QuadPart) / static_cast<double>(frequency.QuadPart);
}

// Microseconds per cycle of one round of `paint`.
double Round(void (*paint)(HDC), HDC dc, int cycles)
{
    LARGE_INTEGER frequency, start, stop;
    QueryPerformanceFrequency(&frequency);
    QueryPerformanceCounter(&start);
    for (int i = 0; i < cycles; ++i)
        paint(dc);
    QueryPerformanceCounter(&stop);
    return Seconds(start, stop, frequency) * 1e6 / cycles;
}

double Median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

struct DcDeleter {
    void operator()(HDC dc) const { DeleteDC(dc); }
};
struct ObjectDeleter {
    void operator()(HGDIOBJ object) const { DeleteObject(object); }
};

}  // namespace

int main(int argc, char** argv)
{
    const int cycles = argc > 1 ? std::max(1, std::atoi(argv[1])) : 2000;
    const int rounds = argc > 2 ? std::max(1, std::atoi(argv[2])) : 9;

    GdiplusSession session;
    if (!session.Token()) {
        std::printf("GDI+ did not start\n");
        return 1;
    }
    std::unique_ptr<std::remove_pointer_t<HDC>, DcDeleter> dc(CreateCompatibleDC(nullptr));
    std::unique_ptr<std::remove_pointer_t<HBITMAP>, ObjectDeleter> bitmap(CreateBitmap(96, 32, 1, 32, nullptr));
    const HGDIOBJ previous = SelectObject(dc.get(), bitmap.get());

    // Warm-up: binds every function and fills the font caches.
    Round(WrappedPaint, dc.get(), 50);
    Round(DirectPaint, dc.get(), 50);
    std::vector<double> wrapped, direct, ratios;
    for (int r = 0; r < rounds; ++r) {
        const bool wrappedFirst = r % 2 == 0;
        const double first = Round(wrappedFirst ? WrappedPaint : DirectPaint, dc.get(), cycles);
        const double second = Round(wrappedFirst ? DirectPaint : WrappedPaint, dc.get(), cycles);
        wrapped.push_back(wrappedFirst ? first : second);
        direct.push_back(wrappedFirst ? second : first);
        ratios.push_back(wrapped.back() / direct.back());
        std::printf("round %d: wrapped %.2f us, direct %.2f us, ratio %.3f\n", r + 1, wrapped.back(), direct.back(),
                    ratios.back());
    }
    SelectObject(dc.get(), previous);
    std::printf("median over %d rounds of %d cycles: wrapped %.2f us, direct %.2f us per cycle\n", rounds, cycles,
                Median(wrapped), Median(direct));
    std::printf("wrapper / direct: %.3f (median of the round ratios; target at most 1.050)\n", Median(ratios));
    return 0;
}
