#pragma once
// The controls gallery: one window holding every control class the skin
// engine paints, for looking at the skin by hand, for tests and for
// benchmarks (skinned, or plain as Windows draws it).
#include <windows.h>

class SkinEngine;

inline constexpr const char* kControlsTitle = "控件画廊";
inline constexpr int kControlsWidth = 640;
inline constexpr int kControlsHeight = 500;

// Control identifiers (GetDlgItem); containers hold their controls as
// children, so look those up from the container.
enum GalleryControl : int {
    kGalleryEdit = 1001,
    kGalleryMultiLineEdit,
    kGalleryScrolledEdit,
    kGallerySimpleCombo,
    kGalleryDropDownCombo,
    kGalleryDropDownList,
    kGalleryListBox,
    kGalleryListView,
    kGalleryTreeView,
    kGalleryIpAddress,
    kGalleryDateTime,
    kGalleryTrackbar,
    kGalleryVerticalTrackbar,
    kGallerySelectionTrackbar,
    kGalleryUpDownBuddy,
    kGalleryUpDown,
    kGalleryHorizontalUpDown,
    kGalleryHeader,
    kGalleryProgress,
    kGalleryVerticalProgress,
    kGalleryOffsetProgress,
    kGalleryGroupLeft,
    kGalleryGroupCentre,
    kGalleryGroupRight,
    kGalleryFrame,
    kGalleryFrameButton,
    kGalleryFrameCheck,
    kGalleryPushButton,
    kGalleryCheckBox,
    kGalleryRadio,
    kGalleryIconButton,
    kGalleryPictureButton,
    kGalleryTranslucentSwitch,
};

// Creates the window with all its controls at (x, y). With an engine the
// window is skinned (its group boxes and the translucent frame too, and
// the two picture buttons made); without, Windows draws it all. The
// window's "半透明控件" check box switches translucent controls on and off
// (SkinEngine::SetControlEffects with a wash alpha) and repaints.
HWND CreateControlsWindow(SkinEngine* engine, int x, int y);

// Switches translucent controls on or off and repaints the window.
void SetGalleryTranslucency(SkinEngine& engine, HWND window, bool translucent);
