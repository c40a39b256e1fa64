// A small cache of decoded pictures, most recently used first.
#include "picture_cache.h"

#include <cstdint>
#include <cstring>
#include <memory>
#include <vector>

namespace {

// Enough for every picture a window shows at once: the background, the
// caption and status-bar pictures and the controls' small parts.
constexpr size_t kCapacity = 24;

struct CachedEntry {
    std::uint64_t hash = 0;
    std::vector<BYTE> bytes; // compared on a hash match
    std::unique_ptr<Image> picture; // null: the bytes do not decode
};

std::vector<CachedEntry>& Entries()
{
    static std::vector<CachedEntry> entries;
    return entries;
}

std::uint64_t Hash(std::span<const BYTE> bytes)
{
    std::uint64_t hash = 14695981039346656037ull; // FNV-1a
    for (BYTE b : bytes) {
        hash ^= b;
        hash *= 1099511628211ull;
    }
    return hash ^ bytes.size();
}

} // namespace

const Image* CachedPicture(std::span<const BYTE> bytes)
{
    if (bytes.empty())
        return nullptr;
    auto& entries = Entries();
    const std::uint64_t hash = Hash(bytes);
    for (size_t i = 0; i < entries.size(); ++i) {
        CachedEntry& entry = entries[i];
        if (entry.hash != hash || entry.bytes.size() != bytes.size() ||
            std::memcmp(entry.bytes.data(), bytes.data(), bytes.size()) != 0)
            continue;
        if (i != 0) {
            CachedEntry found = std::move(entry);
            entries.erase(entries.begin() + static_cast<std::ptrdiff_t>(i));
            entries.insert(entries.begin(), std::move(found));
        }
        return entries.front().picture.get();
    }
    CachedEntry entry;
    entry.hash = hash;
    entry.bytes.assign(bytes.begin(), bytes.end());
    auto picture = std::make_unique<Image>();
    if (picture->LoadFromBytes(bytes))
        entry.picture = std::move(picture);
    if (entries.size() >= kCapacity)
        entries.pop_back();
    entries.insert(entries.begin(), std::move(entry));
    return entries.front().picture.get();
}

const Image& CachedPictureOrEmpty(std::span<const BYTE> bytes)
{
    static const Image empty;
    const Image* picture = CachedPicture(bytes);
    return picture ? *picture : empty;
}

void ClearPictureCache() { Entries().clear(); }
