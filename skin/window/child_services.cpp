// The services a skinned window and each of its frames give their child
// controls.
#include "child_services.h"

#include <commctrl.h>

#include <cstring>
#include <string>

#include "control_setup.h"
#include "skin_module.h"
#include "skin_primitives.h"

namespace {

COLORREF TextColourOf(HWND control)
{
    return static_cast<COLORREF>(reinterpret_cast<UINT_PTR>(GetPropA(control, "Kj_Ztys")));
}

HBRUSH HollowBackground(HWND control, HDC dc)
{
    SetTextColor(dc, TextColourOf(control));
    SetBkMode(dc, TRANSPARENT);
    DeleteObjectProperty(control, "Kj_dxjb");
    HBRUSH brush = static_cast<HBRUSH>(GetStockObject(NULL_BRUSH));
    SetPropA(control, "Kj_dxjb", brush);
    return brush;
}

bool RepaintsOnCommand(const std::string& className, UINT code)
{
    if (className == "Edit")
        return code == EN_VSCROLL || code == EN_HSCROLL || code == EN_CHANGE || code == EN_UPDATE;
    if (className == "ListBox")
        return code == LBN_SELCHANGE || code == LBN_SELCANCEL;
    if (className == "ComboBox")
        return code == CBN_KILLFOCUS || code == CBN_SELCHANGE;
    return false;
}

bool Translucent()
{
    const SkinModuleState& state = SkinModule();
    return state.skinControls && state.translucentControls;
}

} // namespace

void DeleteObjectProperty(HWND window, const char* name)
{
    if (HANDLE object = GetPropA(window, name))
        DeleteObject(static_cast<HGDIOBJ>(object));
    RemovePropA(window, name);
}

HBRUSH TransparentBackground(HWND control, HDC dc)
{
    SetTextColor(dc, TextColourOf(control));
    SetBkMode(dc, TRANSPARENT);
    DeleteObjectProperty(control, "Kj_dxjb");
    DeleteObjectProperty(control, "Kj_wtjb");
    HBITMAP bitmap = MakeFrostedClientBitmap(control);
    HBRUSH brush = bitmap ? CreatePatternBrush(bitmap) : nullptr;
    SetPropA(control, "Kj_dxjb", brush);
    SetPropA(control, "Kj_wtjb", bitmap);
    return brush;
}

bool AnswerChildMessage(int recordIndex, UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result)
{
    HWND control = reinterpret_cast<HWND>(lParam);
    HDC dc = reinterpret_cast<HDC>(wParam);
    switch (message) {
    case WM_DRAWITEM: {
        // The structure is the sender's; work on a copy.
        DRAWITEMSTRUCT item;
        std::memcpy(&item, reinterpret_cast<const void*>(lParam), sizeof item);
        if (item.CtlType == ODT_BUTTON) {
            const int button = IndexProperty(item.hwndItem, "Hw_lbID");
            if (button > 0)
                PaintOwnerDrawnButton(recordIndex, button, item);
        }
        return false;
    }
    case WM_CTLCOLOREDIT:
        // Edits inside combo boxes get theirs from the combo box.
        if (GetClassNameText(GetParent(control)) == "ComboBox" || !Translucent())
            return false;
        result = reinterpret_cast<LRESULT>(TransparentBackground(control, dc));
        return true;
    case WM_CTLCOLORSTATIC:
        if (!Translucent())
            return false;
        result = reinterpret_cast<LRESULT>(TransparentBackground(control, dc));
        return true;
    case WM_CTLCOLORLISTBOX:
        if (!Translucent() || GetClassNameText(control) != "ListBox" || IsOwnerDrawListBox(control))
            return false;
        result = reinterpret_cast<LRESULT>(HollowBackground(control, dc));
        return true;
    case WM_CTLCOLORBTN:
        if (!Translucent())
            return false;
        result = reinterpret_cast<LRESULT>(HollowBackground(control, dc));
        return true;
    case WM_COMMAND:
        if (Translucent() && control && RepaintsOnCommand(GetClassNameText(control), HIWORD(wParam)))
            InvalidateRect(control, nullptr, TRUE);
        return false;
    case WM_NOTIFY: {
        // Copied before use: the sender may be another process.
        NMHDR header{};
        SIZE_T copied = 0;
        if (lParam &&
            ReadProcessMemory(GetCurrentProcess(), reinterpret_cast<LPCVOID>(lParam), &header, sizeof header,
                              &copied) &&
            copied == sizeof header &&
            (header.code == static_cast<UINT>(TVN_ITEMEXPANDEDA) ||
             header.code == static_cast<UINT>(TVN_ITEMEXPANDINGA)))
            InvalidateRect(header.hwndFrom, nullptr, TRUE);
        return false;
    }
    default:
        return false;
    }
}
