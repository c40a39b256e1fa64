#pragma once
// One skinned top-level window's state, and the entry types it holds.
#include <windows.h>
#include <commctrl.h>

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "skin_list.h"
#include "tooltip.h"

using ByteArray = std::vector<std::uint8_t>;

// A routine the engine runs for a caption button (no arguments).
using SkinRoutine = std::function<void()>;

// x, y, width, height.
struct SkinRect {
    int x = 0, y = 0, width = 0, height = 0;
};

struct SkinRectF {
    float x = 0, y = 0, width = 0, height = 0;
};

enum CaptionButtonKind : int {
    kCaptionClose = 0,
    kCaptionMaximize = 1,
    kCaptionMinimize = 2,
    kCaptionMenu = 3,
    kCaptionHelp = 4,
    kCaptionApplication = 5,
};

struct CaptionButton {
    int width = 0;
    int height = 0;
    ByteArray picture;          // encoded PNG
    ByteArray alternatePicture; // the maximise button's picture while maximised
    int kind = kCaptionClose;
    std::string toolTipText;
    SkinRoutine routine;        // run by an application (kind 5) button
    SkinRectF rect;             // client coordinates
};

struct StatusPart {
    int width = 0; // -1: the rest of the bar
    std::string text;
    ByteArray picture;
    COLORREF textColour = 0;
};

// Caption-button hover fade: the button and its step (0..8).
struct FadeState {
    int button = 0;
    int step = 0;
};

// A skinned container child window.
struct FrameEntry {
    HWND window = nullptr;
    COLORREF tintColour = 0; // 0: no tint
    int tintAlpha = 0;
    bool rounded = false;      // a group box: rounded outline and caption
    bool tintChildren = false; // the skin paints the frame; its controls take its tint
    bool drawBorder = false;   // rounded double outline
    WNDPROC oldProc = nullptr;
    bool needsRepaint = false; // the next paint renders the frame in full
    // The group box's font.
    std::string fontName;
    int fontSize = 0;
    int fontStyle = 0;
    // Child windows stretched to the frame's width; (window, top).
    std::vector<std::pair<HWND, int>> dockedPanes{{nullptr, 0}};
};

// A skinned label.
struct LabelEntry {
    HWND window = nullptr;
    WNDPROC oldProc = nullptr;
    COLORREF keyColour = 0; // the colour made transparent
};

// A skinned edit control.
struct EditRecord {
    HWND window = nullptr;
    WNDPROC oldProc = nullptr;
    int focused = 0;
    int reserved = 0;  // stays 0: the default hot state
    int mouseDown = 0; // the left button went down in the edit and is still down
    int reserved2 = 0, reserved3 = 0;
};

// A skinned combo box.
struct ComboRecord {
    HWND window = nullptr;
    WNDPROC oldProc = nullptr;
    int focused = 0;
    int reserved = 0;
};

// A skinned trackbar.
struct TrackbarRecord {
    HWND window = nullptr;
    WNDPROC oldProc = nullptr;
    int vertical = 0;
    int tickPlacement = 0; // 0 top/left, 1 bottom/right, 2 both, 3 none
    int hot = 0;
    int selectionRange = 0;
};

// A skinned progress bar.
struct ProgressRecord {
    HWND window = nullptr;
    WNDPROC oldProc = nullptr;
    int vertical = 0;
};

// A skinned up-down control.
struct UpDownRecord {
    HWND window = nullptr;
    WNDPROC oldProc = nullptr;
    int hot = 0;
    int hotHalf = 0; // 0 up/left, 1 down/right
    int pressed = 0;
    int horizontal = 0;
    LPARAM mousePos = 0; // as packed in a mouse message's lParam
};

// A skinned header control.
struct HeaderRecord {
    HWND window = nullptr;
    WNDPROC oldProc = nullptr;
    int hot = 0;
    int hotItem = 0; // 1-based, 0 none
    int paintedHotItem = 0;
    int hasButtons = 0;
    int pressedItem = 0;
    int mouseDown = 0;
    std::string fontName;
    int fontStyle = 0;
    int fontSize = 0;
    HIMAGELIST imageList = nullptr; // borrowed from the header
};

// How a skinned button is painted.
enum ButtonKind : int {
    kButtonDrawn = 0,   // skinned push button
    kButtonIcon = 1,    // picture button with one picture
    kButtonPicture = 3, // picture button drawn from state pictures
    kButtonRadio = 4,
    kButtonCheck = 5,
};

// A skinned button of any kind (push button, check box, radio button,
// picture button).
struct ButtonRecord {
    HWND window = nullptr;
    WNDPROC oldProc = nullptr;
    int kind = kButtonDrawn;
    ByteArray pictures[5]; // normal, hot, pressed, (unused), disabled
    int iconOption = 0;
    std::string text;
    int focused = 0;
    int reserved = 0;
    int checkState = 0;
    HWND ownerWindow = nullptr;
    ToolTip toolTip;
    std::string fontName;
    int fontSize = 0;
    int fontStyle = 0;
};

// A skinned list box, list view, tree view, IP-address control,
// date-time picker or the list of a simple combo box.
struct ListRecord {
    HWND window = nullptr;
    WNDPROC oldProc = nullptr;
    int focused = 0;
    int hot = 0;
    int reserved = 0;
};

// A memory DC with a bitmap selected into it; puts the first selected
// object back and deletes both when dropped.
class RecordDC {
public:
    RecordDC() = default;
    RecordDC(const RecordDC&) = delete;
    RecordDC& operator=(const RecordDC&) = delete;
    ~RecordDC() { Reset(); }

    // Makes the DC when there is none; selects `bitmap` (now owned) and
    // deletes the bitmap it replaces, unless that was the DC's own.
    void Select(HBITMAP bitmap);
    void Reset();

    HDC Dc() const { return dc_; }
    HBITMAP Bitmap() const { return bitmap_; }
    HGDIOBJ FirstSelected() const { return firstSelected_; }

private:
    HDC dc_ = nullptr;
    HGDIOBJ firstSelected_ = nullptr;
    HBITMAP bitmap_ = nullptr;
};

struct WindowRecord {
    HWND window = nullptr;
    int captionHeight = 0;
    bool showHelpButton = false, showMenuButton = false, showMinimizeButton = false, showMaximizeButton = false,
         showCloseButton = false;
    bool showTitle = false;
    bool captionGloss = false;
    WNDPROC previousProc = nullptr;
    ByteArray windowPicture;
    int pictureMode = 0;
    COLORREF pictureColour = 0;
    std::vector<CaptionButton> captionButtons; // button n is captionButtons[n - 1]
    int stripX = 0, stripY = 0, stripWidth = 0, stripHeight = 0;
    bool maximised = false, minimised = false;
    int minTrackWidth = 0, minTrackHeight = 0, maxTrackWidth = 0, maxTrackHeight = 0;
    bool resizable = false;
    bool drawFrame = false;
    COLORREF titleColour = 0, titleShadowColour = 0;
    std::string titleFontName;
    int titleFontSize = 0;
    bool titleBold = false;
    int hotButton = 0;
    int hotControlClass = 0;
    HWND hotControlParent = nullptr;
    SkinRoutine helpRoutine, menuRoutine;
    ToolTip toolTip;
    int statusBarHeight = 0;
    SkinRect statusBarRect;
    std::vector<StatusPart> statusBarParts;
    std::vector<SkinRect> statusPartRects;
    bool statusAutoTextColour = false, statusTextHalo = false;
    COLORREF statusTextColour = 0, statusHaloColour = 0;
    std::string statusFontName;
    int statusFontSize = 0;
    SkinList<ButtonRecord> buttons;
    SkinList<ListRecord> listControls;
    SkinList<EditRecord> edits;
    SkinList<TrackbarRecord> trackbars;
    SkinList<ProgressRecord> progressBars;
    SkinList<ComboRecord> comboBoxes;
    SkinList<UpDownRecord> upDowns;
    SkinList<HeaderRecord> headers;

    // Calls visit(list) for each of the eight per-class control lists.
    template <typename Visit>
    void ForEachControlList(Visit visit)
    {
        visit(buttons);
        visit(edits);
        visit(listControls);
        visit(trackbars);
        visit(progressBars);
        visit(comboBoxes);
        visit(upDowns);
        visit(headers);
    }
    SkinList<LabelEntry> labels;
    bool needsRender = false;
    RecordDC background;   // the frame image (backgroundDC)
    RecordDC captionCache; // copy of the caption band
    RecordDC statusCache;  // copy of the status bar
    int hotControlIndex = 0, controlUnderMouse = 0;
    int captionToolCount = 0;
    SkinList<FrameEntry> frames;
    bool skinned = false;
    std::vector<std::pair<HWND, int>> dockedPanes;
    bool mouseInside = false;
    FadeState fadeIn, fadeOut;
    bool hoverTimerRunning = false;

    HDC BackgroundDC() const { return background.Dc(); }
    // Copies (x, y, width, height) of the frame image to the window.
    void ShowFrameArea(int x, int y, int width, int height) const;
    CaptionButton* Button(int number)
    {
        if (number < 1 || number > static_cast<int>(captionButtons.size()))
            return nullptr;
        return &captionButtons[static_cast<size_t>(number - 1)];
    }
};
