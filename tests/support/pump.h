#pragma once
// Message pumping for tests that drive real windows.
#include <windows.h>

#include <functional>

// Dispatches every queued message of this thread.
void PumpMessages();

// Dispatches messages for about `milliseconds`.
void PumpFor(DWORD milliseconds);

// Dispatches messages until `done` holds or `timeoutMs` passes; returns
// whether it held.
bool PumpUntil(const std::function<bool()>& done, DWORD timeoutMs = 2000);

// Same, with a caller-supplied dispatch step (the program's own loop body).
bool PumpUntil(const std::function<bool()>& done, const std::function<void(MSG&)>& dispatch,
               DWORD timeoutMs = 2000);
