#pragma once
// Building and registering a skinned window's record: everything the
// take-over of a window does before the controls and the window procedure.
#include <memory>

#include "skin_engine.h"

// A new record for `window` from the options and the window's style: caption
// geometry, switches, its own picture, title style, the standard caption
// buttons and the strip geometry (`frameBorder` from the engine).
std::unique_ptr<WindowRecord> NewWindowRecord(HWND window, const SkinWindowOptions& options, int frameBorder);

// Appends `record` to the window table, gives it its caption-button
// tooltips, lays the buttons out and sets up the status bar. Returns the
// record's index.
int RegisterWindowRecord(SkinEngine& engine, std::unique_ptr<WindowRecord> record, const SkinWindowOptions& options);
