#include "tooltip.h"

#include <gtest/gtest.h>

#include <string>

namespace {

constexpr char kCallbackText[] = "callback text";

LRESULT CALLBACK OwnerProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_NOTIFY) {
        auto* header = reinterpret_cast<NMHDR*>(lParam);
        if (header->code == TTN_GETDISPINFOA) {
            reinterpret_cast<NMTTDISPINFOA*>(lParam)->lpszText = const_cast<LPSTR>(kCallbackText);
            return 0;
        }
        if (header->code == TTN_GETDISPINFOW) {
            reinterpret_cast<NMTTDISPINFOW*>(lParam)->lpszText = const_cast<LPWSTR>(L"callback text");
            return 0;
        }
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

class ToolTipTest : public testing::Test {
protected:
    void SetUp() override
    {
        WNDCLASSA windowClass{};
        windowClass.lpfnWndProc = OwnerProc;
        windowClass.hInstance = GetModuleHandleA(nullptr);
        windowClass.lpszClassName = "ToolTipTestOwner";
        RegisterClassA(&windowClass);
        owner_ = CreateWindowExA(0, "ToolTipTestOwner", "owner", WS_OVERLAPPEDWINDOW, 0, 0, 300, 200, nullptr,
                                 nullptr, GetModuleHandleA(nullptr), nullptr);
        ASSERT_NE(owner_, nullptr);
    }
    void TearDown() override
    {
        if (IsWindow(owner_))
            DestroyWindow(owner_);
    }

    LRESULT ToolCount() const { return SendMessageA(tip_.GetWindow(), TTM_GETTOOLCOUNT, 0, 0); }

    TOOLINFOA Query(UINT_PTR id, char* text = nullptr) const
    {
        TOOLINFOA info{};
        info.cbSize = TTTOOLINFOA_V1_SIZE;
        info.hwnd = owner_;
        info.uId = id;
        info.lpszText = text;
        return info;
    }

    bool GetToolInfo(UINT_PTR id, TOOLINFOA& info) const
    {
        char text[80] = {};
        info = Query(id, text);
        return SendMessageA(tip_.GetWindow(), TTM_GETTOOLINFOA, 0, reinterpret_cast<LPARAM>(&info)) != 0;
    }

    std::string ToolText(UINT_PTR id) const
    {
        char text[80] = "unchanged";
        TOOLINFOA info = Query(id, text);
        SendMessageA(tip_.GetWindow(), TTM_GETTEXTA, sizeof text, reinterpret_cast<LPARAM>(&info));
        return text;
    }

    HWND owner_ = nullptr;
    ToolTip tip_;
};

constexpr RECT kArea{10, 20, 110, 60};

TEST_F(ToolTipTest, WindowIsZeroBeforeCreateAndMessagesGoNowhere)
{
    EXPECT_EQ(tip_.GetWindow(), nullptr);
    EXPECT_FALSE(tip_.AddTool(kArea, "text", 1));
    EXPECT_EQ(tip_.SetMaxWidth(200), 0);
}

TEST_F(ToolTipTest, CreateMakesAnAlwaysTipOwnedByTheOwner)
{
    for (bool balloon : {false, true}) {
        ToolTip tip;
        HWND window = tip.Create(owner_, balloon);
        ASSERT_NE(window, nullptr);
        EXPECT_EQ(tip.GetWindow(), window);
        EXPECT_EQ(tip.GetOwner(), owner_);
        char className[64] = {};
        GetClassNameA(window, className, sizeof className);
        EXPECT_STRCASEEQ(className, TOOLTIPS_CLASSA);
        const LONG_PTR style = GetWindowLongPtrA(window, GWL_STYLE);
        EXPECT_TRUE(style & TTS_ALWAYSTIP);
        EXPECT_EQ((style & TTS_BALLOON) != 0, balloon) << "balloon " << balloon;
        EXPECT_EQ(GetWindow(window, GW_OWNER), owner_);
    }
}

TEST_F(ToolTipTest, DroppingACopyLeavesTheWindowAndTheOwnerEndsIt)
{
    HWND window = tip_.Create(owner_);
    {
        ToolTip copy = tip_;
        EXPECT_EQ(copy.GetWindow(), window);
        EXPECT_EQ(copy.GetOwner(), owner_);
    }
    EXPECT_TRUE(IsWindow(window));
    DestroyWindow(owner_);
    EXPECT_FALSE(IsWindow(window));
}

TEST_F(ToolTipTest, TwoToolsWithTheSameIdAreTwoEntries)
{
    tip_.Create(owner_);
    EXPECT_TRUE(tip_.AddTool(kArea, "first", 7));
    EXPECT_TRUE(tip_.AddTool(RECT{0, 0, 5, 5}, "second", 7));
    EXPECT_EQ(ToolCount(), 2);
}

TEST_F(ToolTipTest, ToolDescriptionCarriesOwnerRectAndSubclassFlag)
{
    tip_.Create(owner_);
    ASSERT_TRUE(tip_.AddTool(kArea, "按钮提示", 3));
    TOOLINFOA info;
    ASSERT_TRUE(GetToolInfo(3, info));
    EXPECT_EQ(info.hwnd, owner_);
    EXPECT_TRUE(info.uFlags & TTF_SUBCLASS);
    EXPECT_TRUE(EqualRect(&info.rect, &kArea));
    EXPECT_EQ(ToolText(3), "按钮提示");
}

TEST_F(ToolTipTest, EmptyOrMissingTextAddsAToolWithoutText)
{
    tip_.Create(owner_);
    EXPECT_TRUE(tip_.AddTool(kArea, "", 1));
    EXPECT_TRUE(tip_.AddTool(kArea, nullptr, 2));
    EXPECT_EQ(ToolCount(), 2);
    EXPECT_EQ(ToolText(1), "");
    EXPECT_EQ(ToolText(2), "");
}

TEST_F(ToolTipTest, CallbackToolAsksTheOwnerForItsText)
{
    tip_.Create(owner_);
    ASSERT_TRUE(tip_.AddCallbackTool(kArea, 4));
    EXPECT_EQ(ToolText(4), kCallbackText);
}

TEST_F(ToolTipTest, RemoveMoveAndRetextTools)
{
    tip_.Create(owner_);
    tip_.AddTool(kArea, "one", 1);
    tip_.AddTool(kArea, "two", 2);

    tip_.RemoveTool(1);
    EXPECT_EQ(ToolCount(), 1);
    TOOLINFOA info;
    EXPECT_FALSE(GetToolInfo(1, info));

    const RECT moved{50, 60, 70, 80};
    tip_.SetToolRect(2, moved);
    ASSERT_TRUE(GetToolInfo(2, info));
    EXPECT_TRUE(EqualRect(&info.rect, &moved));

    tip_.SetToolText(2, "new text");
    EXPECT_EQ(ToolText(2), "new text");
}

TEST_F(ToolTipTest, ColoursAndWidthReachTheControl)
{
    tip_.Create(owner_);
    tip_.SetBackColour(RGB(1, 2, 3));
    tip_.SetTextColour(RGB(200, 100, 50));
    tip_.SetMaxWidth(123);
    EXPECT_EQ(static_cast<COLORREF>(SendMessageA(tip_.GetWindow(), TTM_GETTIPBKCOLOR, 0, 0)), RGB(1, 2, 3));
    EXPECT_EQ(static_cast<COLORREF>(SendMessageA(tip_.GetWindow(), TTM_GETTIPTEXTCOLOR, 0, 0)),
              RGB(200, 100, 50));
    EXPECT_EQ(SendMessageA(tip_.GetWindow(), TTM_GETMAXTIPWIDTH, 0, 0), 123);
}

} // namespace
