// Working-set trimming: where the utility goes, when it is written, how it
// is run, and what the utility itself does to a real process.
#include <windows.h>
#include <psapi.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <fstream>
#include <iterator>
#include <optional>
#include <string>

#include "embedded.h"
#include "unique_handle.h"
#include "working_set.h"

namespace {

constexpr char kRecordVariable[] = "WORKING_SET_TEST_RECORD";
constexpr char kGateVariable[] = "WORKING_SET_TEST_GATE";
constexpr DWORD kWaitLimitMs = 60000; // only against hangs; nothing is timed

std::string BesideThisProgram(const char* fileName)
{
    char exe[MAX_PATH] = "";
    GetModuleFileNameA(nullptr, exe, MAX_PATH);
    std::string path = exe;
    return path.substr(0, path.find_last_of('\\') + 1) + fileName;
}

std::string Quoted(const std::string& path)
{
    std::string quoted = "\"";
    quoted += path;
    quoted += '"';
    return quoted;
}

std::string TempFolder()
{
    char temp[MAX_PATH] = "";
    GetTempPathA(MAX_PATH, temp);
    return temp;
}

std::optional<std::string> ReadWholeFile(const std::string& path)
{
    std::ifstream file(path, std::ios::binary);
    if (!file)
        return std::nullopt;
    return std::string{std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

std::string AsString(resources::Bytes bytes)
{
    return {reinterpret_cast<const char*>(bytes.data()), bytes.size()};
}

bool WriteWholeFile(const std::string& path, const std::string& bytes)
{
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    file.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    return static_cast<bool>(file);
}

// Deletes a file that a process just ended may still hold for a moment.
bool DeleteSoon(const std::string& path)
{
    for (int attempt = 0; attempt < 200; ++attempt) {
        if (DeleteFileA(path.c_str()) || GetLastError() == ERROR_FILE_NOT_FOUND)
            return true;
        Sleep(50);
    }
    return false;
}

template <typename Condition>
bool PollUntil(Condition condition)
{
    for (DWORD waited = 0; waited < kWaitLimitMs; waited += 50) {
        if (condition())
            return true;
        Sleep(50);
    }
    return condition();
}

SIZE_T WorkingSetOf(HANDLE process)
{
    PROCESS_MEMORY_COUNTERS counters{};
    counters.cb = sizeof counters;
    if (!GetProcessMemoryInfo(process, &counters, sizeof counters))
        return 0;
    return counters.WorkingSetSize;
}

constexpr SIZE_T kMegabyte = 1u << 20;

// Whether this system takes pages out of a working set at all: Wine 8,
// for one, accepts the request and keeps every page.
bool SystemTrimsWorkingSets()
{
    constexpr SIZE_T kSize = 32 * kMegabyte;
    auto* memory = static_cast<volatile char*>(VirtualAlloc(nullptr, kSize, MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE));
    if (!memory)
        return false;
    for (SIZE_T offset = 0; offset < kSize; offset += 4096)
        memory[offset] = 1;
    const SIZE_T before = WorkingSetOf(GetCurrentProcess());
    SetProcessWorkingSetSize(GetCurrentProcess(), static_cast<SIZE_T>(-1), static_cast<SIZE_T>(-1));
    const SIZE_T after = WorkingSetOf(GetCurrentProcess());
    VirtualFree(const_cast<char*>(memory), 0, MEM_RELEASE);
    return after + kSize / 2 < before;
}

// A memory_holder.exe with 50 MB touched; ended when this goes.
class MemoryHolder {
public:
    MemoryHolder()
    {
        const std::string eventName =
            "WorkingSetTestReady" + std::to_string(GetCurrentProcessId()) + "_" + std::to_string(++count_);
        UniqueHandle ready(CreateEventA(nullptr, TRUE, FALSE, eventName.c_str()));
        std::string command = Quoted(BesideThisProgram("memory_holder.exe")) + " " + eventName;
        STARTUPINFOA startup{};
        startup.cb = sizeof startup;
        PROCESS_INFORMATION started{};
        if (!ready || !CreateProcessA(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                                      &startup, &started))
            return;
        process_.reset(started.hProcess);
        CloseHandle(started.hThread);
        id_ = started.dwProcessId;
        HANDLE waitFor[] = {ready.get(), process_.get()};
        ready_ = WaitForMultipleObjects(2, waitFor, FALSE, kWaitLimitMs) == WAIT_OBJECT_0;
    }
    ~MemoryHolder()
    {
        if (process_) {
            TerminateProcess(process_.get(), 0);
            WaitForSingleObject(process_.get(), kWaitLimitMs);
        }
    }
    MemoryHolder(const MemoryHolder&) = delete;
    MemoryHolder& operator=(const MemoryHolder&) = delete;

    bool Ready() const { return ready_; }
    DWORD Id() const { return id_; }
    SIZE_T WorkingSet() const { return WorkingSetOf(process_.get()); }

private:
    static inline int count_ = 0;
    UniqueHandle process_;
    DWORD id_ = 0;
    bool ready_ = false;
};

struct UtilityRun {
    DWORD exitCode = MAXDWORD;
    std::string output;
};

// Runs the embedded utility (written to a folder of this test) with
// `arguments`, collecting what it prints.
UtilityRun RunEmbeddedUtility(const std::string& arguments)
{
    const std::string folder = TempFolder() + "empty_utility_" + std::to_string(GetCurrentProcessId());
    CreateDirectoryA(folder.c_str(), nullptr);
    const std::string exe = folder + "\\empty.exe";
    // Written once per run of this program: a file left by an earlier build
    // in the same folder must not be taken for this one.
    static const bool written = WriteWholeFile(exe, AsString(resources::EmptyUtility()));
    UtilityRun run;
    if (!written)
        return run;

    SECURITY_ATTRIBUTES inherit{sizeof inherit, nullptr, TRUE};
    HANDLE readEnd = nullptr;
    HANDLE writeEnd = nullptr;
    if (!CreatePipe(&readEnd, &writeEnd, &inherit, 0))
        return run;
    UniqueHandle reader(readEnd);
    UniqueHandle writer(writeEnd);
    SetHandleInformation(reader.get(), HANDLE_FLAG_INHERIT, 0);
    UniqueHandle input(CreateFileA("NUL", GENERIC_READ, FILE_SHARE_READ, &inherit, OPEN_EXISTING, 0, nullptr));

    std::string command = Quoted(exe) + (arguments.empty() ? "" : " " + arguments);
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdInput = input.get();
    startup.hStdOutput = writer.get();
    startup.hStdError = writer.get();
    PROCESS_INFORMATION started{};
    if (!CreateProcessA(nullptr, command.data(), nullptr, nullptr, TRUE, CREATE_NO_WINDOW, nullptr, nullptr,
                        &startup, &started))
        return run;
    UniqueHandle process(started.hProcess);
    UniqueHandle thread(started.hThread);
    writer.reset();
    char buffer[512];
    DWORD read = 0;
    while (ReadFile(reader.get(), buffer, sizeof buffer, &read, nullptr) && read > 0)
        run.output.append(buffer, read);
    WaitForSingleObject(process.get(), kWaitLimitMs);
    GetExitCodeProcess(process.get(), &run.exitCode);
    return run;
}

std::string EmptiedLine(DWORD processId)
{
    return "Emptied the working set of process " + std::to_string(processId);
}

void ReportWorkingSets(const char* who, SIZE_T before, SIZE_T after)
{
    std::printf("working set of %s: %zu KB before, %zu KB after\n", who, static_cast<size_t>(before / 1024),
                static_cast<size_t>(after / 1024));
}

// Puts `bytes` at the utility's place for one test and removes it after.
class UtilityInPlace : public testing::Test {
protected:
    void SetUp() override
    {
        path_ = EmptyUtilityPath();
        ASSERT_FALSE(path_.empty());
        ASSERT_TRUE(DeleteSoon(path_));
        record_ = TempFolder() + "working_set_record_" + std::to_string(GetCurrentProcessId()) + ".txt";
        ASSERT_TRUE(DeleteSoon(record_));
        SetEnvironmentVariableA(kRecordVariable, record_.c_str());
    }
    void TearDown() override
    {
        SetEnvironmentVariableA(kRecordVariable, nullptr);
        SetEnvironmentVariableA(kGateVariable, nullptr);
        EXPECT_TRUE(DeleteSoon(path_));
        DeleteSoon(record_);
    }
    void PutRecorderInPlace()
    {
        recorderBytes_ = ReadWholeFile(BesideThisProgram("command_recorder.exe")).value_or("");
        ASSERT_FALSE(recorderBytes_.empty());
        ASSERT_NE(recorderBytes_, AsString(resources::EmptyUtility()));
        ASSERT_TRUE(WriteWholeFile(path_, recorderBytes_));
    }
    std::string ExpectedRecord() const { return EmptyUtilityCommandLine(path_, GetCurrentProcessId()) + "\n"; }

    std::string path_;
    std::string record_;
    std::string recorderBytes_;
};

} // namespace

TEST(WorkingSetTrim, UtilityLivesInTheWindowsDirectoryAndTakesTheProcessId)
{
    char windows[MAX_PATH] = "";
    ASSERT_GT(GetEnvironmentVariableA("windir", windows, MAX_PATH), 0u);
    const std::string path = EmptyUtilityPath();
    EXPECT_EQ(path, std::string(windows) + "\\empty.exe");
    EXPECT_EQ(EmptyUtilityCommandLine(path, 77), path + " 77");
    EXPECT_EQ(EmptyUtilityCommandLine(path, 4294967295u), path + " 4294967295");
}

TEST(WorkingSetTrim, EmbeddedUtilityIsAnExecutableOfThisProgramsMachine)
{
    const std::string bytes = AsString(resources::EmptyUtility());
    ASSERT_GT(bytes.size(), 0x40u);
    ASSERT_EQ(bytes.substr(0, 2), "MZ");
    IMAGE_DOS_HEADER dos{};
    std::memcpy(&dos, bytes.data(), sizeof dos);
    ASSERT_LT(static_cast<size_t>(dos.e_lfanew) + 6, bytes.size());
    WORD machine = 0;
    std::memcpy(&machine, bytes.data() + dos.e_lfanew + 4, sizeof machine);
    const auto* self = reinterpret_cast<const BYTE*>(GetModuleHandleA(nullptr));
    const auto* selfNt = reinterpret_cast<const IMAGE_NT_HEADERS*>(
        self + reinterpret_cast<const IMAGE_DOS_HEADER*>(self)->e_lfanew);
    EXPECT_EQ(machine, selfNt->FileHeader.Machine);
}

TEST_F(UtilityInPlace, IsWrittenWhenMissingAndRunOnThisProcess)
{
    TrimWorkingSetNow();
    const std::optional<std::string> written = ReadWholeFile(path_);
    ASSERT_TRUE(written.has_value()) << path_;
    EXPECT_EQ(*written, AsString(resources::EmptyUtility()));
}

TEST_F(UtilityInPlace, PresentFileIsRunUnchangedWithTheProcessIdAndAwaited)
{
    PutRecorderInPlace();
    TrimWorkingSetNow();
    // The recorder wrote its line before ending, and the run waited for it.
    EXPECT_EQ(ReadWholeFile(record_).value_or("(no record)"), ExpectedRecord());
    EXPECT_EQ(ReadWholeFile(path_).value_or(""), recorderBytes_);
}

TEST_F(UtilityInPlace, StartReturnsAtOnceAndTheThreadRunsTheUtility)
{
    PutRecorderInPlace();
    const std::string gateName = "WorkingSetTestGate" + std::to_string(GetCurrentProcessId());
    UniqueHandle gate(CreateEventA(nullptr, TRUE, FALSE, gateName.c_str()));
    ASSERT_TRUE(gate);
    SetEnvironmentVariableA(kGateVariable, gateName.c_str());

    StartWorkingSetTrim();
    // The utility cannot finish before the gate opens, so a start that
    // waited for it would only get here after the recorder gave up.
    EXPECT_FALSE(ReadWholeFile(record_).has_value());
    SetEvent(gate.get());
    EXPECT_TRUE(PollUntil([&] { return ReadWholeFile(record_).value_or("") == ExpectedRecord(); }))
        << ReadWholeFile(record_).value_or("(no record)");
    EXPECT_EQ(ReadWholeFile(path_).value_or(""), recorderBytes_);
}

TEST(EmptyUtility, PrintsTheUsageLineAndFailsOnBadArguments)
{
    for (const char* arguments : {"", "1 2", "/?", "-h", "\"\""}) {
        const UtilityRun run = RunEmbeddedUtility(arguments);
        EXPECT_NE(run.exitCode, 0u) << arguments;
        EXPECT_NE(run.exitCode, MAXDWORD) << arguments;
        EXPECT_EQ(run.output, "USAGE: empty.exe {pid | task-name}\r\n") << arguments;
    }
}

TEST(EmptyUtility, FailsForAProcessThatDoesNotExist)
{
    const UtilityRun byName = RunEmbeddedUtility("no_such_program.exe");
    EXPECT_NE(byName.exitCode, 0u);
    EXPECT_EQ(byName.output.find("Emptied"), std::string::npos) << byName.output;
    const UtilityRun byId = RunEmbeddedUtility("4294967292");
    EXPECT_NE(byId.exitCode, 0u);
    EXPECT_EQ(byId.output.find("Emptied"), std::string::npos) << byId.output;
}

TEST(EmptyUtility, EmptiesTheWorkingSetOfAProcessGivenById)
{
    MemoryHolder holder;
    ASSERT_TRUE(holder.Ready());
    const SIZE_T before = holder.WorkingSet();
    ASSERT_GE(before, 50 * kMegabyte);

    const UtilityRun run = RunEmbeddedUtility(std::to_string(holder.Id()));
    EXPECT_EQ(run.exitCode, 0u) << run.output;
    EXPECT_NE(run.output.find(EmptiedLine(holder.Id())), std::string::npos) << run.output;

    const SIZE_T after = holder.WorkingSet();
    ReportWorkingSets("the holder", before, after);
    if (!SystemTrimsWorkingSets())
        GTEST_SKIP() << "this system keeps every page of a trimmed working set (" << before / 1024 << " KB before, "
                     << after / 1024 << " KB after)";
    EXPECT_LT(after, before - 40 * kMegabyte);
}

TEST(EmptyUtility, EmptiesEveryProcessOfATaskNameIgnoringCase)
{
    MemoryHolder first;
    MemoryHolder second;
    ASSERT_TRUE(first.Ready());
    ASSERT_TRUE(second.Ready());
    const SIZE_T firstBefore = first.WorkingSet();
    const SIZE_T secondBefore = second.WorkingSet();

    const UtilityRun run = RunEmbeddedUtility("Memory_Holder.EXE");
    EXPECT_EQ(run.exitCode, 0u) << run.output;
    EXPECT_NE(run.output.find(EmptiedLine(first.Id())), std::string::npos) << run.output;
    EXPECT_NE(run.output.find(EmptiedLine(second.Id())), std::string::npos) << run.output;

    const SIZE_T firstAfter = first.WorkingSet();
    const SIZE_T secondAfter = second.WorkingSet();
    ReportWorkingSets("the first holder", firstBefore, firstAfter);
    ReportWorkingSets("the second holder", secondBefore, secondAfter);
    if (!SystemTrimsWorkingSets())
        GTEST_SKIP() << "this system keeps every page of a trimmed working set";
    EXPECT_LT(firstAfter, firstBefore - 40 * kMegabyte);
    EXPECT_LT(secondAfter, secondBefore - 40 * kMegabyte);
}
