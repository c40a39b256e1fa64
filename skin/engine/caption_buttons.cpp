// The caption-button strip: adding, laying out and finding buttons, and
// the routines of the help and menu buttons.
#include "skin_engine.h"

#include <cmath>

#include "skin_primitives.h"

namespace {

constexpr int kButtonPitch = 27; // 26 wide plus a 1-pixel gap
constexpr int kStripHeight = 22;
constexpr int kCloseLayoutWidth = 40;
constexpr double kTolerance = 1e-7;

RECT TruncatedRect(const SkinRectF& r)
{
    return RECT{static_cast<LONG>(r.x), static_cast<LONG>(r.y), static_cast<LONG>(r.x + r.width),
                static_cast<LONG>(r.y + r.height)};
}

} // namespace

bool SkinEngine::AddCaptionButton(HWND window, const ByteArray& picture, const std::string& toolTipText,
                                  SkinRoutine routine)
{
    int index = 0;
    WindowRecord* record = RecordOfWindow(window, &index);
    if (!record)
        return false;
    record->stripWidth += kButtonPitch;
    CaptionButton button;
    button.width = 26;
    button.height = 18;
    button.kind = kCaptionApplication;
    button.picture = picture;
    button.toolTipText = toolTipText;
    button.routine = std::move(routine);
    record->captionButtons.insert(record->captionButtons.begin(), std::move(button));
    record->toolTip.AddTool(RECT{}, toolTipText.c_str(), record->captionButtons.size());
    LayoutCaptionButtons(index);
    return true;
}

void SkinEngine::LayoutCaptionButtons(int index)
{
    WindowRecord* record = RecordAt(index);
    if (!record)
        return;
    if (IsWindow(record->window)) {
        RECT client{};
        GetClientRect(record->window, &client);
        record->stripX = client.right - record->stripWidth + 1;
        record->stripHeight = kStripHeight;
    }
    int i = 0;
    for (CaptionButton& button : record->captionButtons) {
        button.rect.x = static_cast<float>(record->stripX + 2 + kButtonPitch * i);
        button.rect.y = static_cast<float>(record->stripY + 1);
        button.rect.width = button.kind == kCaptionClose ? kCloseLayoutWidth : 26;
        button.rect.height = 18;
        ++i;
    }
    UINT_PTR number = 1;
    for (const CaptionButton& button : record->captionButtons) {
        record->toolTip.SetToolRect(number, TruncatedRect(button.rect));
        record->toolTip.SetToolText(number, button.toolTipText.c_str());
        ++number;
    }
}

int SkinEngine::CaptionButtonAt(int index, int x, int y)
{
    WindowRecord* record = RecordAt(index);
    if (!record)
        return 0;
    if (x < record->stripX || y < record->stripY || y > record->stripY + record->stripHeight)
        return 0;
    const double px = x, py = y;
    int number = 1;
    for (const CaptionButton& button : record->captionButtons) {
        const SkinRectF& r = button.rect;
        if (px - r.x > kTolerance && r.x + r.width - px > kTolerance && py - r.y > kTolerance &&
            r.y + r.height - py > kTolerance)
            return number;
        ++number;
    }
    return 0;
}

int SkinEngine::FindMaximizeButton(int index)
{
    WindowRecord* record = RecordAt(index);
    if (!record)
        return 0;
    int number = 1;
    for (const CaptionButton& button : record->captionButtons) {
        if (button.kind == kCaptionMaximize)
            return number;
        ++number;
    }
    return 0;
}

void SkinEngine::SetHelpRoutine(HWND window, SkinRoutine routine)
{
    if (WindowRecord* record = RecordAt(FindWindowRecord(window)))
        record->helpRoutine = std::move(routine);
}

void SkinEngine::SetMenuRoutine(HWND window, SkinRoutine routine)
{
    if (WindowRecord* record = RecordAt(FindWindowRecord(window)))
        record->menuRoutine = std::move(routine);
}
