#pragma once
// Pictures and files stored in the program as byte arrays.
#include <cstddef>
#include <span>

extern const unsigned char kTrayIconBytes[];
extern const std::size_t kTrayIconBytes_size;

namespace resources {
inline std::span<const unsigned char> TrayIcon() { return {kTrayIconBytes, kTrayIconBytes_size}; }
}
