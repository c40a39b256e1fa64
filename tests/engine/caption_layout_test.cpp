// Caption-button strip geometry, hit-testing, moving and sizing zones and
// the status-bar layout, on real windows with records built by the engine.
#include "engine_fixture.h"

#include <embedded.h>

#include "record_builder.h"

namespace {

constexpr DWORD kAppStyle = WS_POPUP | WS_MINIMIZEBOX | WS_VISIBLE;

class CaptionLayoutTest : public EngineTest {
protected:
    // A window skinned as the application's: not resizable, minimise and
    // close buttons, then the skin-change button added in front.
    int SkinLikeTheApplication(HWND window)
    {
        engine->frameBorder = 3;
        SkinWindowOptions options;
        options.resizable = false;
        options.showTitle = true;
        const int index = RegisterWindowRecord(*engine, NewWindowRecord(window, options, 3), options);
        SetPropA(window, "Hw_lbID", reinterpret_cast<HANDLE>(static_cast<INT_PTR>(index)));
        const ByteArray picture(resources::SkinChangeButton().begin(), resources::SkinChangeButton().end());
        EXPECT_TRUE(engine->AddCaptionButton(window, picture, "换皮肤", [] {}));
        return index;
    }
};

TEST_F(CaptionLayoutTest, StandardButtonsFollowTheWindowStyle)
{
    const struct {
        DWORD style;
        bool help, menu;
        std::vector<int> kinds;
        int stripWidth;
    } cases[] = {
        {WS_POPUP, false, false, {kCaptionClose}, 41},
        {WS_POPUP | WS_MINIMIZEBOX | WS_MAXIMIZEBOX, false, false, {kCaptionMinimize, kCaptionMaximize, kCaptionClose}, 95},
        {WS_POPUP | WS_MINIMIZEBOX, true, true, {kCaptionHelp, kCaptionMenu, kCaptionMinimize, kCaptionClose}, 26 * 3 + 38 + 3 + 3},
    };
    for (const auto& c : cases) {
        HWND window = CreateTestWindow(360, 270, c.style);
        windows.push_back(window);
        SkinWindowOptions options;
        options.showHelpButton = c.help;
        options.showMenuButton = c.menu;
        auto record = NewWindowRecord(window, options, 3);
        std::vector<int> kinds;
        for (const CaptionButton& button : record->captionButtons)
            kinds.push_back(button.kind);
        EXPECT_EQ(kinds, c.kinds);
        EXPECT_EQ(record->stripWidth, c.stripWidth);
        EXPECT_EQ(record->stripX, 360 - 3 - c.stripWidth - 2);
        EXPECT_EQ(record->captionButtons.back().width, 38);
    }
}

TEST_F(CaptionLayoutTest, CaptionHeightIsAtLeast25)
{
    HWND window = CreateTestWindow(200, 200);
    windows = {window};
    for (const auto& [given, expected] : std::vector<std::pair<std::optional<int>, int>>{{10, 25}, {std::nullopt, 25}, {40, 40}}) {
        SkinWindowOptions options;
        options.captionHeight = given;
        EXPECT_EQ(NewWindowRecord(window, options, 3)->captionHeight, expected);
    }
}

TEST_F(CaptionLayoutTest, ApplicationStripIs95WideWithTheAddedButtonFirst)
{
    HWND window = CreateTestWindow(360, 270, kAppStyle);
    windows = {window};
    const int index = SkinLikeTheApplication(window);
    WindowRecord& record = *RecordAt(index);
    EXPECT_EQ(record.stripWidth, 95);
    EXPECT_EQ(record.stripX, 360 - 94);
    ASSERT_EQ(record.captionButtons.size(), 3u);
    EXPECT_EQ(record.captionButtons[0].kind, kCaptionApplication);
    EXPECT_EQ(record.captionButtons[1].kind, kCaptionMinimize);
    EXPECT_EQ(record.captionButtons[2].kind, kCaptionClose);
    EXPECT_EQ(record.captionButtons[0].rect.x, record.stripX + 2);
    EXPECT_EQ(record.captionButtons[1].rect.x, record.stripX + 29);
    EXPECT_EQ(record.captionButtons[2].rect.x, record.stripX + 56);
    EXPECT_EQ(record.captionButtons[2].rect.width, 40);
    EXPECT_EQ(record.captionButtons[2].width, 38);
    EXPECT_EQ(engine->FindMaximizeButton(index), 0);

    // Each tooltip id shows the text of the button now at that place.
    const char* expected[] = {"换皮肤", "最小化", "关闭"};
    HWND tips = record.toolTip.GetWindow();
    ASSERT_NE(tips, nullptr);
    for (UINT_PTR id = 1; id <= 3; ++id) {
        char text[80] = "";
        TOOLINFOA info{};
        info.cbSize = TTTOOLINFOA_V1_SIZE;
        info.hwnd = window;
        info.uId = id;
        info.lpszText = text;
        SendMessageA(tips, TTM_GETTEXTA, 80, reinterpret_cast<LPARAM>(&info));
        EXPECT_STREQ(text, expected[id - 1]) << id;
    }
}

TEST_F(CaptionLayoutTest, ButtonsAreHitStrictlyInside)
{
    HWND window = CreateTestWindow(360, 270, kAppStyle);
    windows = {window};
    const int index = SkinLikeTheApplication(window);
    const WindowRecord& record = *RecordAt(index);
    const int left = static_cast<int>(record.captionButtons[1].rect.x);
    const int top = static_cast<int>(record.captionButtons[1].rect.y);
    EXPECT_EQ(engine->CaptionButtonAt(index, left, top + 5), 0) << "on the left edge";
    EXPECT_EQ(engine->CaptionButtonAt(index, left + 1, top + 5), 2);
    EXPECT_EQ(engine->CaptionButtonAt(index, left + 25, top + 17), 2);
    EXPECT_EQ(engine->CaptionButtonAt(index, left + 26, top + 5), 0) << "on the right edge";
    EXPECT_EQ(engine->CaptionButtonAt(index, static_cast<int>(record.captionButtons[2].rect.x) + 39, top + 5), 3);
    EXPECT_EQ(engine->CaptionButtonAt(index, record.stripX - 1, top + 5), 0);
    EXPECT_EQ(engine->CaptionButtonAt(index, left + 5, record.stripY + record.stripHeight + 1), 0);
    EXPECT_EQ(engine->CaptionButtonAt(99, left + 5, top + 5), 0);
}

TEST_F(CaptionLayoutTest, MethodsIgnoreWindowsThatWereNeverSkinned)
{
    HWND window = CreateTestWindow(100, 100);
    windows = {window};
    EXPECT_FALSE(engine->AddCaptionButton(window, {}, "x", {}));
    EXPECT_FALSE(engine->SetTitleFont(window, "宋体"));
    EXPECT_FALSE(engine->SetStatusPart(window, 1, "x"));
    EXPECT_FALSE(engine->SetStatusBarStyle(window));
    EXPECT_FALSE(engine->SetWindowPicture(window, ByteArray{1, 2, 3}));
    SetPropA(window, "Hw_lbID", reinterpret_cast<HANDLE>(5));
    EXPECT_FALSE(engine->AddCaptionButton(window, {}, "x", {})) << "an index past the table";
    EXPECT_EQ(engine->CaptionButtonAt(0, 1, 1), 0);
    EXPECT_EQ(engine->FindMaximizeButton(-1), 0);
    engine->LayoutCaptionButtons(7);
    engine->PaintCaptionButton(7, 1);
    engine->RenderWindowImage(7, nullptr, true);
    EXPECT_EQ(RecordCount(), 0);
}

// Records the system commands and caption presses a window receives.
class CommandRecorder {
public:
    explicit CommandRecorder(HWND window) : window_(window)
    {
        instance_ = this;
        previous_ = reinterpret_cast<WNDPROC>(
            SetWindowLongPtrA(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&CommandRecorder::Procedure)));
    }
    ~CommandRecorder()
    {
        SetWindowLongPtrA(window_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(previous_));
        instance_ = nullptr;
    }
    std::vector<std::pair<UINT, WPARAM>> seen;

private:
    static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
    {
        if (message == WM_SYSCOMMAND || message == WM_NCLBUTTONDOWN) {
            instance_->seen.emplace_back(message, wParam);
            return 0; // the test only looks; nothing moves or sizes
        }
        return CallWindowProcA(instance_->previous_, window, message, wParam, lParam);
    }
    static inline CommandRecorder* instance_ = nullptr;
    HWND window_;
    WNDPROC previous_;
};

struct PressCase {
    bool resizable;
    int width, height;
    int x, y;
    UINT message; // 0: nothing sent
    WPARAM command;
    LRESULT result;
};

TEST_F(CaptionLayoutTest, PressesMoveOrSizeByZone)
{
    const PressCase cases[] = {
        // The application's window: moved from the caption band only.
        {false, 360, 270, 5, 5, WM_NCLBUTTONDOWN, HTCAPTION, 0},
        {false, 360, 270, 5, 100, 0, 0, FALSE},
        {false, 360, 270, 300, 2, WM_NCLBUTTONDOWN, HTCAPTION, 0},
        {false, 360, 270, 300, 3, 0, 0, TRUE},
        // A resizable window: borders size it, the rest of the caption moves it.
        {true, 360, 270, 1, 100, WM_SYSCOMMAND, SC_SIZE | WMSZ_LEFT, 0},
        {true, 360, 270, 358, 100, WM_SYSCOMMAND, SC_SIZE | WMSZ_RIGHT, 0},
        {true, 360, 270, 100, 2, WM_SYSCOMMAND, SC_SIZE | WMSZ_TOP, 0},
        {true, 360, 270, 100, 268, WM_SYSCOMMAND, SC_SIZE | WMSZ_BOTTOM, 0},
        {true, 360, 270, 5, 5, WM_SYSCOMMAND, SC_SIZE | WMSZ_TOPLEFT, 0},
        {true, 360, 270, 355, 269, WM_SYSCOMMAND, SC_SIZE | WMSZ_BOTTOMRIGHT, 0},
        {true, 360, 270, 5, 265, WM_SYSCOMMAND, SC_SIZE | WMSZ_BOTTOMLEFT, 0},
        {true, 360, 270, 100, 20, WM_NCLBUTTONDOWN, HTCAPTION, 0},
        {true, 360, 270, 100, 100, 0, 0, FALSE},
        // Less than 20 high: a bottom corner wins inside the caption band
        // (on the right the caption-button strip takes the press first).
        {true, 360, 18, 5, 12, WM_SYSCOMMAND, SC_SIZE | WMSZ_BOTTOMLEFT, 0},
        {true, 360, 18, 355, 12, 0, 0, TRUE},
    };
    for (const PressCase& c : cases) {
        SCOPED_TRACE(testing::Message() << c.resizable << " " << c.x << "," << c.y << " in " << c.height);
        HWND window = CreateTestWindow(c.width, c.height, kAppStyle | (c.resizable ? WS_MAXIMIZEBOX : 0));
        windows.push_back(window);
        engine->frameBorder = 3;
        SkinWindowOptions options;
        options.resizable = c.resizable;
        const int index = RegisterWindowRecord(*engine, NewWindowRecord(window, options, 3), options);
        CommandRecorder recorder(window);
        RECT client;
        GetClientRect(window, &client);
        const LRESULT result = engine->BeginMoveOrSize(index, MAKELPARAM(c.x, c.y), client);
        EXPECT_EQ(result, c.result);
        if (c.message == 0) {
            EXPECT_TRUE(recorder.seen.empty());
        } else {
            ASSERT_EQ(recorder.seen.size(), 1u);
            EXPECT_EQ(recorder.seen[0].first, c.message);
            EXPECT_EQ(recorder.seen[0].second, c.command);
        }
    }
}

TEST_F(CaptionLayoutTest, StatusBarPartsFillTheBottomBand)
{
    HWND window = CreateTestWindow(360, 270);
    windows = {window};
    engine->frameBorder = 3;
    SkinWindowOptions options;
    options.statusBarHeight = 20;
    options.statusBarParts = std::vector<StatusPart>{{100, "left", {}, 0}, {-1, "rest", {}, 0}};
    const int index = RegisterWindowRecord(*engine, NewWindowRecord(window, options, 3), options);
    const WindowRecord& record = *RecordAt(index);
    EXPECT_EQ(record.statusBarRect.x, 3);
    EXPECT_EQ(record.statusBarRect.y, 246);
    EXPECT_EQ(record.statusBarRect.width, 354);
    ASSERT_EQ(record.statusPartRects.size(), 2u);
    const SkinRect expected[] = {{3, 246, 100, 20}, {103, 246, 254, 20}};
    for (size_t i = 0; i < 2; ++i) {
        EXPECT_EQ(record.statusPartRects[i].x, expected[i].x) << i;
        EXPECT_EQ(record.statusPartRects[i].y, expected[i].y) << i;
        EXPECT_EQ(record.statusPartRects[i].width, expected[i].width) << i;
        EXPECT_EQ(record.statusPartRects[i].height, expected[i].height) << i;
    }
    // After the window grows, the rest part follows the new width.
    SetWindowPos(window, nullptr, 0, 0, 460, 300, SWP_NOMOVE | SWP_NOZORDER);
    engine->LayoutStatusBar(index);
    EXPECT_EQ(record.statusBarRect.y, 300 - 20 - 3 - 1);
    EXPECT_EQ(record.statusPartRects[1].width, 460 - 100 - 6);
}

TEST_F(CaptionLayoutTest, SettingsSwitchesAndStatusStyle)
{
    engine->SetControlEffects(true, 200);
    EXPECT_TRUE(SkinModule().translucentControls);
    EXPECT_EQ(SkinModule().washAlpha, 200);
    engine->SetControlEffects(true);
    EXPECT_FALSE(SkinModule().translucentControls);
    EXPECT_EQ(SkinModule().washAlpha, 160);
    EXPECT_EQ(SkinModule().trackbarStyle, 1);

    HWND window = CreateTestWindow(200, 200);
    windows = {window};
    SkinWindowOptions options;
    options.statusBarHeight = 20;
    const int index = RegisterWindowRecord(*engine, NewWindowRecord(window, options, 3), options);
    SetPropA(window, "Hw_lbID", reinterpret_cast<HANDLE>(static_cast<INT_PTR>(index)));
    WindowRecord& record = *RecordAt(index);
    record.statusAutoTextColour = false;
    record.statusTextColour = 0x123456;
    record.statusFontName = "Tahoma";
    record.statusFontSize = 9;
    EXPECT_TRUE(engine->SetStatusBarStyle(window, std::nullopt, true));
    EXPECT_TRUE(record.statusTextHalo);
    EXPECT_TRUE(record.statusAutoTextColour);
    EXPECT_EQ(record.statusTextColour, 0u);
    EXPECT_EQ(record.statusHaloColour, 0xFFFFFFu);
    EXPECT_EQ(record.statusFontName, "Tahoma");
    EXPECT_EQ(record.statusFontSize, 9);
}

} // namespace
