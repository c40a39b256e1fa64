#pragma once
// The real mouse in the hover tests of skinned controls: parked out of
// every window, moved onto a point of a control, its left button pressed
// and released; and the entry of a skinned control in its class list.
#include "control_test_support.h"

#include "pump.h"

namespace control_test {

inline void ParkMouse()
{
    MoveMouseTo({GetSystemMetrics(SM_CXSCREEN) - 2, GetSystemMetrics(SM_CYSCREEN) - 2});
    PumpMessages();
}

// The real mouse at client point (x, y) of the control; waits until the
// cursor is there and the moves are handled.
inline void MoveOnto(HWND control, int x, int y)
{
    POINT point{x, y};
    ClientToScreen(control, &point);
    MoveMouseTo(point);
    PumpUntil([&] {
        POINT cursor;
        GetCursorPos(&cursor);
        return cursor.x == point.x && cursor.y == point.y;
    });
    PumpMessages();
}

// MOUSEEVENTF_LEFTDOWN or MOUSEEVENTF_LEFTUP where the cursor is.
inline void PressMouse(DWORD flags)
{
    INPUT input{};
    input.type = INPUT_MOUSE;
    input.mi.dwFlags = flags;
    SendInput(1, &input, sizeof input);
}

// The entry of a skinned control, found through its properties.
template <typename Entry>
const Entry& EntryOf(HWND control, SkinList<Entry> WindowRecord::*list)
{
    return *(RecordAt(Property(control, "Hw_FuID"))->*list).At(Property(control, "Hw_lbID"));
}

} // namespace control_test
