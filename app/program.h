#pragma once
// The program's start, message loop and end.
#include <windows.h>

#include "services.h"

class StartupWindow;

// Initialises COM and the common controls for the calling thread.
// Returns false when COM could not be started.
bool InitialiseProgramThread();
void ShutDownProgramThread();

// Gives the window's keyboard handling (Esc, Tab) its turn, then
// translates and dispatches the message.
void DispatchProgramMessage(StartupWindow& window, MSG& message);

// The whole program: start, message loop until the window is gone, end.
int RunProgram(AppServices& services);
