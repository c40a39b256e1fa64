// Paint time of every control class the skin paints, in the controls
// gallery, against Windows' own paint of the same control in an unskinned
// twin of the gallery, measured in one run.
//
// Skinned paints are timed into a memory DC (WM_PRINTCLIENT) where the
// skinned control answers it; controls whose skin lies in their frame (the
// edits and list-like controls) or that only paint through their own DC
// are timed on the screen instead. Windows' paint is WM_PRINTCLIENT into a
// memory DC. Both on-screen times are shown as well.
//
//     controls_bench.exe [rounds]
#include <windows.h>
#include <commctrl.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <vector>

#include "bench_support.h"
#include "controls_window.h"
#include "gallery_window.h"
#include "skin_engine.h"

namespace {

HWND Find(HWND window, int id, int container)
{
    return container ? GetDlgItem(GetDlgItem(window, container), id) : GetDlgItem(window, id);
}

} // namespace

int main(int argc, char** argv)
{
    const int rounds = argc > 1 ? std::max(1, std::atoi(argv[1])) : 5;
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_WIN95_CLASSES | ICC_DATE_CLASSES | ICC_STANDARD_CLASSES |
                                                       ICC_INTERNET_CLASSES};
    InitCommonControlsEx(&controls);
    auto engine = std::make_unique<SkinEngine>();
    engine->StartModule();
    SetGalleryBackground(*engine);
    HWND skinned = CreateControlsWindow(engine.get(), 10, 10);
    HWND plain = CreateControlsWindow(nullptr, 660, 10);
    Pump();

    const struct {
        const char* name;
        int id;
        int container;
        bool printed; // the skinned control answers WM_PRINTCLIENT
    } kClasses[] = {
        {"push button", kGalleryPushButton, 0, true},
        {"check box", kGalleryCheckBox, 0, true},
        {"radio button", kGalleryRadio, 0, true},
        {"picture button", kGalleryPictureButton, 0, true},
        {"icon button", kGalleryIconButton, 0, true},
        {"edit", kGalleryEdit, 0, false},
        {"multi-line edit", kGalleryScrolledEdit, 0, false},
        {"simple combo", kGallerySimpleCombo, 0, false},
        {"drop-down combo", kGalleryDropDownCombo, 0, false},
        {"drop-down list", kGalleryDropDownList, 0, false},
        {"list box", kGalleryListBox, 0, false},
        {"list view", kGalleryListView, 0, false},
        {"tree view", kGalleryTreeView, 0, false},
        {"IP address", kGalleryIpAddress, 0, false},
        {"date-time picker", kGalleryDateTime, 0, false},
        {"trackbar", kGalleryTrackbar, 0, true},
        {"selection trackbar", kGallerySelectionTrackbar, 0, true},
        {"up-down", kGalleryUpDown, 0, true},
        {"header", kGalleryHeader, 0, false},
        {"progress bar", kGalleryProgress, 0, true},
        {"group box", kGalleryGroupCentre, 0, false},
        {"tinted frame", kGalleryFrame, 0, false},
        {"button in frame", kGalleryFrameButton, kGalleryFrame, true},
    };
    std::printf("%-20s %11s %11s %7s %14s %14s\n", "control", "skinned us", "native us", "ratio", "skinned screen",
                "native screen");
    double worst = 0;
    for (const auto& c : kClasses) {
        HWND mine = Find(skinned, c.id, c.container), twin = Find(plain, c.id, c.container);
        if (!mine || !twin) {
            std::printf("%-20s missing\n", c.name);
            continue;
        }
        std::vector<double> skinnedPaint, nativePaint, skinnedScreen, nativeScreen;
        for (int round = 0; round < rounds; ++round) {
            skinnedPaint.push_back(PaintTime(mine, 30, c.printed));
            nativePaint.push_back(PaintTime(twin, 30, true));
            skinnedScreen.push_back(PaintTime(mine, 30, false));
            nativeScreen.push_back(PaintTime(twin, 30, false));
        }
        const double s = Median(skinnedPaint), n = Median(nativePaint);
        worst = std::max(worst, s / n);
        std::printf("%-20s %11.1f %11.1f %7.2f %11.1f us %11.1f us%s\n", c.name, s * 1e6, n * 1e6, s / n,
                    Median(skinnedScreen) * 1e6, Median(nativeScreen) * 1e6,
                    c.printed ? "" : "  (skinned: screen)");
        Pump();
    }
    std::printf("highest ratio %.2f (target <= 10)\n", worst);
    DestroyWindow(skinned);
    DestroyWindow(plain);
    Pump();
    engine.reset();
    FreeSkinModule();
    return 0;
}
