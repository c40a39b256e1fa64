#pragma once
// GDI+ images read from files or byte arrays and encoded back to bytes or
// files. An image loaded from bytes keeps them in its own stream, which
// GDI+ may read at any time while the image exists.
#include "gdiplus_flat.h"
#include "gdiplus_object.h"
#include "memory_stream.h"

#include <optional>
#include <span>
#include <string>
#include <vector>

namespace gdip {
GDIPLUS_FLAT_FUNCTION(GdipDisposeImage);
GDIPLUS_FLAT_FUNCTION(GdipLoadImageFromFile);
GDIPLUS_FLAT_FUNCTION(GdipLoadImageFromFileICM);
GDIPLUS_FLAT_FUNCTION(GdipLoadImageFromStream);
GDIPLUS_FLAT_FUNCTION(GdipLoadImageFromStreamICM);
GDIPLUS_FLAT_FUNCTION(GdipCloneImage);
GDIPLUS_FLAT_FUNCTION(GdipSaveImageToFile);
GDIPLUS_FLAT_FUNCTION(GdipSaveImageToStream);
GDIPLUS_FLAT_FUNCTION(GdipGetImageEncodersSize);
GDIPLUS_FLAT_FUNCTION(GdipGetImageEncoders);
GDIPLUS_FLAT_FUNCTION(GdipGetImageRawFormat);
GDIPLUS_FLAT_FUNCTION(GdipGetImageType);
GDIPLUS_FLAT_FUNCTION(GdipGetImagePixelFormat);
GDIPLUS_FLAT_FUNCTION(GdipGetImageHorizontalResolution);
GDIPLUS_FLAT_FUNCTION(GdipGetImageVerticalResolution);
GDIPLUS_FLAT_FUNCTION(GdipImageRotateFlip);
}  // namespace gdip

// One installed GDI+ image encoder. GUIDs are in registry form, texts in
// the ANSI code page.
struct ImageEncoder {
    std::string clsid;
    std::string formatId;
    std::string codecName;
    std::string dllName;
    std::string formatDescription;
    std::string filenameExtension;
    std::string mimeType;
    DWORD flags = 0;
    DWORD version = 0;
    DWORD signatureCount = 0;
    DWORD signatureSize = 0;
    std::vector<BYTE> signaturePattern;
    std::vector<BYTE> signatureMask;
};

// The encoders GDI+ offers, in its order; empty when it cannot list them.
std::vector<ImageEncoder> GetImageEncoders();

// One encoder parameter (quality, compression, ...): the parameter GUID
// in registry form, the GDI+ value type and count, and the value bytes.
struct EncoderParameterValue {
    std::string guid;
    ULONG numberOfValues = 0;
    ULONG type = 0;
    std::vector<BYTE> value;
};
using EncoderParameterList = std::vector<EncoderParameterValue>;

// A GUID as "{XXXXXXXX-XXXX-XXXX-XXXX-XXXXXXXXXXXX}", upper case.
std::string GuidText(const GUID& guid);

class Image : public OwnedGdiplusObject<Gdiplus::GpImage, gdip::GdipDisposeImage> {
public:
    using REAL = Gdiplus::REAL;

    // GDI+ image formats, as the save methods take them.
    static constexpr const char* kBmpFormat = "{B96B3CAB-0728-11D3-9D7B-0000F81EF32E}";
    static constexpr const char* kPngFormat = "{B96B3CAF-0728-11D3-9D7B-0000F81EF32E}";
    static constexpr const char* kJpegFormat = "{B96B3CAE-0728-11D3-9D7B-0000F81EF32E}";

    Image() = default;
    Image(Image&& other) noexcept = default;
    Image& operator=(Image&& other) noexcept;
    ~Image() { Dispose(); }

    // Releases the native image, then the bytes it was read from. False
    // without a GDI+ call (LastStatus kept) when already Empty.
    bool Dispose();
    bool Delete() { return Dispose(); }

    // The loaders dispose of what the wrapper held first.
    bool LoadFromFile(const char* file, bool useIcm = false);
    bool LoadFromFileW(const wchar_t* file, bool useIcm = false);
    // Keeps a copy of `bytes` for as long as the image lives.
    bool LoadFromBytes(std::span<const BYTE> bytes, bool useIcm = false);
    // A new native image in `target` (whose old one is disposed of).
    bool Clone(Image& target) const;

    // Encodes with the encoder of `format` (registry-form GUID text, exact
    // upper case); without a format, the image's own raw format. Empty
    // bytes when nothing could be encoded.
    std::vector<BYTE> SaveToBytes(const char* format = nullptr, const EncoderParameterList* parameters = nullptr) const;
    // Writes a file, BMP unless another format is given. When no encoder
    // matches the format, no file is touched.
    bool SaveToFile(const char* file, const char* format = kBmpFormat,
                    const EncoderParameterList* parameters = nullptr) const;
    bool SaveToFileW(const wchar_t* file, const char* format = kBmpFormat,
                     const EncoderParameterList* parameters = nullptr) const;

    Gdiplus::ImageType GetType() const { return GetValue<Gdiplus::ImageType>(gdip::GdipGetImageType); }
    UINT GetWidth() const { return GetValue<UINT>(gdip::GdipGetImageWidth); }
    UINT GetHeight() const { return GetValue<UINT>(gdip::GdipGetImageHeight); }
    REAL GetHorizontalResolution() const { return GetValue<REAL>(gdip::GdipGetImageHorizontalResolution); }
    REAL GetVerticalResolution() const { return GetValue<REAL>(gdip::GdipGetImageVerticalResolution); }
    Gdiplus::PixelFormat GetPixelFormat() const { return GetValue<Gdiplus::PixelFormat>(gdip::GdipGetImagePixelFormat); }
    // The colour of pixel (x, y) of a bitmap picture; nothing for a
    // metafile, an empty image or a point outside the picture.
    std::optional<Gdiplus::ARGB> GetBitmapPixel(INT x, INT y) const;
    // The format GUID the image was decoded from; empty on failure.
    std::string GetRawFormat() const;

    bool RotateFlip(Gdiplus::RotateFlipType type) { return Record(gdip::GdipImageRotateFlip(Handle(), type)); }

protected:
    // Takes over a handle a creator call produced, recording its status.
    template <typename Native>
    bool Adopt(Gdiplus::Status status, Native* const& created)
    {
        SetNativeHandle(created);
        return Record(status);
    }
    // The stream holding the bytes the image was read from.
    MemoryStream& Bytes() { return bytes_; }

private:
    template <typename Save>
    bool SaveWith(const char* format, const EncoderParameterList* parameters, Save save) const;

    MemoryStream bytes_;
};
