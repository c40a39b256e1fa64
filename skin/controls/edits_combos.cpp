// Skinning of edit controls and combo boxes. Edits keep painting their
// text; the skin paints their frame and, with translucent controls, the
// washed background under the text. Combo boxes are painted by the skin
// alone, around the child windows they hold.
#include "edits_combos.h"

#include <string>
#include <vector>

#include "brush.h"
#include "child_services.h"
#include "control_setup.h"
#include "dib_graphics.h"
#include "embedded.h"
#include "graphics.h"
#include "graphics_path.h"
#include "list_controls.h"
#include "painted_controls.h"
#include "pen.h"
#include "skin_module.h"
#include "skin_primitives.h"
#include "text.h"

namespace {

using Gdiplus::PointF;
using Gdiplus::RectF;

constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr COLORREF kBlack = RGB(0, 0, 0);
// The fixed font of a drop-down list's text, whatever the combo's own.
constexpr const char* kComboTextFont = "宋体";
constexpr int kComboTextSize = 12;

float F(int value) { return static_cast<float>(value); }

LONG_PTR StyleOf(HWND window) { return GetWindowLongPtrA(window, GWL_STYLE); }

SIZE WindowSize(HWND window)
{
    RECT outer{};
    GetWindowRect(window, &outer);
    return SIZE{outer.right - outer.left, outer.bottom - outer.top};
}

COLORREF TextColourOf(HWND control)
{
    return static_cast<COLORREF>(reinterpret_cast<UINT_PTR>(GetPropA(control, "Kj_Ztys")));
}

// The face of edit rings and combo boxes: white under the wash, or opaque.
Gdiplus::ARGB FaceColour()
{
    const SkinModuleState& state = SkinModule();
    return state.translucentControls ? ToArgb(kWhite, state.washAlpha) : ToArgb(kWhite, 0, false);
}

bool HasNonClientArea(HWND window)
{
    RECT outer{}, client{};
    GetWindowRect(window, &outer);
    GetClientRect(window, &client);
    return outer.right - outer.left != client.right || outer.bottom - outer.top != client.bottom;
}

void RepaintAll(HWND control) { InvalidateRect(control, nullptr, TRUE); }

void TakeOverEdit(int recordIndex, WindowRecord& record, HWND edit)
{
    if (TakeOverControl(record.edits, recordIndex, edit, &EditProc) > 0)
        SetPropA(edit, "Kj_Ztys", nullptr); // black text
}

// The combo's text follows its selection, so a drop-down combo's edit
// shows the selected item from the start.
void ShowSelectedItem(HWND combo)
{
    const LRESULT item = SendMessageA(combo, CB_GETCURSEL, 0, 0);
    if (item < 0)
        return;
    const LRESULT length = SendMessageA(combo, CB_GETLBTEXTLEN, static_cast<WPARAM>(item), 0);
    if (length < 0)
        return;
    std::string text(static_cast<size_t>(length) + 1, '\0');
    SendMessageA(combo, CB_GETLBTEXT, static_cast<WPARAM>(item), reinterpret_cast<LPARAM>(text.data()));
    SendMessageA(combo, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
}

template <typename Visit>
void ForEachChildOfClass(HWND parent, const char* className, Visit visit)
{
    for (HWND child = FindWindowExA(parent, nullptr, className, nullptr); child;
         child = FindWindowExA(parent, child, className, nullptr))
        visit(child);
}

struct BorderLook {
    COLORREF colour;
    int alpha;
    float width;
    float inset; // of the line's rectangle from the window's edges
};

// Hot wins over focused.
BorderLook BorderLookOf(bool focused, bool hot)
{
    const COLORREF accent = SkinModule().accentColour;
    if (hot)
        return {accent, 180, 2, 1};
    if (focused)
        return {accent, 180, 1, 0};
    return {kBlack, 80, 1, 0};
}

void OnEditMouseMove(HWND edit, WindowRecord& record, EditRecord& entry, int index)
{
    TRACKMOUSEEVENT track{sizeof track, TME_LEAVE, edit, 0};
    TrackMouseEvent(&track);
    record.controlUnderMouse = index;
    HWND parent = GetParent(edit);
    // The parent counts too: the hot control may be an edit of the same
    // index under another parent.
    if (record.hotControlIndex != record.controlUnderMouse || record.hotControlClass != kEditHoverClass ||
        record.hotControlParent != parent) {
        PaintEditFrame(edit, std::nullopt, true);
        record.hotControlIndex = record.controlUnderMouse;
        record.hotControlClass = kEditHoverClass;
        record.hotControlParent = parent;
    }
    // While a selection is dragged the text moves over the background.
    if (entry.mouseDown && !HasScrollBars(edit))
        RepaintAll(edit);
}

// The drop button: x, y, width, height in the combo's window.
struct DropButton {
    int left, top, width, height;
};

DropButton DropButtonOf(LONG_PTR style, SIZE size)
{
    const int width = (style & CBS_DROPDOWNLIST) == CBS_DROPDOWNLIST ? 17 : 18;
    return {size.cx - width - 2, 2, width, size.cy - 4};
}

// The children show through key-coloured holes: all of them for simple
// combos and drop-down lists (the list of a simple combo inside its own
// two-pixel ring), the edit alone for drop-down combos.
// The parts of a combo box (window coordinates) its children paint
// themselves: the edit, or the list of a simple combo box inside its
// 2-pixel frame. Only a simple combo box's second child counts.
std::vector<RECT> ChildHoles(HWND combo, LONG_PTR style)
{
    std::vector<RECT> holes;
    RECT outer{};
    GetWindowRect(combo, &outer);
    for (HWND child = FindWindowExA(combo, nullptr, nullptr, nullptr); child;
         child = FindWindowExA(combo, child, nullptr, nullptr)) {
        RECT hole{};
        GetWindowRect(child, &hole);
        OffsetRect(&hole, -outer.left, -outer.top);
        if (GetClassNameText(child) == "ComboLBox")
            InflateRect(&hole, -2, -2);
        holes.push_back(hole);
        if (!(style & CBS_SIMPLE))
            break;
    }
    return holes;
}

void DrawDropButton(Graphics& graphics, const DropButton& button, bool hot)
{
    const COLORREF accent = SkinModule().accentColour;
    GraphicsPath outline;
    outline.Create();
    AddRoundRect(outline, F(button.left), F(button.top), F(button.width - 1), F(button.height - 1), 4);
    Pen pen;
    pen.Create(hot ? ToArgb(accent, 200) : ToArgb(kBlack, 80), 1);
    graphics.DrawPath(pen, outline);

    GraphicsPath face;
    face.Create();
    AddRoundRect(face, F(button.left + 1), F(button.top + 1), F(button.width - 2), F(button.height - 2), 1);
    LinearGradientBrush shade;
    shade.Create(PointF(F(button.left + 1), F(button.top)), PointF(F(button.left + 1), F(button.top + button.height - 2)),
                 hot ? ToArgb(kWhite, 100) : ToArgb(accent, 30), hot ? ToArgb(accent, 150) : ToArgb(accent, 100));
    graphics.FillPath(shade, face);

    DrawPictureCentred(graphics, resources::ArrowDown(), button.left, button.top, button.width, button.height);
}

// A drop-down list has no edit: the skin writes the selected text itself,
// always in the same small font.
void DrawSelectedText(Graphics& graphics, HWND combo, SIZE size)
{
    const std::string text = GetWindowTextString(combo);
    if (text.empty())
        return;
    Font font;
    font.Create(kComboTextFont, F(kComboTextSize), Gdiplus::FontStyleRegular, Gdiplus::UnitWorld);
    SolidBrush brush;
    brush.Create(ToArgb(TextColourOf(combo), 0, false));
    graphics.DrawString(text.c_str(), font, brush,
                        RectF(2, F((size.cy - kComboTextSize) / 2), F(size.cx - 17), F(size.cy - 4)));
}

void OnComboMouseMove(HWND combo, WindowRecord& record, int recordIndex, int index)
{
    TRACKMOUSEEVENT track{sizeof track, TME_LEAVE, combo, 0};
    TrackMouseEvent(&track);
    record.controlUnderMouse = index;
    if ((index > 0 && record.hotControlIndex != record.controlUnderMouse) ||
        record.hotControlClass != kComboHoverClass)
        PaintComboBox(recordIndex, index, true);
    record.hotControlIndex = record.controlUnderMouse;
    record.hotControlClass = kComboHoverClass;
}

bool RepaintsEditOnCommand(UINT code)
{
    return code == EN_VSCROLL || code == EN_HSCROLL || code == EN_CHANGE || code == EN_UPDATE;
}

// The system paints only a control's scroll bars: the skin frame replaces
// the rest of its non-client area.
LRESULT PaintScrollBarsOnly(HWND control, LPARAM lParam)
{
    if (!HasScrollBars(control))
        return 0;
    const UniqueRegion bars = ScrollBarRegion(control);
    return bars ? DefWindowProcA(control, WM_NCPAINT, reinterpret_cast<WPARAM>(bars.get()), lParam) : 0;
}

} // namespace

void SkinEditsAndCombos(int recordIndex, HWND parent)
{
    const SkinModuleState& state = SkinModule();
    WindowRecord* record = RecordAt(recordIndex);
    if (!state.skinControls || !record || !parent)
        return;
    ForEachChildOfClass(parent, "Edit", [&](HWND edit) { TakeOverEdit(recordIndex, *record, edit); });
    ForEachChildOfClass(parent, "ComboBox", [&](HWND combo) {
        if (record->comboBoxes.Find(combo) > 0 || GetPropA(combo, "Hw_hProc"))
            return;
        ShowSelectedItem(combo);
        TakeOverControl(record->comboBoxes, recordIndex, combo, &ComboProc);
        // Only a translucent edit needs the skin inside a combo box.
        if (state.translucentControls) {
            if (HWND edit = FindWindowExA(combo, nullptr, "Edit", nullptr))
                TakeOverEdit(recordIndex, *record, edit);
        }
    });
}

int FindEditRecord(int recordIndex, HWND edit)
{
    const WindowRecord* record = RecordAt(recordIndex);
    return record ? record->edits.Find(edit) : 0;
}

void DrawEditBorder(HWND edit, bool focused, bool hot, Graphics& graphics)
{
    if (FindAncestorRecord(edit) == 0)
        return;
    const SIZE size = WindowSize(edit);
    const BorderLook look = BorderLookOf(focused, hot);
    Pen pen;
    pen.Create(ToArgb(look.colour, look.alpha), look.width);
    graphics.DrawRectangle(pen, look.inset, look.inset, F(size.cx) - 1 - look.inset, F(size.cy) - 1 - look.inset);
}

void PaintEditFrame(HWND edit, std::optional<bool> focused, std::optional<bool> hot)
{
    const EditRecord* entry = FindSkinnedControl(edit, &WindowRecord::edits).entry;
    if (!entry)
        return;
    const bool isFocused = focused.value_or(entry->focused != 0);
    const bool isHot = hot.value_or(entry->reserved != 0);
    const SIZE size = WindowSize(edit);
    if (size.cx <= 0 || size.cy <= 0)
        return;
    const RECT inner = InnerRectInWindow(edit);

    ScopedMemoryDC picture(CaptureBackground(edit, RECT{0, 0, size.cx, size.cy}));
    if (!picture)
        return;
    {
        DibGraphics canvas(picture.Get());
        Graphics& graphics = canvas.Get();
        // Only the ring around the edit's own client area and scroll bars.
        graphics.SetClipRect(0, 0, F(size.cx), F(size.cy));
        graphics.SetClipRect(F(inner.left), F(inner.top), F(inner.right - inner.left), F(inner.bottom - inner.top),
                             Gdiplus::CombineModeExclude);
        SolidBrush face;
        face.Create(FaceColour());
        graphics.FillRectangle(face, 0, 0, F(size.cx), F(size.cy));
        DrawEditBorder(edit, isFocused, isHot, graphics);
    }
    ScopedWindowDC target(edit, GetWindowDC(edit));
    if (!target)
        return;
    ExcludeClipRect(target.Get(), inner.left, inner.top, inner.right, inner.bottom);
    BitBlt(target.Get(), 0, 0, size.cx, size.cy, picture.Get(), 0, 0, SRCCOPY);
}

void PaintComboBox(int recordIndex, int comboIndex, bool hot, std::optional<bool> focused)
{
    const WindowRecord* record = RecordAt(recordIndex);
    const ComboRecord* entry = record ? record->comboBoxes.At(comboIndex) : nullptr;
    if (!entry || !IsWindow(entry->window))
        return;
    HWND combo = entry->window;
    const bool isFocused = focused.value_or(entry->focused != 0);
    const LONG_PTR style = StyleOf(combo);
    const SIZE size = WindowSize(combo);
    if (size.cx <= 0 || size.cy <= 0)
        return;

    ScopedMemoryDC picture(CaptureBackground(combo, RECT{0, 0, size.cx, size.cy}));
    if (!picture)
        return;
    {
        DibGraphics canvas(picture.Get());
        Graphics& graphics = canvas.Get();
        SolidBrush face;
        face.Create(FaceColour());
        graphics.FillRectangle(face, 0, 0, F(size.cx), F(size.cy));

        const COLORREF accent = SkinModule().accentColour;
        Pen border;
        border.Create(hot || isFocused ? ToArgb(accent, 200) : ToArgb(kBlack, 80), 1);
        graphics.DrawRectangle(border, 0, 0, F(size.cx - 1), F(size.cy - 1));

        if (style & CBS_DROPDOWN) {
            DrawDropButton(graphics, DropButtonOf(style, size), hot);
            if (style & CBS_SIMPLE)
                DrawSelectedText(graphics, combo, size);
        }
    }
    // Everything but the children's own parts goes onto the screen.
    ScopedWindowDC target(combo, GetWindowDC(combo));
    if (!target)
        return;
    for (const RECT& hole : ChildHoles(combo, style))
        ExcludeClipRect(target.Get(), hole.left, hole.top, hole.right, hole.bottom);
    BitBlt(target.Get(), 0, 0, size.cx, size.cy, picture.Get(), 0, 0, SRCCOPY);
}

LRESULT CALLBACK EditProc(HWND edit, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_DESTROY) {
        // The background brush the owner handed out goes with the edit.
        DeleteObjectProperty(edit, "Kj_dxjb");
        DeleteObjectProperty(edit, "Kj_wtjb");
        return CallReplacedProc(edit, message, wParam, lParam);
    }
    const auto [recordIndex, index, record, entry] = FindSkinnedControl(edit, &WindowRecord::edits);
    const WNDPROC previous = ReplacedProc(edit);
    if (!entry || !previous)
        return CallProcOrDefault(previous, edit, message, wParam, lParam);
    const bool translucent = SkinModule().translucentControls;

    switch (message) {
    case WM_PAINT:
        PaintEditFrame(edit);
        break;
    case WM_NCPAINT:
        PaintEditFrame(edit);
        return PaintScrollBarsOnly(edit, lParam);
    case WM_ERASEBKGND:
        if (!translucent)
            break;
        SetBkMode(reinterpret_cast<HDC>(wParam), TRANSPARENT);
        PaintFrostedClient(edit, reinterpret_cast<HDC>(wParam), true);
        return 1;
    case WM_SETFOCUS:
        entry->focused = 1;
        break;
    case WM_KILLFOCUS:
        entry->focused = 0;
        // A combo box repaints its edit itself.
        if (GetClassNameText(GetParent(edit)) != "ComboBox")
            RepaintAll(edit);
        else
            PaintEditFrame(edit, std::nullopt, false);
        break;
    case WM_MOUSEMOVE:
        OnEditMouseMove(edit, *record, *entry, index);
        break;
    case WM_MOUSELEAVE:
        record->hotControlIndex = 0;
        PaintEditFrame(edit, entry->focused != 0);
        break;
    case WM_LBUTTONDOWN:
        entry->mouseDown = 1;
        if (translucent && !HasScrollBars(edit))
            RepaintAll(edit);
        break;
    case WM_LBUTTONUP:
        entry->mouseDown = 0;
        break;
    case WM_KEYDOWN:
        // The text is drawn again over a background the edit does not
        // clear itself.
        if (translucent && !HasScrollBars(edit))
            RepaintAll(edit);
        break;
    case WM_MOVE:
    case WM_HSCROLL:
    case WM_VSCROLL:
        if (translucent)
            RepaintAll(edit);
        break;
    default:
        break;
    }
    return CallProcOrDefault(previous, edit, message, wParam, lParam);
}

LRESULT CALLBACK ComboProc(HWND combo, UINT message, WPARAM wParam, LPARAM lParam)
{
    const auto [recordIndex, index, record, entry] = FindSkinnedControl(combo, &WindowRecord::comboBoxes);
    const WNDPROC previous = ReplacedProc(combo);
    if (!entry || !previous)
        return CallProcOrDefault(previous, combo, message, wParam, lParam);
    const SkinModuleState& state = SkinModule();

    switch (message) {
    case WM_PAINT: {
        // The skin paints all of it; the combo's own painting is skipped.
        PAINTSTRUCT paint;
        BeginPaint(combo, &paint);
        PaintComboBox(recordIndex, index, false);
        EndPaint(combo, &paint);
        return DefWindowProcA(combo, message, wParam, lParam);
    }
    case WM_NCPAINT:
        // A combo box draws its border in its client area; without a
        // non-client area of its own there is nothing for this paint to
        // show, and the client paint that follows paints the whole box.
        if (HasNonClientArea(combo))
            PaintComboBox(recordIndex, index, false);
        return PaintScrollBarsOnly(combo, lParam);
    case WM_ERASEBKGND:
        SetBkMode(reinterpret_cast<HDC>(wParam), TRANSPARENT);
        return 1;
    case WM_MOVE:
        PaintComboBox(recordIndex, index, false);
        break;
    case WM_SETFOCUS:
        entry->focused = 1;
        PaintComboBox(recordIndex, index, false, true);
        break;
    case WM_KILLFOCUS:
        entry->focused = 0;
        break;
    case WM_SETTEXT:
        if (FindWindowExA(combo, nullptr, "Edit", nullptr))
            RepaintAll(combo);
        break;
    case WM_COMMAND: {
        HWND sender = reinterpret_cast<HWND>(lParam);
        if (state.skinControls && state.translucentControls && sender && GetClassNameText(sender) == "Edit" &&
            RepaintsEditOnCommand(HIWORD(wParam)))
            RepaintAll(sender);
        break;
    }
    case WM_CTLCOLOREDIT:
        if (state.translucentControls)
            return reinterpret_cast<LRESULT>(
                TransparentBackground(reinterpret_cast<HWND>(lParam), reinterpret_cast<HDC>(wParam)));
        break;
    case WM_MOUSEMOVE:
        OnComboMouseMove(combo, *record, recordIndex, index);
        break;
    case WM_MOUSELEAVE:
        PaintComboBox(recordIndex, index, false);
        record->hotControlIndex = 0;
        break;
    default:
        break;
    }
    return CallProcOrDefault(previous, combo, message, wParam, lParam);
}
