#pragma once
// Owning handles for the few GDI and USER objects the application keeps.
#include <windows.h>

#include <memory>
#include <type_traits>

#include "gdi_handles.h"

struct MenuDeleter {
    void operator()(HMENU menu) const { DestroyMenu(menu); }
};

using UniqueMenu = std::unique_ptr<std::remove_pointer_t<HMENU>, MenuDeleter>;
