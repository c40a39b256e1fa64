// Trackbars on real skinned windows: which trackbars are taken and how
// their style is kept, the thumb at rest and under the mouse, the fill
// line and the selection line, the optional box, vertical trackbars, and
// the paint into a given DC, probed on the screen.
#include "painted_control_test_support.h"

#include <commctrl.h>

#include <cstdlib>
#include <optional>
#include <string>

#include "control_setup.h"
#include "pump.h"
#include "skin_primitives.h"
#include "trackbars.h"

namespace {

using namespace control_test;

constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr COLORREF kBlack = RGB(0, 0, 0);

// Where trackbars sit in their hosts: below the caption, over the dark
// part of the default background.
constexpr RECT kPlace{40, 60, 340, 92};

struct TrackbarSetting {
    DWORD style = 0;
    int minimum = 0, maximum = 100, position = 40;
    std::optional<std::pair<int, int>> selection; // TBM_SETSEL when given
};

HWND CreateTrackbar(HWND host, const TrackbarSetting& setting, RECT place = kPlace)
{
    HWND trackbar = CreateChild(host, TRACKBAR_CLASSA, setting.style, 0, place);
    SendMessageA(trackbar, TBM_SETRANGEMIN, FALSE, setting.minimum);
    SendMessageA(trackbar, TBM_SETRANGEMAX, FALSE, setting.maximum);
    SendMessageA(trackbar, TBM_SETPOS, TRUE, setting.position);
    if (setting.selection)
        SendMessageA(trackbar, TBM_SETSEL, TRUE, MAKELPARAM(setting.selection->first, setting.selection->second));
    return trackbar;
}

// The channel and thumb as the control reports them, in along/across
// terms (the channel of a vertical trackbar may come either way round).
struct Layout {
    int channelStart, channelEnd, channelTop, channelBottom;
    int thumbStart;
};

Layout LayoutOf(HWND trackbar)
{
    const bool vertical = (GetWindowLongPtrA(trackbar, GWL_STYLE) & TBS_VERT) != 0;
    RECT channel{}, thumb{};
    SendMessageA(trackbar, TBM_GETCHANNELRECT, 0, reinterpret_cast<LPARAM>(&channel));
    SendMessageA(trackbar, TBM_GETTHUMBRECT, 0, reinterpret_cast<LPARAM>(&thumb));
    if (vertical && channel.bottom - channel.top > channel.right - channel.left)
        channel = RECT{channel.top, channel.left, channel.bottom, channel.right};
    return {channel.left, channel.right, channel.top, channel.bottom, vertical ? thumb.top : thumb.left};
}

// A pixel of the thumb: white shaded to grey, where everything around has
// the green of the default background.
bool IsThumb(COLORREF pixel)
{
    const int r = GetRValue(pixel), g = GetGValue(pixel), b = GetBValue(pixel);
    return std::abs(r - g) <= 8 && std::abs(g - b) <= 8 && std::abs(r - b) <= 8 && r >= 0xA0;
}

// A pixel of the accent-coloured fill line (alpha 200 over the channel).
bool IsAccent(COLORREF pixel) { return Near(pixel, SkinModule().accentColour, 48); }

class TrackbarsTest : public SkinnedControlsTest {
protected:
    // Out of every test window.
    static void ParkMouse()
    {
        MoveMouseTo({GetSystemMetrics(SM_CXSCREEN) - 2, GetSystemMetrics(SM_CYSCREEN) - 2});
        PumpMessages();
    }

    // A trackbar alone in a skinned host of its own; all hosts are alike,
    // so equal trackbars show equal pictures.
    HWND SkinnedTrackbar(const TrackbarSetting& setting, int hostX = 60, RECT place = kPlace)
    {
        HWND host = Host(hostX, 60);
        HWND trackbar = CreateTrackbar(host, setting, place);
        Skin(host);
        return trackbar;
    }

    const TrackbarRecord& EntryOf(HWND trackbar)
    {
        const WindowRecord& record = *RecordAt(Property(trackbar, "Hw_FuID"));
        return *record.trackbars.At(Property(trackbar, "Hw_lbID"));
    }
};

TEST_F(TrackbarsTest, SetUpTakesEachTrackbarOnceAndKeepsItsStyle)
{
    HWND host = Host();
    const struct {
        DWORD style;
        int vertical, tickPlacement, selectionRange;
    } cases[] = {
        {0, 0, 1, 0},
        {TBS_VERT, 1, 1, 0},
        {TBS_TOP, 0, 0, 0},
        {TBS_BOTH | TBS_AUTOTICKS, 0, 2, 0},
        {TBS_NOTICKS | TBS_TOP, 0, 3, 0},
        {TBS_ENABLESELRANGE, 0, 1, 1},
        {TBS_VERT | TBS_LEFT | TBS_ENABLESELRANGE, 1, 0, 1},
    };
    std::vector<HWND> trackbars;
    int y = 40;
    for (const auto& c : cases) {
        trackbars.push_back(CreateChild(host, TRACKBAR_CLASSA, c.style, 0, {10, y, 200, y + 28}));
        y += 30;
    }
    // Taken already by another set-up: left alone.
    HWND taken = CreateChild(host, TRACKBAR_CLASSA, 0, 0, {210, 40, 370, 68});
    SetPropA(taken, "Hw_hProc", reinterpret_cast<HANDLE>(GetWindowLongPtrA(taken, GWLP_WNDPROC)));

    const int index = Skin(host);
    ASSERT_GE(index, 1);
    for (int round = 1; round <= 2; ++round) {
        SCOPED_TRACE(round == 1 ? "after SkinWindow" : "after a second set-up");
        const WindowRecord& record = *RecordAt(index);
        ASSERT_EQ(record.trackbars.Count(), static_cast<int>(std::size(cases)));
        for (int i = 1; i <= record.trackbars.Count(); ++i) {
            const auto& c = cases[i - 1];
            const TrackbarRecord& entry = *record.trackbars.At(i);
            SCOPED_TRACE(i);
            ExpectTakenOver(entry, trackbars[static_cast<size_t>(i - 1)], i, index, &TrackbarProc);
            EXPECT_EQ(entry.vertical, c.vertical);
            EXPECT_EQ(entry.tickPlacement, c.tickPlacement);
            EXPECT_EQ(entry.selectionRange, c.selectionRange);
            EXPECT_EQ(entry.hot, 0);
        }
        EXPECT_EQ(record.trackbars.Find(taken), 0);
        EXPECT_EQ(GetPropA(taken, "Hw_lbID"), nullptr);
        SkinTrackbars(index, host);
    }
    // Subclassed once: the control still answers through its own procedure
    // (a second subclass would call itself without end).
    SendMessageA(trackbars[0], TBM_SETPOS, TRUE, 30);
    EXPECT_EQ(SendMessageA(trackbars[0], TBM_GETPOS, 0, 0), 30);
    Repaint(host);
    EXPECT_TRUE(SkinModule().memoryDCList.empty());
}

TEST_F(TrackbarsTest, NothingIsTakenWhileControlsAreNotSkinned)
{
    engine->SetControlEffects(false);
    HWND host = Host();
    HWND trackbar = CreateTrackbar(host, {});
    const int index = Skin(host);
    EXPECT_EQ(RecordAt(index)->trackbars.At(1)->window, nullptr);
    EXPECT_EQ(GetPropA(trackbar, "Hw_hProc"), nullptr);
}

TEST_F(TrackbarsTest, ThumbIsADotAtRestAndACircleUnderTheMouse)
{
    HWND trackbar = SkinnedTrackbar({});
    const TrackbarRecord& entry = EntryOf(trackbar);
    const Layout layout = LayoutOf(trackbar);
    const int c = layout.channelTop, t = layout.thumbStart;
    const Pixels rest = WindowPicture(trackbar);
    EXPECT_TRUE(SkinModule().memoryDCList.empty());
    // The 4-pixel dot sits at the thumb's start, on the channel.
    EXPECT_TRUE(IsThumb(rest.At(t + 1, c))) << std::hex << rest.At(t + 1, c);
    EXPECT_TRUE(IsThumb(rest.At(t + 2, c + 2)));
    for (POINT outside : {POINT{t + 6, c}, POINT{t + 1, c - 3}, POINT{t + 5, c - 3}, POINT{t - 3, c}})
        EXPECT_FALSE(IsThumb(rest.At(outside.x, outside.y))) << outside.x << "," << outside.y;

    RECT screen;
    GetWindowRect(trackbar, &screen);
    MoveMouseTo({screen.left + 200, (screen.top + screen.bottom) / 2});
    ASSERT_TRUE(PumpUntil([&] { return entry.hot == 1; }));
    PumpMessages();
    const Pixels hot = WindowPicture(trackbar);
    EXPECT_TRUE(SkinModule().memoryDCList.empty());
    EXPECT_EQ(RecordAt(Property(trackbar, "Hw_FuID"))->hotControlClass, kTrackbarHoverClass);
    // An 11-pixel circle from 4 pixels before the band's start.
    for (POINT inside : {POINT{t + 5, c - 3}, POINT{t + 1, c + 1}, POINT{t + 9, c + 1}, POINT{t + 5, c}})
        EXPECT_TRUE(IsThumb(hot.At(inside.x, inside.y))) << inside.x << "," << inside.y;
    // Nothing but the circle changed.
    for (int y = 0; y < rest.height; ++y) {
        for (int x = 0; x < rest.width; ++x) {
            if (x >= t - 1 && x <= t + 12 && y >= c - 5 && y <= c + 8)
                continue;
            ASSERT_EQ(hot.At(x, y), rest.At(x, y)) << x << "," << y;
        }
    }

    ParkMouse();
    ASSERT_TRUE(PumpUntil([&] { return entry.hot == 0; }));
    PumpMessages();
    EXPECT_EQ(WindowPicture(trackbar), rest) << "the circle shrinks back to the dot";
    EXPECT_EQ(RecordAt(Property(trackbar, "Hw_FuID"))->hotControlIndex, 0);
    EXPECT_TRUE(SkinModule().memoryDCList.empty());
}

TEST_F(TrackbarsTest, AtTheMaximumTheDotMovesOnAndTheFillLineGrows)
{
    const struct {
        int position;
        int dotShift, lineGain;
    } cases[] = {{99, 0, 0}, {100, 8, 10}, {50, 0, 0}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.position);
        TrackbarSetting setting;
        setting.position = c.position;
        HWND trackbar = SkinnedTrackbar(setting);
        const Layout layout = LayoutOf(trackbar);
        const Pixels picture = WindowPicture(trackbar);
        EXPECT_TRUE(SkinModule().memoryDCList.empty());
        const int band = layout.channelTop, line = band + 1;
        const int dot = layout.thumbStart + c.dotShift;
        EXPECT_TRUE(IsThumb(picture.At(dot + 1, band))) << "dot at " << dot;
        EXPECT_FALSE(IsThumb(picture.At(dot - 2, band)));
        // The line runs from the channel's start up to one pixel before
        // the thumb, and 10 pixels further at the maximum.
        const int end = layout.thumbStart - 1 + c.lineGain;
        for (int x = layout.channelStart + 1; x < end - 1; x += 3) {
            if (x < dot - 1 || x > dot + 4) {
                ASSERT_TRUE(IsAccent(picture.At(x, line))) << x << " " << std::hex << picture.At(x, line);
            }
        }
        EXPECT_FALSE(IsAccent(picture.At(end + 2, line)));
        EXPECT_FALSE(IsAccent(picture.At(layout.channelStart + 1, band - 2)));
    }
}

TEST_F(TrackbarsTest, TicksAreNeverShown)
{
    TrackbarSetting ticked;
    ticked.style = TBS_AUTOTICKS;
    HWND withTicks = SkinnedTrackbar(ticked, 60);
    SendMessageA(withTicks, TBM_SETTICFREQ, 5, 0);
    SendMessageA(withTicks, TBM_SETTIC, 0, 33);
    ASSERT_GT(SendMessageA(withTicks, TBM_GETNUMTICS, 0, 0), 2);
    HWND plain = SkinnedTrackbar({}, 460);
    Repaint(GetParent(withTicks));
    EXPECT_EQ(WindowPicture(withTicks), WindowPicture(plain));
    EXPECT_TRUE(SkinModule().memoryDCList.empty());
}

TEST_F(TrackbarsTest, TheBoxIsLeftOutWithTrackbarStyleZero)
{
    for (int style : {1, 0}) {
        SCOPED_TRACE(style);
        engine->SetControlEffects(true, std::nullopt, style);
        HWND trackbar = SkinnedTrackbar({}, style ? 60 : 460);
        const Pixels picture = WindowPicture(trackbar);
        EXPECT_TRUE(SkinModule().memoryDCList.empty());
        const RECT inHost = RectInOwner(trackbar);
        HDC frame = RecordAt(Property(trackbar, "Hw_FuID"))->BackgroundDC();
        const auto behind = [&](int x, int y) { return GetPixel(frame, inHost.left + x, inHost.top + y); };
        const int middle = picture.height / 2, right = picture.width - 1;
        const Layout layout = LayoutOf(trackbar);
        for (POINT p : {POINT{0, middle}, POINT{right, middle}, POINT{150, 0}, POINT{150, picture.height - 1}}) {
            const COLORREF expected = style ? Blend(kBlack, 30, behind(p.x, p.y)) : behind(p.x, p.y);
            EXPECT_TRUE(Near(picture.At(p.x, p.y), expected, 3)) << "outline " << p.x << "," << p.y;
        }
        // The face: white at alpha 160 at the top, fading to black at
        // alpha 30 at the bottom.
        const int x = 200, top = 1, bottom = picture.height - 2;
        const int tolerance = style ? 8 : 0;
        EXPECT_TRUE(
            Near(picture.At(x, top), style ? Blend(kWhite, 160, behind(x, top)) : behind(x, top), tolerance));
        EXPECT_TRUE(Near(picture.At(x, bottom), style ? Blend(kBlack, 30, behind(x, bottom)) : behind(x, bottom),
                         tolerance));
        // Channel, thumb and line are there either way.
        EXPECT_FALSE(Near(picture.At(250, layout.channelTop + 2), behind(250, layout.channelTop + 2), 6));
        EXPECT_TRUE(IsAccent(picture.At(layout.channelStart + 4, layout.channelTop + 1)));
    }
}

TEST_F(TrackbarsTest, SelectionLineOnlyWithASelectionRange)
{
    const struct {
        DWORD style;
        bool lineShown;
    } cases[] = {{TBS_ENABLESELRANGE, true}, {0, false}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.style);
        TrackbarSetting selected;
        selected.style = c.style;
        selected.position = 0;
        selected.selection = std::pair{20, 60};
        TrackbarSetting cleared = selected;
        cleared.selection.reset();
        HWND trackbar = SkinnedTrackbar(selected, 60);
        HWND twin = SkinnedTrackbar(cleared, 460);
        const Pixels picture = WindowPicture(trackbar);
        const Pixels without = WindowPicture(twin);
        EXPECT_TRUE(SkinModule().memoryDCList.empty());
        if (!c.lineShown) {
            EXPECT_EQ(picture, without);
            continue;
        }
        ASSERT_EQ(SendMessageA(trackbar, TBM_GETSELEND, 0, 0), 60);
        // A white line at alpha 160 one pixel into the 4-pixel band, from
        // the selection start (in pixels past the channel start) for the
        // selection's share of the channel.
        const Layout layout = LayoutOf(trackbar);
        const float band = static_cast<float>(layout.channelTop) +
                           static_cast<float>(layout.channelBottom - layout.channelTop - 4) / 2;
        const int row = static_cast<int>(band + 1.5f);
        const int start = layout.channelStart + 20 - 1;
        const int length = 40 * (layout.channelEnd - layout.channelStart) / 100;
        for (int x = start + 2; x < start + length - 1; x += 4)
            ASSERT_TRUE(Near(picture.At(x, row), Blend(kWhite, 160, without.At(x, row)), 6)) << x;
        for (int x : {start - 3, start + length + 3})
            EXPECT_EQ(picture.At(x, row), without.At(x, row)) << x;
        for (int y = 0; y < picture.height; ++y) {
            if (y < row - 2 || y > row + 2) {
                ASSERT_EQ(picture.At(start + 10, y), without.At(start + 10, y)) << y;
            }
        }
    }
}

TEST_F(TrackbarsTest, MaximumZeroDrawsNoSelectionLine)
{
    TrackbarSetting selected;
    selected.style = TBS_ENABLESELRANGE;
    selected.minimum = -50;
    selected.maximum = 0;
    selected.position = -25;
    selected.selection = std::pair{-40, -10};
    TrackbarSetting cleared = selected;
    cleared.selection.reset();
    HWND trackbar = SkinnedTrackbar(selected, 60);
    HWND twin = SkinnedTrackbar(cleared, 460);
    ASSERT_EQ(SendMessageA(trackbar, TBM_GETRANGEMAX, 0, 0), 0);
    ASSERT_EQ(SendMessageA(trackbar, TBM_GETSELSTART, 0, 0), -40);
    Repaint(GetParent(trackbar));
    EXPECT_TRUE(SkinModule().memoryDCList.empty());
    EXPECT_EQ(WindowPicture(trackbar), WindowPicture(twin));
}

TEST_F(TrackbarsTest, VerticalTrackbarRunsDownward)
{
    TrackbarSetting setting;
    setting.style = TBS_VERT;
    HWND trackbar = SkinnedTrackbar(setting, 60, {40, 40, 72, 260});
    const Layout layout = LayoutOf(trackbar);
    ASSERT_GT(layout.channelEnd - layout.channelStart, 100) << "along runs down";
    const Pixels picture = WindowPicture(trackbar);
    EXPECT_TRUE(SkinModule().memoryDCList.empty());
    const int band = layout.channelTop, t = layout.thumbStart;
    EXPECT_TRUE(IsThumb(picture.At(band, t + 1)));
    EXPECT_TRUE(IsThumb(picture.At(band + 2, t + 2)));
    EXPECT_FALSE(IsThumb(picture.At(band, t + 6)));
    for (int y = layout.channelStart + 1; y < t - 2; y += 3)
        ASSERT_TRUE(IsAccent(picture.At(band + 1, y))) << y;
    EXPECT_FALSE(IsAccent(picture.At(band + 1, t + 10)));
    EXPECT_FALSE(IsAccent(picture.At(band - 2, t - 10)));
    // The channel: a darker band 4 pixels across, all the way down.
    const auto brightness = [&](int x, int y) {
        const COLORREF p = picture.At(x, y);
        return GetRValue(p) + GetGValue(p) + GetBValue(p);
    };
    for (int y = t + 20; y < layout.channelEnd - 4; y += 9) {
        const int beside = (brightness(band - 2, y) + brightness(band + 5, y)) / 2;
        ASSERT_LT(brightness(band + 1, y), beside - 40) << y;
    }
}

TEST_F(TrackbarsTest, PrintClientPaintsTheSkinIntoTheGivenDC)
{
    TrackbarSetting setting;
    setting.style = TBS_ENABLESELRANGE;
    setting.selection = std::pair{10, 70};
    HWND trackbar = SkinnedTrackbar(setting);
    const Pixels shown = WindowPicture(trackbar);
    const Pixels printed = PrintedClient(trackbar);
    EXPECT_TRUE(SkinModule().memoryDCList.empty());
    EXPECT_EQ(printed, shown);
}

} // namespace
