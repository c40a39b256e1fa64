#pragma once
// What the program asks of the outside world and must not do on a test
// machine: the power action, modal prompts, the browser, the file dialog
// and the clock. The program uses the real services; tests hand in
// recording fakes.
#include <windows.h>

#include <optional>
#include <string>

// Numbers under which the power service knows the actions.
enum class PowerAction : int {
    ShutDown = 1,
    Restart = 2,
    LogOff = 3,
    Sleep = 4,
    Hibernate = 5,
};

class PowerService {
public:
    virtual ~PowerService() = default;
    // Carries out `action` (1..5; anything else does nothing). Returns
    // whether the system accepted it. The caller ignores failures.
    virtual bool Run(int action, bool force) = 0;
};

class PromptService {
public:
    virtual ~PromptService() = default;
    // A message box without owner; returns the button pressed (IDOK, IDYES...).
    virtual int Show(const char* text, const char* caption, UINT flags) = 0;
};

class WebBrowser {
public:
    virtual ~WebBrowser() = default;
    virtual void Open(const char* address) = 0;
};

class FileOpenDialog {
public:
    virtual ~FileOpenDialog() = default;
    // Full path of the chosen file, or nothing when the user cancels.
    virtual std::optional<std::string> Choose(HWND owner) = 0;
};

class Clock {
public:
    virtual ~Clock() = default;
    // Local time in whole seconds (milliseconds are 0).
    virtual SYSTEMTIME Now() = 0;
};

struct AppServices {
    PowerService& power;
    PromptService& prompts;
    WebBrowser& browser;
    FileOpenDialog& fileDialog;
    Clock& clock;
};

// The services as the shipped program uses them.
AppServices& RealServices();
