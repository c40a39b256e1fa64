#include "skin_primitives.h"

#include <algorithm>
#include <cmath>

#include "brush.h"
#include "dib_graphics.h"
#include "graphics.h"
#include "graphics_path.h"
#include "pen.h"
#include "picture_cache.h"
#include "skin_module.h"

namespace {

constexpr int kScrollBarThickness = 17;

HWND PropertyWindow(HWND window, const char* name)
{
    return static_cast<HWND>(GetPropA(window, name));
}

bool IsHolder(HWND window) { return reinterpret_cast<INT_PTR>(GetPropA(window, "Wxk_Zpf")) == 1; }

HDC HolderDC(HWND holder) { return static_cast<HDC>(GetPropA(holder, "Wxk_Cj")); }

void CopyInto(HDC target, int width, int height, HDC source, int x, int y)
{
    if (source)
        BitBlt(target, 0, 0, width, height, source, x, y, SRCCOPY);
}

// Fills the frame tint over the captured background.
void ApplyFrameTint(HDC dc, const RECT& rect, const FrameEntry& frame, bool allowRounded)
{
    const int width = rect.right - rect.left;
    const int height = rect.bottom - rect.top;
    GraphicsPath path;
    path.Create();
    if (allowRounded && frame.rounded)
        AddRoundRect(path, 0, 5, static_cast<float>(rect.right), static_cast<float>(rect.bottom - 6), 5);
    else
        path.AddRectangle(0, 0, static_cast<float>(width), static_cast<float>(height));
    DibGraphics canvas(dc);
    Graphics& graphics = canvas.Get();
    SolidBrush brush;
    brush.Create(ToArgb(frame.tintColour, frame.tintAlpha));
    graphics.FillPath(brush, path);
}

const FrameEntry* Frame(int recordIndex, int frameIndex)
{
    WindowRecord* record = RecordAt(recordIndex);
    return record ? record->frames.At(frameIndex) : nullptr;
}

} // namespace

HBITMAP CreateArgbSurface(int width, int height)
{
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = std::max(width, 1);
    info.bmiHeader.biHeight = -std::max(height, 1);
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    return CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
}

void CopyExceptKey(HDC target, int x, int y, int width, int height, HDC source, int sourceX, int sourceY,
                   COLORREF key)
{
    const std::optional<DibView> to = ViewDib(target);
    const std::optional<DibView> from = to ? ViewDib(source) : std::nullopt;
    const bool inside = to && from && x >= 0 && y >= 0 && sourceX >= 0 && sourceY >= 0 && width >= 0 &&
                        height >= 0 && x + width <= to->width && y + height <= to->height &&
                        sourceX + width <= from->width && sourceY + height <= from->height;
    if (!inside) {
        TransparentBlt(target, x, y, width, height, source, sourceX, sourceY, width, height, key);
        return;
    }
    // DIB pixels are 0x00RRGGBB (the top byte is not compared).
    const DWORD keyPixel = (static_cast<DWORD>(GetRValue(key)) << 16) | (static_cast<DWORD>(GetGValue(key)) << 8) |
                           GetBValue(key);
    for (int row = 0; row < height; ++row) {
        const DWORD* in = from->Row(sourceY + row) + sourceX;
        DWORD* out = to->Row(y + row) + x;
        for (int column = 0; column < width; ++column) {
            if ((in[column] & 0x00FFFFFF) != keyPixel)
                out[column] = in[column];
        }
    }
}

void AddRoundRect(GraphicsPath& path, float x, float y, float width, float height, int corner)
{
    const float c = static_cast<float>(std::clamp(corner, 1, 100));
    path.AddArc(x + width - c, y, c, c, 270, 90);
    path.AddArc(x + width - c - 1, y + height - c - 1, c + 1, c + 1, 0, 90);
    path.AddArc(x, y + height - c, c, c, 90, 90);
    path.AddArc(x, y, c, c, 180, 90);
    path.CloseFigure();
}

void AddTabOutline(GraphicsPath& path, int x, int y, int width, int height, int corner)
{
    const auto f = [](int v) { return static_cast<float>(v); };
    path.AddLine(f(x), f(y + height), f(x), f(y + corner));
    path.AddArc(f(x), f(y), f(corner), f(corner), 180, 90);
    path.AddLine(f(x + corner), f(y), f(x + width - corner), f(y));
    path.AddArc(f(x + width - corner), f(y), f(corner), f(corner), 270, 90);
    path.AddLine(f(x + width), f(y + corner), f(x + width), f(y + height));
}

bool DrawPictureCentred(Graphics& graphics, std::span<const BYTE> bytes, int x, int y, int width, int height)
{
    const Image* picture = CachedPicture(bytes);
    if (!picture)
        return false;
    const int w = static_cast<int>(picture->GetWidth()), h = static_cast<int>(picture->GetHeight());
    return graphics.DrawImageRect(*picture, static_cast<float>(x + (width - w) / 2),
                                  static_cast<float>(y + (height - h) / 2), static_cast<float>(w),
                                  static_cast<float>(h));
}

void DrawGlow(Graphics& graphics, const GraphicsPath& path, int count, COLORREF colour, int alpha)
{
    Pen pen;
    pen.Create(ToArgb(colour, alpha), 1);
    for (int i = 1; i <= count; ++i) {
        pen.SetWidth(static_cast<float>(i));
        graphics.DrawPath(pen, path);
    }
}

void RegisterMemoryDC(HDC dc, HBITMAP bitmap, HGDIOBJ previous)
{
    auto& list = SkinModule().memoryDCList;
    for (MemoryDCEntry& entry : list) {
        if (entry.dc == dc) {
            entry.bitmap = bitmap;
            entry.previous = previous;
            return;
        }
    }
    list.push_back({dc, bitmap, previous});
}

bool ReleaseMemoryDC(HDC dc)
{
    if (!dc)
        return false;
    auto& list = SkinModule().memoryDCList;
    const auto found = std::find_if(list.begin(), list.end(), [dc](const MemoryDCEntry& e) { return e.dc == dc; });
    if (found == list.end())
        return false;
    DeleteObject(SelectObject(dc, found->previous));
    DeleteDC(dc);
    list.erase(found);
    return true;
}

HBITMAP MemoryDCToBitmap(HDC dc, int width, int height)
{
    HDC temp = CreateCompatibleDC(nullptr);
    HBITMAP bitmap = CreateCompatibleBitmap(dc, width, height);
    HGDIOBJ previous = SelectObject(temp, bitmap);
    BitBlt(temp, 0, 0, width, height, dc, 0, 0, SRCCOPY);
    SelectObject(temp, previous);
    DeleteDC(temp);
    ReleaseMemoryDC(dc);
    return bitmap;
}

HDC CaptureBackground(HWND window, const RECT& rect)
{
    const int width = rect.right - rect.left;
    const int height = rect.bottom - rect.top;
    HDC dc = CreateCompatibleDC(nullptr);
    HBITMAP surface = CreateArgbSurface(width, height);
    if (!dc || !surface) {
        if (dc)
            DeleteDC(dc);
        if (surface)
            DeleteObject(surface);
        return nullptr;
    }
    RegisterMemoryDC(dc, surface, SelectObject(dc, surface));

    int record = 0, frame = 0;
    HWND holder = nullptr;
    const int direct = FindOwnerRecord(window, record, frame, holder, true);
    if (direct == 1) {
        const RECT off = RectInOwner(window);
        CopyInto(dc, width, height, RecordAt(record)->BackgroundDC(), off.left + rect.left, off.top + rect.top);
        const int own = FindFrameEntry(record, window);
        if (const FrameEntry* entry = Frame(record, own); entry && entry->tintColour != 0)
            ApplyFrameTint(dc, rect, *entry, true);
    } else if (holder && holder == window) {
        if (HWND ancestor = PropertyWindow(window, "Mb_zpf")) {
            const RECT off = RectRelativeTo(ancestor, window);
            CopyInto(dc, width, height, HolderDC(ancestor), off.left + rect.left, off.top + rect.top);
        } else if (const int r = FindAncestorRecord(window); r >= 1) {
            const RECT off = RectInRoot(window);
            CopyInto(dc, width, height, RecordAt(r)->BackgroundDC(), off.left + rect.left, off.top + rect.top);
        }
    } else if (holder) {
        const RECT off = RectRelativeTo(holder, window);
        CopyInto(dc, width, height, HolderDC(holder), off.left + rect.left, off.top + rect.top);
        if (record == 0)
            record = FindAncestorRecord(window);
        if (record != 0) {
            const int own = FindFrameEntry(record, window);
            if (own >= 1) {
                if (const FrameEntry* entry = Frame(record, own); entry && entry->tintColour > 0)
                    ApplyFrameTint(dc, rect, *entry, true);
            } else if (const int above = FindAncestorFrame(record, window, holder); above >= 1) {
                if (const FrameEntry* entry = Frame(record, above); entry && entry->tintColour > 0)
                    ApplyFrameTint(dc, rect, *entry, false);
            }
        }
    } else {
        if (record == 0) {
            record = FindAncestorRecord(window);
            if (record >= 1) {
                if (const int own = FindFrameEntry(record, window); own >= 1)
                    frame = own;
            }
        }
        if (record == 0) {
            ReleaseMemoryDC(dc);
            return nullptr;
        }
        const RECT off = RectInRoot(window);
        CopyInto(dc, width, height, RecordAt(record)->BackgroundDC(), off.left + rect.left, off.top + rect.top);
        if (const FrameEntry* entry = Frame(record, frame); entry && entry->tintColour != 0)
            ApplyFrameTint(dc, rect, *entry, false);
    }
    return dc;
}

HDC MakeFrostedDC(HWND control)
{
    const RECT rect = ClientRectInWindow(control);
    HDC dc = CaptureBackground(control, rect);
    if (!dc)
        return nullptr;
    DibGraphics canvas(dc);
    Graphics& graphics = canvas.Get();
    SolidBrush brush;
    brush.Create(ToArgb(0xFFFFFF, SkinModule().washAlpha));
    graphics.FillRectangle(brush, 0, 0, static_cast<float>(rect.right - rect.left),
                           static_cast<float>(rect.bottom - rect.top));
    return dc;
}

HBITMAP MakeFrostedClientBitmap(HWND window)
{
    HDC dc = MakeFrostedDC(window);
    if (!dc)
        return nullptr;
    const RECT rect = ClientRectInWindow(window);
    return MemoryDCToBitmap(dc, rect.right - rect.left, rect.bottom - rect.top);
}

void PaintFrostedClient(HWND control, HDC dc, bool toDC)
{
    const RECT rect = ClientRectInWindow(control);
    HDC frosted = MakeFrostedDC(control);
    if (!frosted)
        return;
    const int width = rect.right - rect.left;
    const int height = rect.bottom - rect.top;
    if (toDC) {
        BitBlt(dc, 0, 0, width, height, frosted, 0, 0, SRCCOPY);
    } else if (HDC windowDC = GetWindowDC(control)) {
        BitBlt(windowDC, rect.left, rect.top, width, height, frosted, 0, 0, SRCCOPY);
        ReleaseDC(control, windowDC);
    }
    ReleaseMemoryDC(frosted);
}

HDC GetDCExcludingChildren(HWND window, HDC dc, bool useGiven)
{
    HDC target = useGiven ? dc : GetDC(window);
    if (!target)
        return nullptr;
    for (HWND child = FindWindowExA(window, nullptr, nullptr, nullptr); child;
         child = FindWindowExA(window, child, nullptr, nullptr)) {
        if (!IsWindowVisible(child) || (GetWindowLongPtrA(child, GWL_EXSTYLE) & WS_EX_TRANSPARENT))
            continue;
        const RECT r = ChildRectInParent(child);
        ExcludeClipRect(target, r.left, r.top, r.right, r.bottom);
    }
    return target;
}

RECT ChildRectInParent(HWND child)
{
    if (FindWindowRecord(child) != 0)
        return RECT{0, 0, 0, 0};
    RECT rect;
    GetWindowRect(child, &rect);
    POINT origin{0, 0};
    ClientToScreen(GetParent(child), &origin);
    return RECT{rect.left - origin.x, rect.top - origin.y, rect.right - origin.x, rect.bottom - origin.y};
}

int FindWindowRecord(HWND window)
{
    if (!window)
        return 0;
    for (int i = 1; i <= RecordCount(); ++i) {
        if (RecordAt(i)->window == window)
            return i;
    }
    return 0;
}

int FindAncestorRecord(HWND window)
{
    for (HWND parent = GetParent(window); parent; parent = GetParent(parent)) {
        if (const int found = FindWindowRecord(parent))
            return found;
    }
    return 0;
}

int FindFrameEntry(int recordIndex, HWND window)
{
    WindowRecord* record = RecordAt(recordIndex);
    return record ? record->frames.Find(window) : 0;
}

int FindAncestorFrame(int recordIndex, HWND window, HWND stopWindow)
{
    WindowRecord* record = RecordAt(recordIndex);
    if (!record)
        return 0;
    for (HWND parent = GetParent(window); parent && parent != stopWindow; parent = GetParent(parent)) {
        const int found = record->frames.Find(parent);
        if (found && record->frames.At(found)->tintChildren)
            return found;
    }
    return 0;
}

int FindOwnerRecord(HWND window, int& recordIndex, int& frameIndex, HWND& holder, bool useHolders)
{
    if (useHolders && IsHolder(window)) {
        holder = window;
        return 0;
    }
    if (const int found = FindWindowRecord(window)) {
        recordIndex = found;
        return 1;
    }
    for (HWND parent = GetParent(window); parent; parent = GetParent(parent)) {
        if (useHolders && IsHolder(parent)) {
            holder = parent;
            return 0;
        }
        if (const int found = FindWindowRecord(parent)) {
            recordIndex = found;
            return 1;
        }
        for (int i = 1; i <= RecordCount(); ++i) {
            if (const int k = RecordAt(i)->frames.Find(parent)) {
                if (useHolders && GetPropA(parent, "Mb_zpf")) {
                    holder = PropertyWindow(parent, "Mb_zpf");
                } else {
                    recordIndex = i;
                    frameIndex = k;
                }
                return 0;
            }
        }
    }
    return 0;
}

RECT RectRelativeTo(HWND reference, HWND window)
{
    RECT rect{}, origin{};
    GetWindowRect(window, &rect);
    GetWindowRect(reference, &origin);
    return RECT{rect.left - origin.left, rect.top - origin.top, rect.right - origin.left, rect.bottom - origin.top};
}

RECT RectInRoot(HWND window) { return RectRelativeTo(GetAncestor(window, GA_ROOT), window); }

RECT RectInOwner(HWND window)
{
    if (FindWindowRecord(window) != 0)
        return RECT{0, 0, 0, 0};
    WindowRecord* record = RecordAt(FindAncestorRecord(window));
    if (!record)
        return RECT{0, 0, 0, 0};
    for (HWND parent = GetParent(window); parent; parent = GetParent(parent)) {
        if (parent == record->window || record->frames.Find(parent))
            return RectRelativeTo(parent, window);
    }
    return RECT{0, 0, 0, 0};
}

RECT ClientRectInWindow(HWND window)
{
    RECT outer{}, client{};
    GetWindowRect(window, &outer);
    GetClientRect(window, &client);
    const int width = outer.right - outer.left;
    const int height = outer.bottom - outer.top;
    int clientWidth = client.right, clientHeight = client.bottom;
    const LONG_PTR style = GetWindowLongPtrA(window, GWL_STYLE);
    const int measuredWidth = clientWidth + ((style & WS_VSCROLL) ? kScrollBarThickness : 0);
    const int measuredHeight = clientHeight + ((style & WS_HSCROLL) ? kScrollBarThickness : 0);
    const int left = static_cast<int>(std::floor((width - measuredWidth) / 2.0));
    const int top = static_cast<int>(std::floor((height - measuredHeight) / 2.0));
    return RECT{left, top, left + clientWidth, top + clientHeight};
}

LRESULT CallProcOrDefault(WNDPROC previous, HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (!previous)
        return DefWindowProcA(window, message, wParam, lParam);
    return CallWindowProcA(previous, window, message, wParam, lParam);
}

std::string GetClassNameText(HWND window)
{
    char name[256] = "";
    GetClassNameA(window, name, 255);
    return name;
}

std::string GetWindowTextString(HWND window)
{
    const int length = GetWindowTextLengthA(window);
    std::string text(static_cast<size_t>(length > 0 ? length : 0) + 1, '\0');
    const int copied = GetWindowTextA(window, text.data(), static_cast<int>(text.size()));
    text.resize(static_cast<size_t>(copied > 0 ? copied : 0));
    return text;
}

bool IsOwnerDrawListBox(HWND window)
{
    const LONG_PTR style = GetWindowLongPtrA(window, GWL_STYLE);
    return GetClassNameText(window) == "ListBox" && (style & (LBS_OWNERDRAWFIXED | LBS_OWNERDRAWVARIABLE));
}

bool IsAutoRadioButtonStyle(LONG_PTR style) { return (style & 0x1) && (style & 0x8) && !(style & 0x2) && !(style & 0x4); }

bool IsAutoRadioButton(HWND window) { return IsAutoRadioButtonStyle(GetWindowLongPtrA(window, GWL_STYLE)); }
