// Skinning of header controls: those placed straight in a skinned window
// and the header of each of its list views. The skin paints every item;
// sizing, clicks and notifications stay with the header's own procedure.
#include "headers.h"

#include <windowsx.h>
#include <commctrl.h>

#include <algorithm>
#include <climits>
#include <cmath>

#include "brush.h"
#include "buttons.h"
#include "control_setup.h"
#include "dib_graphics.h"
#include "gdi_handles.h"
#include "graphics.h"
#include "painted_controls.h"
#include "pen.h"
#include "text.h"

namespace {

using Gdiplus::PointF;
using Gdiplus::RectF;

constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr COLORREF kBlack = RGB(0, 0, 0);
constexpr int kDividerSpare = 5;
constexpr int kTextBufferSize = 260;

float F(int value) { return static_cast<float>(value); }

HeaderRecord* EntryOf(int recordIndex, int headerIndex)
{
    WindowRecord* record = RecordAt(recordIndex);
    return record ? record->headers.At(headerIndex) : nullptr;
}

int ItemCount(HWND header) { return static_cast<int>(SendMessageA(header, HDM_GETITEMCOUNT, 0, 0)); }

bool ItemRect(HWND header, int item, RECT& rect)
{
    return SendMessageA(header, HDM_GETITEMRECT, static_cast<WPARAM>(item - 1), reinterpret_cast<LPARAM>(&rect)) !=
           0;
}

// Fills a new entry: every header gets its caption font read, those
// placed straight in the window too, so that their captions can be drawn.
void DescribeHeader(HeaderRecord& entry, LONG_PTR style)
{
    entry.hasButtons = (style & HDS_BUTTONS) ? 1 : 0;
    const ControlFont font = ReadControlFont(entry.window);
    entry.fontName = font.name;
    entry.fontStyle = font.style;
    entry.fontSize = font.size;
    entry.imageList = reinterpret_cast<HIMAGELIST>(SendMessageA(entry.window, HDM_GETIMAGELIST, 0, 0));
}

// The right edge of the client area of the list view holding the header,
// in the header's coordinates; INT_MIN for a header of any other parent.
int ListViewRightEdge(HWND header)
{
    HWND parent = GetParent(header);
    if (!parent || GetClassNameText(parent) != WC_LISTVIEWA)
        return INT_MIN;
    RECT client{};
    GetClientRect(parent, &client);
    POINT edge{client.right, 0};
    MapWindowPoints(parent, header, &edge, 1);
    return edge.x;
}

void FillGradient(Graphics& graphics, const RectF& box, COLORREF from, int fromAlpha, COLORREF to, int toAlpha)
{
    LinearGradientBrush brush;
    brush.Create(PointF(0, box.Y), PointF(0, box.Y + box.Height), ToArgb(from, fromAlpha), ToArgb(to, toAlpha));
    graphics.FillRectangleRecord(brush, box);
}

// Where the icon (then the caption) starts, by the item's alignment; an
// item too narrow for its content starts at the margin.
int ContentStart(int format, int width, int iconWidth, int textWidth, int margin)
{
    const bool fits = iconWidth + margin + textWidth < width;
    switch (format & HDF_JUSTIFYMASK) {
    case HDF_RIGHT:
        return fits ? width - iconWidth - textWidth : margin;
    case HDF_CENTER:
        return fits ? (width - iconWidth - margin - textWidth) / 2 : margin;
    default:
        return margin;
    }
}

struct ItemLook {
    bool hot = false;
    bool pressed = false;
};

// Paints item `item` (1-based) `width` pixels wide and puts it on `target`.
void PaintItem(const HeaderRecord& entry, HDC target, int item, int width, const RECT& rect, int margin,
               ItemLook look)
{
    HWND header = entry.window;
    char text[kTextBufferSize] = {};
    HDITEMA data{};
    data.mask = HDI_WIDTH | HDI_TEXT | HDI_FORMAT | HDI_LPARAM | HDI_BITMAP | HDI_IMAGE;
    data.pszText = text;
    data.cchTextMax = kTextBufferSize;
    SendMessageA(header, HDM_GETITEMA, static_cast<WPARAM>(item - 1), reinterpret_cast<LPARAM>(&data));
    UniqueIcon icon;
    int iconWidth = 0, iconHeight = 0;
    if ((data.fmt & HDF_IMAGE) && entry.imageList) {
        icon.reset(ImageList_GetIcon(entry.imageList, data.iImage, ILD_TRANSPARENT));
        if (icon)
            ImageList_GetIconSize(entry.imageList, &iconWidth, &iconHeight);
    }
    const int height = rect.bottom - rect.top;
    ScopedMemoryDC picture(CaptureBackground(header, RECT{rect.left, rect.top, rect.left + width, rect.bottom}));
    if (!picture)
        return;
    {
        const SkinModuleState& state = SkinModule();
        const COLORREF accent = state.accentColour;
        const RectF box(0, 0, F(width), F(height));
        DibGraphics canvas(picture.Get());
        Graphics& graphics = canvas.Get();

        SolidBrush wash;
        wash.Create(ToArgb(kWhite, state.translucentControls ? state.washAlpha : 255));
        graphics.FillRectangleRecord(wash, box);
        if (entry.hasButtons)
            FillGradient(graphics, box, kWhite, 80, accent, 120);
        else
            FillGradient(graphics, box, accent, 60, accent, 10);
        if (look.hot)
            FillGradient(graphics, box, accent, 60, kBlack, 30);
        if (look.pressed)
            FillGradient(graphics, box, kBlack, 30, kWhite, 120);

        LinearGradientBrush separatorBrush;
        separatorBrush.Create(PointF(0, 0), PointF(0, F(height)), ToArgb(kBlack, 60), ToArgb(kWhite, 50));
        Pen separator;
        separator.CreateFromBrush(separatorBrush, 1);
        graphics.DrawLine(separator, F(width - 1), 0, F(width - 1), F(height));

        const int textWidth = MeasureTextWidth(text, entry.fontName, entry.fontSize, entry.fontStyle);
        const int start = ContentStart(data.fmt, width, iconWidth, textWidth, margin);
        if (icon) {
            graphics.Flush(Gdiplus::FlushIntentionSync);
            DrawIconEx(picture.Get(), start, (height - iconHeight) / 2, icon.get(), 0, 0, 0, nullptr, DI_NORMAL);
        }

        // Captions are always black: "Kj_Ztys" is not read here.
        Font font;
        font.Create(entry.fontName.c_str(), F(entry.fontSize), entry.fontStyle, Gdiplus::UnitWorld);
        // One line: a caption too long for its item ends in an ellipsis
        // instead of wrapping onto a second, half-hidden line.
        StringFormat format;
        format.Create(Gdiplus::StringFormatFlagsNoWrap);
        format.SetTrimming(Gdiplus::StringTrimmingEllipsisCharacter);
        SolidBrush black;
        black.Create(ToArgb(kBlack, 255));
        graphics.DrawString(text, font, black,
                            RectF(F(start + iconWidth), 0, F(width - iconWidth - 2 * margin), F(height)), format);
    }
    BitBlt(target, rect.left, rect.top, width, height, picture.Get(), 0, 0, SRCCOPY);
}

} // namespace

void SkinHeaders(int recordIndex, HWND parent)
{
    TakeOverChildren(recordIndex, parent, WC_HEADERA, &WindowRecord::headers, &HeaderProc, &DescribeHeader);
    // The header inside each list view.
    for (HWND view = FindWindowExA(parent, nullptr, WC_LISTVIEWA, nullptr); view;
         view = FindWindowExA(parent, view, WC_LISTVIEWA, nullptr))
        TakeOverChildren(recordIndex, view, WC_HEADERA, &WindowRecord::headers, &HeaderProc, &DescribeHeader);
}

int MeasureTextWidth(const std::string& text, const std::string& fontName, int fontSize, int fontStyle)
{
    RectF bounds(0, 0, 0, 0);
    UniqueMemoryDC dc(CreateCompatibleDC(nullptr));
    if (dc) {
        Graphics graphics;
        graphics.CreateFromHDC(dc.get());
        Font font;
        font.Create(fontName.c_str(), F(fontSize), fontStyle, Gdiplus::UnitWorld);
        StringFormat format;
        graphics.MeasureString(text.c_str(), font, RectF(0, 0, 0, 0), format, bounds);
    }
    return static_cast<int>(std::floor(bounds.Width)) + 1;
}

int HeaderItemAt(int recordIndex, int headerIndex, LPARAM mousePos)
{
    const HeaderRecord* entry = EntryOf(recordIndex, headerIndex);
    if (!entry || !entry->window)
        return 0;
    const int x = GET_X_LPARAM(mousePos);
    const int count = ItemCount(entry->window);
    for (int item = 1; item <= count; ++item) {
        RECT rect{};
        if (ItemRect(entry->window, item, rect) && rect.left + kDividerSpare <= x && x <= rect.right - kDividerSpare)
            return item;
    }
    return 0;
}

void PaintHeader(int recordIndex, int headerIndex)
{
    HeaderRecord* entry = EntryOf(recordIndex, headerIndex);
    if (!entry || !IsWindow(entry->window))
        return;
    HWND header = entry->window;
    // The image list belongs to the header's owner, who may have replaced
    // it since the set-up: never draw from a list that may be gone.
    entry->imageList = reinterpret_cast<HIMAGELIST>(SendMessageA(header, HDM_GETIMAGELIST, 0, 0));
    const int count = ItemCount(header);
    const int margin = static_cast<int>(SendMessageA(header, HDM_GETBITMAPMARGIN, 0, 0));
    const int listRight = ListViewRightEdge(header);
    ScopedWindowDC target(header, GetDC(header));
    if (!target)
        return;
    int paintedRight = 0;
    for (int item = 1; item <= count; ++item) {
        RECT rect{};
        if (!ItemRect(header, item, rect))
            continue;
        int width = rect.right - rect.left;
        // The last column reaches the list view's right edge.
        if (item == count && rect.right < listRight)
            width = listRight - rect.left;
        if (width <= 0 || rect.bottom <= rect.top)
            continue;
        ItemLook look;
        look.hot = entry->hasButtons && entry->hot && item == entry->hotItem;
        look.pressed = entry->hasButtons && item == entry->pressedItem;
        PaintItem(*entry, target.Get(), item, width, rect, margin, look);
        paintedRight = std::max(paintedRight, static_cast<int>(rect.left) + width);
    }
    // The header's own painting is skipped, so the part right of the items
    // would keep whatever the screen held: it shows the skin behind.
    RECT client{};
    GetClientRect(header, &client);
    if (paintedRight < client.right) {
        const RECT rest{paintedRight, 0, client.right, client.bottom};
        if (ScopedMemoryDC behind{CaptureBackground(header, rest)})
            BitBlt(target.Get(), rest.left, 0, rest.right - rest.left, rest.bottom, behind.Get(), 0, 0, SRCCOPY);
    }
}

LRESULT CALLBACK HeaderProc(HWND header, UINT message, WPARAM wParam, LPARAM lParam)
{
    const auto found = FindSkinnedControl(header, &WindowRecord::headers);
    if (!found.entry)
        return CallReplacedProc(header, message, wParam, lParam);
    WindowRecord* record = found.record;
    HeaderRecord* entry = found.entry;
    const int recordIndex = found.recordIndex, index = found.index;
    const auto passOn = [&] { return CallReplacedProc(header, message, wParam, lParam); };

    switch (message) {
    case WM_PAINT: {
        // The skin paints every item; the header's own painting is skipped.
        PAINTSTRUCT paint;
        BeginPaint(header, &paint);
        PaintHeader(recordIndex, index);
        EndPaint(header, &paint);
        return DefWindowProcA(header, message, wParam, lParam);
    }
    case WM_ERASEBKGND:
        SetBkMode(reinterpret_cast<HDC>(wParam), TRANSPARENT);
        return 1;
    case WM_MOVE:
        PaintHeader(recordIndex, index);
        return passOn();
    case WM_MOUSEMOVE: {
        TRACKMOUSEEVENT track{sizeof track, TME_LEAVE, header, 0};
        TrackMouseEvent(&track);
        record->controlUnderMouse = index;
        entry->hot = 1;
        entry->hotItem = HeaderItemAt(recordIndex, index, lParam);
        record->hotControlClass = kHeaderHoverClass;
        if (entry->hotItem != entry->paintedHotItem && entry->hotItem >= 1 && !entry->mouseDown) {
            PaintHeader(recordIndex, index);
            entry->paintedHotItem = entry->hotItem;
        } else if (entry->hotItem == 0) {
            // Near a divider or past the last item: nothing is hot.
            entry->paintedHotItem = entry->hotItem = entry->hot = 0;
            PaintHeader(recordIndex, index);
        }
        record->hotControlIndex = record->controlUnderMouse;
        return passOn();
    }
    case WM_MOUSELEAVE:
        record->hotControlIndex = 0;
        entry->paintedHotItem = entry->hotItem = entry->hot = 0;
        PaintHeader(recordIndex, index);
        return passOn();
    case WM_LBUTTONDOWN:
        entry->mouseDown = 1;
        if (entry->hotItem >= 1)
            entry->pressedItem = entry->hotItem;
        return passOn();
    case WM_LBUTTONUP:
        entry->mouseDown = 0;
        entry->pressedItem = 0;
        return passOn();
    default:
        return passOn();
    }
}
