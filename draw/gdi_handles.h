#pragma once
// Owning handles for GDI objects, icons and memory DCs that a routine
// makes and must release whatever way it leaves.
#include <windows.h>

#include <memory>
#include <type_traits>

struct GdiObjectDeleter {
    void operator()(HGDIOBJ object) const { DeleteObject(object); }
};
struct IconDeleter {
    void operator()(HICON icon) const { DestroyIcon(icon); }
};
struct MemoryDCDeleter {
    void operator()(HDC dc) const { DeleteDC(dc); }
};

template <typename Handle>
using UniqueGdiObject = std::unique_ptr<std::remove_pointer_t<Handle>, GdiObjectDeleter>;
using UniqueFont = UniqueGdiObject<HFONT>;
using UniqueRegion = UniqueGdiObject<HRGN>;
using UniqueIcon = std::unique_ptr<std::remove_pointer_t<HICON>, IconDeleter>;
// A DC from CreateCompatibleDC.
using UniqueMemoryDC = std::unique_ptr<std::remove_pointer_t<HDC>, MemoryDCDeleter>;
