#include "controls_window.h"

#include <commctrl.h>
#include <embedded.h>

#include "skin_engine.h"

namespace {

constexpr const char* kControlsClass = "SkinGalleryControls";
constexpr const char* kPanelClass = "SkinGalleryPanel";
constexpr const char* kEngineProperty = "GalleryEngine";

LRESULT CALLBACK ControlsProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_COMMAND && LOWORD(wParam) == kGalleryTranslucentSwitch && HIWORD(wParam) == BN_CLICKED) {
        if (auto* engine = static_cast<SkinEngine*>(GetPropA(window, kEngineProperty))) {
            const bool on = SendMessageA(reinterpret_cast<HWND>(lParam), BM_GETCHECK, 0, 0) == BST_CHECKED;
            SetGalleryTranslucency(*engine, window, on);
        }
        return 0;
    }
    if (message == WM_NCDESTROY)
        RemovePropA(window, kEngineProperty);
    return DefWindowProcA(window, message, wParam, lParam);
}

bool RegisterClasses()
{
    for (const char* name : {kControlsClass, kPanelClass}) {
        WNDCLASSEXA windowClass{};
        windowClass.cbSize = sizeof windowClass;
        windowClass.style = CS_DBLCLKS;
        windowClass.lpfnWndProc = name == kControlsClass ? &ControlsProcedure : &DefWindowProcA;
        windowClass.hInstance = GetModuleHandleA(nullptr);
        windowClass.hCursor = LoadCursorA(nullptr, IDC_ARROW);
        windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
        windowClass.lpszClassName = name;
        if (!RegisterClassExA(&windowClass) && GetLastError() != ERROR_CLASS_ALREADY_EXISTS)
            return false;
    }
    return true;
}

HFONT GalleryFont()
{
    static HFONT font = CreateFontA(-12, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, GB2312_CHARSET, OUT_DEFAULT_PRECIS,
                                    CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH, "宋体");
    return font;
}

struct Place {
    int x, y, width, height;
};

HWND Add(HWND parent, int id, const char* className, const char* text, DWORD style, Place p,
         DWORD extendedStyle = 0)
{
    HWND control = CreateWindowExA(extendedStyle, className, text, WS_CHILD | WS_VISIBLE | style, p.x, p.y, p.width,
                                   p.height, parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                                   GetModuleHandleA(nullptr), nullptr);
    SendMessageA(control, WM_SETFONT, reinterpret_cast<WPARAM>(GalleryFont()), FALSE);
    return control;
}

void AddStrings(HWND control, UINT message, std::initializer_list<const char*> items)
{
    for (const char* item : items)
        SendMessageA(control, message, 0, reinterpret_cast<LPARAM>(item));
}

void AddEditsAndLists(HWND window)
{
    Add(window, kGalleryEdit, "Edit", "单行编辑框", ES_AUTOHSCROLL, {10, 40, 180, 22}, WS_EX_CLIENTEDGE);
    Add(window, kGalleryMultiLineEdit, "Edit", "多行编辑框\r\n没有滚动条", ES_MULTILINE, {10, 68, 180, 40},
        WS_EX_CLIENTEDGE);
    Add(window, kGalleryScrolledEdit, "Edit", "带滚动条的\r\n多行编辑框\r\n第三行\r\n第四行", ES_MULTILINE | WS_VSCROLL,
        {10, 114, 180, 48}, WS_EX_CLIENTEDGE);
    HWND simple = Add(window, kGallerySimpleCombo, "ComboBox", "", CBS_SIMPLE, {10, 168, 180, 70});
    AddStrings(simple, CB_ADDSTRING, {"简单组合框", "第二项", "第三项"});
    SendMessageA(simple, CB_SETCURSEL, 0, 0);
    HWND dropDown = Add(window, kGalleryDropDownCombo, "ComboBox", "", CBS_DROPDOWN, {10, 244, 180, 120});
    AddStrings(dropDown, CB_ADDSTRING, {"下拉组合框", "第二项"});
    SendMessageA(dropDown, CB_SETCURSEL, 0, 0);
    HWND dropList = Add(window, kGalleryDropDownList, "ComboBox", "", CBS_DROPDOWNLIST, {10, 274, 180, 120});
    AddStrings(dropList, CB_ADDSTRING, {"下拉列表", "第二项"});
    SendMessageA(dropList, CB_SETCURSEL, 0, 0);
    HWND list = Add(window, kGalleryListBox, "ListBox", "", WS_VSCROLL | LBS_NOTIFY, {10, 306, 180, 64},
                    WS_EX_CLIENTEDGE);
    AddStrings(list, LB_ADDSTRING, {"列表框", "第二项", "第三项", "第四项", "第五项"});
    SendMessageA(list, LB_SETCURSEL, 1, 0);
    HWND address = Add(window, kGalleryIpAddress, WC_IPADDRESSA, "", 0, {10, 376, 180, 22}, WS_EX_CLIENTEDGE);
    SendMessageA(address, IPM_SETADDRESS, 0, MAKEIPADDRESS(192, 168, 1, 10));
    HWND picker = Add(window, kGalleryDateTime, DATETIMEPICK_CLASSA, "", 0, {10, 404, 180, 24}, WS_EX_CLIENTEDGE);
    SendMessageA(picker, DTM_SETFORMATA, 0, reinterpret_cast<LPARAM>("yyyy'年'MM'月'dd'日' HH:mm"));
}

void AddViews(HWND window)
{
    HWND view = Add(window, kGalleryListView, WC_LISTVIEWA, "", LVS_REPORT, {200, 40, 220, 90}, WS_EX_CLIENTEDGE);
    const char* columns[] = {"名称", "大小"};
    for (int i = 0; i < 2; ++i) {
        LVCOLUMNA column{};
        column.mask = LVCF_TEXT | LVCF_WIDTH;
        column.cx = 80;
        column.pszText = const_cast<char*>(columns[i]);
        SendMessageA(view, LVM_INSERTCOLUMNA, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&column));
    }
    const char* rows[][2] = {{"关机.txt", "1 KB"}, {"重启.txt", "2 KB"}};
    for (int r = 0; r < 2; ++r) {
        LVITEMA item{};
        item.mask = LVIF_TEXT;
        item.iItem = r;
        item.pszText = const_cast<char*>(rows[r][0]);
        SendMessageA(view, LVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&item));
        item.iSubItem = 1;
        item.pszText = const_cast<char*>(rows[r][1]);
        SendMessageA(view, LVM_SETITEMTEXTA, static_cast<WPARAM>(r), reinterpret_cast<LPARAM>(&item));
    }
    HWND tree = Add(window, kGalleryTreeView, WC_TREEVIEWA, "", TVS_HASLINES | TVS_HASBUTTONS | TVS_LINESATROOT,
                    {200, 136, 220, 84}, WS_EX_CLIENTEDGE);
    TVINSERTSTRUCTA insert{};
    insert.hInsertAfter = TVI_LAST;
    insert.item.mask = TVIF_TEXT;
    insert.item.pszText = const_cast<char*>("树形视图");
    auto root = reinterpret_cast<HTREEITEM>(SendMessageA(tree, TVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&insert)));
    insert.hParent = root;
    for (const char* leaf : {"第一节点", "第二节点"}) {
        insert.item.pszText = const_cast<char*>(leaf);
        SendMessageA(tree, TVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&insert));
    }
    SendMessageA(tree, TVM_EXPAND, TVE_EXPAND, reinterpret_cast<LPARAM>(root));

    HWND header = Add(window, kGalleryHeader, WC_HEADERA, "", HDS_BUTTONS | HDS_HORZ, {200, 226, 220, 24});
    const char* captions[] = {"列一", "列二", "右对齐的长标题"};
    for (int i = 0; i < 3; ++i) {
        HDITEMA item{};
        item.mask = HDI_TEXT | HDI_WIDTH | HDI_FORMAT;
        item.cxy = i == 2 ? 80 : 70;
        item.fmt = i == 2 ? HDF_RIGHT | HDF_STRING : HDF_LEFT | HDF_STRING;
        item.pszText = const_cast<char*>(captions[i]);
        SendMessageA(header, HDM_INSERTITEMA, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&item));
    }
}

void AddRanges(HWND window)
{
    HWND track = Add(window, kGalleryTrackbar, TRACKBAR_CLASSA, "", TBS_AUTOTICKS, {200, 256, 220, 30});
    SendMessageA(track, TBM_SETRANGE, TRUE, MAKELPARAM(0, 100));
    SendMessageA(track, TBM_SETPOS, TRUE, 40);
    HWND selection = Add(window, kGallerySelectionTrackbar, TRACKBAR_CLASSA, "", TBS_ENABLESELRANGE,
                         {200, 290, 220, 30});
    SendMessageA(selection, TBM_SETRANGE, TRUE, MAKELPARAM(0, 100));
    SendMessageA(selection, TBM_SETSEL, TRUE, MAKELPARAM(20, 70));
    SendMessageA(selection, TBM_SETPOS, TRUE, 50);
    HWND vertical = Add(window, kGalleryVerticalTrackbar, TRACKBAR_CLASSA, "", TBS_VERT, {390, 326, 30, 120});
    SendMessageA(vertical, TBM_SETRANGE, TRUE, MAKELPARAM(0, 10));
    SendMessageA(vertical, TBM_SETPOS, TRUE, 3);

    Add(window, kGalleryUpDownBuddy, "Edit", "5", ES_NUMBER, {200, 326, 60, 22}, WS_EX_CLIENTEDGE);
    HWND spin = Add(window, kGalleryUpDown, UPDOWN_CLASSA, "",
                    UDS_ALIGNRIGHT | UDS_SETBUDDYINT | UDS_ARROWKEYS | UDS_AUTOBUDDY, {0, 0, 0, 0});
    SendMessageA(spin, UDM_SETRANGE32, 0, 99);
    SendMessageA(spin, UDM_SETPOS32, 0, 5);
    Add(window, kGalleryHorizontalUpDown, UPDOWN_CLASSA, "", UDS_HORZ, {270, 326, 40, 22});

    HWND progress = Add(window, kGalleryProgress, PROGRESS_CLASSA, "", 0, {200, 356, 180, 18});
    SendMessageA(progress, PBM_SETPOS, 60, 0);
    HWND offset = Add(window, kGalleryOffsetProgress, PROGRESS_CLASSA, "", 0, {200, 380, 180, 18});
    SendMessageA(offset, PBM_SETRANGE32, 50, 150);
    SendMessageA(offset, PBM_SETPOS, 100, 0);
    HWND vertical2 = Add(window, kGalleryVerticalProgress, PROGRESS_CLASSA, "", PBS_VERTICAL, {360, 404, 18, 70});
    SendMessageA(vertical2, PBM_SETPOS, 70, 0);
}

void AddButtonsAndContainers(HWND window)
{
    Add(window, kGalleryGroupLeft, "Button", "左对齐", BS_GROUPBOX | BS_LEFT, {430, 40, 200, 56});
    Add(window, kGalleryGroupCentre, "Button", "居中", BS_GROUPBOX | BS_CENTER, {430, 100, 200, 56});
    Add(window, kGalleryGroupRight, "Button", "默认靠右", BS_GROUPBOX, {430, 160, 200, 56});
    HWND panel = Add(window, kGalleryFrame, kPanelClass, "", WS_CLIPCHILDREN, {430, 224, 200, 92});
    Add(panel, kGalleryFrameButton, "Button", "框内按钮", BS_PUSHBUTTON, {10, 10, 100, 28});
    Add(panel, kGalleryFrameCheck, "Button", "框内复选框", BS_AUTOCHECKBOX, {10, 50, 160, 22});
    Add(window, kGalleryPushButton, "Button", "按钮", BS_PUSHBUTTON, {200, 410, 100, 28});
    HWND check = Add(window, kGalleryCheckBox, "Button", "复选框", BS_AUTOCHECKBOX, {200, 444, 100, 22});
    SendMessageA(check, BM_SETCHECK, BST_CHECKED, 0);
    HWND radio = Add(window, kGalleryRadio, "Button", "单选框", BS_AUTORADIOBUTTON | WS_GROUP, {200, 468, 100, 22});
    SendMessageA(radio, BM_SETCHECK, BST_CHECKED, 0);
    Add(window, kGalleryIconButton, "Button", "换皮肤", BS_PUSHBUTTON, {430, 326, 110, 36});
    Add(window, kGalleryPictureButton, "Button", "", BS_PUSHBUTTON, {550, 330, 30, 22});
    Add(window, kGalleryTranslucentSwitch, "Button", "半透明控件", BS_AUTOCHECKBOX, {430, 372, 150, 22});
}

ByteArray Copy(resources::Bytes bytes) { return ByteArray(bytes.begin(), bytes.end()); }

void DressWithSkin(SkinEngine& engine, HWND window)
{
    engine.SkinWindow(window);
    for (int id : {kGalleryGroupLeft, kGalleryGroupCentre, kGalleryGroupRight})
        engine.SkinFrame(GetDlgItem(window, id));
    engine.SkinFrame(GetDlgItem(window, kGalleryFrame), true, RGB(0, 40, 160), 60, true);
    engine.SkinImageButton(GetDlgItem(window, kGalleryIconButton), Copy(resources::SkinChangeButton()), 1,
                           "图标按钮");
    engine.SkinStateImageButton(GetDlgItem(window, kGalleryPictureButton), Copy(resources::CaptionMinimise()),
                                Copy(resources::CaptionMaximise()), Copy(resources::CaptionRestore()), {},
                                "图片按钮");
    SetPropA(window, kEngineProperty, &engine);
}

} // namespace

HWND CreateControlsWindow(SkinEngine* engine, int x, int y)
{
    if (!RegisterClasses())
        return nullptr;
    HWND window = CreateWindowExA(WS_EX_APPWINDOW, kControlsClass, kControlsTitle,
                                  WS_POPUP | WS_MINIMIZEBOX | WS_CLIPCHILDREN | (engine ? 0 : WS_CAPTION), x, y,
                                  kControlsWidth, kControlsHeight, nullptr, nullptr, GetModuleHandleA(nullptr),
                                  nullptr);
    if (!window)
        return nullptr;
    AddEditsAndLists(window);
    AddViews(window);
    AddRanges(window);
    AddButtonsAndContainers(window);
    if (engine)
        DressWithSkin(*engine, window);
    ShowWindow(window, SW_SHOW);
    UpdateWindow(window);
    return window;
}

void SetGalleryTranslucency(SkinEngine& engine, HWND window, bool translucent)
{
    engine.SetControlEffects(true, translucent ? std::optional<int>(160) : std::nullopt);
    RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
}
