#include <windows.h>

#include "program.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) { return RunProgram(RealServices()); }
