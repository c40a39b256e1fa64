// Skinning of check boxes and automatic radio buttons. They keep their
// style and are painted by ButtonProc through PaintCheckBox and
// PaintRadioButton: the mark over a copy of the skin background, the
// caption to its right.

#include "brush.h"
#include "buttons.h"
#include "control_setup.h"
#include "embedded.h"
#include "frames.h"
#include "dib_graphics.h"
#include "graphics.h"
#include "graphics_path.h"
#include "pen.h"
#include "skin_module.h"
#include "skin_primitives.h"
#include "text.h"

namespace {

using Gdiplus::PointF;
using Gdiplus::RectF;

constexpr LONG_PTR kOwnerDrawBits = BS_OWNERDRAW; // 0xB
constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr COLORREF kBlack = RGB(0, 0, 0);
constexpr COLORREF kDotRim = RGB(0, 128, 128);
constexpr int kCheckSize = 13;

float F(int value) { return static_cast<float>(value); }

// Client rectangle of the control: left, top, width, height, and the
// vertical centre line of a 12-pixel mark.
struct MarkBox {
    int left, top, width, height;
    float middle;
};

void FillHotGradient(Graphics& graphics, const GraphicsPath& path, const MarkBox& b)
{
    LinearGradientBrush brush;
    brush.Create(PointF(F(b.left + 3), b.middle + 1), PointF(F(b.left + 11), b.middle + 12),
                 ToArgb(SkinModule().accentColour, 100), ToArgb(kBlack, 0));
    graphics.FillPath(brush, path);
    DrawGlow(graphics, path, 2, kButtonGlowColour, 30);
}

void DrawCheckMark(Graphics& graphics, const MarkBox& b, bool checked, bool hot)
{
    // Whole pixels: the pictures are drawn one to one.
    const int top = b.top + (b.height - kCheckSize) / 2;
    DrawPictureCentred(graphics, resources::CheckBoxFrame(), b.left, top, kCheckSize, kCheckSize);
    if (checked)
        DrawPictureCentred(graphics, resources::CheckBoxMark(), b.left, top, kCheckSize, kCheckSize);
    if (hot) {
        GraphicsPath square;
        square.Create();
        square.AddRectangle(F(b.left), F(top), kCheckSize, kCheckSize);
        FillHotGradient(graphics, square, b);
    }
}

void DrawRadioMark(Graphics& graphics, const MarkBox& b, bool checked, bool hot)
{
    graphics.SetSmoothingMode(Gdiplus::SmoothingModeAntiAlias);
    Pen ring;
    ring.Create(ToArgb(kBlack, 200), 1);
    graphics.DrawEllipse(ring, F(b.left + 2), b.middle, 12, 12);

    GraphicsPath disc;
    disc.Create();
    disc.AddEllipse(F(b.left + 3), (b.top + (b.height - 11) / 2.0f) + 1, 9, 9);
    Pen rim;
    rim.Create(ToArgb(kWhite, 255), 1);
    graphics.DrawPath(rim, disc);
    SolidBrush white;
    white.Create(ToArgb(kWhite, 255));
    graphics.FillPath(white, disc);
    LinearGradientBrush shade;
    shade.Create(PointF(F(b.left + 3), b.middle + 1), PointF(F(b.left + 10), b.middle + 11), ToArgb(kBlack, 100),
                 ToArgb(kBlack, 0));
    graphics.FillPath(shade, disc);
    if (hot)
        FillHotGradient(graphics, disc, b);

    if (checked) {
        GraphicsPath dot;
        dot.Create();
        dot.AddEllipse(F(b.left + 5), b.middle + 3, 6, 6);
        graphics.DrawPath(ring, dot);
        PathGradientBrush light;
        light.CreateFromPath(dot);
        light.SetCenterColor(ToArgb(kWhite, 100));
        const Gdiplus::ARGB rim[] = {ToArgb(kDotRim, 255)};
        light.SetSurroundColors(rim);
        graphics.FillPath(light, dot);
    }
}

using MarkPainter = void (*)(Graphics&, const MarkBox&, bool checked, bool hot);

// Paints the whole control now: background copy, mark, caption, one copy
// to the control.
void PaintMarkedButton(HWND button, const ButtonRecord& record, UINT state, HDC target, MarkPainter drawMark,
                       int captionLeft, int captionWidthLess)
{
    RECT client{};
    GetClientRect(button, &client);
    const MarkBox box{client.left, client.top, client.right - client.left, client.bottom - client.top,
                      client.top + (client.bottom - client.top - 12) / 2.0f};
    ScopedMemoryDC memory(CaptureBackground(button, client));
    if (!memory)
        return;
    const bool checked = SendMessageA(button, BM_GETCHECK, 0, 0) == BST_CHECKED;
    {
        DibGraphics canvas(memory.Get());
        Graphics& graphics = canvas.Get();
        drawMark(graphics, box, checked, (state & ODS_HOTLIGHT) != 0);

        SolidBrush brush;
        brush.Create(ToArgb(static_cast<COLORREF>(reinterpret_cast<UINT_PTR>(GetPropA(button, "Kj_Ztys"))), 0, false));
        Font font;
        font.Create(record.fontName.c_str(), F(record.fontSize), record.fontStyle, Gdiplus::UnitPixel);
        StringFormat format;
        format.Create();
        format.SetAlignment(Gdiplus::StringAlignmentNear);
        format.SetLineAlignment(Gdiplus::StringAlignmentCenter);
        graphics.DrawString(record.text.c_str(), font, brush,
                            RectF(F(box.left + captionLeft), 2, F(box.width - captionWidthLess), F(box.height)),
                            format);
    }
    if (target) {
        BitBlt(target, 0, 0, box.width, box.height, memory.Get(), 0, 0, SRCCOPY);
        return;
    }
    ScopedWindowDC dc(button, GetDC(button));
    if (dc)
        BitBlt(dc.Get(), 0, 0, box.width, box.height, memory.Get(), 0, 0, SRCCOPY);
}

} // namespace

bool IsCheckBoxStyle(LONG_PTR style) { return (style | 2) == style && (style | 4) != style; }

bool IsCheckBox(HWND button) { return IsCheckBoxStyle(GetWindowLongPtrA(button, GWL_STYLE)); }

void SkinCheckAndRadioButtons(int recordIndex, HWND window)
{
    if (!SkinModule().skinControls || !RecordAt(recordIndex))
        return;
    for (HWND button = FindWindowExA(window, nullptr, "BUTTON", nullptr); button;
         button = FindWindowExA(window, button, "BUTTON", nullptr)) {
        const LONG_PTR style = GetWindowLongPtrA(button, GWL_STYLE);
        const bool checkBox = IsCheckBoxStyle(style);
        // A control registered already is never subclassed a second time.
        if ((!checkBox && !IsAutoRadioButtonStyle(style)) || (style & kOwnerDrawBits) == kOwnerDrawBits ||
            FindButtonRecord(recordIndex, button) != 0)
            continue;
        const bool checked = SendMessageA(button, BM_GETCHECK, 0, 0) == BST_CHECKED;
        ButtonRecord* entry = RegisterSkinnedButton(recordIndex, button, checkBox ? kButtonCheck : kButtonRadio);
        if (!entry)
            continue;
        entry->checkState = checked ? 1 : 0;
        entry->ownerWindow = window;
        SetCaptionFont(*entry, button);
    }
}

void PaintCheckBox(HWND button, UINT state, HDC target, const ButtonRecord* record)
{
    if (!record)
        record = ButtonRecordOf(button);
    if (record)
        PaintMarkedButton(button, *record, state, target, &DrawCheckMark, 17, 19);
}

void PaintRadioButton(HWND button, UINT state, HDC target, const ButtonRecord* record)
{
    if (!record)
        record = ButtonRecordOf(button);
    if (record)
        PaintMarkedButton(button, *record, state, target, &DrawRadioMark, 18, 0);
}
