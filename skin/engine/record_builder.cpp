#include "record_builder.h"

#include <algorithm>

#include <embedded.h>

#include "skin_pictures.h"

namespace {

constexpr int kMinimumCaptionHeight = 25;
constexpr int kAverageSamples = 2000;

ByteArray Copy(resources::Bytes bytes) { return ByteArray(bytes.begin(), bytes.end()); }

CaptionButton StandardButton(int kind, int width, resources::Bytes picture, const char* toolTip)
{
    CaptionButton button;
    button.kind = kind;
    button.width = width;
    button.height = 18;
    button.picture = Copy(picture);
    button.toolTipText = toolTip;
    return button;
}

} // namespace

std::unique_ptr<WindowRecord> NewWindowRecord(HWND window, const SkinWindowOptions& options, int frameBorder)
{
    const LONG_PTR style = GetWindowLongPtrA(window, GWL_STYLE);
    RECT client{};
    GetClientRect(window, &client);

    auto record = std::make_unique<WindowRecord>();
    record->window = window;
    record->captionHeight = std::max(options.captionHeight.value_or(0), kMinimumCaptionHeight);
    record->showHelpButton = options.showHelpButton.value_or(false);
    record->showMenuButton = options.showMenuButton.value_or(false);
    record->showMinimizeButton = (style & WS_MINIMIZEBOX) != 0;
    record->showMaximizeButton = (style & WS_MAXIMIZEBOX) != 0;
    record->drawFrame = options.drawFrame.value_or(true);
    record->showCloseButton = true;
    record->resizable = options.resizable.value_or(true);
    record->showTitle = options.showTitle.value_or(true);
    record->captionGloss = options.captionGloss.value_or(false);
    record->pictureMode = options.pictureMode.value_or(SkinModule().backgroundPictureMode);
    record->minTrackWidth = 200;
    record->minTrackHeight = 150;
    record->maxTrackWidth = GetSystemMetrics(SM_CXSCREEN);
    record->maxTrackHeight = GetSystemMetrics(SM_CYSCREEN);

    if (options.picture && !options.picture->empty()) {
        PictureSource picture;
        picture.bytes = &*options.picture;
        record->pictureColour = AverageColour(picture, kAverageSamples);
        if (record->pictureMode == 0 || record->pictureMode == 1)
            record->windowPicture = FadePicture(picture, std::nullopt, record->pictureColour,
                                                record->pictureMode == 0 ? 1 : 0);
        else
            record->windowPicture = *options.picture;
    }

    record->titleColour = 0xFFFFFF;
    record->titleShadowColour = 0x808080;
    record->titleFontName = "宋体";
    record->titleFontSize = 12;
    record->titleBold = true;

    record->captionButtons.clear();
    if (record->showHelpButton)
        record->captionButtons.push_back(StandardButton(kCaptionHelp, 26, resources::CaptionHelp(), "帮助"));
    if (record->showMenuButton)
        record->captionButtons.push_back(StandardButton(kCaptionMenu, 26, resources::CaptionMenu(), "主菜单"));
    if (record->showMinimizeButton)
        record->captionButtons.push_back(
            StandardButton(kCaptionMinimize, 26, resources::CaptionMinimise(), "最小化"));
    if (record->showMaximizeButton) {
        CaptionButton maximise = StandardButton(kCaptionMaximize, 26, resources::CaptionMaximise(), "最大化");
        maximise.alternatePicture = Copy(resources::CaptionRestore());
        record->captionButtons.push_back(std::move(maximise));
    }
    record->captionButtons.push_back(StandardButton(kCaptionClose, 38, resources::CaptionClose(), "关闭"));

    int widths = 0;
    for (const CaptionButton& button : record->captionButtons)
        widths += button.width;
    record->stripWidth = widths + static_cast<int>(record->captionButtons.size()) - 1 + 3;
    record->stripHeight = 22;
    record->stripX = client.right - frameBorder - record->stripWidth - 2;
    record->stripY = 0;
    return record;
}

int RegisterWindowRecord(SkinEngine& engine, std::unique_ptr<WindowRecord> record, const SkinWindowOptions& options)
{
    HWND window = record->window;
    SkinModule().windowTable.push_back(std::move(record));
    const int index = RecordCount();
    WindowRecord& entry = *RecordAt(index);
    entry.toolTip.Create(window);
    UINT_PTR number = 0;
    for (const CaptionButton& button : entry.captionButtons) {
        ++number;
        const RECT rect{static_cast<LONG>(button.rect.x), static_cast<LONG>(button.rect.y),
                        static_cast<LONG>(button.rect.x + button.rect.width),
                        static_cast<LONG>(button.rect.y + button.rect.height)};
        entry.toolTip.AddTool(rect, button.toolTipText.c_str(), number);
    }
    entry.captionToolCount = static_cast<int>(number);
    engine.LayoutCaptionButtons(index);
    if (options.statusBarHeight.value_or(0) >= 1) {
        engine.SetStatusBar(index, *options.statusBarHeight, options.statusBarParts);
        entry.statusTextColour = 0;
        entry.statusHaloColour = 0xFFFFFF;
        entry.statusFontName = "宋体";
        entry.statusFontSize = 12;
    }
    engine.LayoutStatusBar(index);
    return index;
}
