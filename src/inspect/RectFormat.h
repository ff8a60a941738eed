#pragma once
// How rectangles are written in the listings. Pure logic: no window system here.

#include <string>

namespace orvex {

// "(left, top) - (right, bottom) WIDTHxHEIGHT", the size taken from the same four numbers.
std::wstring FormatRectWithSize(int left, int top, int right, int bottom);

// "(left, top) - (right, bottom)".
std::wstring FormatRectCorners(int left, int top, int right, int bottom);

} // namespace orvex
