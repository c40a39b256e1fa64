// Progress bars on real skinned windows: which bars are taken, the fill
// in proportion to the position within the range (horizontal and
// vertical, ranges not starting at 0, an empty range), and the paint into
// a given DC, probed on the screen.
#include "painted_control_test_support.h"

#include <commctrl.h>

#include "control_setup.h"
#include "progress_bars.h"
#include "pump.h"
#include "skin_primitives.h"

namespace {

using namespace control_test;

constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr COLORREF kBlack = RGB(0, 0, 0);

constexpr RECT kHorizontalPlace{40, 60, 340, 84};
constexpr RECT kVerticalPlace{40, 40, 64, 240};

HWND CreateBar(HWND host, DWORD style, RECT place, int low, int high, int position)
{
    HWND bar = CreateChild(host, PROGRESS_CLASSA, style, 0, place);
    SendMessageA(bar, PBM_SETRANGE32, static_cast<WPARAM>(low), high);
    SendMessageA(bar, PBM_SETPOS, static_cast<WPARAM>(position), 0);
    return bar;
}

class ProgressBarsTest : public SkinnedControlsTest {
protected:
    // A bar alone in a skinned host of its own; all hosts are alike, so
    // equal bars show equal pictures.
    HWND SkinnedBar(DWORD style, int low, int high, int position, int hostX = 60)
    {
        HWND host = Host(hostX, 60);
        HWND bar = CreateBar(host, style, (style & PBS_VERTICAL) ? kVerticalPlace : kHorizontalPlace, low, high,
                             position);
        Skin(host);
        return bar;
    }
};

TEST_F(ProgressBarsTest, SetUpTakesEachBarOnce)
{
    HWND host = Host();
    HWND horizontal = CreateBar(host, PBS_SMOOTH, {10, 40, 200, 60}, 0, 100, 10);
    HWND vertical = CreateBar(host, PBS_VERTICAL, {210, 40, 230, 200}, 0, 100, 10);
    HWND taken = CreateBar(host, 0, {10, 70, 200, 90}, 0, 100, 10);
    SetPropA(taken, "Hw_hProc", reinterpret_cast<HANDLE>(GetWindowLongPtrA(taken, GWLP_WNDPROC)));
    const int index = Skin(host);
    ASSERT_GE(index, 1);
    for (int round = 1; round <= 2; ++round) {
        SCOPED_TRACE(round == 1 ? "after SkinWindow" : "after a second set-up");
        const WindowRecord& record = *RecordAt(index);
        ASSERT_EQ(record.progressBars.Count(), 2);
        const HWND expected[] = {horizontal, vertical};
        for (int i = 1; i <= 2; ++i) {
            const ProgressRecord& entry = *record.progressBars.At(i);
            ExpectTakenOver(entry, expected[i - 1], i, index, &ProgressProc);
            EXPECT_EQ(entry.vertical, i == 2 ? 1 : 0);
        }
        EXPECT_EQ(record.progressBars.Find(taken), 0);
        SkinProgressBars(index, host);
    }
    // Subclassed once: the bar still answers through its own procedure.
    EXPECT_EQ(SendMessageA(horizontal, PBM_SETPOS, 70, 0), 10);
    EXPECT_EQ(SendMessageA(horizontal, PBM_GETPOS, 0, 0), 70);
    Repaint(host);
    EXPECT_TRUE(SkinModule().memoryDCList.empty());

    engine->SetControlEffects(false);
    HWND plainHost = Host(460, 60);
    HWND plain = CreateBar(plainHost, 0, {10, 40, 200, 60}, 0, 100, 10);
    const int plainIndex = Skin(plainHost);
    EXPECT_EQ(RecordAt(plainIndex)->progressBars.At(1)->window, nullptr);
    EXPECT_EQ(GetPropA(plain, "Hw_hProc"), nullptr);
}

TEST_F(ProgressBarsTest, TroughOnlyAtTheLowEnd)
{
    HWND bar = SkinnedBar(0, 50, 150, 50);
    const Pixels picture = WindowPicture(bar);
    EXPECT_TRUE(SkinModule().memoryDCList.empty());
    const RECT inHost = RectInOwner(bar);
    HDC frame = RecordAt(Property(bar, "Hw_FuID"))->BackgroundDC();
    const auto behind = [&](int x, int y) { return GetPixel(frame, inHost.left + x, inHost.top + y); };
    const int height = picture.height, middle = height / 2;
    // Outline: black at alpha 50.
    for (POINT p : {POINT{0, middle}, POINT{picture.width - 1, middle}, POINT{150, 0}, POINT{150, height - 1}})
        EXPECT_TRUE(Near(picture.At(p.x, p.y), Blend(kBlack, 50, behind(p.x, p.y)), 3)) << p.x << "," << p.y;
    // Trough: white at alpha 160 at the top fading to black at alpha 30 at
    // the bottom, the same all along.
    for (int x = 4; x < picture.width - 4; x += 7) {
        ASSERT_TRUE(Near(picture.At(x, 1), Blend(kWhite, 160, behind(x, 1)), 8)) << x;
        ASSERT_TRUE(Near(picture.At(x, height - 2), Blend(kBlack, 30, behind(x, height - 2)), 8)) << x;
    }
}

// Compares a bar with the same bar at the low end of its range, which
// shows the trough only: the fill covers what differs.
TEST_F(ProgressBarsTest, FillFollowsThePositionWithinTheRange)
{
    const struct {
        const char* name;
        DWORD style;
        int low, high, position;
        double share; // of the length the fill covers
    } cases[] = {
        {"half of 50..150", 0, 50, 150, 100, 0.5},
        {"high end of 50..150", 0, 50, 150, 150, 1.0},
        {"a quarter of -200..200", 0, -200, 200, -100, 0.25},
        {"vertical, a third of 0..90", PBS_VERTICAL, 0, 90, 30, 1.0 / 3},
        {"vertical, high end", PBS_VERTICAL, 10, 20, 20, 1.0},
        {"empty range", 0, 100, 100, 100, 0.0},
        {"vertical, empty range", PBS_VERTICAL, 0, 0, 0, 0.0},
    };
    const COLORREF accent = SkinModule().accentColour;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        HWND bar = SkinnedBar(c.style, c.low, c.high, c.position, 60);
        HWND trough = SkinnedBar(c.style, c.low == c.high ? 0 : c.low, c.low == c.high ? 1 : c.high,
                                 c.low == c.high ? 0 : c.low, 460);
        PBRANGE range{};
        SendMessageA(bar, PBM_GETRANGE, TRUE, reinterpret_cast<LPARAM>(&range));
        ASSERT_EQ(range.iLow, c.low);
        ASSERT_EQ(range.iHigh, c.high);
        const Pixels picture = WindowPicture(bar);
        const Pixels empty = WindowPicture(trough);
        EXPECT_TRUE(SkinModule().memoryDCList.empty());
        if (c.share == 0) {
            EXPECT_EQ(picture, empty);
            continue;
        }
        const bool vertical = (c.style & PBS_VERTICAL) != 0;
        const int length = vertical ? picture.height : picture.width;
        const int thickness = vertical ? picture.width : picture.height;
        const int filled = static_cast<int>(length * c.share);
        // Along the middle line: fill from the start (the bottom of a
        // vertical bar), trough beyond it.
        const auto at = [&](const Pixels& p, int along, int across) {
            return vertical ? p.At(across, length - 1 - along) : p.At(along, across);
        };
        for (int along = 3; along < length - 3; ++along) {
            if (along >= filled - 3 && along <= filled + 1)
                continue;
            const COLORREF pixel = at(picture, along, thickness / 2);
            if (along < filled) {
                ASSERT_FALSE(Near(pixel, at(empty, along, thickness / 2), 20)) << along;
            } else {
                ASSERT_EQ(pixel, at(empty, along, thickness / 2)) << along;
            }
        }
        // Across the fill: lighter at the start (top, or left of a
        // vertical bar), the accent colour at the far side.
        const int along = filled / 2;
        EXPECT_TRUE(Near(at(picture, along, thickness - 4), accent, 24));
        EXPECT_FALSE(Near(at(picture, along, 3), accent, 24));
    }
}

TEST_F(ProgressBarsTest, PrintClientPaintsTheSkinIntoTheGivenDC)
{
    // A border puts the client area off the window's corner.
    for (DWORD style : {DWORD{0}, DWORD{WS_BORDER}}) {
        SCOPED_TRACE(style);
        HWND bar = SkinnedBar(style, 0, 100, 60);
        const Pixels shown = WindowPicture(bar);
        const Pixels printed = PrintedClient(bar);
        EXPECT_TRUE(SkinModule().memoryDCList.empty());
        RECT outer, client;
        GetWindowRect(bar, &outer);
        POINT origin{0, 0};
        ClientToScreen(bar, &origin);
        GetClientRect(bar, &client);
        const int dx = origin.x - outer.left, dy = origin.y - outer.top;
        EXPECT_EQ(dx, style ? 1 : 0);
        int same = 0;
        for (int y = 0; y < client.bottom; ++y) {
            for (int x = 0; x < client.right; ++x)
                same += printed.At(x, y) == shown.At(x + dx, y + dy) ? 1 : 0;
        }
        EXPECT_EQ(same, client.right * client.bottom);
    }
}

} // namespace
