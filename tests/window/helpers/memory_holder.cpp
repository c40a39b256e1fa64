// memory_holder.exe <ready-event>: touches 50 MB of memory, sets the named
// event, and then waits to be ended, touching nothing more.
#include <windows.h>

int main(int argc, char** argv)
{
    if (argc != 2)
        return 1;
    constexpr SIZE_T kSize = 50u << 20;
    auto* memory = static_cast<volatile char*>(VirtualAlloc(nullptr, kSize, MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE));
    if (!memory)
        return 2;
    SYSTEM_INFO system{};
    GetSystemInfo(&system);
    for (SIZE_T offset = 0; offset < kSize; offset += system.dwPageSize)
        memory[offset] = 1;
    HANDLE ready = OpenEventA(EVENT_MODIFY_STATE, FALSE, argv[1]);
    if (!ready)
        return 3;
    SetEvent(ready);
    CloseHandle(ready);
    Sleep(INFINITE);
}
