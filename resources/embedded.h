#pragma once
// Pictures and files stored in the program as byte arrays. The pictures
// are drawn by tools/make_skin_pictures.py, tools/make_check_pictures.py,
// tools/make_arrow_pictures.py and tools/make_icon.py; the working-set
// utility is built from tools/empty (library empty_utility_bytes, not part
// of resources).
#include <cstddef>
#include <span>

#define DECLARE_EMBEDDED(symbol)                 \
    extern const unsigned char symbol[];        \
    extern const std::size_t symbol##_size

DECLARE_EMBEDDED(kTrayIconBytes);
DECLARE_EMBEDDED(kDefaultBackgroundJpeg);
DECLARE_EMBEDDED(kSkinChangePng);
DECLARE_EMBEDDED(kCaptionHelpPng);
DECLARE_EMBEDDED(kCaptionMenuPng);
DECLARE_EMBEDDED(kCaptionMinimisePng);
DECLARE_EMBEDDED(kCaptionMaximisePng);
DECLARE_EMBEDDED(kCaptionRestorePng);
DECLARE_EMBEDDED(kCaptionClosePng);
DECLARE_EMBEDDED(kCheckFramePng);
DECLARE_EMBEDDED(kCheckMarkPng);
DECLARE_EMBEDDED(kArrowUpPng);
DECLARE_EMBEDDED(kArrowDownPng);
DECLARE_EMBEDDED(kArrowLeftPng);
DECLARE_EMBEDDED(kArrowRightPng);
DECLARE_EMBEDDED(kEmptyUtility);

#undef DECLARE_EMBEDDED

namespace resources {
using Bytes = std::span<const unsigned char>;
// The tray icon: an .ico file, one 48 x 48 32-bit image.
inline Bytes TrayIcon() { return {kTrayIconBytes, kTrayIconBytes_size}; }
// Default background picture (350 x 262 JPEG).
inline Bytes DefaultBackground() { return {kDefaultBackgroundJpeg, kDefaultBackgroundJpeg_size}; }
// Skin-change caption button (26 x 18 PNG).
inline Bytes SkinChangeButton() { return {kSkinChangePng, kSkinChangePng_size}; }
// Standard caption buttons (18 pixels high PNGs; close is 38 wide, the rest 26).
inline Bytes CaptionHelp() { return {kCaptionHelpPng, kCaptionHelpPng_size}; }
inline Bytes CaptionMenu() { return {kCaptionMenuPng, kCaptionMenuPng_size}; }
inline Bytes CaptionMinimise() { return {kCaptionMinimisePng, kCaptionMinimisePng_size}; }
inline Bytes CaptionMaximise() { return {kCaptionMaximisePng, kCaptionMaximisePng_size}; }
inline Bytes CaptionRestore() { return {kCaptionRestorePng, kCaptionRestorePng_size}; }
inline Bytes CaptionClose() { return {kCaptionClosePng, kCaptionClosePng_size}; }
// Check-box pictures (13 x 13 PNGs, tools/make_check_pictures.py): the empty
// frame, and the frame with its tick.
inline Bytes CheckBoxFrame() { return {kCheckFramePng, kCheckFramePng_size}; }
inline Bytes CheckBoxMark() { return {kCheckMarkPng, kCheckMarkPng_size}; }
// Arrow pictures (tools/make_arrow_pictures.py): black triangles, 7 x 4 for
// up and down, 4 x 7 for left and right. The down arrow is also the drop
// arrow of combo boxes.
inline Bytes ArrowUp() { return {kArrowUpPng, kArrowUpPng_size}; }
inline Bytes ArrowDown() { return {kArrowDownPng, kArrowDownPng_size}; }
inline Bytes ArrowLeft() { return {kArrowLeftPng, kArrowLeftPng_size}; }
inline Bytes ArrowRight() { return {kArrowRightPng, kArrowRightPng_size}; }
// empty.exe, built for the same target as the program.
inline Bytes EmptyUtility() { return {kEmptyUtility, kEmptyUtility_size}; }
} // namespace resources
