#pragma once
// The two forms of a window's listing. Pure logic: no window system here.

namespace orvex {

enum class ViewMode {
    Summary = 0, // handle, class, text, rectangle and the styles, in one group
    Detail = 1,  // every group: General, Styles, Class, Process
};

} // namespace orvex
