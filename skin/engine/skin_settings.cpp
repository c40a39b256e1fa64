// Title font, control switches, moving and sizing by the mouse, and the
// layout and style of the status bar.
#include "skin_engine.h"

#include <windowsx.h>

#include "skin_primitives.h"

namespace {

constexpr double kTolerance = 1e-7;

struct SizingZone {
    LPCSTR cursor;
    WPARAM command;
};

// The first sizing zone holding (x, y), in the order they are tested;
// null when none does.
const SizingZone* FindSizingZone(double x, double y, const RECT& r, int f)
{
    static const SizingZone kLeft{IDC_SIZEWE, SC_SIZE | WMSZ_LEFT};
    static const SizingZone kRight{IDC_SIZEWE, SC_SIZE | WMSZ_RIGHT};
    static const SizingZone kTop{IDC_SIZENS, SC_SIZE | WMSZ_TOP};
    static const SizingZone kBottom{IDC_SIZENS, SC_SIZE | WMSZ_BOTTOM};
    static const SizingZone kTopLeft{IDC_SIZENWSE, SC_SIZE | WMSZ_TOPLEFT};
    static const SizingZone kTopRight{IDC_SIZENESW, SC_SIZE | WMSZ_TOPRIGHT};
    static const SizingZone kBottomLeft{IDC_SIZENESW, SC_SIZE | WMSZ_BOTTOMLEFT};
    static const SizingZone kBottomRight{IDC_SIZENWSE, SC_SIZE | WMSZ_BOTTOMRIGHT};
    const auto le = [](double a, double b) { return a - b <= kTolerance; };
    const auto ge = [](double a, double b) { return b - a <= kTolerance; };
    const auto lt = [](double a, double b) { return b - a > kTolerance; };
    const bool middleRows = ge(y, 11) && lt(y, r.bottom - 10);
    const bool middleColumns = ge(x, 11) && lt(x, r.right - 10);
    if (le(x, f) && middleRows)
        return &kLeft;
    if (ge(x, r.right - f) && middleRows)
        return &kRight;
    if (le(y, f) && middleColumns)
        return &kTop;
    if (ge(y, r.bottom - f) && middleColumns)
        return &kBottom;
    if (le(x, 10) && le(y, 10))
        return &kTopLeft;
    if (ge(x, r.right - 10) && le(y, 10))
        return &kTopRight;
    if (le(x, 10) && ge(y, r.bottom - 10))
        return &kBottomLeft;
    if (ge(x, r.right - 10) && ge(y, r.bottom - 10))
        return &kBottomRight;
    return nullptr;
}

} // namespace

bool SkinEngine::SetTitleFont(HWND window, std::optional<std::string> fontName, std::optional<int> fontSize,
                              std::optional<COLORREF> titleColour, std::optional<COLORREF> shadowColour,
                              std::optional<bool> bold)
{
    int index = 0;
    WindowRecord* record = RecordOfWindow(window, &index);
    if (!record)
        return false;
    if (fontName)
        record->titleFontName = *fontName;
    if (fontSize)
        record->titleFontSize = *fontSize;
    if (titleColour)
        record->titleColour = *titleColour;
    if (shadowColour)
        record->titleShadowColour = *shadowColour;
    if (bold)
        record->titleBold = *bold;
    PaintTitle(index);
    return true;
}

void SkinEngine::SetControlEffects(bool skinControls, std::optional<int> washAlpha, std::optional<int> trackbarStyle)
{
    SkinModuleState& state = SkinModule();
    state.skinControls = skinControls;
    state.washAlpha = washAlpha.value_or(kDefaultWashAlpha);
    state.translucentControls = washAlpha.has_value();
    state.trackbarStyle = trackbarStyle.value_or(1);
}

LRESULT SkinEngine::BeginMoveOrSize(int index, LPARAM position, const RECT& client)
{
    WindowRecord* record = RecordAt(index);
    if (!record)
        return FALSE;
    const double x = GET_X_LPARAM(position);
    const double y = GET_Y_LPARAM(position);
    const auto le = [](double a, double b) { return a - b <= kTolerance; };
    if (le(record->stripX, x) && le(x, record->stripX + record->stripWidth) && le(3, y) &&
        le(y, record->stripHeight))
        return TRUE;
    if (!record->drawFrame)
        return FALSE;
    const auto startMoving = [&] { return SendMessageA(record->window, WM_NCLBUTTONDOWN, HTCAPTION, 0); };
    if (!record->resizable && le(y, record->captionHeight))
        return startMoving();
    if (const SizingZone* zone = FindSizingZone(x, y, client, frameBorder)) {
        record->needsRender = true;
        SetCursor(LoadCursorA(nullptr, zone->cursor));
        return SendMessageA(record->window, WM_SYSCOMMAND, zone->command, 0);
    }
    if (le(y, record->captionHeight))
        return startMoving();
    return FALSE;
}

void SkinEngine::UpdateSizingCursor(int index, LPARAM position, const RECT& client)
{
    WindowRecord* record = RecordAt(index);
    if (!record || !record->resizable)
        return;
    if (const SizingZone* zone = FindSizingZone(GET_X_LPARAM(position), GET_Y_LPARAM(position), client, frameBorder))
        SetCursor(LoadCursorA(nullptr, zone->cursor));
}

void SkinEngine::SetStatusBar(int index, int height, std::optional<std::vector<StatusPart>> parts)
{
    WindowRecord* record = RecordAt(index);
    if (!record)
        return;
    RECT r{};
    GetClientRect(record->window, &r);
    const int f = frameBorder;
    record->statusBarHeight = height;
    record->statusBarRect = {f, r.bottom - f - height - 1, r.right - 2 * f, height};
    if (parts) {
        record->statusPartRects.clear();
        record->statusBarParts.clear();
        int x = f;
        for (const StatusPart& part : *parts) {
            const int width = part.width == -1 ? r.right - f - x : part.width;
            record->statusPartRects.push_back({x, record->statusBarRect.y, width, height});
            record->statusBarParts.push_back(part);
            x += width;
        }
    } else {
        record->statusPartRects = {record->statusBarRect};
    }
}

void SkinEngine::LayoutStatusBar(int index)
{
    WindowRecord* record = RecordAt(index);
    if (!record)
        return;
    RECT r{};
    GetClientRect(record->window, &r);
    const int f = frameBorder;
    SkinRect& bar = record->statusBarRect;
    bar.x = f;
    bar.y = r.bottom - record->statusBarHeight - f - 1;
    bar.width = r.right - 2 * f;
    int x = f, sum = 0;
    for (size_t i = 0; i < record->statusPartRects.size(); ++i) {
        SkinRect& rect = record->statusPartRects[i];
        rect.y = bar.y;
        rect.x = x;
        if (i < record->statusBarParts.size() && record->statusBarParts[i].width == -1)
            rect.width = r.right - sum - 2 * f;
        x += rect.width;
        sum += rect.width;
    }
}

bool SkinEngine::SetStatusPart(HWND window, int part, const std::string& text, std::optional<ByteArray> picture,
                               std::optional<COLORREF> textColour)
{
    const int index = FindWindowRecord(window);
    WindowRecord* record = RecordAt(index);
    if (!record || part < 1 || part > static_cast<int>(record->statusBarParts.size()))
        return false;
    StatusPart& entry = record->statusBarParts[static_cast<size_t>(part - 1)];
    entry.text = text;
    if (picture)
        entry.picture = std::move(*picture);
    if (textColour)
        entry.textColour = *textColour;
    PaintStatusPart(index, nullptr, part);
    return true;
}

bool SkinEngine::SetStatusBarStyle(HWND window, std::optional<bool> autoTextColour, std::optional<bool> halo,
                                   std::optional<COLORREF> textColour, std::optional<COLORREF> haloColour,
                                   std::optional<std::string> fontName, std::optional<int> fontSize)
{
    WindowRecord* record = RecordOfWindow(window);
    if (!record)
        return false;
    record->statusAutoTextColour = autoTextColour.value_or(true);
    record->statusTextHalo = halo.value_or(false);
    record->statusTextColour = textColour.value_or(0);
    record->statusHaloColour = haloColour.value_or(0xFFFFFF);
    if (fontName)
        record->statusFontName = *fontName;
    if (fontSize)
        record->statusFontSize = *fontSize;
    return true;
}
