#pragma once
// Owns a kernel handle (process, thread, file, event); a null or
// INVALID_HANDLE_VALUE handle is not closed.
#include <windows.h>

#include <memory>
#include <type_traits>

struct HandleCloser {
    void operator()(HANDLE handle) const
    {
        if (handle != INVALID_HANDLE_VALUE)
            CloseHandle(handle);
    }
};
using UniqueHandle = std::unique_ptr<std::remove_pointer_t<HANDLE>, HandleCloser>;
