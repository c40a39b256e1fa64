#pragma once
// Skinned parent windows with button children for the button tests, and
// pixel captures of what reached the screen.
#include "engine_fixture.h"

#include <ostream>
#include <vector>

#include "buttons.h"
#include "pump.h"
#include "skin_module.h"

namespace button_test {

// Grey: neutral, so any colour in a probe comes from the skin.
inline constexpr COLORREF kBackColour = RGB(128, 128, 128);
inline constexpr COLORREF kAccent = RGB(34, 202, 221);

// Notifications the parent received: (control id, code).
struct Notification {
    int id;
    int code;
};
inline std::vector<Notification> g_notifications;

inline LRESULT CALLBACK ParentProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_COMMAND && lParam)
        g_notifications.push_back({LOWORD(wParam), HIWORD(wParam)});
    return DefWindowProcA(window, message, wParam, lParam);
}

inline int CountNotifications(int id, int code)
{
    int count = 0;
    for (const Notification& n : g_notifications)
        count += (n.id == id && n.code == code) ? 1 : 0;
    return count;
}

inline HWND CreateParent(int width = 360, int height = 240)
{
    static const bool registered = [] {
        WNDCLASSA windowClass{};
        windowClass.style = CS_DBLCLKS;
        windowClass.lpfnWndProc = &ParentProcedure;
        windowClass.hInstance = GetModuleHandleA(nullptr);
        windowClass.hCursor = LoadCursor(nullptr, IDC_ARROW);
        windowClass.lpszClassName = "ButtonTestParent";
        return RegisterClassA(&windowClass) != 0;
    }();
    if (!registered)
        return nullptr;
    return CreateWindowExA(0, "ButtonTestParent", "按钮测试", WS_POPUP | WS_VISIBLE | WS_CLIPCHILDREN, 40, 40, width,
                           height, nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
}

// A font the way a dialog gives its controls one.
inline HFONT CaptionFont()
{
    static HFONT font = CreateFontA(-12, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, GB2312_CHARSET, OUT_DEFAULT_PRECIS,
                                    CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH, "宋体");
    return font;
}

inline HWND AddButton(HWND parent, DWORD style, const char* text, int x, int y, int width, int height, int id)
{
    HWND button = CreateWindowExA(0, "BUTTON", text, WS_CHILD | WS_VISIBLE | style, x, y, width, height, parent,
                                  reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), GetModuleHandleA(nullptr),
                                  nullptr);
    SendMessageA(button, WM_SETFONT, reinterpret_cast<WPARAM>(CaptionFont()), FALSE);
    return button;
}

inline int IntProperty(HWND window, const char* name)
{
    return static_cast<int>(reinterpret_cast<INT_PTR>(GetPropA(window, name)));
}

// Pixels of a width x height area, row by row (COLORREFs).
struct Pixels {
    int width = 0, height = 0;
    std::vector<COLORREF> values;
    COLORREF At(int x, int y) const { return values[static_cast<size_t>(y * width + x)]; }
    bool operator==(const Pixels& other) const = default;
};

// Failure output: the size and a digest, not 8 bytes of vector.
inline void PrintTo(const Pixels& pixels, std::ostream* out)
{
    DWORD digest = 2166136261u;
    for (COLORREF c : pixels.values)
        digest = (digest ^ c) * 16777619u;
    *out << pixels.width << " x " << pixels.height << " pixels, digest " << std::hex << digest << std::dec;
}

// Reads a 32-bit DIB section selected into a memory DC.
inline Pixels ReadSurface(const void* bits, int width, int height)
{
    Pixels result{width, height, {}};
    const auto* words = static_cast<const DWORD*>(bits);
    for (int i = 0; i < width * height; ++i) {
        const DWORD v = words[i];
        result.values.push_back(RGB((v >> 16) & 0xFF, (v >> 8) & 0xFF, v & 0xFF));
    }
    return result;
}

// Runs `draw` on a memory DC of width x height and returns its pixels.
template <typename Draw>
Pixels DrawOffScreen(int width, int height, Draw draw)
{
    BITMAPINFO info{};
    info.bmiHeader = {sizeof info.bmiHeader, width, -height, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    void* bits = nullptr;
    HBITMAP surface = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    HDC dc = CreateCompatibleDC(nullptr);
    HGDIOBJ previous = SelectObject(dc, surface);
    draw(dc);
    GdiFlush();
    Pixels result = ReadSurface(bits, width, height);
    SelectObject(dc, previous);
    DeleteDC(dc);
    DeleteObject(surface);
    return result;
}

// Wine keeps what windows paint in a surface of its own and hands it to
// the X server when the thread looks for a message and finds none. A
// look for a message that never comes does that without dispatching
// anything that is queued.
inline void FlushToScreen()
{
    MSG message;
    PeekMessageA(&message, nullptr, WM_APP + 0x3F00, WM_APP + 0x3F00, PM_NOREMOVE);
}

// What the screen shows of a window's client area now. The window
// system puts painted pixels on the screen through its own connection,
// which may lag behind a read: read until two reads agree.
inline Pixels Screen(HWND window)
{
    FlushToScreen();
    RECT client{};
    GetClientRect(window, &client);
    POINT origin{0, 0};
    ClientToScreen(window, &origin);
    const auto read = [&] {
        return DrawOffScreen(client.right, client.bottom, [&](HDC dc) {
            HDC screen = GetDC(nullptr);
            BitBlt(dc, 0, 0, client.right, client.bottom, screen, origin.x, origin.y, SRCCOPY);
            ReleaseDC(nullptr, screen);
        });
    };
    Pixels last = read();
    for (int attempt = 0; attempt < 20; ++attempt) {
        Sleep(5);
        Pixels again = read();
        if (again == last)
            break;
        last = std::move(again);
    }
    return last;
}

// What the window's own surface holds of its client area (children
// included), whatever has reached the screen.
inline Pixels Surface(HWND window)
{
    RECT client{};
    GetClientRect(window, &client);
    return DrawOffScreen(client.right, client.bottom, [&](HDC dc) {
        HDC own = GetDC(window);
        BitBlt(dc, 0, 0, client.right, client.bottom, own, 0, 0, SRCCOPY);
        ReleaseDC(window, own);
    });
}

// Waits (pumping messages) until the screen shows what the window painted:
// a window appears on the screen a moment after it is shown.
inline bool WaitUntilOnScreen(HWND window)
{
    return PumpUntil([window] { return Screen(window) == Surface(window); }, 3000);
}

// The look a button's face painter gives it in `state`, drawn off screen.
template <typename Painter>
Pixels Painted(HWND button, Painter paint, UINT state)
{
    RECT client{};
    GetClientRect(button, &client);
    return DrawOffScreen(client.right, client.bottom, [&](HDC dc) { paint(button, dc, state, client); });
}

inline int Red(COLORREF c) { return GetRValue(c); }
inline int Green(COLORREF c) { return GetGValue(c); }
inline int Blue(COLORREF c) { return GetBValue(c); }

// Number of pixels in the area for which `test` holds.
template <typename Test>
int CountPixels(const Pixels& pixels, RECT area, Test test)
{
    int count = 0;
    for (int y = area.top; y < area.bottom; ++y)
        for (int x = area.left; x < area.right; ++x)
            count += test(pixels.At(x, y)) ? 1 : 0;
    return count;
}

inline bool IsDark(COLORREF c) { return Red(c) + Green(c) + Blue(c) < 240; }

// A test with a skinned parent window over a flat grey background.
class SkinnedParentTest : public EngineTest {
protected:
    void SetUp() override
    {
        EngineTest::SetUp();
        g_notifications.clear();
        BackgroundPictureOptions background;
        background.backColour = kBackColour;
        engine->SetBackgroundPicture(background);
        parent = CreateParent();
        windows.push_back(parent);
    }
    void TearDown() override
    {
        SkinModule().skinControls = true;
        EngineTest::TearDown();
    }
    // Skins the parent and lets everything paint.
    void SkinAndShow()
    {
        engine->SkinWindow(parent);
        Show();
    }
    void Show()
    {
        RedrawWindow(parent, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
        PumpMessages();
        WaitUntilOnScreen(parent);
    }
    WindowRecord& Record() { return *RecordAt(IntProperty(parent, "Hw_lbID")); }

    HWND parent = nullptr;
};

} // namespace button_test
