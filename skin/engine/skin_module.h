#pragma once
// State of the skin module shared by the engine object, its window
// procedures and the drawing primitives. Everything runs on the thread of
// the skinned windows; nothing is locked.
#include <windows.h>

#include <memory>
#include <vector>

#include "window_record.h"

inline constexpr COLORREF kDefaultAccentColour = RGB(34, 202, 221);
inline constexpr int kDefaultWashAlpha = 160;

// A memory DC made by CaptureBackground, with what it needs to be undone.
struct MemoryDCEntry {
    HDC dc = nullptr;
    HBITMAP bitmap = nullptr;
    HGDIOBJ previous = nullptr;
};

struct SkinModuleState {
    std::vector<std::unique_ptr<WindowRecord>> windowTable; // record i is windowTable[i - 1]
    std::vector<MemoryDCEntry> memoryDCList;
    ByteArray backgroundPicture;
    int backgroundPictureMode = 0;
    COLORREF backColour = 0;
    COLORREF accentColour = kDefaultAccentColour;
    HICON moduleIcon = nullptr;
    ULONG_PTR gdiplusToken = 0;
    bool firstSizePending = true;
    bool skinControls = true;
    int washAlpha = kDefaultWashAlpha;
    bool translucentControls = false;
    int trackbarStyle = 1;
};

// The one module state of the process.
SkinModuleState& SkinModule();

// The record at a 1-based index of the window table, or null.
WindowRecord* RecordAt(int index);
int RecordCount();

// Frees every record, the memory-DC list and the background picture
// (the end of the program, after the engine is destroyed).
void FreeSkinModule();
