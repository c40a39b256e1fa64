// The start-with-Windows setting: config.ini and the Startup shortcut.
#include "window_fixture.h"

#include <objbase.h>
#include <shlobj.h>
#include <shobjidl.h>

namespace {

std::string ExecutablePath()
{
    char path[MAX_PATH] = "";
    GetModuleFileNameA(nullptr, path, MAX_PATH);
    return path;
}

// The target a shortcut file points at, read back through the shell.
std::string ShortcutTarget(const std::string& shortcut)
{
    IShellLinkA* link = nullptr;
    if (FAILED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkA,
                                reinterpret_cast<void**>(&link))))
        return "<no shell link object>";
    std::string target = "<not loaded>";
    IPersistFile* file = nullptr;
    if (SUCCEEDED(link->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&file)))) {
        wchar_t wide[MAX_PATH];
        MultiByteToWideChar(CP_ACP, 0, shortcut.c_str(), -1, wide, MAX_PATH);
        if (SUCCEEDED(file->Load(wide, STGM_READ))) {
            char path[MAX_PATH] = "";
            link->GetPath(path, MAX_PATH, nullptr, 0);
            target = path;
        }
        file->Release();
    }
    link->Release();
    return target;
}

std::string Lower(std::string text)
{
    CharLowerA(text.data());
    return text;
}

TEST(RunDirectory, GetsExactlyOneTrailingBackslash)
{
    EXPECT_EQ(NormaliseRunDirectory("C:\\Program Files\\Tonglu"), "C:\\Program Files\\Tonglu\\");
    EXPECT_EQ(NormaliseRunDirectory("C:\\"), "C:\\");
    EXPECT_EQ(NormaliseRunDirectory("D:\\工具\\"), "D:\\工具\\");
    const std::string actual = ReadRunDirectory();
    ASSERT_FALSE(actual.empty());
    EXPECT_EQ(actual.back(), '\\');
    EXPECT_NE(actual.substr(actual.size() - 2), "\\\\");
}

TEST_F(StartupWindowTest, TrueValueRegistersAShortcutToTheExecutable)
{
    WritePrivateProfileStringA("peizhi", "kaiji", "真", ConfigPath().c_str());
    CreateWindowUnderTest();
    ASSERT_TRUE(PathExists(ShortcutPath())) << ShortcutPath();
    EXPECT_EQ(Lower(ShortcutTarget(ShortcutPath())), Lower(ExecutablePath()));
    EXPECT_NE(ShortcutPath().find("‘铜鹭’自动关机助手.lnk"), std::string::npos);
    EXPECT_TRUE(fakes.prompts.calls.empty());
}

TEST_F(StartupWindowTest, OtherValuesDoNotRegister)
{
    for (const char* value : std::initializer_list<const char*>{"1", "假", "TRUE", "真真", "真1", "", nullptr}) {
        SCOPED_TRACE(value ? value : "(missing key)");
        RemovePath(ConfigPath());
        RemovePath(ShortcutPath());
        if (value)
            WritePrivateProfileStringA("peizhi", "kaiji", value, ConfigPath().c_str());
        CreateWindowUnderTest();
        EXPECT_FALSE(PathExists(ShortcutPath()));
        EXPECT_TRUE(fakes.prompts.calls.empty());
        DestroyWindow(Window());
        window.reset();
        fakes.Reset();
    }
}

TEST_F(StartupWindowTest, ClosingWithTheBoxCheckedWritesTheKeyIntoAFreshFile)
{
    CreateWindowUnderTest();
    ASSERT_FALSE(PathExists(ConfigPath()));
    SendMessageA(Window(), WM_CLOSE, 0, 0);
    ASSERT_TRUE(PathExists(ConfigPath()));
    EXPECT_EQ(ReadStartWithWindowsValue(ReadRunDirectory()), "真");
    const std::string bytes = ReadFileBytes(ConfigPath());
    EXPECT_NE(bytes.find("[peizhi]"), std::string::npos) << bytes;
    EXPECT_NE(bytes.find("kaiji=真"), std::string::npos) << bytes;
    // And the next start registers.
    window.reset();
    fakes.Reset();
    CreateWindowUnderTest();
    EXPECT_TRUE(PathExists(ShortcutPath()));
}

TEST_F(StartupWindowTest, ClosingWithTheBoxUncheckedLeavesTheFileAsItWas)
{
    for (const char* before : {"", "[peizhi]\r\nkaiji=1\r\n"}) {
        SCOPED_TRACE(before);
        RemovePath(ConfigPath());
        if (*before)
            WriteFileBytes(ConfigPath(), before);
        CreateWindowUnderTest();
        Click(kCheckStartWithWindows);
        ASSERT_FALSE(Checked(kCheckStartWithWindows));
        SendMessageA(Window(), WM_CLOSE, 0, 0);
        EXPECT_EQ(fakes.prompts.calls.size(), 1u);
        if (*before) {
            EXPECT_EQ(ReadFileBytes(ConfigPath()), before);
        } else {
            EXPECT_FALSE(PathExists(ConfigPath()));
        }
        window.reset();
        fakes.Reset();
    }
}

// A settings file the program cannot make sense of: it starts, registers
// nothing, says nothing, and still writes the key on close when asked.
TEST_F(StartupWindowTest, BadSettingsFileIsIgnored)
{
    const std::string overLong = "[peizhi]\r\nkaiji=真" + std::string(20000, 'x') + "\r\n";
    std::string huge = "[other]\r\n";
    while (huge.size() < 4 * 1024 * 1024)
        huge += "key=" + std::string(200, 'v') + "\r\n";
    std::string garbage;
    for (int i = 0; i < 5000; ++i)
        garbage += static_cast<char>((i * 7919) % 256);
    const struct {
        const char* name;
        std::string bytes;
    } cases[] = {{"over-long value", overLong}, {"huge", huge + "[peizhi]\r\nkaiji=1\r\n"}, {"garbage", garbage}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        WriteFileBytes(ConfigPath(), c.bytes);
        CreateWindowUnderTest();
        EXPECT_FALSE(PathExists(ShortcutPath()));
        EXPECT_TRUE(fakes.prompts.calls.empty());
        SendMessageA(Window(), WM_CLOSE, 0, 0);
        EXPECT_EQ(ReadStartWithWindowsValue(ReadRunDirectory()), "真");
        window.reset();
        fakes.Reset();
        RemovePath(ConfigPath());
    }
}

TEST_F(StartupWindowTest, UnreadableSettingsFileIsIgnored)
{
    // A directory where the file should be cannot be read (nor written).
    ASSERT_TRUE(CreateDirectoryA(ConfigPath().c_str(), nullptr));
    CreateWindowUnderTest();
    EXPECT_FALSE(PathExists(ShortcutPath()));
    SendMessageA(Window(), WM_CLOSE, 0, 0);
    EXPECT_FALSE(IsWindow(window->Window()));
    EXPECT_EQ(fakes.prompts.calls.size(), 1u);
}

TEST(StartWithWindows, UnwritableStartupFolderMakesNoShortcut)
{
    char temp[MAX_PATH];
    GetTempPathA(MAX_PATH, temp);
    const std::string notAFolder = std::string(temp) + "startup-is-a-file";
    WriteFileBytes(notAFolder, "x");
    for (const std::string& folder : {notAFolder, std::string("Q:\\no\\such\\folder"), std::string()}) {
        SCOPED_TRACE(folder);
        EXPECT_FALSE(RegisterStartWithWindows(kProgramName, ExecutablePath(), folder));
    }
    DeleteFileA(notAFolder.c_str());
}

TEST(StartWithWindows, MissingTargetMakesNoShortcut)
{
    const std::string folder = StartupFolder();
    ASSERT_FALSE(folder.empty());
    const std::string shortcut = folder + "\\missing-target-test.lnk";
    EXPECT_FALSE(RegisterStartWithWindows("missing-target-test", ReadRunDirectory() + "no-such.exe", folder));
    EXPECT_FALSE(PathExists(shortcut));
}

} // namespace
