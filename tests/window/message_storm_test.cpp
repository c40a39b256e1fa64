// A storm of random messages on a skinned window: nothing crashes, no
// memory DC is left behind, and the window still paints its frame image.
#include "engine_fixture.h"

#include <psapi.h>

#include <cstdio>
#include <random>

#include "gallery_window.h"
#include "pump.h"

namespace {

WNDPROC g_engineProcedure = nullptr;
WNDPROC g_ownProcedure = nullptr;

// Stands in for the window's own procedure during the storm: the engine
// still sees every maximise, minimise and restore command and keeps its
// state, but the window keeps its size (a real change of size costs a full
// render each time and would make the storm take minutes).
LRESULT CALLBACK KeepSize(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_SYSCOMMAND) {
        const WPARAM command = wParam & 0xFFF0;
        if (command == SC_MAXIMIZE || command == SC_MINIMIZE || command == SC_RESTORE)
            return 0;
    }
    return CallWindowProcA(g_ownProcedure, window, message, wParam, lParam);
}

// Outermost procedure of the storm window: keeps the storm from starting
// what would wait for a real mouse or end the window (moving, sizing and
// closing loops), and passes everything else to the engine.
LRESULT CALLBACK StormGuard(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_NCLBUTTONDOWN)
        return 0;
    if (message == WM_SYSCOMMAND) {
        const WPARAM command = wParam & 0xFFF0;
        if (command == SC_SIZE || command == SC_MOVE || command == SC_CLOSE || command == SC_KEYMENU ||
            command == SC_MOUSEMENU || command == SC_TASKLIST || command == SC_SCREENSAVE ||
            command == SC_MONITORPOWER || command == SC_HOTKEY)
            return 0;
    }
    return CallWindowProcA(g_engineProcedure, window, message, wParam, lParam);
}

size_t PrivateBytes()
{
    PROCESS_MEMORY_COUNTERS counters{};
    counters.cb = sizeof counters;
    GetProcessMemoryInfo(GetCurrentProcess(), &counters, sizeof counters);
    return counters.PagefileUsage;
}

class MessageStormTest : public EngineTest {};

TEST_F(MessageStormTest, RandomValueMessagesLeaveTheWindowWorking)
{
    SetGalleryBackground(*engine);
    HWND window = CreateGalleryWindow(*engine, false);
    ASSERT_NE(window, nullptr);
    windows = {window};
    g_engineProcedure = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrA(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&StormGuard)));
    g_ownProcedure = reinterpret_cast<WNDPROC>(GetPropA(window, "Hw_hProc"));
    SetPropA(window, "Hw_hProc", reinterpret_cast<HANDLE>(&KeepSize));
    const int index = static_cast<int>(reinterpret_cast<INT_PTR>(GetPropA(window, "Hw_lbID")));
    const WindowRecord& record = *RecordAt(index);
    const int stripLeft = record.stripX, stripRight = record.stripX + record.stripWidth;

    std::mt19937 random(20261211);
    const auto any = [&](int low, int high) { return std::uniform_int_distribution<int>(low, high)(random); };
    const auto position = [&] {
        // Half of the points fall on the caption-button strip.
        if (any(0, 1) == 0)
            return MAKELPARAM(any(stripLeft - 4, stripRight + 2), any(-2, 24));
        return MAKELPARAM(any(-50, kGalleryWidth + 50), any(-50, kGalleryHeight + 50));
    };
    const WPARAM commands[] = {SC_MAXIMIZE, SC_RESTORE, SC_MINIMIZE, 0xF032, SC_SIZE, SC_MOVE, SC_CLOSE, 0x1234};

    const size_t before = PrivateBytes();
    const DWORD start = GetTickCount();
    constexpr int kMessages = 100000;
    for (int i = 0; i < kMessages; ++i) {
        const int kind = any(0, 999);
        if (kind < 300) {
            SendMessageA(window, WM_MOUSEMOVE, any(0, 3), position());
        } else if (kind < 380) {
            SendMessageA(window, WM_LBUTTONDOWN, MK_LBUTTON, position());
        } else if (kind < 460) {
            SendMessageA(window, WM_LBUTTONUP, 0, position());
        } else if (kind < 480) {
            SendMessageA(window, WM_LBUTTONDBLCLK, MK_LBUTTON, position());
        } else if (kind < 640) {
            SendMessageA(window, WM_TIMER, any(0, 1) ? reinterpret_cast<WPARAM>(window) : any(0, 100), 0);
        } else if (kind < 680) {
            SendMessageA(window, WM_MOUSEHOVER, 0, position());
        } else if (kind < 720) {
            SendMessageA(window, WM_MOUSELEAVE, 0, 0);
        } else if (kind < 760) {
            SendMessageA(window, any(0, 1) ? WM_KEYDOWN : WM_KEYUP, any(0, 255), any(0, 0x7FFFFFFF));
        } else if (kind < 780) {
            SendMessageA(window, WM_CHAR, any(32, 126), 1);
        } else if (kind < 820) {
            SendMessageA(window, WM_SIZE, any(0, 4), MAKELPARAM(any(0, 2000), any(0, 2000)));
        } else if (kind < 850) {
            SendMessageA(window, WM_MOVE, 0, MAKELPARAM(any(-500, 2000), any(-500, 2000)));
        } else if (kind < 851) {
            SendMessageA(window, WM_SHOWWINDOW, any(0, 1), any(0, 3));
        } else if (kind < 870) {
            SendMessageA(window, WM_ACTIVATE, any(0, 2), 0);
        } else if (kind < 880) {
            SendMessageA(window, WM_ACTIVATEAPP, TRUE, any(0, 5000));
        } else if (kind < 900) {
            SendMessageA(window, WM_SYSCOMMAND, commands[any(0, 7)], position());
        } else if (kind < 950) {
            // From senders that are not windows of this program.
            SendMessageA(window, WM_COMMAND, MAKEWPARAM(any(0, 0xFFFF), any(0, 0xFFFF)), any(1, 0xFFFF) * 16 + 7);
        } else if (kind < 970) {
            SendMessageA(window, WM_MOUSEWHEEL, MAKEWPARAM(0, any(-360, 360)), position());
        } else if (kind < 990) {
            SendMessageA(window, any(0, 1) ? WM_VSCROLL : WM_HSCROLL, any(0, 8), 0);
        } else if (kind < 998) {
            SendMessageA(window, WM_NCMOUSEMOVE, HTCAPTION, position());
        } else {
            SendMessageA(window, WM_PAINT, 0, 0);
        }
        if (i % 1000 == 0)
            PumpMessages();
    }
    const DWORD elapsed = GetTickCount() - start;
    PumpMessages();
    const size_t after = PrivateBytes();
    std::printf("message storm: %d messages in %lu ms; memory %zu -> %zu bytes; memory DCs left: %zu\n", kMessages,
                elapsed, before, after, SkinModule().memoryDCList.size());

    ASSERT_TRUE(IsWindow(window));
    EXPECT_EQ(RecordCount(), 1);
    EXPECT_TRUE(SkinModule().memoryDCList.empty());
    EXPECT_LT(after, before + 8 * 1024 * 1024) << "memory grows without bound";

    // Back to normal, then an ordinary paint shows the frame image.
    SetPropA(window, "Hw_hProc", reinterpret_cast<HANDLE>(g_ownProcedure));
    SendMessageA(window, WM_MOUSELEAVE, 0, 0);
    ShowWindow(window, SW_RESTORE);
    SetWindowPos(window, nullptr, 100, 100, kGalleryWidth, kGalleryHeight, SWP_NOZORDER);
    WindowRecord& live = *RecordAt(index);
    live.maximised = false;
    live.minimised = false;
    live.needsRender = true;
    InvalidateRect(window, nullptr, TRUE);
    UpdateWindow(window);
    HDC frame = live.BackgroundDC();
    RECT onScreen;
    GetWindowRect(window, &onScreen);
    HDC screen = GetDC(nullptr);
    int same = 0, probes = 0;
    for (int y = 40; y < kGalleryHeight - 40; y += 29) {
        for (int x = 10; x < kGalleryWidth - 10; x += 37) {
            ++probes;
            same += GetPixel(screen, onScreen.left + x, onScreen.top + y) == GetPixel(frame, x, y) ? 1 : 0;
        }
    }
    ReleaseDC(nullptr, screen);
    EXPECT_EQ(same, probes);
    EXPECT_EQ(GetPixel(frame, 0, 0), RGB(255, 0, 255)) << "a freshly rendered image";
    SetWindowLongPtrA(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(g_engineProcedure));
}

} // namespace
