#include "text.h"

bool FontFamily::CreateFromName(const char* name, const FontCollection& collection)
{
    Release();
    return Record(
        gdip::GdipCreateFontFamilyFromName(WideText(name).c_str(), collection.GetNativeHandle(), OutHandle()));
}

std::string FontFamily::GetFamilyName() const
{
    // LF_FACESIZE units: the longest face name GDI+ keeps, terminator included.
    WCHAR name[LF_FACESIZE] = {};
    if (!Record(gdip::GdipGetFamilyName(Handle(), name, 0)))
        return {};
    return AnsiFromWide(name);
}

bool Font::Create(const char* familyName, REAL size, INT style, Gdiplus::Unit unit)
{
    Release();
    FontFamily family;
    // A missing family keeps its own status (FontFamilyNotFound).
    return family.CreateFromName(familyName) && CreateFromFamily(family, size, style, unit);
}

bool Font::CreateFromHFONT(HDC dc, HFONT font)
{
    Release();
    LOGFONTA description{};
    if (font && GetObjectA(font, sizeof description, &description) == sizeof description)
        return Record(gdip::GdipCreateFontFromLogfontA(dc, &description, OutHandle()));
    return Record(gdip::GdipCreateFontFromDC(dc, OutHandle()));
}

bool Font::GetFamily(FontFamily& family) const
{
    Gdiplus::GpFontFamily* handle = nullptr;
    if (!Record(gdip::GdipGetFamily(Handle(), &handle)))
        return false;
    family.Adopt(handle);
    return true;
}
