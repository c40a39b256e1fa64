#pragma once
// What every skin painter shares: colour conversion, rounded outlines and
// glows, the capture of the skin background behind a window into a memory
// DC (and that DC's bookkeeping), window-table lookups, window geometry
// and class tests.
#include <windows.h>

#include <span>
#include <string>

#include "gdiplus_binding.h"

class Graphics;
class GraphicsPath;

// 0x00BBGGRR with an alpha -> 0xAARRGGBB; without `useAlpha` the alpha is 255.
constexpr Gdiplus::ARGB ToArgb(COLORREF colour, int alpha, bool useAlpha = true)
{
    const Gdiplus::ARGB a = useAlpha ? static_cast<Gdiplus::ARGB>(alpha & 0xFF) : 0xFFu;
    return (a << 24) | (static_cast<Gdiplus::ARGB>(GetRValue(colour)) << 16) |
           (static_cast<Gdiplus::ARGB>(GetGValue(colour)) << 8) | GetBValue(colour);
}

// Closed rounded rectangle; `corner` (clamped to 1..100) is the size of
// each corner arc's box, not a radius.
void AddRoundRect(GraphicsPath& path, float x, float y, float width, float height, int corner);
// Open outline with rounded top corners and no bottom edge.
void AddTabOutline(GraphicsPath& path, int x, int y, int width, int height, int corner);
// Draws an encoded picture at its own size, centred on whole pixels in the
// box (x, y, width, height). Pictures are decoded once and kept. False
// when the bytes do not decode.
bool DrawPictureCentred(Graphics& graphics, std::span<const BYTE> bytes, int x, int y, int width, int height);
// Strokes `path` `count` times with widths 1..count of one translucent pen.
void DrawGlow(Graphics& graphics, const GraphicsPath& path, int count, COLORREF colour, int alpha);

// A 32-bit top-down DIB section, zeroed (fully transparent black); at
// least 1 x 1.
HBITMAP CreateArgbSurface(int width, int height);

// Copies the source's pixels of a width x height area to (x, y) of the
// target, except those of colour `key`: TransparentBlt without
// stretching. Between two 32-bit DIB sections (the surfaces made here) it
// copies pixel by pixel, much faster than the system's blit.
void CopyExceptKey(HDC target, int x, int y, int width, int height, HDC source, int sourceX, int sourceY,
                   COLORREF key);

// Memory DCs.
HDC CaptureBackground(HWND window, const RECT& rect);
void RegisterMemoryDC(HDC dc, HBITMAP bitmap, HGDIOBJ previous);
bool ReleaseMemoryDC(HDC dc);
HBITMAP MemoryDCToBitmap(HDC dc, int width, int height);
HBITMAP MakeFrostedClientBitmap(HWND window);
HDC MakeFrostedDC(HWND control);
void PaintFrostedClient(HWND control, HDC dc, bool toDC);

// A DC of the window (or `dc` when `useGiven`) with every visible child
// that is not WS_EX_TRANSPARENT excluded from its clipping.
HDC GetDCExcludingChildren(HWND window, HDC dc, bool useGiven);
RECT ChildRectInParent(HWND child);

// Window-table lookups (1-based indices, 0 = none).
int FindWindowRecord(HWND window);
int FindAncestorRecord(HWND window);
int FindFrameEntry(int recordIndex, HWND window);
int FindAncestorFrame(int recordIndex, HWND window, HWND stopWindow);
int FindOwnerRecord(HWND window, int& recordIndex, int& frameIndex, HWND& holder, bool useHolders);

// Geometry.
RECT RectRelativeTo(HWND reference, HWND window);
RECT RectInRoot(HWND window);
RECT RectInOwner(HWND window);
RECT ClientRectInWindow(HWND window);

// Window tests.
std::string GetClassNameText(HWND window);
std::string GetWindowTextString(HWND window);
bool IsOwnerDrawListBox(HWND window);
bool IsAutoRadioButton(HWND window);
bool IsAutoRadioButtonStyle(LONG_PTR style);

// A memory DC made by CaptureBackground or MakeFrostedDC, released (with
// its bitmap) when dropped. Null when the capture found no skinned window.
class ScopedMemoryDC {
public:
    explicit ScopedMemoryDC(HDC dc) : dc_(dc) {}
    ScopedMemoryDC(const ScopedMemoryDC&) = delete;
    ScopedMemoryDC& operator=(const ScopedMemoryDC&) = delete;
    ~ScopedMemoryDC() { ReleaseMemoryDC(dc_); }

    HDC Get() const { return dc_; }
    explicit operator bool() const { return dc_ != nullptr; }

private:
    HDC dc_;
};

// A DC from GetDC, GetWindowDC or GetDCExcludingChildren, released with
// ReleaseDC when dropped.
class ScopedWindowDC {
public:
    ScopedWindowDC(HWND window, HDC dc) : window_(window), dc_(dc) {}
    ScopedWindowDC(const ScopedWindowDC&) = delete;
    ScopedWindowDC& operator=(const ScopedWindowDC&) = delete;
    ~ScopedWindowDC()
    {
        if (dc_)
            ReleaseDC(window_, dc_);
    }

    HDC Get() const { return dc_; }
    explicit operator bool() const { return dc_ != nullptr; }

private:
    HWND window_;
    HDC dc_;
};

// The procedure the skin replaced on `window`, kept in its "Hw_hProc"
// (null when there is none).
inline WNDPROC ReplacedProc(HWND window) { return reinterpret_cast<WNDPROC>(GetPropA(window, "Hw_hProc")); }

// Hands a message to `previous`, or to DefWindowProcA when it is null.
LRESULT CallProcOrDefault(WNDPROC previous, HWND window, UINT message, WPARAM wParam, LPARAM lParam);

// Hands a message of a window the skin subclassed to the procedure kept
// in its "Hw_hProc" (DefWindowProcA when there is none). A procedure that
// has read that property already passes what it read to CallProcOrDefault.
inline LRESULT CallReplacedProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    return CallProcOrDefault(ReplacedProc(window), window, message, wParam, lParam);
}

// A window property holding a small integer (an index); absent reads as 0.
inline int IndexProperty(HWND window, const char* name)
{
    return static_cast<int>(reinterpret_cast<INT_PTR>(GetPropA(window, name)));
}

inline void SetIndexProperty(HWND window, const char* name, int value)
{
    SetPropA(window, name, reinterpret_cast<HANDLE>(static_cast<INT_PTR>(value)));
}
