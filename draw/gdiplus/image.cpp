#include "image.h"

#include <cstddef>
#include <cstring>
#include <memory>
#include <optional>
#include <utility>

#include "bitmap.h"

namespace {

GUID GuidFromText(const char* text)
{
    GUID guid{};
    if (text && *text && FAILED(CLSIDFromString(WideText(text).c_str(), &guid)))
        guid = GUID{};
    return guid;
}

std::vector<BYTE> CopyBytes(const BYTE* bytes, size_t count)
{
    return bytes ? std::vector<BYTE>(bytes, bytes + count) : std::vector<BYTE>{};
}

// The encoder CLSID of `format`, matched byte for byte against the
// registry-form text of each encoder's format GUID.
std::optional<CLSID> FindEncoder(const char* format)
{
    if (!format)
        return std::nullopt;
    for (const ImageEncoder& encoder : GetImageEncoders()) {
        if (encoder.formatId == format)
            return GuidFromText(encoder.clsid.c_str());
    }
    return std::nullopt;
}

// The encoder-parameters block GDI+ takes: a count, then one record per
// parameter pointing at that parameter's value bytes (kept by the list).
class EncoderParameterBlock {
public:
    explicit EncoderParameterBlock(const EncoderParameterList* list)
    {
        if (!list || list->empty())
            return;
        const size_t size = offsetof(Gdiplus::EncoderParameters, Parameter) +
                            list->size() * sizeof(Gdiplus::EncoderParameter);
        // Whole records, so the block is aligned for the pointers inside.
        storage_.reset(new Gdiplus::EncoderParameter[size / sizeof(Gdiplus::EncoderParameter) + 1]{});
        block_ = reinterpret_cast<Gdiplus::EncoderParameters*>(storage_.get());
        block_->Count = static_cast<UINT>(list->size());
        for (size_t i = 0; i < list->size(); ++i) {
            const EncoderParameterValue& value = (*list)[i];
            Gdiplus::EncoderParameter& parameter = block_->Parameter[i];
            parameter.Guid = GuidFromText(value.guid.c_str());
            parameter.NumberOfValues = value.numberOfValues;
            parameter.Type = value.type;
            parameter.Value = const_cast<BYTE*>(value.value.data());
        }
    }
    const Gdiplus::EncoderParameters* Get() const { return block_; }

private:
    std::unique_ptr<Gdiplus::EncoderParameter[]> storage_;
    Gdiplus::EncoderParameters* block_ = nullptr;
};

}  // namespace

std::string GuidText(const GUID& guid)
{
    wchar_t text[39] = {};
    if (StringFromGUID2(guid, text, static_cast<int>(std::size(text))) == 0)
        return {};
    return AnsiFromWide(text);
}

std::vector<ImageEncoder> GetImageEncoders()
{
    UINT count = 0;
    UINT size = 0;
    if (!Record(gdip::GdipGetImageEncodersSize(&count, &size)) || count == 0 || size < count * sizeof(Gdiplus::ImageCodecInfo))
        return {};
    // The records come first, followed by the strings and bytes they point at.
    std::vector<Gdiplus::ImageCodecInfo> buffer(size / sizeof(Gdiplus::ImageCodecInfo) + 1);
    if (!Record(gdip::GdipGetImageEncoders(count, size, buffer.data())))
        return {};
    std::vector<ImageEncoder> encoders;
    encoders.reserve(count);
    for (UINT i = 0; i < count; ++i) {
        const Gdiplus::ImageCodecInfo& info = buffer[i];
        const size_t signatureBytes = static_cast<size_t>(info.SigCount) * info.SigSize;
        encoders.push_back(ImageEncoder{
            GuidText(info.Clsid), GuidText(info.FormatID), AnsiFromWide(info.CodecName), AnsiFromWide(info.DllName),
            AnsiFromWide(info.FormatDescription), AnsiFromWide(info.FilenameExtension), AnsiFromWide(info.MimeType),
            info.Flags, info.Version, info.SigCount, info.SigSize, CopyBytes(info.SigPattern, signatureBytes),
            CopyBytes(info.SigMask, signatureBytes)});
    }
    return encoders;
}

Image& Image::operator=(Image&& other) noexcept
{
    if (this != &other) {
        Dispose();
        OwnedGdiplusObject::operator=(std::move(other));
        bytes_ = std::move(other.bytes_);
    }
    return *this;
}

bool Image::Dispose()
{
    if (IsEmpty()) {
        // Bytes of a failed load; no native image to release.
        bytes_.Release();
        return false;
    }
    const bool ok = Record(gdip::GdipDisposeImage(Handle()));
    SetNativeHandle(nullptr);
    bytes_.Release();
    return ok;
}

bool Image::LoadFromFile(const char* file, bool useIcm)
{
    return LoadFromFileW(WideText(file).c_str(), useIcm);
}

bool Image::LoadFromFileW(const wchar_t* file, bool useIcm)
{
    Dispose();
    auto& load = useIcm ? gdip::GdipLoadImageFromFileICM : gdip::GdipLoadImageFromFile;
    return Record(load(file, OutHandle()));
}

bool Image::LoadFromBytes(std::span<const BYTE> bytes, bool useIcm)
{
    Dispose();
    auto& load = useIcm ? gdip::GdipLoadImageFromStreamICM : gdip::GdipLoadImageFromStream;
    return Record(load(bytes_.OpenBytes(bytes), OutHandle()));
}

std::optional<Gdiplus::ARGB> Image::GetBitmapPixel(INT x, INT y) const
{
    // Only a bitmap may be read as one.
    if (IsEmpty() || GetType() != Gdiplus::ImageTypeBitmap)
        return std::nullopt;
    Gdiplus::ARGB colour = 0;
    if (!Record(gdip::GdipBitmapGetPixel(static_cast<Gdiplus::GpBitmap*>(Handle()), x, y, &colour)))
        return std::nullopt;
    return colour;
}

bool Image::Clone(Image& target) const
{
    target.Dispose();
    return Record(gdip::GdipCloneImage(Handle(), target.OutHandle()));
}

std::string Image::GetRawFormat() const
{
    GUID format{};
    if (IsEmpty()) {
        LastStatus = Gdiplus::InvalidParameter;
        return {};
    }
    if (!Record(gdip::GdipGetImageRawFormat(Handle(), &format)))
        return {};
    return GuidText(format);
}

template <typename Save>
bool Image::SaveWith(const char* format, const EncoderParameterList* parameters, Save save) const
{
    const std::optional<CLSID> encoder = FindEncoder(format);
    if (!encoder) {
        // No encoder: GDI+ would fail the save anyway, but only after
        // creating (and so emptying) the target file.
        LastStatus = Gdiplus::UnknownImageFormat;
        return false;
    }
    const EncoderParameterBlock block(parameters);
    return Record(save(&*encoder, block.Get()));
}

std::vector<BYTE> Image::SaveToBytes(const char* format, const EncoderParameterList* parameters) const
{
    const std::string rawFormat = format ? std::string() : GetRawFormat();
    if (!format && rawFormat.empty())
        return {};
    MemoryStream target;
    IStream* stream = target.OpenBytes({});
    const bool saved = SaveWith(format ? format : rawFormat.c_str(), parameters,
                                [&](const CLSID* encoder, const Gdiplus::EncoderParameters* block) {
                                    return gdip::GdipSaveImageToStream(Handle(), stream, encoder, block);
                                });
    return saved ? target.GetBytes() : std::vector<BYTE>{};
}

bool Image::SaveToFile(const char* file, const char* format, const EncoderParameterList* parameters) const
{
    return SaveToFileW(WideText(file).c_str(), format, parameters);
}

bool Image::SaveToFileW(const wchar_t* file, const char* format, const EncoderParameterList* parameters) const
{
    return SaveWith(format, parameters, [&](const CLSID* encoder, const Gdiplus::EncoderParameters* block) {
        return gdip::GdipSaveImageToFile(Handle(), file, encoder, block);
    });
}
