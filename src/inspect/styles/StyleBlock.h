#pragma once
// The whole style block of one window, from words already read: window styles, the control's own
// styles, extended styles and, for controls that report one, the control extended styles. Pure
// logic: the window system is reached only through the query callback.

#include "inspect/PropertySink.h"

#include <cstdint>
#include <functional>
#include <optional>
#include <string_view>

namespace orvex {

// Sends a style query message (wParam 0, lParam 0) to the window and returns its result, or
// nothing when the window did not answer.
using StyleQuery = std::function<std::optional<std::uint32_t>(std::uint32_t message)>;

struct StyleWords {
    std::uint32_t style = 0;
    std::uint32_t exStyle = 0;
    // Empty when the class name could not be read: then no control table runs.
    std::optional<std::wstring_view> className;
};

// Appends every row of the block to `sink` in `group`. A header whose query got no answer reads
// "<n/a>" (text kind) with no rows beneath it; after one unanswered query the window is not asked
// again in this block, so a hung window costs a single wait.
void AddStyleBlock(PropertySink& sink, int group, const StyleWords& words, const StyleQuery& query);

} // namespace orvex
