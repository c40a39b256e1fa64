#pragma once
// Working-set trimming: when the application loses activation, empty.exe
// (carried in the program) is run on this process from a thread of its
// own, so the window procedure never waits for it.
#include <windows.h>

#include <string>

// %windir%\empty.exe, or "" when windir is not set.
std::string EmptyUtilityPath();

// What runs the utility at `path` on process `processId`: the path, a
// blank and the id in decimal.
std::string EmptyUtilityCommandLine(const std::string& path, DWORD processId);

// One trimming run on the calling thread: writes the utility to
// EmptyUtilityPath() unless a file is there already (an existing file is
// never rewritten), runs it hidden on this process and waits until it has
// ended. Failures just end the run.
void TrimWorkingSetNow();

// Starts TrimWorkingSetNow on a new thread and returns at once.
void StartWorkingSetTrim();

// Waits until every run started by StartWorkingSetTrim has ended, at most
// `timeoutMs`; true when none is left. The program waits before it ends: a
// utility still starting up when its target process goes away can be left
// waiting for it.
bool WaitForWorkingSetTrims(DWORD timeoutMs);
