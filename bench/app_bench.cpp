// Start-up and control painting of the skinned main window against the
// same window drawn by Windows, measured in one run.
//
//  - start-up: from the start of a process until its main window is fully
//    painted, the skinned program against the same program with the skin
//    switched off (each round starts this benchmark again as a child
//    process in either mode); and, inside one process, from creating the
//    engine and the window until it is fully painted;
//  - per control class: one paint of a skinned control against Windows' own
//    paint of an unskinned twin, both into a memory DC (WM_PRINTCLIENT);
//    the date-time picker is skinned only in its frame, so it is compared
//    on the screen. The on-screen times of all are shown too.
//
//     app_bench.exe [rounds]
//     app_bench.exe --start skinned|plain    (one child run: prints the
//                                             milliseconds since its start)
#include <windows.h>
#include <commctrl.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "bench_support.h"
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

// Milliseconds since this process was created.
double MillisecondsSinceProcessStart()
{
    FILETIME created{}, exited{}, kernel{}, user{}, now{};
    GetProcessTimes(GetCurrentProcess(), &created, &exited, &kernel, &user);
    GetSystemTimeAsFileTime(&now);
    const auto ticks = [](const FILETIME& t) {
        return (static_cast<unsigned long long>(t.dwHighDateTime) << 32) | t.dwLowDateTime;
    };
    return static_cast<double>(ticks(now) - ticks(created)) / 1e4;
}

// When the main window was fully painted: milliseconds since the process
// started, and seconds since the start-up began.
struct StartTimes {
    double sinceProcessStart = 0;
    double sinceStartUp = 0;
};

// Builds the main window as the program does, with or without the skin
// (engine and module start-up included), paints it fully and takes it
// down again.
StartTimes StartOnce(AppServices& services, bool skinned)
{
    const double start = Seconds();
    std::unique_ptr<SkinEngine> engine;
    if (skinned) {
        engine = std::make_unique<SkinEngine>();
        engine->StartModule();
    }
    StartupWindow window(services, engine.get());
    window.Create();
    UpdateWindow(window.Window());
    Pump();
    const StartTimes times{MillisecondsSinceProcessStart(), Seconds() - start};
    DestroyWindow(window.Window());
    Pump();
    engine.reset();
    if (skinned)
        FreeSkinModule();
    return times;
}

// Runs this program as a child in `mode` and reads the milliseconds it
// prints; negative when it fails.
double ChildStart(const char* mode)
{
    char path[MAX_PATH] = "";
    GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string command = std::string("\"") + path + "\" --start " + mode;
    SECURITY_ATTRIBUTES inherit{sizeof inherit, nullptr, TRUE};
    HANDLE readEnd = nullptr, writeEnd = nullptr;
    if (!CreatePipe(&readEnd, &writeEnd, &inherit, 0))
        return -1;
    SetHandleInformation(readEnd, HANDLE_FLAG_INHERIT, 0);
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdOutput = writeEnd;
    startup.hStdError = writeEnd;
    PROCESS_INFORMATION process{};
    const BOOL started = CreateProcessA(nullptr, command.data(), nullptr, nullptr, TRUE, 0, nullptr, nullptr,
                                        &startup, &process);
    CloseHandle(writeEnd);
    std::string output;
    if (started) {
        char buffer[256];
        DWORD read = 0;
        while (ReadFile(readEnd, buffer, sizeof buffer, &read, nullptr) && read > 0)
            output.append(buffer, read);
        WaitForSingleObject(process.hProcess, 30000);
        CloseHandle(process.hThread);
        CloseHandle(process.hProcess);
    }
    CloseHandle(readEnd);
    return output.empty() ? -1 : std::atof(output.c_str());
}

} // namespace

int main(int argc, char** argv)
{
    InitialiseProgramThread();
    QuietPower power;
    QuietPrompts prompts;
    QuietBrowser browser;
    NoFile files;
    FixedClock clock;
    AppServices services{power, prompts, browser, files, clock};
    if (argc > 2 && std::strcmp(argv[1], "--start") == 0) {
        std::printf("%.3f\n", StartOnce(services, std::strcmp(argv[2], "skinned") == 0).sinceProcessStart);
        return 0;
    }
    const int rounds = argc > 1 ? std::max(1, std::atoi(argv[1])) : 7;

    std::vector<double> skinnedProcess, plainProcess;
    for (int round = 0; round < rounds; ++round) {
        skinnedProcess.push_back(ChildStart("skinned"));
        plainProcess.push_back(ChildStart("plain"));
    }
    const double skinnedFromStart = Median(skinnedProcess), plainFromStart = Median(plainProcess);
    std::printf("process start to the first full paint: skinned %.1f ms, plain %.1f ms, ratio %.2f (target <= 1.5)\n",
                skinnedFromStart, plainFromStart, skinnedFromStart / plainFromStart);

    std::vector<double> skinned, plain;
    for (int round = 0; round < rounds; ++round) {
        skinned.push_back(StartOnce(services, true).sinceStartUp);
        plain.push_back(StartOnce(services, false).sinceStartUp);
    }
    const double skinnedStart = Median(skinned), plainStart = Median(plain);
    std::printf("inside one process, window creation to the first full paint: skinned %.1f ms, plain %.1f ms, "
                "ratio %.2f\n",
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
        bool printed; // the skinned control answers WM_PRINTCLIENT
    } classes[] = {{"push button", kButtonStartTask, true},   {"check box", kCheckStartWithWindows, true},
                   {"radio button", kRadioRestart, true},     {"date-time picker", kPickerTarget, false},
                   {"label", kLabelTargetCaption, true},      {"countdown label", kLabelCountdown, true}};
    PrintComparisonHeader();
    for (const auto& c : classes)
        PrintComparison(c.name, ComparePaints(skinnedWindow.Control(c.id), plainWindow.Control(c.id), c.printed,
                                              rounds, 50));
    DestroyWindow(skinnedWindow.Window());
    DestroyWindow(plainWindow.Window());
    Pump();
    engine.reset();
    FreeSkinModule();
    return 0;
}
