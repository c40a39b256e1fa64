#include "tooltip.h"

#include <cstddef>

namespace {

// The first-version layout: every comctl32 version accepts it, and the
// fields after the text pointer are never needed here.
// (TTTOOLINFOA_V1_SIZE, spelled so that it is a constant expression.)
constexpr UINT kToolInfoSize = offsetof(TOOLINFOA, lpszText) + sizeof(LPSTR);
static_assert(sizeof(void*) != 4 || kToolInfoSize == 40, "first-version TOOLINFOA is 40 bytes on 32-bit Windows");

char kEmptyText[] = "";

} // namespace

HWND ToolTip::Create(HWND owner, bool balloon)
{
    owner_ = owner;
    const DWORD style = TTS_ALWAYSTIP | (balloon ? TTS_BALLOON : 0);
    // Owned by the owner window, so the tooltip goes when the owner does
    // instead of lingering until the program ends.
    window_ = CreateWindowExA(0, TOOLTIPS_CLASSA, "", style, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT,
                              CW_USEDEFAULT, owner, nullptr, GetModuleHandleA(nullptr), nullptr);
    return window_;
}

TOOLINFOA ToolTip::Describe(UINT_PTR id, const RECT& rect, const char* text) const
{
    TOOLINFOA info{};
    info.cbSize = kToolInfoSize;
    info.uFlags = TTF_SUBCLASS;
    info.hwnd = owner_;
    info.uId = id;
    info.rect = rect;
    // The control only reads the text; the field is not const in the header.
    info.lpszText = text ? const_cast<LPSTR>(text) : nullptr;
    return info;
}

LRESULT ToolTip::Send(UINT message, WPARAM wParam, LPARAM lParam) const
{
    return window_ ? SendMessageA(window_, message, wParam, lParam) : 0;
}

bool ToolTip::AddTool(const RECT& rect, const char* text, UINT_PTR id)
{
    TOOLINFOA info = Describe(id, rect, text ? text : kEmptyText);
    return Send(TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&info)) != 0;
}

bool ToolTip::AddCallbackTool(const RECT& rect, UINT_PTR id)
{
    TOOLINFOA info = Describe(id, rect);
    info.lpszText = LPSTR_TEXTCALLBACKA;
    return Send(TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&info)) != 0;
}

LRESULT ToolTip::SetBackColour(COLORREF colour)
{
    return Send(TTM_SETTIPBKCOLOR, colour, 0);
}

LRESULT ToolTip::SetTextColour(COLORREF colour)
{
    return Send(TTM_SETTIPTEXTCOLOR, colour, 0);
}

LRESULT ToolTip::SetMaxWidth(int width)
{
    return Send(TTM_SETMAXTIPWIDTH, 0, width);
}

LRESULT ToolTip::RemoveTool(UINT_PTR id)
{
    TOOLINFOA info = Describe(id);
    return Send(TTM_DELTOOLA, 0, reinterpret_cast<LPARAM>(&info));
}

LRESULT ToolTip::SetToolRect(UINT_PTR id, const RECT& rect)
{
    TOOLINFOA info = Describe(id, rect);
    return Send(TTM_NEWTOOLRECTA, 0, reinterpret_cast<LPARAM>(&info));
}

LRESULT ToolTip::SetToolText(UINT_PTR id, const char* text)
{
    TOOLINFOA info = Describe(id, {}, text ? text : kEmptyText);
    return Send(TTM_UPDATETIPTEXTA, 0, reinterpret_cast<LPARAM>(&info));
}
