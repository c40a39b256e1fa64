#pragma once
// Text objects: font families, fonts, the installed-font collection and
// string formats.
#include "gdiplus_flat.h"
#include "gdiplus_object.h"

#include <span>
#include <string>

// A font collection. An Empty one stands for the installed fonts wherever
// GDI+ takes a collection; GDI+ owns the installed collection, so nothing
// is ever released.
class FontCollection : public GdiplusObject<Gdiplus::GpFontCollection> {
public:
    FontCollection() = default;
    bool CreateInstalled() { return Record(gdip::GdipNewInstalledFontCollection(OutHandle())); }
    INT GetFamilyCount() const { return GetValue<INT>(gdip::GdipGetFontCollectionFamilyCount); }
};

class FontFamily : public OwnedGdiplusObject<Gdiplus::GpFontFamily, gdip::GdipDeleteFontFamily> {
public:
    // The family called `name` (ANSI) in `collection` (Empty: installed).
    bool CreateFromName(const char* name, const FontCollection& collection = FontCollection{});
    // Takes over a family handle GDI+ handed out (Font::GetFamily).
    void Adopt(Gdiplus::GpFontFamily* family) noexcept
    {
        Release();
        SetNativeHandle(family);
    }
    // The family name in the ANSI code page; empty when the call fails.
    std::string GetFamilyName() const;
    bool IsStyleAvailable(INT style) const
    {
        BOOL available = FALSE;
        return Record(gdip::GdipIsStyleAvailable(Handle(), style, &available)) && available;
    }
};

class Font : public OwnedGdiplusObject<Gdiplus::GpFont, gdip::GdipDeleteFont> {
public:
    using REAL = Gdiplus::REAL;

    // A font of the installed family `familyName` (ANSI). When the family
    // is not installed, fails with FontFamilyNotFound and stays Empty.
    bool Create(const char* familyName, REAL size, INT style = Gdiplus::FontStyleRegular,
                Gdiplus::Unit unit = Gdiplus::UnitPoint);
    bool CreateFromFamily(const FontFamily& family, REAL size, INT style = Gdiplus::FontStyleRegular,
                          Gdiplus::Unit unit = Gdiplus::UnitPoint)
    {
        Release();
        return Record(gdip::GdipCreateFont(family.GetNativeHandle(), size, style, unit, OutHandle()));
    }
    // The GDI font `font` as selected into `dc`, or the DC's current font
    // when none is given or it cannot be read.
    bool CreateFromHFONT(HDC dc, HFONT font = nullptr);
    // Hands this font's family to `family`.
    bool GetFamily(FontFamily& family) const;
    INT GetStyle() const { return GetValue<INT>(gdip::GdipGetFontStyle); }
    REAL GetSize() const { return GetValue<REAL>(gdip::GdipGetFontSize); }
    Gdiplus::Unit GetUnit() const { return GetValue<Gdiplus::Unit>(gdip::GdipGetFontUnit); }
};

class StringFormat : public OwnedGdiplusObject<Gdiplus::GpStringFormat, gdip::GdipDeleteStringFormat> {
public:
    bool Create(INT formatFlags = 0, LANGID language = 0)
    {
        Release();
        return Record(gdip::GdipCreateStringFormat(formatFlags, language, OutHandle()));
    }
    bool SetFormatFlags(INT flags) { return Record(gdip::GdipSetStringFormatFlags(Handle(), flags)); }
    INT GetFormatFlags() const { return GetValue<INT>(gdip::GdipGetStringFormatFlags); }
    bool SetAlignment(Gdiplus::StringAlignment alignment)
    {
        return Record(gdip::GdipSetStringFormatAlign(Handle(), alignment));
    }
    Gdiplus::StringAlignment GetAlignment() const
    {
        return GetValue<Gdiplus::StringAlignment>(gdip::GdipGetStringFormatAlign);
    }
    bool SetLineAlignment(Gdiplus::StringAlignment alignment)
    {
        return Record(gdip::GdipSetStringFormatLineAlign(Handle(), alignment));
    }
    Gdiplus::StringAlignment GetLineAlignment() const
    {
        return GetValue<Gdiplus::StringAlignment>(gdip::GdipGetStringFormatLineAlign);
    }
    bool SetTrimming(Gdiplus::StringTrimming trimming)
    {
        return Record(gdip::GdipSetStringFormatTrimming(Handle(), trimming));
    }
    Gdiplus::StringTrimming GetTrimming() const
    {
        return GetValue<Gdiplus::StringTrimming>(gdip::GdipGetStringFormatTrimming);
    }
    // Character ranges (first, length) of the converted text that
    // Graphics::MeasureCharacterRanges measures.
    bool SetMeasurableCharacterRanges(std::span<const Gdiplus::CharacterRange> ranges)
    {
        return Record(gdip::GdipSetStringFormatMeasurableCharacterRanges(Handle(), CountOf(ranges),
                                                                         ArrayOrNull(ranges)));
    }
};
