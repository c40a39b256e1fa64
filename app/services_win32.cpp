#include "services.h"

#include <commdlg.h>
#include <shellapi.h>

#include <ctime>

namespace {

bool IsWindowsNt()
{
    OSVERSIONINFOA info{};
    info.dwOSVersionInfoSize = sizeof info;
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wdeprecated-declarations"
    if (!GetVersionExA(&info))
        return true;
#pragma GCC diagnostic pop
    return info.dwPlatformId == VER_PLATFORM_WIN32_NT;
}

// The shut-down privilege must be enabled in the process token before
// ExitWindowsEx or SetSystemPowerState may act.
bool EnableShutdownPrivilege()
{
    HANDLE token = nullptr;
    if (!OpenProcessToken(GetCurrentProcess(), TOKEN_ADJUST_PRIVILEGES | TOKEN_QUERY, &token))
        return false;
    TOKEN_PRIVILEGES privileges{};
    privileges.PrivilegeCount = 1;
    privileges.Privileges[0].Attributes = SE_PRIVILEGE_ENABLED;
    LookupPrivilegeValueA(nullptr, "SeShutdownPrivilege", &privileges.Privileges[0].Luid);
    SetLastError(0);
    AdjustTokenPrivileges(token, FALSE, &privileges, 0, nullptr, nullptr);
    const DWORD error = GetLastError();
    CloseHandle(token);
    return error == 0;
}

class SystemPower final : public PowerService {
public:
    bool Run(int action, bool force) override
    {
        if (action < 1 || action > 5)
            return false;
        const bool nt = IsWindowsNt();
        if (nt && !EnableShutdownPrivilege())
            return false;
        const UINT forceFlag = force ? EWX_FORCE : 0;
        switch (static_cast<PowerAction>(action)) {
        case PowerAction::ShutDown:
            return ExitWindowsEx((nt ? EWX_POWEROFF : EWX_SHUTDOWN) | forceFlag, 0) != FALSE;
        case PowerAction::Restart:
            return ExitWindowsEx(EWX_REBOOT | forceFlag, 0) != FALSE;
        case PowerAction::LogOff:
            return ExitWindowsEx(EWX_LOGOFF | forceFlag, 0) != FALSE;
        case PowerAction::Sleep:
            return SetSystemPowerState(TRUE, force) != FALSE;
        case PowerAction::Hibernate:
            return SetSystemPowerState(FALSE, force) != FALSE;
        }
        return false;
    }
};

class SystemPrompts final : public PromptService {
public:
    int Show(const char* text, const char* caption, UINT flags) override
    {
        return MessageBoxA(nullptr, text, caption, flags);
    }
};

class SystemBrowser final : public WebBrowser {
public:
    void Open(const char* address) override
    {
        ShellExecuteA(nullptr, nullptr, address, nullptr, nullptr, SW_SHOWNORMAL);
    }
};

class SystemFileDialog final : public FileOpenDialog {
public:
    std::optional<std::string> Choose(HWND owner) override
    {
        char path[MAX_PATH * 4] = "";
        OPENFILENAMEA request{};
        request.lStructSize = sizeof request;
        request.hwndOwner = owner;
        request.lpstrFile = path;
        request.nMaxFile = sizeof path;
        request.Flags = OFN_EXPLORER | OFN_FILEMUSTEXIST | OFN_PATHMUSTEXIST | OFN_HIDEREADONLY;
        if (!GetOpenFileNameA(&request))
            return std::nullopt;
        return std::string(path);
    }
};

class SystemClock final : public Clock {
public:
    SYSTEMTIME Now() override
    {
        const std::time_t now = std::time(nullptr);
        std::tm local{};
        localtime_s(&local, &now);
        SYSTEMTIME result{};
        result.wYear = static_cast<WORD>(local.tm_year + 1900);
        result.wMonth = static_cast<WORD>(local.tm_mon + 1);
        result.wDayOfWeek = static_cast<WORD>(local.tm_wday);
        result.wDay = static_cast<WORD>(local.tm_mday);
        result.wHour = static_cast<WORD>(local.tm_hour);
        result.wMinute = static_cast<WORD>(local.tm_min);
        result.wSecond = static_cast<WORD>(local.tm_sec);
        return result;
    }
};

} // namespace

AppServices& RealServices()
{
    static SystemPower power;
    static SystemPrompts prompts;
    static SystemBrowser browser;
    static SystemFileDialog fileDialog;
    static SystemClock clock;
    static AppServices services{power, prompts, browser, fileDialog, clock};
    return services;
}
