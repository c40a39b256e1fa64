// Stands in for the working-set utility in tests: appends its own command
// line and a line end to the file named by WORKING_SET_TEST_RECORD. When
// WORKING_SET_TEST_GATE names an event, it first waits for that event
// (at most a minute, so a broken test cannot leave it behind).
#include <windows.h>

#include <cstring>

int main()
{
    char gateName[MAX_PATH];
    const DWORD gateLength = GetEnvironmentVariableA("WORKING_SET_TEST_GATE", gateName, MAX_PATH);
    if (gateLength > 0 && gateLength < MAX_PATH) {
        if (HANDLE gate = OpenEventA(SYNCHRONIZE, FALSE, gateName)) {
            WaitForSingleObject(gate, 60000);
            CloseHandle(gate);
        }
    }
    char recordPath[MAX_PATH];
    const DWORD length = GetEnvironmentVariableA("WORKING_SET_TEST_RECORD", recordPath, MAX_PATH);
    if (length == 0 || length >= MAX_PATH)
        return 1;
    HANDLE record = CreateFileA(recordPath, FILE_APPEND_DATA, FILE_SHARE_READ, nullptr, OPEN_ALWAYS,
                                FILE_ATTRIBUTE_NORMAL, nullptr);
    if (record == INVALID_HANDLE_VALUE)
        return 2;
    const char* commandLine = GetCommandLineA();
    DWORD written = 0;
    WriteFile(record, commandLine, static_cast<DWORD>(std::strlen(commandLine)), &written, nullptr);
    WriteFile(record, "\n", 1, &written, nullptr);
    CloseHandle(record);
    return 0;
}
