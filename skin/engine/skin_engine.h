#pragma once
// The skin engine: one object for the whole program. Its methods are the
// engine's public face; the window procedure of every skinned window
// reaches the object through a static trampoline.
#include <windows.h>

#include <optional>
#include <string>
#include <vector>

#include "skin_module.h"
#include "window_record.h"

class Graphics;

// Accent colour argument meaning "follow the back colour".
inline constexpr COLORREF kAccentFollowsBackColour = 0xFFFFFFFF;

struct BackgroundPictureOptions {
    std::optional<std::string> fileName{};
    std::optional<ByteArray> pictureBytes{};
    std::optional<COLORREF> backColour{};
    std::optional<COLORREF> accentColour{}; // kAccentFollowsBackColour: take the back colour
    std::optional<int> pictureMode{};       // 4 when not given
};

struct SkinWindowOptions {
    std::optional<int> captionHeight{};
    std::optional<bool> drawFrame{};
    std::optional<bool> resizable{};
    std::optional<bool> showHelpButton{};
    std::optional<bool> showMenuButton{};
    std::optional<bool> showTitle{};
    std::optional<bool> captionGloss{};
    std::optional<int> statusBarHeight{};
    std::optional<std::vector<StatusPart>> statusBarParts{};
    std::optional<ByteArray> picture{};
    std::optional<int> pictureMode{};
};

class SkinEngine {
public:
    // Creating the engine: the callbacks and the default back colour.
    SkinEngine();
    // Destroy: the module icon and GDI+. The records are freed by
    // FreeSkinModule() afterwards.
    ~SkinEngine();
    // There is one engine; its window procedure reaches it through a
    // static trampoline, so copies would have nowhere to go.
    SkinEngine(const SkinEngine&) = delete;
    SkinEngine& operator=(const SkinEngine&) = delete;

    // The live engine object, or null.
    static SkinEngine* Instance();

    // Skin module start-up: GDI+, module icon, switches.
    void StartModule();

    // The window procedure installed on skinned windows.
    static WNDPROC WindowProcEntry();

    // --- methods, in the engine's table order ---
    // Destroy: the destructor. Copy: deleted (see above).
    LRESULT HandleWindowMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    void RunCaptionButton(int index, int button);
    void SkinWindow(HWND window, const SkinWindowOptions& options = {});
    bool AddCaptionButton(HWND window, const ByteArray& picture, const std::string& toolTipText,
                          SkinRoutine routine);
    bool SetTitleFont(HWND window, std::optional<std::string> fontName = {}, std::optional<int> fontSize = {},
                      std::optional<COLORREF> titleColour = {}, std::optional<COLORREF> shadowColour = {},
                      std::optional<bool> bold = {});
    bool SetWindowPicture(HWND window, const ByteArray& pictureBytes, std::optional<int> pictureMode = {});
    void SetBackgroundPicture(const BackgroundPictureOptions& options);
    void SetControlEffects(bool skinControls, std::optional<int> washAlpha = {},
                           std::optional<int> trackbarStyle = {});
    void RenderWindowImage(int index, HDC dc, bool present);
    void PresentWindowImage(int index, HDC dc);
    void PaintBackground(Graphics& graphics, int index);
    void PaintBorder(int index, Graphics& graphics);
    void PaintCaptionSeparators(int index, int button, Graphics& graphics);
    void RestoreCaptionArea(int index, const RECT& area);
    void RestoreStatusBarArea(int index, const RECT& area);
    void PaintCaptionButton(int index, int button, Graphics* graphics = nullptr, std::optional<bool> pressed = {},
                            std::optional<int> fadeAlpha = {});
    void PaintCaptionButtonHover(Graphics& graphics, int index, int button, int fadeAlpha);
    void LayoutCaptionButtons(int index);
    int CaptionButtonAt(int index, int x, int y);
    int FindMaximizeButton(int index);
    LRESULT BeginMoveOrSize(int index, LPARAM position, const RECT& client);
    void UpdateSizingCursor(int index, LPARAM position, const RECT& client);
    void SetHelpRoutine(HWND window, SkinRoutine routine);
    void SetMenuRoutine(HWND window, SkinRoutine routine);
    void PaintTitle(int index, Graphics* graphics = nullptr, std::optional<std::string> text = {});
    void SetStatusBar(int index, int height, std::optional<std::vector<StatusPart>> parts = {});
    void LayoutStatusBar(int index);
    void PaintStatusPart(int index, Graphics* graphics = nullptr, std::optional<int> part = {});
    bool SetStatusPart(HWND window, int part, const std::string& text, std::optional<ByteArray> picture = {},
                       std::optional<COLORREF> textColour = {});
    bool SetStatusBarStyle(HWND window, std::optional<bool> autoTextColour = {}, std::optional<bool> halo = {},
                           std::optional<COLORREF> textColour = {}, std::optional<COLORREF> haloColour = {},
                           std::optional<std::string> fontName = {}, std::optional<int> fontSize = {});
    // Picture buttons: `button` (inside a skinned window) is painted from
    // one picture, or from one per state (normal, hot, pressed, disabled).
    // False when the button has no skinned ancestor.
    bool SkinImageButton(HWND button, const ByteArray& picture = {}, int iconOption = 0,
                         const std::string& toolTipText = {});
    bool SkinStateImageButton(HWND button, const ByteArray& normalPicture, const ByteArray& hotPicture = {},
                              const ByteArray& pressedPicture = {}, const ByteArray& disabledPicture = {},
                              const std::string& toolTipText = {});
    // Takes over a child window that holds controls of its own: registers
    // it as a frame of its nearest skinned ancestor and skins its controls.
    // An omitted tint colour is 0 (no tint); the alpha keeps its low byte.
    void SkinFrame(HWND frame, std::optional<bool> tintChildren = {}, std::optional<COLORREF> tintColour = {},
                   std::optional<int> tintAlpha = {}, std::optional<bool> drawBorder = {});
    // The alpha of a tinted frame's fill (low byte); a frame without a
    // tint is left alone.
    void SetFrameAlpha(HWND frame, int alpha);
    // The caption-button strip of a skinned window, in window
    // coordinates; empty for a window that is not skinned.
    RECT GetCaptionButtonStrip(HWND window);
    // Makes a label look transparent: its pixels of `keyColour` (the
    // system face colour when omitted) show the skin background.
    void SkinLabel(HWND label, std::optional<COLORREF> keyColour = {}, std::optional<COLORREF> tintColour = {},
                   std::optional<int> tintAlpha = {});
    void LayoutDockedPanes(int index);
    // The text colour of a control ("Kj_Ztys"; for a combo box, of its edit).
    void SetControlTextColour(HWND control, COLORREF colour);
    // The back colour: the system face colour until a picture sets it.
    COLORREF GetDefaultBackColour() const;
    // Replaces pictures of the standard caption buttons; an omitted
    // picture stays. False when the window is not skinned or has no
    // caption buttons.
    bool SetCaptionButtonImages(HWND window, const std::optional<ByteArray>& minimisePicture = {},
                                const std::optional<ByteArray>& maximisePicture = {},
                                const std::optional<ByteArray>& restorePicture = {},
                                const std::optional<ByteArray>& closePicture = {});

    // Width in pixels of the skinned frame's border (3 once a window is skinned).
    int frameBorder = 0;
    // Caption button under the mouse at the last move or press, 0 = none;
    // one value for all windows.
    int pressedButton = 0;
    // Caption-button actions run only while this is set.
    bool captionActionsEnabled = true;
};

// The record of a window from its "Hw_lbID" property; null when the
// property does not lead to a record. `index` receives the index.
WindowRecord* RecordOfWindow(HWND window, int* index = nullptr);
