#include "pump.h"

namespace {

void DefaultDispatch(MSG& message)
{
    TranslateMessage(&message);
    DispatchMessageA(&message);
}

} // namespace

void PumpMessages()
{
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE))
        DefaultDispatch(message);
}

void PumpFor(DWORD milliseconds)
{
    const DWORD start = GetTickCount();
    do {
        PumpMessages();
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
    } while (GetTickCount() - start < milliseconds);
    PumpMessages();
}

bool PumpUntil(const std::function<bool()>& done, const std::function<void(MSG&)>& dispatch, DWORD timeoutMs)
{
    const DWORD start = GetTickCount();
    for (;;) {
        MSG message;
        while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE))
            dispatch(message);
        if (done())
            return true;
        if (GetTickCount() - start >= timeoutMs)
            return false;
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
    }
}

bool PumpUntil(const std::function<bool()>& done, DWORD timeoutMs)
{
    return PumpUntil(done, DefaultDispatch, timeoutMs);
}
