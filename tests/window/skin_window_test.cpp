// Taking over a top-level window and its message handling, on real windows
// driven with real messages.
#include "engine_fixture.h"

#include <algorithm>
#include <string>
#include <vector>

#include <tlhelp32.h>

#include "gallery_window.h"
#include "pump.h"
#include "skin_primitives.h"
#include "working_set.h"

namespace {

constexpr UINT kProbeMessage = WM_APP + 5;
constexpr LRESULT kProbeResult = 0x5EED;

struct Call {
    HWND window;
    UINT message;
    WPARAM wParam;
    LPARAM lParam;
};

// The application's own procedure of the test windows: records what
// reaches it, answers the probe message and swallows system commands so
// that nothing really maximises or closes behind the test's back.
std::vector<Call> g_ownCalls;

LRESULT CALLBACK OwnProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    g_ownCalls.push_back({window, message, wParam, lParam});
    if (message == kProbeMessage)
        return kProbeResult;
    if (message == WM_SYSCOMMAND)
        return 0;
    return DefWindowProcA(window, message, wParam, lParam);
}

HWND CreateOwnWindow(DWORD style, int width = 360, int height = 270)
{
    static const bool registered = [] {
        WNDCLASSA windowClass{};
        windowClass.style = CS_DBLCLKS;
        windowClass.lpfnWndProc = &OwnProcedure;
        windowClass.hInstance = GetModuleHandleA(nullptr);
        windowClass.lpszClassName = "SkinWindowTestWindow";
        return RegisterClassA(&windowClass) != 0;
    }();
    if (!registered)
        return nullptr;
    return CreateWindowExA(0, "SkinWindowTestWindow", "测试窗口", style | WS_VISIBLE, 50, 50, width, height,
                           nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
}

int IndexOf(HWND window) { return static_cast<int>(reinterpret_cast<INT_PTR>(GetPropA(window, "Hw_lbID"))); }

LPARAM Point(int x, int y) { return MAKELPARAM(x, y); }

// Whether a process runs the trimming utility.
bool UtilityRunning()
{
    HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
    if (snapshot == INVALID_HANDLE_VALUE)
        return false;
    PROCESSENTRY32 entry{};
    entry.dwSize = sizeof entry;
    bool running = false;
    for (BOOL more = Process32First(snapshot, &entry); more; more = Process32Next(snapshot, &entry))
        running = running || lstrcmpiA(entry.szExeFile, "empty.exe") == 0;
    CloseHandle(snapshot);
    return running;
}

class SkinWindowTest : public EngineTest {
protected:
    void SetUp() override
    {
        EngineTest::SetUp();
        g_ownCalls.clear();
    }
    HWND Skinned(DWORD style, SkinWindowOptions options = {})
    {
        HWND window = CreateOwnWindow(style);
        windows.push_back(window);
        engine->SkinWindow(window, options);
        return window;
    }
    // Centre of caption button `n` in client coordinates.
    POINT ButtonCentre(HWND window, int n)
    {
        const SkinRectF& r = RecordAt(IndexOf(window))->captionButtons[static_cast<size_t>(n - 1)].rect;
        return POINT{static_cast<LONG>(r.x + r.width / 2), static_cast<LONG>(r.y + r.height / 2)};
    }
    void Tick(HWND window, int times)
    {
        for (int i = 0; i < times; ++i)
            SendMessageA(window, WM_TIMER, reinterpret_cast<WPARAM>(window), 0);
    }
};

TEST_F(SkinWindowTest, TakeOverInstallsTheEngineLast)
{
    HWND window = CreateOwnWindow(WS_POPUP | WS_MINIMIZEBOX | WS_MAXIMIZEBOX);
    windows = {window};
    engine->SkinWindow(window);
    EXPECT_EQ(IndexOf(window), 1);
    // "Hw_hProc" leads to the window's own procedure.
    auto own = reinterpret_cast<WNDPROC>(GetPropA(window, "Hw_hProc"));
    ASSERT_NE(own, nullptr);
    g_ownCalls.clear();
    EXPECT_EQ(CallWindowProcA(own, window, kProbeMessage, 0, 0), kProbeResult);
    EXPECT_EQ(g_ownCalls.size(), 1u);
    // The window's procedure is now the engine's (the system may hand out
    // its own handle for it, so compare with a window given it directly).
    HWND reference = CreateOwnWindow(WS_POPUP);
    windows.push_back(reference);
    const LONG_PTR before = SetWindowLongPtrA(reference, GWLP_WNDPROC,
                                              reinterpret_cast<LONG_PTR>(SkinEngine::WindowProcEntry()));
    EXPECT_EQ(GetWindowLongPtrA(window, GWLP_WNDPROC), GetWindowLongPtrA(reference, GWLP_WNDPROC));
    SetWindowLongPtrA(reference, GWLP_WNDPROC, before);
    EXPECT_TRUE(GetWindowLongPtrA(window, GWL_STYLE) & WS_SYSMENU);
    WindowRecord& record = *RecordAt(1);
    EXPECT_TRUE(record.skinned);
    EXPECT_EQ(record.stripWidth, 95);
    EXPECT_EQ(engine->frameBorder, 3);
    EXPECT_EQ(record.toolTip.GetWindow() != nullptr, true);
    EXPECT_EQ(SendMessageA(record.toolTip.GetWindow(), TTM_GETTOOLCOUNT, 0, 0), 3);

    // A message reaches the engine and goes on, unchanged, to the window's
    // own procedure; its result comes back unchanged.
    g_ownCalls.clear();
    EXPECT_EQ(SendMessageA(window, kProbeMessage, 0x1234, 0x5678), kProbeResult);
    ASSERT_EQ(g_ownCalls.size(), 1u);
    EXPECT_EQ(g_ownCalls[0].window, window);
    EXPECT_EQ(g_ownCalls[0].message, kProbeMessage);
    EXPECT_EQ(g_ownCalls[0].wParam, 0x1234u);
    EXPECT_EQ(g_ownCalls[0].lParam, 0x5678);

    // A second take-over changes nothing.
    engine->SkinWindow(window, SkinWindowOptions{.captionHeight = 60});
    EXPECT_EQ(RecordCount(), 1);
    EXPECT_EQ(RecordAt(1)->captionHeight, 25);
    EXPECT_EQ(reinterpret_cast<WNDPROC>(GetPropA(window, "Hw_hProc")), own);
}

TEST_F(SkinWindowTest, StripWidthAndCaptionHeightFollowTheOptions)
{
    const struct {
        DWORD style;
        std::optional<int> captionHeight;
        int expectedHeight, stripWidth;
    } cases[] = {{WS_POPUP, 10, 25, 41}, {WS_POPUP | WS_MINIMIZEBOX | WS_MAXIMIZEBOX, std::nullopt, 25, 95},
                 {WS_POPUP | WS_MINIMIZEBOX, 40, 40, 68}};
    for (const auto& c : cases) {
        SkinWindowOptions options;
        options.captionHeight = c.captionHeight;
        HWND window = Skinned(c.style, options);
        const WindowRecord& record = *RecordAt(IndexOf(window));
        EXPECT_EQ(record.captionHeight, c.expectedHeight);
        EXPECT_EQ(record.stripWidth, c.stripWidth);
        EXPECT_EQ(record.statusBarHeight, 0) << "no status bar unless asked";
    }
}

TEST_F(SkinWindowTest, PaintShowsTheFrameImage)
{
    SetGalleryBackground(*engine);
    HWND window = Skinned(WS_POPUP | WS_MINIMIZEBOX);
    InvalidateRect(window, nullptr, TRUE);
    UpdateWindow(window);
    const WindowRecord& record = *RecordAt(IndexOf(window));
    EXPECT_FALSE(record.needsRender);
    HDC frame = record.BackgroundDC();
    ASSERT_NE(frame, nullptr);
    RECT onScreen;
    GetWindowRect(window, &onScreen);
    HDC screen = GetDC(nullptr);
    int same = 0;
    for (int y = 30; y < 260; y += 23)
        for (int x = 10; x < 350; x += 31)
            same += GetPixel(screen, onScreen.left + x, onScreen.top + y) == GetPixel(frame, x, y) ? 1 : 0;
    ReleaseDC(nullptr, screen);
    EXPECT_EQ(same, 10 * 11);
    EXPECT_EQ(SendMessageA(window, WM_ERASEBKGND, reinterpret_cast<WPARAM>(GetDC(window)), 0), 1);
    EXPECT_TRUE(SkinModule().memoryDCList.empty());
}

TEST_F(SkinWindowTest, HoverFadesInOnEnterAndOutOnLeave)
{
    HWND window = Skinned(WS_POPUP | WS_MINIMIZEBOX | WS_MAXIMIZEBOX);
    UpdateWindow(window);
    WindowRecord& record = *RecordAt(IndexOf(window));
    const POINT first = ButtonCentre(window, 1), second = ButtonCentre(window, 2);

    SendMessageA(window, WM_MOUSEHOVER, 0, 0);
    EXPECT_TRUE(record.mouseInside);
    SendMessageA(window, WM_MOUSEMOVE, 0, Point(first.x, first.y));
    EXPECT_TRUE(record.hoverTimerRunning);
    EXPECT_EQ(record.hotButton, 1);
    EXPECT_EQ(record.fadeIn.button, 1);
    EXPECT_EQ(engine->pressedButton, 1);
    Tick(window, 3);
    EXPECT_EQ(record.fadeIn.step, 3);
    Tick(window, 10);
    EXPECT_EQ(record.fadeIn.step, 8) << "stops at the full intensity 240";
    EXPECT_TRUE(record.hoverTimerRunning) << "stays lit while the mouse is on it";

    // Quickly on to the next button: the first fades out, the second in.
    SendMessageA(window, WM_MOUSEMOVE, 0, Point(second.x, second.y));
    EXPECT_EQ(record.fadeOut.button, 1);
    EXPECT_EQ(record.fadeOut.step, 0);
    EXPECT_EQ(record.fadeIn.button, 2);
    EXPECT_EQ(record.hotButton, 2);
    Tick(window, 8);

    // Leaving the window fades the lit button out and stops the timer.
    SendMessageA(window, WM_MOUSELEAVE, 0, 0);
    EXPECT_FALSE(record.mouseInside);
    EXPECT_EQ(record.fadeOut.button, 2);
    EXPECT_EQ(record.hotButton, 0);
    Tick(window, 7);
    EXPECT_EQ(record.fadeOut.step, 7);
    EXPECT_TRUE(record.hoverTimerRunning);
    Tick(window, 1);
    EXPECT_FALSE(record.hoverTimerRunning);
    EXPECT_EQ(record.fadeIn.button, 0);
    EXPECT_EQ(record.fadeOut.button, 0);
}

// The real 20 ms timer, identified by the window handle, drives the fade.
TEST_F(SkinWindowTest, FadeTimerIsTheWindowHandleAt20Milliseconds)
{
    HWND window = Skinned(WS_POPUP | WS_MINIMIZEBOX);
    WindowRecord& record = *RecordAt(IndexOf(window));
    const POINT centre = ButtonCentre(window, 1);
    SendMessageA(window, WM_MOUSEHOVER, 0, 0);
    SendMessageA(window, WM_MOUSEMOVE, 0, Point(centre.x, centre.y));
    // Count the timer messages the window receives.
    int ticks = 0;
    EXPECT_TRUE(PumpUntil(
        [&] { return record.fadeIn.step == 8; },
        [&](MSG& message) {
            if (message.hwnd == window && message.message == WM_TIMER &&
                message.wParam == reinterpret_cast<WPARAM>(window))
                ++ticks;
            DispatchMessageA(&message);
        },
        3000));
    EXPECT_GE(ticks, 8);
    // Away from the strip and out of the window: the timer ends itself.
    SendMessageA(window, WM_MOUSEMOVE, 0, Point(100, 150));
    SendMessageA(window, WM_MOUSELEAVE, 0, 0);
    EXPECT_TRUE(PumpUntil([&] { return !record.hoverTimerRunning && record.fadeOut.button == 0; }, 3000));
    ticks = 0;
    PumpUntil([] { return false; },
              [&](MSG& message) {
                  if (message.hwnd == window && message.message == WM_TIMER)
                      ++ticks;
                  DispatchMessageA(&message);
              },
              150);
    EXPECT_EQ(ticks, 0) << "the timer was killed";
}

TEST_F(SkinWindowTest, ReleaseRunsTheButtonUnderTheMouseAtTheLastMoveOrPress)
{
    SetGalleryBackground(*engine);
    HWND window = CreateGalleryWindow(*engine, false);
    windows = {window};
    const int index = IndexOf(window);
    const WindowRecord& record = *RecordAt(index);
    ASSERT_EQ(record.captionButtons[0].kind, kCaptionHelp);
    ASSERT_EQ(record.captionButtons[1].kind, kCaptionMenu);
    const POINT help = ButtonCentre(window, 1), menu = ButtonCentre(window, 2);

    SendMessageA(window, WM_LBUTTONDOWN, MK_LBUTTON, Point(help.x, help.y));
    EXPECT_EQ(engine->pressedButton, 1);
    SendMessageA(window, WM_MOUSEMOVE, MK_LBUTTON, Point(menu.x, menu.y));
    SendMessageA(window, WM_LBUTTONUP, 0, Point(menu.x, menu.y));
    EXPECT_EQ(record.statusBarParts[1].text, "主菜单") << "the menu button ran, not help";

    // Moving off every button before the release runs none.
    engine->SetStatusPart(window, 2, "就绪");
    SendMessageA(window, WM_LBUTTONDOWN, MK_LBUTTON, Point(help.x, help.y));
    SendMessageA(window, WM_MOUSEMOVE, MK_LBUTTON, Point(200, 200));
    SendMessageA(window, WM_LBUTTONUP, 0, Point(help.x, help.y));
    EXPECT_EQ(record.statusBarParts[1].text, "就绪");
}

TEST_F(SkinWindowTest, DoubleClickOnTheCaptionMaximisesOnlyResizableWindows)
{
    for (const bool resizable : {false, true}) {
        SCOPED_TRACE(resizable);
        HWND window = Skinned(WS_POPUP | WS_MINIMIZEBOX | WS_MAXIMIZEBOX, SkinWindowOptions{.resizable = resizable});
        const WindowRecord& record = *RecordAt(IndexOf(window));
        g_ownCalls.clear();
        SendMessageA(window, WM_LBUTTONDBLCLK, MK_LBUTTON, Point(100, 10));
        EXPECT_EQ(record.maximised, resizable);
        const bool sentMaximise = std::any_of(g_ownCalls.begin(), g_ownCalls.end(), [](const Call& call) {
            return call.message == WM_SYSCOMMAND && call.wParam == SC_MAXIMIZE;
        });
        EXPECT_EQ(sentMaximise, resizable);
    }
}

TEST_F(SkinWindowTest, SystemCommandsAreComparedWhole)
{
    HWND window = Skinned(WS_POPUP | WS_MINIMIZEBOX);
    WindowRecord& record = *RecordAt(IndexOf(window));
    record.needsRender = false;
    SendMessageA(window, WM_SYSCOMMAND, 0xF032, 0);
    EXPECT_FALSE(record.maximised);
    EXPECT_FALSE(record.needsRender);
    SendMessageA(window, WM_SYSCOMMAND, SC_MAXIMIZE, 0);
    EXPECT_TRUE(record.maximised);
    EXPECT_TRUE(record.needsRender);
    SendMessageA(window, WM_SYSCOMMAND, SC_MINIMIZE, 0);
    EXPECT_TRUE(record.minimised);
    SendMessageA(window, WM_QUERYOPEN, 0, 0);
    EXPECT_FALSE(record.minimised);
}

TEST_F(SkinWindowTest, SizeLimits)
{
    HWND window = Skinned(WS_POPUP | WS_MINIMIZEBOX | WS_MAXIMIZEBOX);
    WindowRecord& record = *RecordAt(IndexOf(window));
    MINMAXINFO limits{};
    limits.ptMaxSize = {1, 2};
    SendMessageA(window, WM_GETMINMAXINFO, 0, reinterpret_cast<LPARAM>(&limits));
    EXPECT_EQ(limits.ptMinTrackSize.x, 200);
    EXPECT_EQ(limits.ptMinTrackSize.y, 150);
    EXPECT_EQ(limits.ptMaxTrackSize.x, GetSystemMetrics(SM_CXSCREEN));
    EXPECT_EQ(limits.ptMaxTrackSize.y, GetSystemMetrics(SM_CYSCREEN));
    EXPECT_EQ(limits.ptMaxSize.x, 1) << "left as it was";
    record.maximised = true;
    SendMessageA(window, WM_GETMINMAXINFO, 0, reinterpret_cast<LPARAM>(&limits));
    // While maximised: the screen less the task bar (none counts as 0).
    RECT taskBar{};
    if (HWND tray = FindWindowA("Shell_TrayWnd", nullptr))
        GetWindowRect(tray, &taskBar);
    EXPECT_EQ(limits.ptMaxTrackSize.x, GetSystemMetrics(SM_CXSCREEN));
    EXPECT_EQ(limits.ptMaxTrackSize.y, GetSystemMetrics(SM_CYSCREEN) - (taskBar.bottom - taskBar.top));
    EXPECT_EQ(limits.ptMinTrackSize.x, 200);
}

TEST_F(SkinWindowTest, MaximisingOverTheWholeScreenIsCorrected)
{
    HWND window = Skinned(WS_POPUP | WS_MINIMIZEBOX | WS_MAXIMIZEBOX);
    const WindowRecord& record = *RecordAt(IndexOf(window));
    SetWindowPos(window, nullptr, 0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN),
                 SWP_NOZORDER);
    EXPECT_TRUE(record.maximised);
    EXPECT_EQ(record.stripX, GetSystemMetrics(SM_CXSCREEN) - record.stripWidth + 1) << "buttons laid out anew";
}

TEST_F(SkinWindowTest, DestroyingTheFirstWindowRenumbersTheSecond)
{
    HWND first = Skinned(WS_POPUP | WS_MINIMIZEBOX);
    HWND second = Skinned(WS_POPUP | WS_MINIMIZEBOX);
    ASSERT_EQ(IndexOf(second), 2);
    // A control, a label and a frame registered under the second window.
    HWND control = CreateWindowExA(0, "Button", "", WS_CHILD, 0, 0, 10, 10, second, nullptr, nullptr, nullptr);
    HWND label = CreateWindowExA(0, "Static", "", WS_CHILD, 0, 0, 10, 10, second, nullptr, nullptr, nullptr);
    HWND frame = CreateWindowExA(0, "Static", "", WS_CHILD, 0, 0, 10, 10, second, nullptr, nullptr, nullptr);
    WindowRecord& record = *RecordAt(2);
    record.buttons.At(record.buttons.Append())->window = control;
    record.labels.At(record.labels.Append())->window = label;
    record.frames.At(record.frames.Append())->window = frame;
    SetPropA(control, "Hw_FuID", reinterpret_cast<HANDLE>(2));
    SetPropA(label, "Kj_FuID", reinterpret_cast<HANDLE>(2));
    SetPropA(frame, "Hw_FuID", reinterpret_cast<HANDLE>(2));

    DestroyWindow(first);
    EXPECT_EQ(RecordCount(), 1);
    EXPECT_EQ(IndexOf(second), 1);
    EXPECT_EQ(GetPropA(control, "Hw_FuID"), reinterpret_cast<HANDLE>(1));
    EXPECT_EQ(GetPropA(label, "Kj_FuID"), reinterpret_cast<HANDLE>(1));
    EXPECT_EQ(GetPropA(frame, "Hw_FuID"), reinterpret_cast<HANDLE>(1));
    EXPECT_EQ(RecordAt(1)->window, second);
    DestroyWindow(second);
    EXPECT_EQ(RecordCount(), 0);
    EXPECT_TRUE(SkinModule().memoryDCList.empty());
}

// An index that no longer leads to a record: the message goes only to the
// window's own procedure.
TEST_F(SkinWindowTest, MessagesForAWindowWithoutRecordGoToItsOwnProcedure)
{
    HWND window = Skinned(WS_POPUP | WS_MINIMIZEBOX);
    SetPropA(window, "Hw_lbID", reinterpret_cast<HANDLE>(42));
    g_ownCalls.clear();
    for (UINT message : {WM_MOUSEMOVE, WM_LBUTTONDOWN, WM_LBUTTONUP, WM_TIMER, WM_SIZE, WM_MOUSELEAVE})
        SendMessageA(window, message, reinterpret_cast<WPARAM>(window), Point(5, 5));
    EXPECT_EQ(g_ownCalls.size(), 6u);
    EXPECT_EQ(SendMessageA(window, kProbeMessage, 0, 0), kProbeResult);
    SetPropA(window, "Hw_lbID", reinterpret_cast<HANDLE>(1));
    EXPECT_EQ(RecordCount(), 1);
}

TEST_F(SkinWindowTest, LosingActivationRunsTheTrimmingUtility)
{
    HWND window = Skinned(WS_POPUP | WS_MINIMIZEBOX);
    char windowsDirectory[MAX_PATH] = "";
    GetEnvironmentVariableA("windir", windowsDirectory, MAX_PATH);
    const std::string utility = std::string(windowsDirectory) + "\\empty.exe";
    // A run started earlier may still hold the file.
    ASSERT_TRUE(PumpUntil([&] { return DeleteFileA(utility.c_str()) || GetLastError() == ERROR_FILE_NOT_FOUND; }, 5000));
    SendMessageA(window, WM_ACTIVATEAPP, TRUE, 0);
    PumpFor(200);
    EXPECT_EQ(GetFileAttributesA(utility.c_str()), INVALID_FILE_ATTRIBUTES) << "activation does not trim";
    SendMessageA(window, WM_ACTIVATEAPP, FALSE, 0);
    EXPECT_TRUE(PumpUntil([&] { return GetFileAttributesA(utility.c_str()) != INVALID_FILE_ATTRIBUTES; }, 5000));
    // The run finishes; the end of the program waits for it.
    EXPECT_TRUE(WaitForWorkingSetTrims(10000));
    EXPECT_FALSE(UtilityRunning());
}

} // namespace
