#pragma once
// The shortest criteria target that names one window among all of them, for --name and the
// property list's "Copy Target". Pure logic: no window system here.

#include "find/WindowTarget.h"

#include <optional>
#include <span>
#include <string>

namespace orvex {

// Tries the window's process, class, control id and text (whole, less trailing white space) in
// every combination and keeps one that matches `window` alone among `all` (which holds `window`
// too): the fewest criteria first, then the fewest characters. None when no combination does; the
// caller then names the window by its handle.
std::optional<std::wstring> ShortestUniqueTarget(const CandidateWindow& window,
                                                 std::span<const CandidateWindow> all, UpperCase upper);

// A criterion's value as the target syntax reads it back: ',' and '\' escaped.
std::wstring EscapedTargetValue(std::wstring_view value);

} // namespace orvex
