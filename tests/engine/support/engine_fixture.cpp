#include "engine_fixture.h"

#include "pump.h"

COLORREF PixelAt(HDC dc, int x, int y)
{
    return GetPixel(dc, x, y);
}

HWND CreateTestWindow(int clientWidth, int clientHeight, DWORD style)
{
    RECT rect{0, 0, clientWidth, clientHeight};
    AdjustWindowRectEx(&rect, style, FALSE, 0);
    return CreateWindowExA(0, "Static", "", style, 100, 100, rect.right - rect.left, rect.bottom - rect.top, nullptr,
                           nullptr, GetModuleHandleA(nullptr), nullptr);
}

void EngineTest::SetUp()
{
    // A cursor left over a test window by an earlier test would make the
    // system send mouse moves that paint controls hot behind the test's back.
    SetCursorPos(GetSystemMetrics(SM_CXSCREEN) - 1, GetSystemMetrics(SM_CYSCREEN) - 1);
    engine = std::make_unique<SkinEngine>();
    engine->StartModule();
}

void EngineTest::TearDown()
{
    for (HWND window : windows)
        DestroyWindow(window);
    engine.reset();
    FreeSkinModule();
    PumpMessages();
}

int EngineTest::RegisterWindow(HWND window, COLORREF fill)
{
    auto record = std::make_unique<WindowRecord>();
    record->window = window;
    RECT client;
    GetClientRect(window, &client);
    HDC screen = GetDC(nullptr);
    record->background.Select(CreateCompatibleBitmap(screen, client.right, client.bottom));
    ReleaseDC(nullptr, screen);
    HBRUSH brush = CreateSolidBrush(fill);
    FillRect(record->BackgroundDC(), &client, brush);
    DeleteObject(brush);
    SkinModule().windowTable.push_back(std::move(record));
    const int index = RecordCount();
    SetPropA(window, "Hw_lbID", reinterpret_cast<HANDLE>(static_cast<INT_PTR>(index)));
    return index;
}
