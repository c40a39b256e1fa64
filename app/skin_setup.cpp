// Dressing the main window with the skin, and changing the skin's picture.
#include <embedded.h>

#include "skin_engine.h"
#include "startup_window.h"

namespace {

ByteArray Copy(resources::Bytes bytes) { return ByteArray(bytes.begin(), bytes.end()); }

} // namespace

void StartupWindow::DressWithSkin()
{
    BackgroundPictureOptions background;
    background.pictureBytes = Copy(resources::DefaultBackground());
    background.pictureMode = 3;
    skin_->SetBackgroundPicture(background);

    SkinWindowOptions options;
    options.resizable = false;
    options.showTitle = true;
    skin_->SkinWindow(Window(), options);

    skin_->AddCaptionButton(Window(), Copy(resources::SkinChangeButton()), "换皮肤", [this] { ChangeSkin(); });

    for (int label : {kLabelTargetCaption, kLabelCountdownCaption, kLabelCountdown, kLabelCurrentCaption})
        skin_->SkinLabel(Control(label));
}

void StartupWindow::ChangeSkin()
{
    const std::optional<std::string> file = services_.fileDialog.Choose(Window());
    if (!file)
        return;
    BackgroundPictureOptions options;
    options.fileName = *file;
    skin_->SetBackgroundPicture(options);
}
