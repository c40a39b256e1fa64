#pragma once
// The shape every GDI+ wrapper shares.
//
// A wrapper holds one native handle: Empty (null) after construction and
// after its release method, Live after a successful creator. It owns what
// it holds and releases it when it is dropped; it can be moved, never
// copied. Method shapes:
//   - creators: GDI+ writes the new handle into OutHandle(), then
//     `return Record(status);` (the handle stays null on failure). Calling a
//     creator on a Live wrapper releases the old native object first.
//   - actions and setters: `return Record(gdip::GdipXxx(Handle(), ...));`
//   - getters: `return Get(gdip::GdipXxx, fallback...)` style; see
//     GetValue() below: an Empty wrapper yields 0 with InvalidParameter.
//   - Delete(): false without a GDI+ call when Empty (LastStatus kept);
//     otherwise one release call whose status is recorded.
//
// A new wrapper class (header only is fine):
//
//     namespace gdip { GDIPLUS_FLAT_FUNCTION(GdipDisposeImage); }
//     class Image : public OwnedGdiplusObject<Gdiplus::GpImage, gdip::GdipDisposeImage> {
//     public:
//         bool LoadFromFile(const char* file) {
//             Release();
//             return Record(gdip::GdipLoadImageFromFile(WideText(file).c_str(), OutHandle()));
//         }
//         UINT GetWidth() const { return GetValue<UINT>(gdip::GdipGetImageWidth); }
//     };
#include "gdiplus_binding.h"

#include <utility>

// Calls getter(handle, args..., &value) and returns the value, 0 when the
// call failed. A null handle makes no call and reports an invalid
// parameter, as GDI+ itself would.
template <typename Value, typename Handle, typename Getter, typename... Args>
Value GetValueOf(Handle* handle, Getter& getter, Args... args) noexcept
{
    if (!handle) {
        LastStatus = Gdiplus::InvalidParameter;
        return Value{};
    }
    Value value{};
    if (!Record(getter(handle, args..., &value)))
        return Value{};
    return value;
}

template <typename Native>
class GdiplusObject {
public:
    Native* GetNativeHandle() const noexcept { return handle_; }
    void SetNativeHandle(Native* handle) noexcept { handle_ = handle; }
    bool IsEmpty() const noexcept { return handle_ == nullptr; }

    static void* Alloc(size_t size) noexcept { return gdip::GdipAlloc(size); }
    static void Free(void* block) noexcept { gdip::GdipFree(block); }

protected:
    GdiplusObject() = default;
    GdiplusObject(GdiplusObject&& other) noexcept : handle_(std::exchange(other.handle_, nullptr)) {}
    GdiplusObject& operator=(GdiplusObject&&) = delete;
    ~GdiplusObject() = default;

    Native* Handle() const noexcept { return handle_; }
    Native** OutHandle() noexcept { return &handle_; }
    // Hands the handle over to the caller; the wrapper becomes Empty.
    Native* Detach() noexcept { return std::exchange(handle_, nullptr); }

    // Calls getter(handle, args..., &value); see GetValueOf.
    template <typename Value, typename Getter, typename... Args>
    Value GetValue(Getter& getter, Args... args) const noexcept
    {
        return GetValueOf<Value>(handle_, getter, args...);
    }

private:
    Native* handle_ = nullptr;
};

// A wrapper released by one flat-API function taking its handle.
template <typename Native, auto& DeleteFunction>
class OwnedGdiplusObject : public GdiplusObject<Native> {
public:
    OwnedGdiplusObject() = default;
    OwnedGdiplusObject(OwnedGdiplusObject&& other) noexcept = default;
    OwnedGdiplusObject& operator=(OwnedGdiplusObject&& other) noexcept
    {
        if (this != &other) {
            Release();
            this->SetNativeHandle(other.Detach());
        }
        return *this;
    }
    ~OwnedGdiplusObject() { Release(); }

    bool Delete() noexcept
    {
        if (this->IsEmpty())
            return false;
        const bool ok = Record(DeleteFunction(this->Handle()));
        this->SetNativeHandle(nullptr);
        return ok;
    }

protected:
    // Frees a Live handle before a creator replaces it; quiet when Empty.
    void Release() noexcept { Delete(); }
};

// Scales or rotates an object's transform about `centre`: translate the
// centre to the origin, apply, translate back, in the order that makes the
// three steps compose to that with `order`. Stops at the first failing
// step, so a false result always means the transform is incomplete.
template <typename Native, typename Translate, typename Apply>
bool TransformAbout(Native* handle, Translate& translate, Gdiplus::PointF centre, Gdiplus::MatrixOrder order,
                    Apply apply) noexcept
{
    const Gdiplus::REAL sign = order == Gdiplus::MatrixOrderAppend ? -1.0f : 1.0f;
    return Record(translate(handle, sign * centre.X, sign * centre.Y, order)) && Record(apply()) &&
           Record(translate(handle, -sign * centre.X, -sign * centre.Y, order));
}

// An array handed to GDI+: its data, or null when it is empty.
template <typename Span>
auto ArrayOrNull(Span items) noexcept
{
    return items.empty() ? nullptr : items.data();
}

// Number of elements as GDI+ takes it.
template <typename Span>
INT CountOf(Span items) noexcept
{
    return static_cast<INT>(items.size());
}
