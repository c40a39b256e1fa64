// empty.exe {pid | task-name}
// Empties the working set of one process, given by its id, or of every
// process whose executable name matches (case-insensitive). The pages
// stay committed; the system just takes them out of physical memory
// until they are touched again.
#include <windows.h>
#include <tlhelp32.h>

#include <cstdio>
#include <memory>
#include <optional>
#include <string_view>
#include <type_traits>

namespace {

constexpr char kUsage[] = "USAGE: empty.exe {pid | task-name}\n";

struct HandleCloser {
    void operator()(HANDLE handle) const { CloseHandle(handle); }
};
using UniqueHandle = std::unique_ptr<std::remove_pointer_t<HANDLE>, HandleCloser>;

// A process id in plain decimal; anything else is a task name.
std::optional<DWORD> ParseProcessId(std::string_view text)
{
    if (text.empty() || text.size() > 10)
        return std::nullopt;
    unsigned long long value = 0;
    for (char c : text) {
        if (c < '0' || c > '9')
            return std::nullopt;
        value = value * 10 + static_cast<unsigned>(c - '0');
    }
    if (value > MAXDWORD)
        return std::nullopt;
    return static_cast<DWORD>(value);
}

bool EmptyProcess(DWORD processId)
{
    UniqueHandle process(OpenProcess(PROCESS_SET_QUOTA | PROCESS_QUERY_INFORMATION, FALSE, processId));
    // (-1, -1) asks the system to take every page it can out of the set.
    if (!process || !SetProcessWorkingSetSize(process.get(), static_cast<SIZE_T>(-1), static_cast<SIZE_T>(-1))) {
        std::fprintf(stderr, "Cannot empty the working set of process %lu (error %lu)\n",
                     static_cast<unsigned long>(processId), static_cast<unsigned long>(GetLastError()));
        return false;
    }
    std::printf("Emptied the working set of process %lu\n", static_cast<unsigned long>(processId));
    return true;
}

// Trims every process named `taskName`; true when at least one was found
// and all of them were trimmed.
bool EmptyProcessesNamed(const char* taskName)
{
    UniqueHandle snapshot(CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0));
    if (snapshot.get() == INVALID_HANDLE_VALUE) {
        snapshot.release();
        std::fprintf(stderr, "Cannot list the processes (error %lu)\n", static_cast<unsigned long>(GetLastError()));
        return false;
    }
    PROCESSENTRY32 entry{};
    entry.dwSize = sizeof entry;
    int found = 0;
    bool allEmptied = true;
    for (BOOL more = Process32First(snapshot.get(), &entry); more; more = Process32Next(snapshot.get(), &entry)) {
        if (lstrcmpiA(entry.szExeFile, taskName) != 0)
            continue;
        ++found;
        allEmptied = EmptyProcess(entry.th32ProcessID) && allEmptied;
    }
    if (found == 0)
        std::fprintf(stderr, "No process named %s\n", taskName);
    return found > 0 && allEmptied;
}

constexpr DWORD kTimeLimitMs = 10000;

struct Job {
    std::optional<DWORD> processId;
    const char* taskName;
    bool emptied = false;
};

DWORD WINAPI RunJob(void* parameter)
{
    auto& job = *static_cast<Job*>(parameter);
    job.emptied = job.processId ? EmptyProcess(*job.processId) : EmptyProcessesNamed(job.taskName);
    return 0;
}

} // namespace

int main(int argc, char** argv)
{
    const std::string_view argument = argc == 2 ? argv[1] : "";
    if (argument.empty() || argument.front() == '-' || argument.front() == '/') {
        std::fputs(kUsage, stdout);
        return 1;
    }
    // The trimming runs on a thread of its own with a time limit: a target
    // that ends while it is being trimmed can leave the request unanswered
    // on some systems, and the utility must never outlive it for long.
    Job job{ParseProcessId(argument), argv[1]};
    UniqueHandle worker(CreateThread(nullptr, 0, &RunJob, &job, 0, nullptr));
    if (!worker)
        return 2;
    if (WaitForSingleObject(worker.get(), kTimeLimitMs) != WAIT_OBJECT_0) {
        std::fputs("Gave up: the process did not answer in time\n", stderr);
        std::fflush(stderr);
        ExitProcess(3);
    }
    return job.emptied ? 0 : 2;
}
