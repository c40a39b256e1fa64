// Skin gallery: shows a skinned window to look at the skin by hand.
#include <windows.h>
#include <commctrl.h>

#include "gallery_window.h"
#include "skin_engine.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int)
{
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_WIN95_CLASSES | ICC_DATE_CLASSES | ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&controls);
    int result = 0;
    {
        SkinEngine engine;
        engine.StartModule();
        SetGalleryBackground(engine);
        if (CreateGalleryWindow(engine, true)) {
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
