// Taking over frames: child windows that hold controls of their own
// (panels, containers, group boxes). The skin paints a frame from the
// skin background behind it, optionally tinted and outlined, draws group
// boxes with a rounded outline and their caption, and gives the frame's
// children the services a skinned window gives its own.
#include "frames.h"

#include <string>

#include "buttons.h"
#include "child_services.h"
#include "control_setup.h"
#include "dib_graphics.h"
#include "graphics.h"
#include "headers.h"
#include "painted_controls.h"
#include "skin_engine.h"

namespace {

// The nearest ancestor marked as a holder of its own painted background.
HWND NearestHolder(HWND frame)
{
    for (HWND parent = GetParent(frame); parent; parent = GetParent(parent)) {
        if (IndexProperty(parent, "Wxk_Zpf") == 1)
            return parent;
    }
    return nullptr;
}

// The whole button type is compared: radio buttons and three-state boxes
// share the group box's 0x4 bit.
bool IsGroupBox(HWND window)
{
    return GetClassNameText(window) == "Button" &&
           (GetWindowLongPtrA(window, GWL_STYLE) & BS_TYPEMASK) == BS_GROUPBOX;
}

float F(int value) { return static_cast<float>(value); }

FrameEntry* FrameOf(HWND frame) { return FindSkinnedControl(frame, &WindowRecord::frames).entry; }

void StrokeRoundRect(Graphics& graphics, float x, float y, float width, float height, int corner,
                     Gdiplus::ARGB colour)
{
    GraphicsPath path;
    path.Create();
    AddRoundRect(path, x, y, width, height, corner);
    Pen pen;
    pen.Create(colour, 1);
    graphics.DrawPath(pen, path);
}

// The outline and caption of a group box, drawn into `picture` (the
// frame's client area, w x h).
void DrawGroupBox(HWND frame, const FrameEntry& entry, HDC picture, int w, int h)
{
    {
        DibGraphics canvas(picture);
        Graphics& graphics = canvas.Get();
        StrokeRoundRect(graphics, 0, 5, F(w - 1), F(h - 6), 5, ToArgb(0x000000, 40));
        StrokeRoundRect(graphics, 1, 6, F(w - 3), F(h - 8), 3, ToArgb(0xFFFFFF, 90));
    }
    const std::string text = GetWindowTextString(frame);
    if (text.empty())
        return;
    const int t = MeasureTextWidth(text, entry.fontName, entry.fontSize, entry.fontStyle);
    const LONG_PTR style = GetWindowLongPtrA(frame, GWL_STYLE);
    int x = 10;
    if ((style & BS_CENTER) == BS_CENTER)
        x = (w - t) / 2;
    else if (!(style & BS_LEFT))
        x = w - t - 10;
    const RECT caption{x, 1, x + t, 1 + entry.fontSize + 3};

    // The outline must not run through the caption: put the background
    // behind it back first.
    if (ScopedMemoryDC behind{CaptureBackground(frame, caption)})
        BitBlt(picture, caption.left, caption.top, caption.right - caption.left, caption.bottom - caption.top,
               behind.Get(), 0, 0, SRCCOPY);

    DibGraphics canvas(picture);
    Graphics& graphics = canvas.Get();
    Font font;
    if (!font.Create(entry.fontName.c_str(), F(entry.fontSize), entry.fontStyle, Gdiplus::UnitWorld))
        return;
    StringFormat format;
    format.Create();
    format.SetAlignment(Gdiplus::StringAlignmentCenter);
    SolidBrush brush;
    brush.Create(ToArgb(static_cast<COLORREF>(reinterpret_cast<UINT_PTR>(GetPropA(frame, "Kj_Ztys"))), 255));
    graphics.DrawString(text.c_str(), font, brush,
                        Gdiplus::RectF(F(caption.left), F(caption.top), F(t), F(entry.fontSize + 3)), format);
}

// The frame's client area as the skin shows it: the background behind it
// (tinted), with the group box or the double outline over it. Null when
// no skinned window lies under the frame.
HDC RenderFrame(HWND frame, const FrameEntry& entry, int& width, int& height)
{
    RECT client{};
    GetClientRect(frame, &client);
    width = client.right;
    height = client.bottom;
    if (width <= 0 || height <= 0)
        return nullptr;
    HDC picture = CaptureBackground(frame, client);
    if (!picture)
        return nullptr;
    if (entry.rounded) {
        DrawGroupBox(frame, entry, picture, width, height);
    } else if (entry.drawBorder) {
        DibGraphics canvas(picture);
        Graphics& graphics = canvas.Get();
        StrokeRoundRect(graphics, 0, 0, F(width - 1), F(height - 1), 5, ToArgb(0x000000, 40));
        StrokeRoundRect(graphics, 1, 1, F(width - 3), F(height - 3), 3, ToArgb(0xFFFFFF, 100));
    }
    return picture;
}

// Renders the frame and puts it on `dc`, or on a DC of the frame's own
// that leaves its children out when `dc` is null. False when there was
// nothing to render.
bool ShowFrame(HWND frame, const FrameEntry& entry, HDC dc)
{
    int width = 0, height = 0;
    ScopedMemoryDC picture(RenderFrame(frame, entry, width, height));
    if (!picture)
        return false;
    if (dc) {
        BitBlt(dc, 0, 0, width, height, picture.Get(), 0, 0, SRCCOPY);
    } else if (ScopedWindowDC own{frame, GetDCExcludingChildren(frame, nullptr, false)}) {
        BitBlt(own.Get(), 0, 0, width, height, picture.Get(), 0, 0, SRCCOPY);
    }
    return true;
}

void PaintFrameInFull(HWND frame, FrameEntry& entry, HDC dc)
{
    if (ShowFrame(frame, entry, dc))
        entry.needsRepaint = false;
}

// A repaint after the background behind the frame changed: the frame is
// drawn around its children, and transparent children paint themselves
// again over it.
void PaintFrameQuickly(HWND frame, const FrameEntry& entry)
{
    if (!ShowFrame(frame, entry, nullptr))
        return;
    for (HWND child = FindWindowExA(frame, nullptr, nullptr, nullptr); child;
         child = FindWindowExA(frame, child, nullptr, nullptr)) {
        if (GetWindowLongPtrA(child, GWL_EXSTYLE) & WS_EX_TRANSPARENT)
            InvalidateRect(child, nullptr, FALSE);
    }
}

} // namespace

void StretchDockedPanes(HWND holder, const std::vector<std::pair<HWND, int>>& panes, int bottomMargin)
{
    RECT client{};
    GetClientRect(holder, &client);
    for (const auto& [pane, top] : panes) {
        if (pane)
            MoveWindow(pane, 2, top, client.right - 4, client.bottom - top - bottomMargin, TRUE);
    }
}

LRESULT CALLBACK FrameProc(HWND frame, UINT message, WPARAM wParam, LPARAM lParam)
{
    const WNDPROC previous = ReplacedProc(frame);
    const auto passOn = [&] { return CallProcOrDefault(previous, frame, message, wParam, lParam); };
    auto [recordIndex, index, record, entry] = FindSkinnedControl(frame, &WindowRecord::frames);
    if (!entry || !previous)
        return passOn();

    switch (message) {
    case WM_SHOWWINDOW:
        if (wParam != 1)
            return passOn();
        passOn();
        // The record may have gone while the old procedure ran.
        if ((entry = FrameOf(frame)) && entry->tintChildren)
            PaintFrameInFull(frame, *entry, nullptr);
        return DefWindowProcA(frame, message, wParam, lParam);
    case WM_MOVE:
        // A translucent frame shows what is now behind it.
        if (entry->tintChildren && entry->tintAlpha != 255)
            InvalidateRect(frame, nullptr, FALSE);
        return passOn();
    case WM_PAINT: {
        if (!entry->tintChildren)
            return passOn();
        PAINTSTRUCT paint;
        HDC dc = BeginPaint(frame, &paint);
        if (entry->needsRepaint)
            PaintFrameInFull(frame, *entry, dc);
        else
            PaintFrameQuickly(frame, *entry);
        EndPaint(frame, &paint);
        return DefWindowProcA(frame, message, wParam, lParam);
    }
    case WM_ERASEBKGND:
        if (!entry->tintChildren)
            return passOn();
        SetBkMode(reinterpret_cast<HDC>(wParam), TRANSPARENT);
        return 1;
    case WM_SIZE:
        entry->needsRepaint = true;
        StretchDockedPanes(frame, entry->dockedPanes, 0);
        return passOn();
    case WM_DRAWITEM:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORBTN:
    case WM_COMMAND:
    case WM_NOTIFY: {
        LRESULT answer = 0;
        if (AnswerChildMessage(recordIndex, message, wParam, lParam, answer))
            return answer;
        return passOn();
    }
    default:
        return passOn();
    }
}

void SkinEngine::SkinFrame(HWND frame, std::optional<bool> tintChildren, std::optional<COLORREF> tintColour,
                           std::optional<int> tintAlpha, std::optional<bool> drawBorder)
{
    // A window outside every skinned window has no record to join.
    if (!IsWindow(frame))
        return;
    const int recordIndex = FindAncestorRecord(frame);
    WindowRecord* record = RecordAt(recordIndex);
    if (!record || record->frames.Find(frame) > 0 || GetPropA(frame, "Hw_hProc"))
        return;

    const int index = record->frames.Append();
    {
        FrameEntry& entry = *record->frames.At(index);
        entry = FrameEntry{};
        entry.window = frame;
        entry.tintColour = tintColour.value_or(0);
        entry.tintAlpha = tintAlpha.value_or(255) & 0xFF;
        entry.drawBorder = drawBorder.value_or(false);
        entry.tintChildren = tintChildren.value_or(true);
        if (IsGroupBox(frame)) {
            entry.rounded = true;
            const ControlFont font = ReadControlFont(frame);
            entry.fontName = font.name;
            entry.fontSize = font.size;
            entry.fontStyle = font.style;
        }
    }

    SkinPushButtons(recordIndex, frame);
    SkinCheckAndRadioButtons(recordIndex, frame);
    SkinEditsAndCombos(recordIndex, frame);
    SkinTrackbars(recordIndex, frame);
    SkinProgressBars(recordIndex, frame);
    SkinListControls(recordIndex, frame);
    SkinUpDowns(recordIndex, frame);
    SkinHeaders(recordIndex, frame);

    FrameEntry& entry = *RecordAt(recordIndex)->frames.At(index);
    entry.needsRepaint = true;
    entry.oldProc = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrA(frame, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&FrameProc)));
    SetPropA(frame, "Hw_hProc", reinterpret_cast<HANDLE>(entry.oldProc));
    SetIndexProperty(frame, "Hw_lbID", index);
    SetIndexProperty(frame, "Hw_FuID", recordIndex);
    SetPropA(frame, "Mb_zpf", NearestHolder(frame));
}

void SkinEngine::SetFrameAlpha(HWND frame, int alpha)
{
    FrameEntry* entry = FrameOf(frame);
    // A frame without a tint has nothing the alpha could change.
    if (!entry || entry->tintColour == 0)
        return;
    entry->tintAlpha = alpha & 0xFF;
    InvalidateRect(frame, nullptr, FALSE);
}
