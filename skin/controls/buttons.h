#pragma once
// What every skinned button shares: its record lookup, the subclass
// procedure of all button kinds, the repaint in a given state, the font
// query, and the painters of check boxes and radio buttons.
#include <windows.h>

#include <string>

struct ButtonRecord;
struct WindowRecord;

// Owner-draw state bit the skin sets itself for a button under the mouse.
#ifndef ODS_HOTLIGHT
#define ODS_HOTLIGHT 0x0040
#endif

// Colour of the focus and hover glows of skinned buttons.
inline constexpr COLORREF kButtonGlowColour = RGB(34, 202, 221);

// Class code of buttons in the hover bookkeeping (hotControlClass).
inline constexpr int kHotClassButton = 0;

struct ControlFont {
    std::string name;
    int size = 0;  // pixels
    int style = 0; // GDI+ style bits
};

// The family, pixel size and style of the font a control draws with (its
// WM_GETFONT font, or its DC's font when it has none). Empty name and size
// 0 when GDI+ cannot describe the font.
ControlFont ReadControlFont(HWND control);
// The caption font of a skinned button from ReadControlFont, with
// fall-backs: "宋体" for an empty family name, 12 pixels for a zero size.
void SetCaptionFont(ButtonRecord& entry, HWND button);

// 1-based index of `button` in the record's button list, 0 when absent.
int FindButtonRecord(int recordIndex, HWND button);
// The record of a skinned button through its "Hw_FuID" and "Hw_lbID"
// properties; null unless they lead to a record of this very button.
// `owner` and `index` receive the owning window's record and the
// button's index.
ButtonRecord* ButtonRecordOf(HWND button, WindowRecord** owner = nullptr, int* index = nullptr);

// Registers `button` in the record's button list with `kind` and puts
// ButtonProc in front of its procedure. Returns the new entry, or null
// when the record does not exist or the button is registered or
// subclassed by the skin already.
ButtonRecord* RegisterSkinnedButton(int recordIndex, HWND button, int kind);

// The subclass procedure of every skinned button kind.
LRESULT CALLBACK ButtonProc(HWND button, UINT message, WPARAM wParam, LPARAM lParam);
// Paints the button now in `state` (owner-draw bits), hot when `hot`,
// into `target` or, when it is null, through a DC of the button's own.
// False when the button is not a skinned one with a painter. A caller that
// has just found the button's record passes it in `record`; otherwise it
// is found through the button's properties.
bool RepaintButton(HWND button, UINT state, bool hot, HDC target = nullptr, const ButtonRecord* record = nullptr);

// Push-button test: BS_PUSHBUTTON, BS_DEFPUSHBUTTON, BS_USERBUTTON.
bool IsPlainPushButton(HWND button);
bool IsPlainPushButtonStyle(LONG_PTR style);
// Check-box test: BS_CHECKBOX, BS_AUTOCHECKBOX (and BS_PUSHBOX, which
// shares their bits).
bool IsCheckBox(HWND button);
bool IsCheckBoxStyle(LONG_PTR style);

// Paint the whole check box or radio button now, into `target` or, when
// it is null, through a DC of their own; only ODS_HOTLIGHT in `state`
// changes the look. `record` as for RepaintButton.
void PaintCheckBox(HWND button, UINT state, HDC target = nullptr, const ButtonRecord* record = nullptr);
void PaintRadioButton(HWND button, UINT state, HDC target = nullptr, const ButtonRecord* record = nullptr);
