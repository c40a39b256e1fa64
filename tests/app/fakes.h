#pragma once
// Recording fakes of the services the program must not use for real on a
// test machine.
#include <windows.h>

#include <optional>
#include <string>
#include <vector>

#include "services.h"

struct PowerCall {
    int action;
    bool force;
};

class RecordingPower final : public PowerService {
public:
    bool Run(int action, bool force) override
    {
        calls.push_back({action, force});
        return accept;
    }
    std::vector<PowerCall> calls;
    bool accept = true;
};

struct PromptCall {
    std::string text;
    std::string caption;
    UINT flags;
};

class RecordingPrompts final : public PromptService {
public:
    int Show(const char* text, const char* caption, UINT flags) override
    {
        calls.push_back({text, caption, flags});
        // What a prompt sees of the window at the moment it is shown.
        windowVisibleAtPrompt.push_back(watchedWindow && IsWindowVisible(watchedWindow));
        return answer;
    }
    std::vector<PromptCall> calls;
    std::vector<bool> windowVisibleAtPrompt;
    HWND watchedWindow = nullptr;
    int answer = IDNO;
};

class RecordingBrowser final : public WebBrowser {
public:
    void Open(const char* address) override { opened.push_back(address); }
    std::vector<std::string> opened;
};

class ScriptedFileDialog final : public FileOpenDialog {
public:
    std::optional<std::string> Choose(HWND) override
    {
        ++calls;
        return choice;
    }
    std::optional<std::string> choice;
    int calls = 0;
};

class ManualClock final : public Clock {
public:
    SYSTEMTIME Now() override { return now; }
    SYSTEMTIME now{2026, 12, 5, 11, 10, 30, 0, 0};
};

struct FakeServices {
    RecordingPower power;
    RecordingPrompts prompts;
    RecordingBrowser browser;
    ScriptedFileDialog fileDialog;
    ManualClock clock;
    AppServices services{power, prompts, browser, fileDialog, clock};

    // Back to the state of a new set of fakes (the services stay bound).
    void Reset()
    {
        power = RecordingPower();
        prompts = RecordingPrompts();
        browser = RecordingBrowser();
        fileDialog = ScriptedFileDialog();
        clock = ManualClock();
    }
};
