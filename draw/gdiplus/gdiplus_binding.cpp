#include "gdiplus_binding.h"

#include "picture_cache.h"

#include <cstring>

Gdiplus::Status LastStatus = Gdiplus::Ok;

namespace {

constexpr char kLibraryName[] = "gdiplus.dll";

gdip::FatalErrorBox fatalErrorBox = MessageBoxA;
// Loaded once and kept for the rest of the process: bound addresses point
// into it, so it must outlive every wrapper.
HMODULE library = nullptr;
ULONG_PTR keptToken = 0;

[[noreturn]] void FailBinding(const char* function)
{
    std::string text = "无法加载动态链接库 ";
    text += kLibraryName;
    text += " 中的函数 ";
    text += function;
    text += "，程序将退出。";
    fatalErrorBox(nullptr, text.c_str(), kLibraryName, MB_ICONERROR | MB_OK);
    ExitProcess(static_cast<UINT>(-1));
}

}  // namespace

namespace gdip {

FatalErrorBox SetFatalErrorBox(FatalErrorBox box) noexcept
{
    FatalErrorBox previous = fatalErrorBox;
    fatalErrorBox = box ? box : MessageBoxA;
    return previous;
}

void* ResolveFlatFunction(const char* function) noexcept
{
    if (!library)
        library = LoadLibraryA(kLibraryName);
    FARPROC address = library ? GetProcAddress(library, function) : nullptr;
    if (!address)
        FailBinding(function);
    return reinterpret_cast<void*>(address);
}

}  // namespace gdip

ULONG_PTR StartupGdiplus(std::optional<UINT32> version)
{
    Gdiplus::GdiplusStartupInput input;
    input.GdiplusVersion = version.value_or(1);
    ULONG_PTR token = 0;
    if (gdip::GdiplusStartup(&token, &input, nullptr) != Gdiplus::Ok)
        token = 0;
    keptToken = token;
    return token;
}

void ShutdownGdiplus(std::optional<ULONG_PTR> token)
{
    const ULONG_PTR used = token.value_or(keptToken);
    if (used == 0)
        return;
    // Whichever way the token arrives, it is spent afterwards.
    if (used == keptToken)
        keptToken = 0;
    // Decoded pictures must go while GDI+ still runs.
    ClearPictureCache();
    gdip::GdiplusShutdown(used);
}

WideText::WideText(const char* text)
{
    if (!text || !*text)
        return;
    const int units = MultiByteToWideChar(CP_ACP, 0, text, -1, nullptr, 0);
    if (units <= 0)
        return;
    // One unit longer than the text and zero-filled: always terminated.
    buffer_.assign(static_cast<size_t>(units), L'\0');
    MultiByteToWideChar(CP_ACP, 0, text, static_cast<int>(std::strlen(text)), buffer_.data(), units);
    buffer_.resize(static_cast<size_t>(lstrlenW(buffer_.c_str())));
}

std::string AnsiFromWide(const wchar_t* text)
{
    if (!text || !*text)
        return {};
    const int bytes = WideCharToMultiByte(CP_ACP, 0, text, -1, nullptr, 0, nullptr, nullptr);
    if (bytes <= 0)
        return {};
    std::string result(static_cast<size_t>(bytes), '\0');
    WideCharToMultiByte(CP_ACP, 0, text, -1, result.data(), bytes, nullptr, nullptr);
    result.resize(std::strlen(result.c_str()));
    return result;
}
