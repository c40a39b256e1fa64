#pragma once
// The main window dressed with a real skin engine, with fake services.
#include <memory>

#include "skin_engine.h"
#include "window_fixture.h"

inline std::string TempFile(const char* name)
{
    char temp[MAX_PATH];
    GetTempPathA(MAX_PATH, temp);
    return std::string(temp) + name;
}

inline int IndexOf(HWND window) { return static_cast<int>(reinterpret_cast<INT_PTR>(GetPropA(window, "Hw_lbID"))); }

class SkinnedWindowTest : public StartupWindowTest {
protected:
    void SetUp() override
    {
        StartupWindowTest::SetUp();
        skin = std::make_unique<SkinEngine>();
        skin->StartModule();
    }
    void TearDown() override
    {
        StartupWindowTest::TearDown();
        skin.reset();
        FreeSkinModule();
    }
    void CreateSkinnedWindow()
    {
        window = std::make_unique<StartupWindow>(fakes.services, skin.get());
        ASSERT_TRUE(window->Create());
        fakes.prompts.watchedWindow = window->Window();
        UpdateWindow(window->Window());
        PumpMessages();
    }
    WindowRecord& Record() { return *RecordAt(IndexOf(Window())); }
    void ClickSkinChange()
    {
        const CaptionButton& button = Record().captionButtons[0];
        const LPARAM at = MAKELPARAM(static_cast<int>(button.rect.x) + 10, static_cast<int>(button.rect.y) + 8);
        SendMessageA(Window(), WM_MOUSEMOVE, 0, at);
        SendMessageA(Window(), WM_LBUTTONDOWN, MK_LBUTTON, at);
        SendMessageA(Window(), WM_LBUTTONUP, 0, at);
        PumpMessages();
    }

    std::unique_ptr<SkinEngine> skin;
};
