#include "settings.h"

#include <windows.h>
#include <objbase.h>
#include <shlobj.h>
#include <shobjidl.h>

#include <cstring>
#include <vector>

namespace {

constexpr DWORD kIniBufferSize = 10240;

// Releases a COM interface when it goes out of scope.
template <class T>
class ComPtr {
public:
    ComPtr() = default;
    ComPtr(const ComPtr&) = delete;
    ComPtr& operator=(const ComPtr&) = delete;
    ~ComPtr()
    {
        if (pointer_)
            pointer_->Release();
    }
    T* operator->() const { return pointer_; }
    T** Receive() { return &pointer_; }
    void** ReceiveVoid() { return reinterpret_cast<void**>(&pointer_); }
    explicit operator bool() const { return pointer_ != nullptr; }

private:
    T* pointer_ = nullptr;
};

std::wstring Widen(const std::string& text)
{
    const int length = MultiByteToWideChar(CP_ACP, 0, text.c_str(), -1, nullptr, 0);
    if (length <= 0)
        return {};
    std::wstring wide(static_cast<size_t>(length), L'\0');
    MultiByteToWideChar(CP_ACP, 0, text.c_str(), -1, wide.data(), length);
    wide.resize(static_cast<size_t>(length - 1));
    return wide;
}

std::string ModulePath()
{
    std::vector<char> path(MAX_PATH);
    for (;;) {
        const DWORD length = GetModuleFileNameA(nullptr, path.data(), static_cast<DWORD>(path.size()));
        if (length == 0)
            return {};
        if (length < path.size())
            return std::string(path.data(), length);
        path.resize(path.size() * 2);
    }
}

bool IsExistingFile(const std::string& path)
{
    const DWORD attributes = GetFileAttributesA(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

} // namespace

std::string NormaliseRunDirectory(std::string directory)
{
    if (directory.empty() || directory.back() != '\\')
        directory += '\\';
    return directory;
}

std::string ReadRunDirectory()
{
    std::string path = ModulePath();
    const size_t slash = path.find_last_of('\\');
    return NormaliseRunDirectory(slash == std::string::npos ? std::string() : path.substr(0, slash));
}

std::string ExecutableFileName()
{
    const std::string path = ModulePath();
    const size_t slash = path.find_last_of('\\');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

std::string ReadStartWithWindowsValue(const std::string& runDirectory)
{
    std::vector<char> value(kIniBufferSize, '\0');
    const std::string file = runDirectory + kConfigFileName;
    GetPrivateProfileStringA(kConfigSection, kConfigKey, "", value.data(), kIniBufferSize, file.c_str());
    value.back() = '\0';
    return std::string(value.data());
}

bool WantsStartWithWindows(const std::string& runDirectory)
{
    return ReadStartWithWindowsValue(runDirectory) == kStartWithWindowsValue;
}

bool WriteStartWithWindows(const std::string& runDirectory)
{
    const std::string file = runDirectory + kConfigFileName;
    return WritePrivateProfileStringA(kConfigSection, kConfigKey, kStartWithWindowsValue, file.c_str()) != FALSE;
}

std::string StartupFolder()
{
    char folder[MAX_PATH] = "";
    if (!SHGetSpecialFolderPathA(nullptr, folder, CSIDL_STARTUP, FALSE))
        return {};
    return folder;
}

bool RegisterStartWithWindows(const std::string& name, const std::string& target,
                              const std::string& startupFolder)
{
    if (!IsExistingFile(target) || startupFolder.empty())
        return false;
    const std::string shortcut = startupFolder + "\\" + name + ".lnk";

    ComPtr<IShellLinkA> link;
    if (FAILED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkA,
                                link.ReceiveVoid())))
        return false;
    ComPtr<IPersistFile> file;
    if (FAILED(link->QueryInterface(IID_IPersistFile, file.ReceiveVoid())))
        return false;
    if (FAILED(link->SetPath(target.c_str())))
        return false;
    const std::wstring widePath = Widen(shortcut);
    if (widePath.empty() || FAILED(file->Save(widePath.c_str(), TRUE)))
        return false;

    SHChangeNotify(SHCNE_CREATE | SHCNE_INTERRUPT, SHCNF_PATHA | SHCNF_FLUSH, shortcut.c_str(), nullptr);
    SHChangeNotify(SHCNE_UPDATEDIR | SHCNE_INTERRUPT, SHCNF_PATHA | SHCNF_FLUSH, startupFolder.c_str(),
                   nullptr);
    return true;
}
