#pragma once
// The engine's 1-based record lists. A list starts with one empty entry
// (window handle 0) that the first registration fills; later
// registrations append. Index 0 means "none" everywhere.
#include <windows.h>

#include <memory>
#include <vector>

template <typename Entry>
class SkinList {
public:
    SkinList() { entries_.push_back(std::make_unique<Entry>()); }
    SkinList(const SkinList&) = delete;
    SkinList& operator=(const SkinList&) = delete;
    SkinList(SkinList&&) noexcept = default;
    SkinList& operator=(SkinList&&) noexcept = default;

    int Count() const { return static_cast<int>(entries_.size()); }

    // The entry at a 1-based index, or null outside 1..Count().
    Entry* At(int index) const
    {
        if (index < 1 || index > Count())
            return nullptr;
        return entries_[static_cast<size_t>(index - 1)].get();
    }

    // Registers a new entry: fills the single empty first entry, or
    // appends a zeroed one. Returns its 1-based index.
    int Append()
    {
        if (entries_.size() == 1 && entries_[0]->window == nullptr)
            return 1;
        entries_.push_back(std::make_unique<Entry>());
        return Count();
    }

    // 1-based index of the entry whose window is `window`, 0 when none.
    int Find(HWND window) const
    {
        if (!window)
            return 0;
        for (size_t i = 0; i < entries_.size(); ++i) {
            if (entries_[i]->window == window)
                return static_cast<int>(i + 1);
        }
        return 0;
    }

    template <typename Visit>
    void ForEach(Visit visit) const
    {
        for (size_t i = 0; i < entries_.size(); ++i)
            visit(static_cast<int>(i + 1), *entries_[i]);
    }

private:
    std::vector<std::unique_ptr<Entry>> entries_;
};
