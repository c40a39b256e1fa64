// Skin gallery: shows a skinned window, and one with every control class
// the skin paints, to look at the skin by hand.
#include <windows.h>
#include <commctrl.h>

#include <cstring>

#include "controls_window.h"
#include "gallery_window.h"
#include "skin_engine.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR commandLine, int)
{
    INITCOMMONCONTROLSEX controls{sizeof controls,
                                  ICC_WIN95_CLASSES | ICC_DATE_CLASSES | ICC_STANDARD_CLASSES | ICC_INTERNET_CLASSES};
    InitCommonControlsEx(&controls);
    int result = 0;
    {
        SkinEngine engine;
        engine.StartModule();
        SetGalleryBackground(engine);
        // The controls gallery beside the gallery window, which ends the run.
        HWND gallery = CreateGalleryWindow(engine, true);
        HWND controlsWindow = gallery ? CreateControlsWindow(&engine, 20, 20) : nullptr;
        if (controlsWindow) {
            // Side by side: the gallery to the right of the controls.
            SetWindowPos(gallery, nullptr, 20 + kControlsWidth + 20, 20, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
            // "translucent" on the command line starts with translucent controls.
            if (commandLine && std::strstr(commandLine, "translucent")) {
                SendDlgItemMessageA(controlsWindow, kGalleryTranslucentSwitch, BM_SETCHECK, BST_CHECKED, 0);
                SetGalleryTranslucency(engine, controlsWindow, true);
            }
            MSG message;
            while (GetMessageA(&message, nullptr, 0, 0) > 0) {
                TranslateMessage(&message);
                DispatchMessageA(&message);
            }
        } else {
            result = 1;
        }
    }
    FreeSkinModule();
    return result;
}
