#pragma once
// The window's icon in the notification area.
#include <windows.h>
#include <shellapi.h>

#include <optional>
#include <span>
#include <string>

#include "handles.h"

inline constexpr UINT kTrayIconId = 100;
inline constexpr UINT kTrayCallbackMessage = WM_APP + 0x64; // 0x8064

// Tray event types delivered to the application.
enum class TrayEvent : int {
    LeftButtonUp = 1,
    DoubleClick = 2,
    RightButtonUp = 3,
};

// Maps the mouse message carried in the callback's lParam to a tray event.
std::optional<TrayEvent> TrayEventFromCallback(LPARAM lParam);

// Makes an icon handle from the bytes of an .ico file (its first image).
UniqueIcon IconFromIcoBytes(std::span<const unsigned char> bytes);

// Cuts a tooltip to at most `limit` bytes without splitting a double-byte
// character of the ANSI code page.
std::string CutTooltip(const std::string& text, size_t limit);

class TrayIcon {
public:
    explicit TrayIcon(HWND owner = nullptr) : owner_(owner) {}
    TrayIcon(const TrayIcon&) = delete;
    TrayIcon& operator=(const TrayIcon&) = delete;
    ~TrayIcon() { Remove(); }

    void SetOwner(HWND owner) { owner_ = owner; }

    // Adds the icon, or replaces the one shown. Empty picture bytes remove it.
    void Show(std::span<const unsigned char> picture, const std::string& tooltip);
    void Remove();
    // Adds the shown icon again, after the shell lost it (Explorer restart).
    void Restore();

    bool IsShown() const { return shown_; }
    HICON Icon() const { return icon_.get(); }

private:
    NOTIFYICONDATAA Describe(UINT flags) const;

    HWND owner_ = nullptr;
    bool shown_ = false;
    UniqueIcon icon_;
    std::string tooltip_;
};
