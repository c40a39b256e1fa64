#pragma once
// A skin engine with GDI+ running, and real test windows registered in its
// window table the way the take-over registers them.
#include <windows.h>

#include <gtest/gtest.h>

#include <memory>

#include "skin_engine.h"

// Reads one pixel of a DC (a COLORREF, 0x00BBGGRR).
COLORREF PixelAt(HDC dc, int x, int y);

// A visible top-level test window with a client area of the given size.
HWND CreateTestWindow(int clientWidth, int clientHeight, DWORD style = WS_POPUP | WS_VISIBLE);

class EngineTest : public testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // Appends a record for `window` to the table with a frame image filled
    // with `fill` and sets "Hw_lbID"; returns the record's index.
    int RegisterWindow(HWND window, COLORREF fill);

    std::unique_ptr<SkinEngine> engine;
    std::vector<HWND> windows;
};
