#pragma once
// Frames (child windows holding controls of their own) and the scoped DCs
// the frame, label and list painters share.
#include <windows.h>

#include "skin_primitives.h"

// The procedure installed on frames.
LRESULT CALLBACK FrameProc(HWND frame, UINT message, WPARAM wParam, LPARAM lParam);

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

// A window property holding a small integer (an index); absent reads as 0.
inline int IndexProperty(HWND window, const char* name)
{
    return static_cast<int>(reinterpret_cast<INT_PTR>(GetPropA(window, name)));
}

inline void SetIndexProperty(HWND window, const char* name, int value)
{
    SetPropA(window, name, reinterpret_cast<HANDLE>(static_cast<INT_PTR>(value)));
}
