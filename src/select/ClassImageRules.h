#pragma once
// Which of the window tree's 42 pictures (bitmap 136) a window gets, from its class name and its
// style words. Pure logic: no window system here.

#include <cstdint>
#include <optional>
#include <string_view>

namespace orvex {

// Pictures the code names directly.
inline constexpr int kDesktopPicture = 0;
inline constexpr int kLocalClassPicture = 34;
inline constexpr int kGlobalClassPicture = 35;
inline constexpr int kProcessPicture = 36;
inline constexpr int kPictureCount = 42;

// The picture decided by the class name and the window style, the first matching rule winning;
// nothing when only the class style can tell (a window of no recognised kind).
std::optional<int> PictureByClassAndStyle(std::wstring_view className, std::uint32_t style);

// The last resort: a question mark for a window of a global class, a person for a local one.
int PictureByClassStyle(std::uint32_t classStyle);

// Both steps at once, for callers that have the class style at hand anyway.
int ClassPicture(std::wstring_view className, std::uint32_t style, std::uint32_t classStyle);

} // namespace orvex
