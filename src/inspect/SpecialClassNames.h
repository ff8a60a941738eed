#pragma once
// The five system classes whose names are numbers, and what a reader is shown instead.
// Pure logic: no window system here.

#include <string_view>

namespace orvex {

// " (Dialog)" and the like, appended to a class name in the property view; empty for any other
// name. Only the exact, whole name counts.
std::wstring_view GetSpecialClassSuffix(std::wstring_view className);

// "Dialog" and the like, shown in place of the class name in window-tree labels; empty for any
// other name.
std::wstring_view GetSpecialClassDisplayName(std::wstring_view className);

} // namespace orvex
