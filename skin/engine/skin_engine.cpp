#include "skin_engine.h"

#include "gdiplus_binding.h"
#include "skin_primitives.h"
#include "working_set.h"

namespace {

SkinEngine* g_engine = nullptr;

// How long the end of the program waits for trimming runs still going.
constexpr DWORD kTrimWaitMs = 5000;

LRESULT CALLBACK SkinWindowProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

} // namespace

SkinEngine::SkinEngine()
{
    g_engine = this;
    SkinModule().backColour = GetSysColor(COLOR_BTNFACE);
}

SkinEngine::~SkinEngine()
{
    WaitForWorkingSetTrims(kTrimWaitMs);
    SkinModuleState& state = SkinModule();
    if (state.moduleIcon) {
        DestroyIcon(state.moduleIcon);
        state.moduleIcon = nullptr;
    }
    if (state.gdiplusToken) {
        ShutdownGdiplus(state.gdiplusToken);
        state.gdiplusToken = 0;
    }
    if (g_engine == this)
        g_engine = nullptr;
}

SkinEngine* SkinEngine::Instance() { return g_engine; }

void SkinEngine::StartModule()
{
    SkinModuleState& state = SkinModule();
    state.gdiplusToken = StartupGdiplus(1);
    HINSTANCE instance = GetModuleHandleA(nullptr);
    state.moduleIcon = LoadIconA(instance, MAKEINTRESOURCEA(129));
    if (!state.moduleIcon)
        state.moduleIcon = LoadIconA(instance, "DEFAULT_ICON");
    state.firstSizePending = true;
    state.skinControls = true;
    state.washAlpha = kDefaultWashAlpha;
    state.accentColour = kDefaultAccentColour;
    state.trackbarStyle = 1;
}

WNDPROC SkinEngine::WindowProcEntry() { return &SkinWindowProcedure; }

WindowRecord* RecordOfWindow(HWND window, int* index)
{
    const int found = IndexProperty(window, "Hw_lbID");
    WindowRecord* record = RecordAt(found);
    if (index)
        *index = record ? found : 0;
    return record;
}

namespace {

// Reaches the one engine object from the system's window-procedure call.
LRESULT CALLBACK SkinWindowProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (SkinEngine* engine = SkinEngine::Instance())
        return engine->HandleWindowMessage(window, message, wParam, lParam);
    // The engine is gone (the program is ending): the window's own
    // procedure handles what is left.
    return CallReplacedProc(window, message, wParam, lParam);
}

} // namespace
