#pragma once
// A byte array in movable global memory, exposed as a COM stream so GDI+
// can read pictures from it and write encoded pictures into it.
#include <windows.h>
#include <objidl.h>

#include <cstddef>
#include <optional>
#include <span>
#include <vector>

class MemoryStream {
public:
    MemoryStream() = default;
    ~MemoryStream() { Release(); }
    MemoryStream(const MemoryStream&) = delete;
    MemoryStream& operator=(const MemoryStream&) = delete;
    MemoryStream(MemoryStream&& other) noexcept;
    MemoryStream& operator=(MemoryStream&& other) noexcept;

    // Releases what was open, then puts a copy of `bytes` into a new block
    // of `size` bytes (the array's length when not given; bytes beyond the
    // array stay zero) and opens a stream on it. Returns the stream, or
    // null when memory or the stream could not be had.
    IStream* OpenBytes(std::span<const BYTE> bytes, std::optional<size_t> size = std::nullopt);
    // Releases the stream and frees the block; nothing when empty.
    void Release();

    SIZE_T GetSize() const;
    IStream* GetStream() const { return stream_; }
    HGLOBAL GetHGlobal() const { return memory_; }

    // Releases what was open and takes over `stream` with the caller's
    // reference, and its block. The stream must have been made with
    // delete-on-release false, since the block is freed here. False (and
    // the stream left to the caller) when the stream has no global block.
    bool Attach(IStream* stream);

    // The stream's contents: the whole block, or as far as the stream has
    // been written when it grew. Empty when nothing is open.
    std::vector<BYTE> GetBytes() const;

private:
    HGLOBAL memory_ = nullptr;
    IStream* stream_ = nullptr;
};
