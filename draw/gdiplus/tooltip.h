#pragma once
// A common-controls tooltip window whose tools are areas of one owner
// window. The control watches the owner's mouse messages itself
// (TTF_SUBCLASS), so the owner only adds, moves and removes tools.
#include <windows.h>
#include <commctrl.h>

class ToolTip {
public:
    // Dropping or copying a ToolTip leaves the tooltip window alive: it is
    // owned by the owner window and ends with it. Copies address the same
    // window.
    ToolTip() = default;

    // Makes the tooltip window for `owner`; returns it (0 on failure).
    HWND Create(HWND owner, bool balloon = false);

    // The text is copied by the control; null is taken as an empty text.
    bool AddTool(const RECT& rect, const char* text, UINT_PTR id);
    // The control asks the owner for the text with TTN_GETDISPINFO.
    bool AddCallbackTool(const RECT& rect, UINT_PTR id);
    LRESULT SetBackColour(COLORREF colour);
    LRESULT SetTextColour(COLORREF colour);
    LRESULT SetMaxWidth(int width);
    LRESULT RemoveTool(UINT_PTR id);
    LRESULT SetToolRect(UINT_PTR id, const RECT& rect);
    LRESULT SetToolText(UINT_PTR id, const char* text);

    HWND GetWindow() const { return window_; }
    HWND GetOwner() const { return owner_; }

private:
    // A fresh first-version tool description of the owner's tool `id`.
    TOOLINFOA Describe(UINT_PTR id, const RECT& rect = {}, const char* text = nullptr) const;
    LRESULT Send(UINT message, WPARAM wParam, LPARAM lParam) const;

    HWND window_ = nullptr;
    HWND owner_ = nullptr;
};
