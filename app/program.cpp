#include "program.h"

#include <commctrl.h>
#include <objbase.h>

#include <memory>

#include "skin_engine.h"
#include "startup_window.h"

bool InitialiseProgramThread()
{
    const HRESULT com = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE);
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_STANDARD_CLASSES | ICC_DATE_CLASSES | ICC_BAR_CLASSES |
                                                       ICC_WIN95_CLASSES};
    InitCommonControlsEx(&controls);
    return SUCCEEDED(com);
}

void ShutDownProgramThread() { CoUninitialize(); }

void DispatchProgramMessage(StartupWindow& window, MSG& message)
{
    if (window.GetForm().PreTranslate(message))
        return;
    TranslateMessage(&message);
    DispatchMessageA(&message);
}

int RunProgram(AppServices& services)
{
    auto skin = std::make_unique<SkinEngine>();
    const bool com = InitialiseProgramThread();
    skin->StartModule();
    int exitCode = 0;
    {
        StartupWindow window(services, skin.get());
        if (window.Create()) {
            MSG message;
            while (GetMessageA(&message, nullptr, 0, 0) > 0) {
                DispatchProgramMessage(window, message);
                if (!IsWindow(window.Window()))
                    break;
            }
        } else {
            exitCode = 1;
        }
        // Program end.
        window.ReleaseProgramState();
    }
    skin.reset();
    FreeSkinModule();
    if (com)
        ShutDownProgramThread();
    return exitCode;
}
