#include "tray_icon.h"

#include <shellapi.h>

#include <cstring>

namespace {

constexpr size_t kTooltipLimit = 62; // bytes; the field holds 64 with the NUL

#pragma pack(push, 1)
struct IconDirectory {
    WORD reserved;
    WORD type;
    WORD count;
};
struct IconDirectoryEntry {
    BYTE width;
    BYTE height;
    BYTE colourCount;
    BYTE reserved;
    WORD planes;
    WORD bitCount;
    DWORD bytesInResource;
    DWORD imageOffset;
};
#pragma pack(pop)

} // namespace

std::optional<TrayEvent> TrayEventFromCallback(LPARAM lParam)
{
    switch (static_cast<UINT>(lParam)) {
    case WM_LBUTTONUP:
        return TrayEvent::LeftButtonUp;
    case WM_LBUTTONDBLCLK:
        return TrayEvent::DoubleClick;
    case WM_RBUTTONUP:
    case WM_CONTEXTMENU:
        return TrayEvent::RightButtonUp;
    default:
        return std::nullopt;
    }
}

UniqueIcon IconFromIcoBytes(std::span<const unsigned char> bytes)
{
    if (bytes.size() < sizeof(IconDirectory) + sizeof(IconDirectoryEntry))
        return nullptr;
    IconDirectory directory;
    std::memcpy(&directory, bytes.data(), sizeof directory);
    if (directory.reserved != 0 || directory.type != 1 || directory.count == 0)
        return nullptr;
    IconDirectoryEntry entry;
    std::memcpy(&entry, bytes.data() + sizeof directory, sizeof entry);
    if (entry.imageOffset > bytes.size() || entry.bytesInResource > bytes.size() - entry.imageOffset)
        return nullptr;
    const int width = entry.width ? entry.width : 256;
    const int height = entry.height ? entry.height : 256;
    // CreateIconFromResourceEx only reads, whatever its prototype says.
    auto* image = const_cast<PBYTE>(bytes.data() + entry.imageOffset);
    return UniqueIcon(CreateIconFromResourceEx(image, entry.bytesInResource, TRUE, 0x00030000, width,
                                               height, LR_DEFAULTCOLOR));
}

std::string CutTooltip(const std::string& text, size_t limit)
{
    size_t end = 0;
    while (end < text.size()) {
        const size_t step = IsDBCSLeadByte(static_cast<BYTE>(text[end])) ? 2 : 1;
        if (end + step > limit || end + step > text.size())
            break;
        end += step;
    }
    return text.substr(0, end);
}

NOTIFYICONDATAA TrayIcon::Describe(UINT flags) const
{
    NOTIFYICONDATAA data{};
    data.cbSize = NOTIFYICONDATAA_V2_SIZE;
    data.hWnd = owner_;
    data.uID = kTrayIconId;
    data.uFlags = flags;
    data.uCallbackMessage = kTrayCallbackMessage;
    data.hIcon = icon_.get();
    std::memcpy(data.szTip, tooltip_.c_str(), tooltip_.size() + 1);
    return data;
}

void TrayIcon::Show(std::span<const unsigned char> picture, const std::string& tooltip)
{
    if (picture.empty()) {
        Remove();
        return;
    }
    UniqueIcon previous = std::move(icon_);
    icon_ = IconFromIcoBytes(picture);
    tooltip_ = CutTooltip(tooltip, kTooltipLimit);
    NOTIFYICONDATAA data = Describe(NIF_MESSAGE | NIF_ICON | NIF_TIP);
    if (shown_) {
        Shell_NotifyIconA(NIM_MODIFY, &data);
    } else {
        Shell_NotifyIconA(NIM_ADD, &data);
        shown_ = true;
    }
    // `previous` is destroyed here, after the shell has the new icon.
}

void TrayIcon::Remove()
{
    if (!shown_)
        return;
    NOTIFYICONDATAA data = Describe(0);
    Shell_NotifyIconA(NIM_DELETE, &data);
    shown_ = false;
    icon_.reset();
}

void TrayIcon::Restore()
{
    if (!shown_)
        return;
    NOTIFYICONDATAA data = Describe(NIF_MESSAGE | NIF_ICON | NIF_TIP);
    Shell_NotifyIconA(NIM_ADD, &data);
}
