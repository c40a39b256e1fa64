#include "button_painters.h"

#include <span>
#include <string>

#include "brush.h"
#include "buttons.h"
#include "dib_graphics.h"
#include "graphics.h"
#include "graphics_path.h"
#include "image.h"
#include "pen.h"
#include "picture_cache.h"
#include "skin_module.h"
#include "skin_primitives.h"
#include "text.h"
#include "window_record.h"

namespace {

using Gdiplus::ARGB;
using Gdiplus::PointF;
using Gdiplus::RectF;

constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr COLORREF kBlack = RGB(0, 0, 0);
constexpr COLORREF kGrey = RGB(0x80, 0x80, 0x80);
constexpr COLORREF kSilver = RGB(0xC0, 0xC0, 0xC0);

float F(int value) { return static_cast<float>(value); }

// The geometry a painter works with: the given rectangle as x, y, width,
// height, and the button's client size.
struct Box {
    int x, y, width, height;
    int clientWidth, clientHeight;
};

GraphicsPath RoundRect(float x, float y, float width, float height, int corner)
{
    GraphicsPath path;
    path.Create();
    AddRoundRect(path, x, y, width, height, corner);
    return path;
}

void FillGradient(Graphics& graphics, const GraphicsPath& path, PointF from, PointF to, ARGB fromColour,
                  ARGB toColour)
{
    LinearGradientBrush brush;
    brush.Create(from, to, fromColour, toColour);
    graphics.FillPath(brush, path);
}

void FillSolid(Graphics& graphics, const GraphicsPath& path, ARGB colour)
{
    SolidBrush brush;
    brush.Create(colour);
    graphics.FillPath(brush, path);
}

void Outline(Graphics& graphics, const GraphicsPath& path, ARGB colour)
{
    Pen pen;
    pen.Create(colour, 1);
    graphics.DrawPath(pen, path);
}

COLORREF CaptionColour(HWND button)
{
    return static_cast<COLORREF>(reinterpret_cast<UINT_PTR>(GetPropA(button, "Kj_Ztys")));
}

struct CaptionLayout {
    Gdiplus::Unit unit = Gdiplus::UnitWorld;
    Gdiplus::StringAlignment alignment = Gdiplus::StringAlignmentCenter;
    Gdiplus::StringAlignment lineAlignment = Gdiplus::StringAlignmentCenter;
    bool ellipsis = false;
};

// The record's text in the caption colour of the button, made opaque.
void DrawCaption(Graphics& graphics, HWND button, const ButtonRecord& record, RectF layout, CaptionLayout how)
{
    SolidBrush brush;
    brush.Create(ToArgb(CaptionColour(button), 0, false));
    Font font;
    font.Create(record.fontName.c_str(), F(record.fontSize), record.fontStyle, how.unit);
    StringFormat format;
    format.Create();
    format.SetAlignment(how.alignment);
    format.SetLineAlignment(how.lineAlignment);
    if (how.ellipsis)
        format.SetTrimming(Gdiplus::StringTrimmingEllipsisCharacter);
    graphics.DrawString(record.text.c_str(), font, brush, layout, format);
}

const Image& LoadPicture(const ByteArray& bytes)
{
    return CachedPictureOrEmpty(std::span<const BYTE>(bytes.data(), bytes.size()));
}

// Runs `draw` on a Graphics over the background captured behind the
// button, then copies the result to `dc`. A button that is not a skinned
// one, or that lies under no skinned window, is not painted.
template <typename Draw>
void PaintOverBackground(HWND button, HDC dc, const RECT& rect, Draw draw)
{
    const ButtonRecord* record = ButtonRecordOf(button);
    if (!record)
        return;
    ScopedMemoryDC memory(CaptureBackground(button, rect));
    if (!memory)
        return;
    RECT client{};
    GetClientRect(button, &client);
    const Box box{rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top, client.right, client.bottom};
    {
        DibGraphics canvas(memory.Get());
        Graphics& graphics = canvas.Get();
        draw(graphics, *record, box);
    }
    BitBlt(dc, 0, 0, box.width, box.height, memory.Get(), 0, 0, SRCCOPY);
}

void DrawDisabledFace(Graphics& graphics, const Box& b)
{
    SolidBrush silver;
    silver.Create(ToArgb(kSilver, 255));
    graphics.FillRectangle(silver, F(b.x), F(b.y), F(b.width), F(b.height));

    GraphicsPath shape = RoundRect(F(b.x), F(b.y), F(b.width - 1), F(b.height - 1), 5);
    LinearGradientBrush sheen;
    sheen.Create(PointF(F(b.x), F(b.y)), PointF(F(b.x), F(b.y + b.height)), ToArgb(kWhite, 50), ToArgb(kWhite, 50));
    const ARGB colours[] = {ToArgb(kWhite, 50), ToArgb(kBlack, 10), ToArgb(kWhite, 50)};
    const Gdiplus::REAL positions[] = {0.0f, 0.6f, 1.0f};
    sheen.SetPresetBlend(colours, positions);
    graphics.FillPath(sheen, shape);
    Outline(graphics, shape, ToArgb(kBlack, 80));
}

void DrawEnabledFace(Graphics& graphics, const Box& b, UINT state)
{
    const COLORREF accent = SkinModule().accentColour;
    const PointF top(F(b.x), F(b.y));
    const PointF bottom(F(b.x), F(b.y + b.height - 1));
    GraphicsPath shape = RoundRect(F(b.x), F(b.y), F(b.width - 1), F(b.height - 1), 5);
    FillGradient(graphics, shape, top, bottom, ToArgb(kWhite, 0), ToArgb(kGrey, 60));

    GraphicsPath gloss;
    gloss.Create();
    AddTabOutline(gloss, b.x, b.y, b.width - 1, static_cast<int>(b.height * 0.5), 5);
    FillGradient(graphics, gloss, top, PointF(F(b.x), F(b.y) + b.height * 0.5f), ToArgb(kWhite, 50),
                 ToArgb(kWhite, 10));

    if (state & ODS_HOTLIGHT) {
        FillGradient(graphics, shape, top, bottom, ToArgb(accent, 60), ToArgb(accent, 10));
        Outline(graphics, shape, ToArgb(accent, 255));
    } else if (state & ODS_FOCUS) {
        DrawGlow(graphics, shape, 3, kButtonGlowColour, 120);
        Outline(graphics, shape, ToArgb(kBlack, 70));
    } else {
        Outline(graphics, shape, ToArgb(kBlack, 120));
    }

    if (state & ODS_SELECTED) {
        GraphicsPath pressed = RoundRect(F(b.x + 2), F(b.y + 2), F(b.width - 3), F(b.height - 3), 5);
        FillGradient(graphics, pressed, PointF(2, 2), PointF(2, F(b.height - 2)), ToArgb(accent, 60),
                     ToArgb(kWhite, 100));
    }
}

void DrawIconOverlays(Graphics& graphics, const Box& b, UINT state)
{
    if (state & ODS_HOTLIGHT) {
        GraphicsPath face = RoundRect(F(b.x + 2), F(b.y + 1), F(b.width - 5), F(b.height - 4), 2);
        FillGradient(graphics, face, PointF(F(b.x + 1), F(b.y + 1)), PointF(F(b.x + 1), F(b.y + b.height - 4)),
                     ToArgb(kWhite, 50), ToArgb(kWhite, 40));

        GraphicsPath glint;
        glint.Create();
        glint.AddLine(F(b.x + 1), F(b.height - 4), F(b.width - 1), F(b.height - 4));
        LinearGradientBrush fade;
        fade.Create(PointF(F(b.x + 1), F(b.y + 1)), PointF(F(b.width - 1), F(b.y + 1)), ToArgb(kWhite, 10),
                    ToArgb(kWhite, 255));
        fade.SetLinearBlend(0.5f, 0.8f);
        Pen pen;
        pen.CreateFromBrush(fade, 2);
        graphics.DrawPath(pen, glint);
    }
    if (state & (ODS_FOCUS | ODS_HOTLIGHT)) {
        GraphicsPath face = RoundRect(F(b.x + 2), F(b.y + 2), F(b.width - 5), F(b.height - 5), 2);
        FillGradient(graphics, face, PointF(2, 3), PointF(2, F(b.height)), ToArgb(kWhite, 60), ToArgb(kWhite, 50));
        Outline(graphics, RoundRect(F(b.x), F(b.y), F(b.width - 2), F(b.height - 2), 5), ToArgb(kBlack, 60));
        Outline(graphics, RoundRect(F(b.x + 1), F(b.y + 1), F(b.width - 4), F(b.height - 4), 5),
                ToArgb(kWhite, 120));
    }
}

void DrawIconAndCaption(Graphics& graphics, HWND button, const ButtonRecord& record, const Box& b)
{
    const ByteArray& icon = record.pictures[0];
    CaptionLayout how;
    how.unit = Gdiplus::UnitPixel;
    if (record.iconOption != 0 && icon.empty()) {
        DrawCaption(graphics, button, record, RectF(0, 0, F(b.width), F(b.height)), how);
        return;
    }
    const Image& image = LoadPicture(icon);
    if (record.iconOption != 0) {
        // The icon beside the caption, or centred when there is none.
        const int side = static_cast<int>(b.clientHeight * 0.8);
        const float left = record.text.empty() ? F((b.width - side) / 2) : 3.0f;
        graphics.DrawImageRect(image, left, F((b.height - side) / 2), F(side), F(side));
        how.alignment = Gdiplus::StringAlignmentNear;
        DrawCaption(graphics, button, record,
                    RectF(F(side + 5), 2, F(b.clientWidth - side - 7), F(b.clientHeight)), how);
        return;
    }
    // The icon above the caption.
    const int side = static_cast<int>((b.height - record.fontSize - 2) * 0.8);
    graphics.DrawImageRect(image, F((b.width - side) / 2), b.height * 0.05f, F(side), F(side));
    how.lineAlignment = Gdiplus::StringAlignmentNear;
    how.ellipsis = true;
    DrawCaption(graphics, button, record, RectF(0, side + b.height * 0.05f + 2, F(b.width), F(b.height - side)),
                how);
}

// The drawn fall-back of a state without its own picture: picture 0 in a
// rounded frame of `corner` over a vertical gradient.
void DrawFramedPicture(Graphics& graphics, const ByteArray& normal, int grow, int corner, ARGB outline, ARGB from,
                       ARGB to)
{
    const Image& image = LoadPicture(normal);
    const float w = F(static_cast<int>(image.GetWidth())), h = F(static_cast<int>(image.GetHeight()));
    GraphicsPath frame = RoundRect(0, 0, w + grow, h + grow, corner);
    Outline(graphics, frame, outline);
    FillGradient(graphics, frame, PointF(0, 0), PointF(0, h + grow), from, to);
    graphics.DrawImageRect(image, 2, 2, w, h);
}

// Draws a picture with its own size: at its own resolution (`natural`) or
// stretched over its pixel size.
void DrawPicture(Graphics& graphics, const ByteArray& bytes, bool natural)
{
    const Image& image = LoadPicture(bytes);
    if (natural)
        graphics.DrawImage(image, 2, 2);
    else
        graphics.DrawImageRect(image, 2, 2, F(static_cast<int>(image.GetWidth())),
                               F(static_cast<int>(image.GetHeight())));
}

} // namespace

void PaintDrawnButton(HWND button, HDC dc, UINT state, const RECT& rect)
{
    PaintOverBackground(button, dc, rect, [&](Graphics& graphics, const ButtonRecord& record, const Box& b) {
        FillSolid(graphics, RoundRect(F(b.x), F(b.y), F(b.width - 1), F(b.height - 1), 5), ToArgb(kWhite, 120));
        if (state & ODS_DISABLED)
            DrawDisabledFace(graphics, b);
        else
            DrawEnabledFace(graphics, b, state);
        DrawCaption(graphics, button, record, RectF(0, 2, F(b.width), F(b.height)), CaptionLayout{});
    });
}

void PaintIconButton(HWND button, HDC dc, UINT state, const RECT& rect)
{
    PaintOverBackground(button, dc, rect, [&](Graphics& graphics, const ButtonRecord& record, const Box& b) {
        if (state & ODS_DISABLED) {
            GraphicsPath face = RoundRect(F(b.x + 2), F(b.y + 2), F(b.width - 6), F(b.height - 6), 5);
            FillGradient(graphics, face, PointF(1, 1), PointF(1, F(b.height)), ToArgb(kGrey, 50), ToArgb(kWhite, 0));
        } else {
            DrawIconOverlays(graphics, b, state);
        }
        DrawIconAndCaption(graphics, button, record, b);
    });
}

void PaintImageButton(HWND button, HDC dc, UINT state, const RECT& rect)
{
    PaintOverBackground(button, dc, rect, [&](Graphics& graphics, const ButtonRecord& record, const Box&) {
        const COLORREF accent = SkinModule().accentColour;
        const ByteArray& normal = record.pictures[0];
        if (state & ODS_DISABLED) {
            if (!record.pictures[4].empty())
                DrawPicture(graphics, record.pictures[4], true);
            else
                DrawFramedPicture(graphics, normal, 2, 5, ToArgb(kBlack, 80), ToArgb(kWhite, 60), ToArgb(kBlack, 100));
        } else if (state & ODS_HOTLIGHT) {
            if (!record.pictures[1].empty())
                DrawPicture(graphics, record.pictures[1], false);
            else
                DrawFramedPicture(graphics, normal, 3, 3, ToArgb(accent, 250), ToArgb(kWhite, 120),
                                  ToArgb(accent, 100));
        } else if (state & ODS_SELECTED) {
            if (!record.pictures[2].empty())
                DrawPicture(graphics, record.pictures[2], true);
            else
                DrawFramedPicture(graphics, normal, 3, 3, ToArgb(accent, 250), ToArgb(kBlack, 60),
                                  ToArgb(kWhite, 100));
        } else {
            DrawPicture(graphics, normal, false);
        }
    });
}
