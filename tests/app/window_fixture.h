#pragma once
// A real StartupWindow with fake services, and clean settings files around
// each test.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "fakes.h"
#include "program.h"
#include "pump.h"
#include "settings.h"
#include "startup_window.h"

inline std::string ConfigPath() { return ReadRunDirectory() + kConfigFileName; }
inline std::string ShortcutPath() { return StartupFolder() + "\\" + kProgramName + ".lnk"; }

// Removes a file, or a directory a test put in a file's place.
inline void RemovePath(const std::string& path)
{
    const DWORD attributes = GetFileAttributesA(path.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES)
        return;
    if (attributes & FILE_ATTRIBUTE_DIRECTORY)
        RemoveDirectoryA(path.c_str());
    else
        DeleteFileA(path.c_str());
}

inline bool PathExists(const std::string& path) { return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

inline void WriteFileBytes(const std::string& path, const std::string& bytes)
{
    HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(file, INVALID_HANDLE_VALUE) << path;
    DWORD written = 0;
    WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
    CloseHandle(file);
    ASSERT_EQ(written, bytes.size());
}

inline std::string ReadFileBytes(const std::string& path)
{
    HANDLE file = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return {};
    std::string bytes(GetFileSize(file, nullptr), '\0');
    DWORD read = 0;
    ReadFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &read, nullptr);
    CloseHandle(file);
    bytes.resize(read);
    return bytes;
}

inline std::string WindowText(HWND window)
{
    char text[512] = "";
    GetWindowTextA(window, text, sizeof text);
    return text;
}

inline SYSTEMTIME At(WORD year, WORD month, WORD day, WORD hour, WORD minute, WORD second)
{
    SYSTEMTIME time{};
    time.wYear = year;
    time.wMonth = month;
    time.wDay = day;
    time.wHour = hour;
    time.wMinute = minute;
    time.wSecond = second;
    return time;
}

inline SYSTEMTIME AddSeconds(SYSTEMTIME time, int seconds)
{
    FILETIME file;
    SystemTimeToFileTime(&time, &file);
    ULARGE_INTEGER value{{file.dwLowDateTime, file.dwHighDateTime}};
    value.QuadPart += static_cast<LONGLONG>(seconds) * 10'000'000LL;
    file.dwLowDateTime = value.LowPart;
    file.dwHighDateTime = value.HighPart;
    FileTimeToSystemTime(&file, &time);
    return time;
}

class StartupWindowTest : public testing::Test {
protected:
    void SetUp() override
    {
        RemovePath(ConfigPath());
        RemovePath(ShortcutPath());
    }

    void TearDown() override
    {
        if (window && IsWindow(window->Window()))
            DestroyWindow(window->Window());
        window.reset();
        PumpMessages();
        RemovePath(ConfigPath());
        RemovePath(ShortcutPath());
    }

    void CreateWindowUnderTest()
    {
        window = std::make_unique<StartupWindow>(fakes.services);
        ASSERT_TRUE(window->Create());
        fakes.prompts.watchedWindow = window->Window();
        PumpMessages();
    }

    HWND Control(int id) const { return window->Control(id); }
    HWND Window() const { return window->Window(); }

    void SetPicker(int id, const SYSTEMTIME& time)
    {
        SendMessageA(Control(id), DTM_SETSYSTEMTIME, GDT_VALID, reinterpret_cast<LPARAM>(&time));
    }

    SYSTEMTIME Picker(int id)
    {
        SYSTEMTIME time{};
        SendMessageA(Control(id), DTM_GETSYSTEMTIME, 0, reinterpret_cast<LPARAM>(&time));
        return time;
    }

    // What the picker sends its parent when the user changes it.
    void NotifyDateTimeChanged(int id)
    {
        NMDATETIMECHANGE change{};
        change.nmhdr.hwndFrom = Control(id);
        change.nmhdr.idFrom = static_cast<UINT_PTR>(id);
        change.nmhdr.code = DTN_DATETIMECHANGE;
        change.dwFlags = GDT_VALID;
        change.st = Picker(id);
        SendMessageA(Window(), WM_NOTIFY, static_cast<WPARAM>(id), reinterpret_cast<LPARAM>(&change));
    }

    void Click(int id) { SendMessageA(Control(id), BM_CLICK, 0, 0); }
    void Tick(UINT_PTR timer) { SendMessageA(Window(), WM_TIMER, timer, 0); }
    bool Checked(int id) { return SendMessageA(Control(id), BM_GETCHECK, 0, 0) == BST_CHECKED; }
    UINT CountdownPeriod() { return window->GetForm().TimerPeriod(kCountdownTimer); }

    // Sets the clock, lets the clock timer show it, and sets the target.
    void ShowNowAndTarget(const SYSTEMTIME& now, const SYSTEMTIME& target)
    {
        fakes.clock.now = now;
        Tick(kClockTimer);
        SetPicker(kPickerTarget, target);
    }

    FakeServices fakes;
    std::unique_ptr<StartupWindow> window;
};
