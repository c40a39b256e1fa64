// Paint time of every control class the skin paints, in the controls
// gallery, against Windows' own paint of the same control in an unskinned
// twin of the gallery, measured in one run.
//
// Each class is compared like against like: both paints into a memory DC
// (WM_PRINTCLIENT) where the skinned control answers it, both on the
// screen for controls whose skin lies in their frame (edits, list-like
// controls) or that paint only through a DC of their own.
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
    PrintComparisonHeader();
    double worst = 0;
    for (const auto& c : kClasses) {
        HWND mine = Find(skinned, c.id, c.container), twin = Find(plain, c.id, c.container);
        if (!mine || !twin) {
            std::printf("%-20s missing\n", c.name);
            continue;
        }
        const PaintComparison comparison = ComparePaints(mine, twin, c.printed, rounds, 30);
        worst = std::max(worst, comparison.Ratio());
        PrintComparison(c.name, comparison);
    }
    std::printf("highest ratio %.2f (target <= 10)\n", worst);
    DestroyWindow(skinned);
    DestroyWindow(plain);
    Pump();
    engine.reset();
    FreeSkinModule();
    return 0;
}
