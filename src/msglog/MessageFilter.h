#pragma once
// What the message log shows. In the Hide mode it leaves out whole categories and single messages
// by number; in the Show-only mode it shows the checked categories and the listed messages and
// nothing else. Kept in the settings as "MessageLogFilter" (REG_BINARY), little-endian DWORDs:
// version 1 is the Hide mode's: 1, the mask of categories shown, the number of single messages
// listed, then those numbers. Version 2 carries a mode: 2, the mode, then the mask, the count and
// the numbers as in version 1. A Hide filter is still stored as version 1, so that what an earlier
// Orvex stored and reads stays as it was. Pure logic: no window system here.

#include "msglog/MessageCategories.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace orvex {

// As many single messages as the hook's shared control block has room for.
inline constexpr std::size_t kMaxExcludedMessages = 62;

enum class FilterMode : std::uint32_t {
    Hide = 0,     // the unchecked categories and the listed messages are left out
    ShowOnly = 1, // the checked categories and the listed messages are shown, nothing else
};

// The one rule of both modes, for Orvex and for the hook inside the logged program alike: whether a
// message is shown, from whether its category is checked and whether it is listed. `listed` is
// asked only when the answer depends on it, as the hook must scan a list to tell. Any mode but
// ShowOnly filters as Hide does: the hook takes the mode from memory another program can write.
template <class Listed>
constexpr bool FilterShows(FilterMode mode, bool categoryChecked,
                           Listed&& listed) noexcept(noexcept(listed())) {
    if (mode == FilterMode::ShowOnly)
        return categoryChecked || listed();
    return categoryChecked && !listed();
}

struct MessageFilter {
    std::uint32_t shownCategories = kAllCategories; // the categories checked
    // The single messages listed: left out in the Hide mode, shown whatever their category in the
    // Show-only mode. No repeats, at most kMaxExcludedMessages.
    std::vector<std::uint32_t> excluded;
    FilterMode mode = FilterMode::Hide;

    bool Shows(std::uint32_t message) const;
    bool ShowsEverything() const;
    bool ShowsNothing() const;
    bool operator==(const MessageFilter&) const = default;
};

// What the filter does, for a note in the log: "hiding Mouse, Timer and 2 single messages", or in
// the Show-only mode "showing only Mouse and 2 single messages".
std::wstring DescribeFilter(const MessageFilter& filter);

std::vector<std::byte> StoreMessageFilter(const MessageFilter& filter);
// The filter a stored value holds; nothing (use the defaults) when its size, version or mode is not
// one this Orvex knows, or it lists more single messages than the hook has room for.
std::optional<MessageFilter> LoadMessageFilter(std::span<const std::byte> stored);

} // namespace orvex
