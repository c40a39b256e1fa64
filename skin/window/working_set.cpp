#include "working_set.h"

#include <atomic>

#include <shlwapi.h>

#include "embedded.h"
#include "unique_handle.h"

namespace {

// CREATE_NEW makes "only when missing" one step, so overlapping runs never
// write over each other. A file left half written is removed again.
void WriteUtilityUnlessPresent(const std::string& path)
{
    UniqueHandle file(CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (file.get() == INVALID_HANDLE_VALUE)
        return;
    const resources::Bytes bytes = resources::EmptyUtility();
    DWORD written = 0;
    const bool complete = WriteFile(file.get(), bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) &&
                          written == bytes.size();
    file.reset();
    if (!complete)
        DeleteFileA(path.c_str());
}

void RunHiddenAndWait(std::string commandLine)
{
    // Hidden, without a console of its own, and with no standard handles:
    // the utility must not hold on to whatever this program's output is
    // connected to (a pipe read by another program waits for every holder).
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESHOWWINDOW | STARTF_USESTDHANDLES;
    startup.wShowWindow = SW_HIDE;
    PROCESS_INFORMATION started{};
    if (!CreateProcessA(nullptr, commandLine.data(), nullptr, nullptr, FALSE, CREATE_NO_WINDOW, nullptr, nullptr,
                        &startup, &started))
        return;
    UniqueHandle process(started.hProcess);
    UniqueHandle thread(started.hThread);
    WaitForSingleObject(process.get(), INFINITE);
}

// Runs started and not yet ended.
std::atomic<int> g_runningTrims{0};

DWORD WINAPI WorkingSetTrimThread(void*)
{
    TrimWorkingSetNow();
    --g_runningTrims;
    return 0;
}

} // namespace

std::string EmptyUtilityPath()
{
    char windowsDirectory[MAX_PATH];
    const DWORD length = GetEnvironmentVariableA("windir", windowsDirectory, MAX_PATH);
    if (length == 0 || length >= MAX_PATH)
        return {};
    return std::string(windowsDirectory, length) + "\\empty.exe";
}

std::string EmptyUtilityCommandLine(const std::string& path, DWORD processId)
{
    return path + " " + std::to_string(processId);
}

void TrimWorkingSetNow()
{
    const std::string path = EmptyUtilityPath();
    if (path.empty())
        return;
    WriteUtilityUnlessPresent(path);
    RunHiddenAndWait(EmptyUtilityCommandLine(path, GetCurrentProcessId()));
}

void StartWorkingSetTrim()
{
    ++g_runningTrims;
    if (!SHCreateThread(WorkingSetTrimThread, nullptr, 0, nullptr))
        --g_runningTrims;
}

bool WaitForWorkingSetTrims(DWORD timeoutMs)
{
    const DWORD start = GetTickCount();
    while (g_runningTrims.load() > 0) {
        if (GetTickCount() - start >= timeoutMs)
            return false;
        Sleep(10);
    }
    return true;
}
