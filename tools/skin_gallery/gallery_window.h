#pragma once
// The skin gallery: a resizable window with minimise and maximise boxes,
// help and menu caption buttons, a status bar and caption gloss, taken
// over by the skin engine. A development tool to look at the skin and
// drive it from tests.
#include <windows.h>

class SkinEngine;

inline constexpr const char* kGalleryTitle = "皮肤画廊";
inline constexpr int kGalleryWidth = 480;
inline constexpr int kGalleryHeight = 360;

// Sets the engine-wide background to the program's default picture.
void SetGalleryBackground(SkinEngine& engine);

// Creates and skins the gallery window, centred on the screen. With
// `quitOnClose` destroying it ends the thread's message loop.
HWND CreateGalleryWindow(SkinEngine& engine, bool quitOnClose);
