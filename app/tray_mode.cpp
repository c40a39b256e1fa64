// Hiding the window to the notification area and bringing it back.
#include "startup_window.h"

#include <embedded.h>

void StartupWindow::HideToTray()
{
    ShowWindow(Window(), SW_HIDE);
    form_.Tray().Show(resources::TrayIcon(), kTrayTooltip);
}

void StartupWindow::ShowFromTray()
{
    ShowWindow(Window(), SW_SHOW);
    form_.Tray().Show({}, "");
}

void StartupWindow::OnTrayEvent(TrayEvent event)
{
    switch (event) {
    case TrayEvent::LeftButtonUp:
        ShowFromTray();
        break;
    case TrayEvent::DoubleClick:
        break; // the button-up before it has already shown the window
    case TrayEvent::RightButtonUp:
        form_.PopUpMenu(TrayMenu());
        break;
    }
}
