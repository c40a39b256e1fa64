#pragma once
// GDI+ reached without linking gdiplus.dll: start-up and shut-down, the
// process-wide status of the last call, the by-name binding of the flat
// API and the text conversions every wrapper uses.
//
// Binding a flat-API function (in any wrapper source or header):
//
//     namespace gdip {
//     GDIPLUS_FLAT_FUNCTION(GdipGetImageWidth);
//     }
//
// declares the alias gdip::GdipGetImageWidthFn (the pointer type of the
// prototype in <gdiplus.h>) and the slot gdip::GdipGetImageWidth, which is
// called like the function itself. The first call loads gdiplus.dll and
// looks the name up; a missing library or export is fatal at that moment
// (error box naming both, then exit code -1). A function already bound by
// another file is simply reused: every slot of this layer lives in
// namespace gdip, so bind each name once (grep before adding one).
//
// Reporting status: every wrapper method passes the flat-API status through
// Record(), which stores it in LastStatus and returns whether it is Ok.
// Getters return their out-value (0 on failure); see gdiplus_object.h for
// the common wrapper shape (Empty/Live, creators, release, move-only).
//
// Images: Graphics (graphics.h) takes any image wrapper whose
// GetNativeHandle() returns a Gdiplus::GpImage* (or a GpBitmap*), as
// OwnedGdiplusObject<Gdiplus::GpImage, ...> provides; so Graphics needs no
// include of the image wrappers and they may include graphics.h.
// Tests: tests/gdiplus/gdiplus_session_test.cpp starts GDI+ once for the
// whole gdiplus test program.
#include <windows.h>
#include <objidl.h>
#include <gdiplus.h>

#include <optional>
#include <string>

// Status of the most recent flat-API call made by any wrapper method. One
// value for the whole process; only the GUI thread draws.
extern Gdiplus::Status LastStatus;

// Stores `status` in LastStatus; true when it is Ok.
inline bool Record(Gdiplus::Status status) noexcept
{
    LastStatus = status;
    return status == Gdiplus::Ok;
}

namespace gdip {

// The box that reports a missing library or function before the process
// ends. Tests replace it so the fatal path runs without a modal window.
using FatalErrorBox = int(WINAPI*)(HWND owner, LPCSTR text, LPCSTR caption, UINT flags);
// Installs `box` (null restores MessageBoxA); returns the previous one.
FatalErrorBox SetFatalErrorBox(FatalErrorBox box) noexcept;

// Address of `function` in gdiplus.dll, loading the library on first use.
// Does not return when either is missing.
void* ResolveFlatFunction(const char* function) noexcept;

// One flat-API function, bound by name on its first call.
template <typename Function>
class BoundFunction {
public:
    constexpr explicit BoundFunction(const char* name) noexcept : name_(name) {}
    BoundFunction(const BoundFunction&) = delete;
    BoundFunction& operator=(const BoundFunction&) = delete;

    Function Address() noexcept
    {
        if (!address_)
            address_ = reinterpret_cast<Function>(ResolveFlatFunction(name_));
        return address_;
    }
    template <typename... Args>
    auto operator()(Args... args) noexcept
    {
        return Address()(args...);
    }
    const char* Name() const noexcept { return name_; }

private:
    const char* name_;
    Function address_ = nullptr;
};

}  // namespace gdip

// Declares gdip::<name>Fn and the bound slot gdip::<name>; use inside
// namespace gdip. The type comes from the flat-API prototype in <gdiplus.h>.
#define GDIPLUS_FLAT_FUNCTION(name)                              \
    using name##Fn = decltype(&::Gdiplus::DllExports::name);     \
    inline BoundFunction<name##Fn> name { #name }

namespace gdip {
using GdiplusStartupFn = decltype(&::Gdiplus::GdiplusStartup);
using GdiplusShutdownFn = decltype(&::Gdiplus::GdiplusShutdown);
inline BoundFunction<GdiplusStartupFn> GdiplusStartup{"GdiplusStartup"};
inline BoundFunction<GdiplusShutdownFn> GdiplusShutdown{"GdiplusShutdown"};
GDIPLUS_FLAT_FUNCTION(GdipAlloc);
GDIPLUS_FLAT_FUNCTION(GdipFree);
}  // namespace gdip

// Starts GDI+ (version 1 unless `version` is given) and returns the token,
// 0 when start-up failed; every wrapper call then fails with a GDI+ status.
// The token is also kept for ShutdownGdiplus().
ULONG_PTR StartupGdiplus(std::optional<UINT32> version = std::nullopt);
// Shuts GDI+ down with `token`, or with the kept token when none is given.
// A token of 0 does nothing; a token is used at most once.
void ShutdownGdiplus(std::optional<ULONG_PTR> token = std::nullopt);

// GDI+ running for the life of the object.
class GdiplusSession {
public:
    explicit GdiplusSession(std::optional<UINT32> version = std::nullopt) : token_(StartupGdiplus(version)) {}
    ~GdiplusSession() { ShutdownGdiplus(token_); }
    GdiplusSession(const GdiplusSession&) = delete;
    GdiplusSession& operator=(const GdiplusSession&) = delete;
    ULONG_PTR Token() const noexcept { return token_; }

private:
    ULONG_PTR token_;
};

// An ANSI text (process code page) converted for GDI+. Length() is what
// GDI+ receives where it takes one: lstrlenW of the conversion.
class WideText {
public:
    explicit WideText(const char* text);
    const wchar_t* c_str() const noexcept { return buffer_.c_str(); }
    INT Length() const noexcept { return lstrlenW(buffer_.c_str()); }

private:
    std::wstring buffer_;
};

// Text coming back from GDI+ (family names, GUID texts) in the process's
// ANSI code page, the same code page texts go in with.
std::string AnsiFromWide(const wchar_t* text);
