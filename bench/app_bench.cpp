// Start-up and control painting of the skinned main window against the
// same window drawn by Windows, measured in one run.
//
//  - start-up: creating the window (with the skin: engine, module start-up
//    and dressing) until it is fully painted, against the unskinned window;
//  - per control class: one paint of a skinned control against Windows' own
//    paint of an unskinned twin (WM_PRINTCLIENT into a memory DC).
//
//     app_bench.exe [rounds]
#include <windows.h>
#include <commctrl.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <memory>
#include <vector>

#include "program.h"
#include "skin_engine.h"
#include "startup_window.h"

namespace {

// Services that do nothing: a benchmark never acts.
class QuietPower final : public PowerService {
public:
    bool Run(int, bool) override { return false; }
};
class QuietPrompts final : public PromptService {
public:
    int Show(const char*, const char*, UINT) override { return IDNO; }
};
class QuietBrowser final : public WebBrowser {
public:
    void Open(const char*) override {}
};
class NoFile final : public FileOpenDialog {
public:
    std::optional<std::string> Choose(HWND) override { return std::nullopt; }
};
class FixedClock final : public Clock {
public:
    SYSTEMTIME Now() override { return SYSTEMTIME{2026, 12, 5, 11, 10, 30, 0, 0}; }
};

double Seconds()
{
    LARGE_INTEGER frequency, now;
    QueryPerformanceFrequency(&frequency);
    QueryPerformanceCounter(&now);
    return static_cast<double>(now.QuadPart) / static_cast<double>(frequency.QuadPart);
}

double Median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

void Pump()
{
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
}

// Time of one paint of `control`, done `count` times.
double PaintTime(HWND control, int count, bool native)
{
    RECT rect;
    GetClientRect(control, &rect);
    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, std::max<LONG>(rect.right, 1), std::max<LONG>(rect.bottom, 1));
    ReleaseDC(nullptr, screen);
    HGDIOBJ previous = SelectObject(memory, bitmap);
    const double start = Seconds();
    for (int i = 0; i < count; ++i) {
        if (native) {
            SendMessageA(control, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(memory), PRF_CLIENT | PRF_ERASEBKGND);
        } else {
            InvalidateRect(control, nullptr, TRUE);
            UpdateWindow(control);
        }
    }
    const double elapsed = (Seconds() - start) / count;
    SelectObject(memory, previous);
    DeleteObject(bitmap);
    DeleteDC(memory);
    return elapsed;
}

} // namespace

int main(int argc, char** argv)
{
    const int rounds = argc > 1 ? std::max(1, std::atoi(argv[1])) : 7;
    InitialiseProgramThread();
    QuietPower power;
    QuietPrompts prompts;
    QuietBrowser browser;
    NoFile files;
    FixedClock clock;
    AppServices services{power, prompts, browser, files, clock};

    std::vector<double> skinned, plain;
    for (int round = 0; round < rounds; ++round) {
        {
            const double start = Seconds();
            auto engine = std::make_unique<SkinEngine>();
            engine->StartModule();
            StartupWindow window(services, engine.get());
            window.Create();
            UpdateWindow(window.Window());
            Pump();
            skinned.push_back(Seconds() - start);
            DestroyWindow(window.Window());
            Pump();
            engine.reset();
            FreeSkinModule();
        }
        {
            const double start = Seconds();
            StartupWindow window(services);
            window.Create();
            UpdateWindow(window.Window());
            Pump();
            plain.push_back(Seconds() - start);
            DestroyWindow(window.Window());
            Pump();
        }
    }
    const double skinnedStart = Median(skinned), plainStart = Median(plain);
    std::printf("start-up to the first full paint: skinned %.1f ms, plain %.1f ms, ratio %.2f (target <= 1.5)\n",
                skinnedStart * 1e3, plainStart * 1e3, skinnedStart / plainStart);

    // One skinned and one plain window side by side; paint each class.
    auto engine = std::make_unique<SkinEngine>();
    engine->StartModule();
    StartupWindow skinnedWindow(services, engine.get());
    skinnedWindow.Create();
    StartupWindow plainWindow(services);
    plainWindow.Create();
    UpdateWindow(skinnedWindow.Window());
    UpdateWindow(plainWindow.Window());
    Pump();
    const struct {
        const char* name;
        int id;
    } classes[] = {{"push button", kButtonStartTask}, {"check box", kCheckStartWithWindows},
                   {"radio button", kRadioRestart},   {"date-time picker", kPickerTarget},
                   {"label", kLabelTargetCaption},    {"countdown label", kLabelCountdown}};
    std::printf("%-18s %12s %12s %8s %16s\n", "control", "skinned us", "native us", "ratio",
                "native on screen");
    for (const auto& c : classes) {
        std::vector<double> skinnedPaint, nativePaint, nativeScreen;
        for (int round = 0; round < rounds; ++round) {
            skinnedPaint.push_back(PaintTime(skinnedWindow.Control(c.id), 50, false));
            nativePaint.push_back(PaintTime(plainWindow.Control(c.id), 50, true));
            nativeScreen.push_back(PaintTime(plainWindow.Control(c.id), 50, false));
        }
        const double s = Median(skinnedPaint), n = Median(nativePaint), o = Median(nativeScreen);
        std::printf("%-18s %12.1f %12.1f %8.2f %13.1f us\n", c.name, s * 1e6, n * 1e6, s / n, o * 1e6);
    }
    DestroyWindow(skinnedWindow.Window());
    DestroyWindow(plainWindow.Window());
    Pump();
    engine.reset();
    FreeSkinModule();
    return 0;
}
