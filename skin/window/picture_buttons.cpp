// Picture buttons: push buttons the skin paints from pictures the caller
// gives, either one picture (with an icon option) or one per state.
#include <string>

#include "buttons.h"
#include "skin_engine.h"
#include "skin_primitives.h"

namespace {

struct PictureButtonDress {
    int kind;
    // Pictures 0 (normal), 1 (hot), 2 (pressed) and 4 (disabled); 3 stays empty.
    const ByteArray* pictures[5];
    int iconOption;
    const std::string* toolTipText;
};

// Registers (or re-dresses) `button` as a picture button of its nearest
// skinned ancestor. A button taken over earlier keeps its entry and its
// subclassing; only its kind, pictures and text change.
bool MakePictureButton(HWND button, const PictureButtonDress& dress)
{
    const int recordIndex = FindAncestorRecord(button);
    WindowRecord* record = RecordAt(recordIndex);
    if (!record || !IsWindow(button))
        return false;
    int index = FindButtonRecord(recordIndex, button);
    const bool isNew = index == 0;
    if (isNew) {
        // Refused when another set-up took it (an edit, a list).
        if (!RegisterSkinnedButton(recordIndex, button, dress.kind))
            return false;
        index = FindButtonRecord(recordIndex, button);
    }
    ButtonRecord& entry = *record->buttons.At(index);
    entry.kind = dress.kind;
    for (int i = 0; i < 5; ++i)
        entry.pictures[i] = dress.pictures[i] ? *dress.pictures[i] : ByteArray{};
    entry.iconOption = dress.iconOption;
    entry.text = GetWindowTextString(button);
    if (isNew)
        SetCaptionFont(entry, button);

    if (dress.toolTipText && !dress.toolTipText->empty()) {
        if (entry.toolTip.GetWindow()) {
            entry.toolTip.SetToolText(1, dress.toolTipText->c_str());
        } else if (entry.toolTip.Create(button)) {
            RECT client{};
            GetClientRect(button, &client);
            entry.toolTip.AddTool(client, dress.toolTipText->c_str(), 1);
        }
    }
    // Owner-drawn from now on: the owner window paints it by its kind.
    SetWindowLongPtrA(button, GWL_STYLE, GetWindowLongPtrA(button, GWL_STYLE) | BS_OWNERDRAW);
    InvalidateRect(button, nullptr, TRUE);
    return true;
}

} // namespace

bool SkinEngine::SkinImageButton(HWND button, const ByteArray& picture, int iconOption,
                                 const std::string& toolTipText)
{
    return MakePictureButton(button, {kButtonIcon, {&picture, nullptr, nullptr, nullptr, nullptr}, iconOption,
                                      &toolTipText});
}

bool SkinEngine::SkinStateImageButton(HWND button, const ByteArray& normalPicture, const ByteArray& hotPicture,
                                      const ByteArray& pressedPicture, const ByteArray& disabledPicture,
                                      const std::string& toolTipText)
{
    return MakePictureButton(button, {kButtonPicture,
                                      {&normalPicture, &hotPicture, &pressedPicture, nullptr, &disabledPicture},
                                      0,
                                      &toolTipText});
}
