#pragma once
// The name "Save Picture…" offers for a window's picture: its class and handle. Pure logic: no
// window system here.

#include <cstdint>
#include <string>
#include <string_view>

namespace orvex {

// "<class> <handle>.png": characters Windows refuses in file names become '_'; the handle is eight
// hexadecimal digits, sixteen when it does not fit in 32 bits.
std::wstring PictureFileName(std::wstring_view className, std::uint64_t handle);

} // namespace orvex
