#include "gallery_window.h"

#include <embedded.h>

#include "skin_engine.h"

namespace {

constexpr const char* kGalleryClass = "SkinGalleryWindow";

LRESULT CALLBACK GalleryProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_DESTROY && GetPropA(window, "GalleryQuits"))
        PostQuitMessage(0);
    if (message == WM_NCDESTROY)
        RemovePropA(window, "GalleryQuits");
    return DefWindowProcA(window, message, wParam, lParam);
}

bool RegisterGalleryClass()
{
    WNDCLASSEXA windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.style = CS_DBLCLKS;
    windowClass.lpfnWndProc = &GalleryProcedure;
    windowClass.hInstance = GetModuleHandleA(nullptr);
    windowClass.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    windowClass.lpszClassName = kGalleryClass;
    return RegisterClassExA(&windowClass) != 0 || GetLastError() == ERROR_CLASS_ALREADY_EXISTS;
}

} // namespace

void SetGalleryBackground(SkinEngine& engine)
{
    BackgroundPictureOptions background;
    background.pictureBytes = ByteArray(resources::DefaultBackground().begin(), resources::DefaultBackground().end());
    background.pictureMode = 3;
    engine.SetBackgroundPicture(background);
}

HWND CreateGalleryWindow(SkinEngine& engine, bool quitOnClose)
{
    if (!RegisterGalleryClass())
        return nullptr;
    const int x = (GetSystemMetrics(SM_CXSCREEN) - kGalleryWidth) / 2;
    const int y = (GetSystemMetrics(SM_CYSCREEN) - kGalleryHeight) / 2;
    HWND window = CreateWindowExA(WS_EX_APPWINDOW, kGalleryClass, kGalleryTitle,
                                  WS_POPUP | WS_MINIMIZEBOX | WS_MAXIMIZEBOX | WS_CLIPCHILDREN, x, y, kGalleryWidth,
                                  kGalleryHeight, nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
    if (!window)
        return nullptr;
    if (quitOnClose)
        SetPropA(window, "GalleryQuits", reinterpret_cast<HANDLE>(1));

    SkinWindowOptions options;
    options.showHelpButton = true;
    options.showMenuButton = true;
    options.captionGloss = true;
    options.statusBarHeight = 22;
    options.statusBarParts = std::vector<StatusPart>{{160, "皮肤画廊", {}, 0}, {-1, "就绪", {}, 0}};
    engine.SkinWindow(window, options);
    engine.SetHelpRoutine(window, [&engine, window] { engine.SetStatusPart(window, 2, "帮助"); });
    engine.SetMenuRoutine(window, [&engine, window] { engine.SetStatusPart(window, 2, "主菜单"); });
    ShowWindow(window, SW_SHOW);
    UpdateWindow(window);
    return window;
}
