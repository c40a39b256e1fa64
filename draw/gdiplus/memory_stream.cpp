#include "memory_stream.h"

#include <algorithm>
#include <cstring>
#include <utility>

namespace {

// A GlobalLock held for the life of a scope.
class GlobalLockScope {
public:
    explicit GlobalLockScope(HGLOBAL memory) : memory_(memory), data_(static_cast<BYTE*>(GlobalLock(memory))) {}
    ~GlobalLockScope()
    {
        if (data_)
            GlobalUnlock(memory_);
    }
    GlobalLockScope(const GlobalLockScope&) = delete;
    GlobalLockScope& operator=(const GlobalLockScope&) = delete;
    BYTE* Data() const { return data_; }

private:
    HGLOBAL memory_;
    BYTE* data_;
};

} // namespace

MemoryStream::MemoryStream(MemoryStream&& other) noexcept
    : memory_(std::exchange(other.memory_, nullptr)), stream_(std::exchange(other.stream_, nullptr))
{
}

MemoryStream& MemoryStream::operator=(MemoryStream&& other) noexcept
{
    if (this != &other) {
        Release();
        memory_ = std::exchange(other.memory_, nullptr);
        stream_ = std::exchange(other.stream_, nullptr);
    }
    return *this;
}

IStream* MemoryStream::OpenBytes(std::span<const BYTE> bytes, std::optional<size_t> size)
{
    Release();
    const size_t blockSize = size.value_or(bytes.size());
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, blockSize);
    if (!memory)
        return nullptr;
    IStream* stream = nullptr;
    if (FAILED(CreateStreamOnHGlobal(memory, FALSE, &stream)) || !stream) {
        GlobalFree(memory);
        return nullptr;
    }
    memory_ = memory;
    stream_ = stream;
    const size_t count = std::min<size_t>(bytes.size(), GlobalSize(memory));
    if (count > 0) {
        GlobalLockScope lock(memory);
        if (lock.Data())
            std::memcpy(lock.Data(), bytes.data(), count);
    }
    return stream_;
}

void MemoryStream::Release()
{
    if (!stream_)
        return;
    // The stream does not own the block (delete-on-release false), so the
    // block is freed after the last reference to the stream is gone.
    stream_->Release();
    GlobalFree(memory_);
    stream_ = nullptr;
    memory_ = nullptr;
}

SIZE_T MemoryStream::GetSize() const
{
    return memory_ ? GlobalSize(memory_) : 0;
}

bool MemoryStream::Attach(IStream* stream)
{
    Release();
    HGLOBAL memory = nullptr;
    if (!stream || FAILED(GetHGlobalFromStream(stream, &memory)) || !memory)
        return false;
    memory_ = memory;
    stream_ = stream;
    return true;
}

std::vector<BYTE> MemoryStream::GetBytes() const
{
    if (!memory_)
        return {};
    size_t size = GlobalSize(memory_);
    // A block may be larger than what was written into it; the stream
    // knows its own length.
    STATSTG status{};
    if (stream_ && SUCCEEDED(stream_->Stat(&status, STATFLAG_NONAME)))
        size = std::min<size_t>(size, status.cbSize.QuadPart);
    std::vector<BYTE> bytes(size);
    if (size > 0) {
        GlobalLockScope lock(memory_);
        if (!lock.Data())
            return {};
        std::memcpy(bytes.data(), lock.Data(), size);
    }
    return bytes;
}
