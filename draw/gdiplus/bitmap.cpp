#include "bitmap.h"

bool Bitmap::CreateFromFile(const char* file, bool useIcm)
{
    return CreateFromFileW(WideText(file).c_str(), useIcm);
}

bool Bitmap::CreateFromFileW(const wchar_t* file, bool useIcm)
{
    Dispose();
    Gdiplus::GpBitmap* created = nullptr;
    auto& create = useIcm ? gdip::GdipCreateBitmapFromFileICM : gdip::GdipCreateBitmapFromFile;
    return Adopt(create(file, &created), created);
}

bool Bitmap::CreateFromBytes(std::span<const BYTE> bytes, bool useIcm)
{
    Dispose();
    Gdiplus::GpBitmap* created = nullptr;
    auto& create = useIcm ? gdip::GdipCreateBitmapFromStreamICM : gdip::GdipCreateBitmapFromStream;
    return Adopt(create(Bytes().OpenBytes(bytes), &created), created);
}

bool Bitmap::CreateFromScan0(INT width, INT height, INT stride, Gdiplus::PixelFormat format, BYTE* pixels)
{
    Dispose();
    Gdiplus::GpBitmap* created = nullptr;
    return Adopt(gdip::GdipCreateBitmapFromScan0(width, height, stride, format, pixels, &created), created);
}

bool Bitmap::CreateFromHICON(HICON icon)
{
    Dispose();
    Gdiplus::GpBitmap* created = nullptr;
    return Adopt(gdip::GdipCreateBitmapFromHICON(icon, &created), created);
}

bool Bitmap::CreateFromHBITMAP(HBITMAP bitmap, HPALETTE palette)
{
    Dispose();
    Gdiplus::GpBitmap* created = nullptr;
    return Adopt(gdip::GdipCreateBitmapFromHBITMAP(bitmap, palette, &created), created);
}

UniqueHBitmap Bitmap::GetHBITMAP(ARGB background) const
{
    if (IsEmpty()) {
        LastStatus = Gdiplus::InvalidParameter;
        return nullptr;
    }
    HBITMAP bitmap = nullptr;
    if (!Record(gdip::GdipCreateHBITMAPFromBitmap(Native(), &bitmap, background)))
        return nullptr;
    return UniqueHBitmap(bitmap);
}
