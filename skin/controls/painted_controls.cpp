// Shared by the controls the skin paints whole: trackbars, progress bars
// and up-down controls.
#include "painted_controls.h"

#include "dib_graphics.h"
#include "graphics.h"

namespace {

// WM_PRINTCLIENT: the picture of the whole window goes into `dc` shifted so
// that the client area lands at the DC's origin.
void PrintClient(HWND control, HDC dc, const std::function<void(std::optional<HDC>)>& paint)
{
    if (!dc)
        return;
    RECT outer{};
    GetWindowRect(control, &outer);
    POINT client{0, 0};
    ClientToScreen(control, &client);
    POINT previous{};
    OffsetViewportOrgEx(dc, outer.left - client.x, outer.top - client.y, &previous);
    paint(dc);
    SetViewportOrgEx(dc, previous.x, previous.y, nullptr);
}

} // namespace

void PaintWholeControl(HWND control, std::optional<HDC> dc, const std::function<void(Graphics&, SIZE)>& draw)
{
    RECT outer{};
    GetWindowRect(control, &outer);
    const SIZE size{outer.right - outer.left, outer.bottom - outer.top};
    if (size.cx <= 0 || size.cy <= 0)
        return;
    ScopedMemoryDC picture(CaptureBackground(control, RECT{0, 0, size.cx, size.cy}));
    if (!picture)
        return;
    {
        DibGraphics canvas(picture.Get());
        Graphics& graphics = canvas.Get();
        draw(graphics, size);
    }
    if (dc) {
        BitBlt(*dc, 0, 0, size.cx, size.cy, picture.Get(), 0, 0, SRCCOPY);
        return;
    }
    ScopedWindowDC target(control, GetWindowDC(control));
    if (target)
        BitBlt(target.Get(), 0, 0, size.cx, size.cy, picture.Get(), 0, 0, SRCCOPY);
}

std::optional<LRESULT> HandlePaintMessage(HWND control, UINT message, WPARAM wParam, LPARAM lParam,
                                          const std::function<void(std::optional<HDC>)>& paint)
{
    switch (message) {
    case WM_PAINT: {
        PAINTSTRUCT paintStruct;
        BeginPaint(control, &paintStruct);
        paint(std::nullopt);
        EndPaint(control, &paintStruct);
        return DefWindowProcA(control, message, wParam, lParam);
    }
    case WM_PRINTCLIENT:
        PrintClient(control, reinterpret_cast<HDC>(wParam), paint);
        return 0;
    case WM_NCPAINT:
        paint(std::nullopt);
        return 1;
    case WM_ERASEBKGND:
        SetBkMode(reinterpret_cast<HDC>(wParam), TRANSPARENT);
        return 1;
    case WM_MOVE:
        paint(std::nullopt);
        return CallReplacedProc(control, message, wParam, lParam);
    default:
        return std::nullopt;
    }
}

void DrawShadedBox(Graphics& graphics, SIZE size, bool vertical, int outlineAlpha, int faceCorner)
{
    const auto w = static_cast<float>(size.cx), h = static_cast<float>(size.cy);
    GraphicsPath outline;
    outline.Create();
    AddRoundRect(outline, 0, 0, w - 1, h - 1, 5);
    Pen pen;
    pen.Create(ToArgb(RGB(0, 0, 0), outlineAlpha), 1);
    graphics.DrawPath(pen, outline);

    GraphicsPath face;
    face.Create();
    AddRoundRect(face, 1, 1, w - 2, h - 2, faceCorner);
    LinearGradientBrush shade;
    shade.Create(Gdiplus::PointF(0, 0), vertical ? Gdiplus::PointF(w - 1, 0) : Gdiplus::PointF(0, h - 1),
                 ToArgb(RGB(255, 255, 255), 160), ToArgb(RGB(0, 0, 0), 30));
    graphics.FillPath(shade, face);
}
