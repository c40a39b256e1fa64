// Small queries and setters on skinned windows and their controls: the
// caption-button strip, control text colours, the engine's back colour
// and the pictures of the standard caption buttons.
#include "skin_engine.h"
#include "skin_primitives.h"

RECT SkinEngine::GetCaptionButtonStrip(HWND window)
{
    // A window that is not skinned has no strip: an empty rectangle.
    const WindowRecord* record = RecordAt(FindWindowRecord(window));
    if (!record)
        return RECT{};
    return RECT{record->stripX, record->stripY, record->stripX + record->stripWidth,
                record->stripY + record->stripHeight};
}

void SkinEngine::SetControlTextColour(HWND control, COLORREF colour)
{
    if (!control)
        return;
    // A combo box shows its text in its edit; a drop-down list has none.
    HWND target = control;
    if (GetClassNameText(control) == "ComboBox") {
        target = FindWindowExA(control, nullptr, "Edit", nullptr);
        if (!target)
            return;
    }
    SetPropA(target, "Kj_Ztys", reinterpret_cast<HANDLE>(static_cast<UINT_PTR>(colour)));
}

COLORREF SkinEngine::GetDefaultBackColour() const { return SkinModule().backColour; }

bool SkinEngine::SetCaptionButtonImages(HWND window, const std::optional<ByteArray>& minimisePicture,
                                        const std::optional<ByteArray>& maximisePicture,
                                        const std::optional<ByteArray>& restorePicture,
                                        const std::optional<ByteArray>& closePicture)
{
    const int index = IndexProperty(window, "Hw_lbID");
    WindowRecord* record = RecordAt(index);
    if (!record || record->window != window || record->captionButtons.empty())
        return false;
    const int n = static_cast<int>(record->captionButtons.size());
    const auto replace = [](ByteArray& target, const std::optional<ByteArray>& picture) {
        if (picture)
            target = *picture;
    };
    // The standard buttons end the list: minimise, maximise, close.
    const LONG_PTR style = GetWindowLongPtrA(window, GWL_STYLE);
    const bool minimise = (style & WS_MINIMIZEBOX) != 0, maximise = (style & WS_MAXIMIZEBOX) != 0;
    if (minimise && maximise) {
        if (CaptionButton* button = record->Button(n - 1)) {
            replace(button->picture, maximisePicture);
            replace(button->alternatePicture, restorePicture);
        }
        if (CaptionButton* button = record->Button(n - 2))
            replace(button->picture, minimisePicture);
    } else if (minimise) {
        if (CaptionButton* button = record->Button(n - 1))
            replace(button->picture, minimisePicture);
    } else if (maximise) {
        if (CaptionButton* button = record->Button(n - 1)) {
            replace(button->picture, maximisePicture);
            replace(button->alternatePicture, restorePicture);
        }
    }
    replace(record->Button(n)->picture, closePicture);
    for (int i = 1; i <= n; ++i)
        PaintCaptionButton(index, i);
    return true;
}
