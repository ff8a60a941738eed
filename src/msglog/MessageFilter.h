#pragma once
// What the message log leaves out: whole categories, and single messages by number. Kept in the
// settings as "MessageLogFilter" (REG_BINARY): a layout version (DWORD 1), the mask of categories
// shown (DWORD), the number of single messages left out (DWORD), then those numbers (DWORD each),
// little-endian. Pure logic: no window system here.

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
inline constexpr std::uint32_t kMessageFilterVersion = 1;

struct MessageFilter {
    std::uint32_t shownCategories = kAllCategories;
    std::vector<std::uint32_t> excluded; // no repeats, at most kMaxExcludedMessages

    bool Shows(std::uint32_t message) const;
    bool ShowsEverything() const { return shownCategories == kAllCategories && excluded.empty(); }
    bool operator==(const MessageFilter&) const = default;
};

// What the filter leaves out, for a note in the log: "hiding Mouse, Timer and 2 single messages".
std::wstring DescribeFilter(const MessageFilter& filter);

std::vector<std::byte> StoreMessageFilter(const MessageFilter& filter);
// The filter a stored value holds; nothing (use the defaults) when its size or version is not
// this layout's, or it lists more single messages than the hook has room for.
std::optional<MessageFilter> LoadMessageFilter(std::span<const std::byte> stored);

} // namespace orvex
