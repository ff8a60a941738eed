#include "msglog/MessageFilter.h"

#include <algorithm>

namespace orvex {

namespace {

constexpr std::size_t kWordSize = 4;
// Version 1: version, shown mask, count. Version 2: version, mode, shown mask, count. The mask and
// the count are the last two words of the header in both.
constexpr std::uint32_t kHideVersion = 1;
constexpr std::uint32_t kModeVersion = 2;
constexpr std::size_t kHideHeaderWords = 3;
constexpr std::size_t kModeHeaderWords = 4;

void PutWord(std::vector<std::byte>& out, std::uint32_t word) {
    for (int shift = 0; shift < 32; shift += 8)
        out.push_back(static_cast<std::byte>((word >> shift) & 0xFF));
}

std::uint32_t WordAt(std::span<const std::byte> stored, std::size_t index) {
    std::uint32_t word = 0;
    for (std::size_t i = 0; i < kWordSize; ++i)
        word |= std::to_integer<std::uint32_t>(stored[index * kWordSize + i]) << (8 * i);
    return word;
}

bool Contains(const std::vector<std::uint32_t>& messages, std::uint32_t message) {
    return std::find(messages.begin(), messages.end(), message) != messages.end();
}

} // namespace

bool MessageFilter::Shows(std::uint32_t message) const {
    return FilterShows(mode, (shownCategories & CategoryBit(CategoryOf(message))) != 0,
                       [&] { return Contains(excluded, message); });
}

bool MessageFilter::ShowsEverything() const {
    // Every category checked shows every message in the Show-only mode, whatever is listed.
    return shownCategories == kAllCategories && (mode == FilterMode::ShowOnly || excluded.empty());
}

bool MessageFilter::ShowsNothing() const {
    // No category checked leaves nothing in the Hide mode, whatever is listed.
    return shownCategories == 0 && (mode == FilterMode::Hide || excluded.empty());
}

std::wstring DescribeFilter(const MessageFilter& filter) {
    const bool showOnly = filter.mode == FilterMode::ShowOnly;
    // The categories the mode acts on: the unchecked ones are hidden, the checked ones shown.
    std::vector<std::wstring> named;
    for (std::uint32_t category = 0; category < static_cast<std::uint32_t>(MessageCategory::Count);
         ++category)
        if (((filter.shownCategories & (1u << category)) != 0) == showOnly)
            named.push_back(CategoryName(static_cast<MessageCategory>(category)));
    if (const std::size_t count = filter.excluded.size())
        named.push_back(std::to_wstring(count) + (count == 1 ? L" single message" : L" single messages"));
    if (named.empty())
        return showOnly ? L"showing nothing" : L"hiding nothing";
    std::wstring text = (showOnly ? L"showing only " : L"hiding ") + named[0];
    for (std::size_t i = 1; i < named.size(); ++i)
        text += (i + 1 == named.size() ? L" and " : L", ") + named[i];
    return text;
}

std::vector<std::byte> StoreMessageFilter(const MessageFilter& filter) {
    const bool hide = filter.mode == FilterMode::Hide;
    std::vector<std::byte> out;
    out.reserve(((hide ? kHideHeaderWords : kModeHeaderWords) + filter.excluded.size()) * kWordSize);
    PutWord(out, hide ? kHideVersion : kModeVersion);
    if (!hide)
        PutWord(out, static_cast<std::uint32_t>(filter.mode));
    PutWord(out, filter.shownCategories);
    PutWord(out, static_cast<std::uint32_t>(filter.excluded.size()));
    for (std::uint32_t message : filter.excluded)
        PutWord(out, message);
    return out;
}

std::optional<MessageFilter> LoadMessageFilter(std::span<const std::byte> stored) {
    if (stored.size() < kWordSize || stored.size() % kWordSize != 0)
        return std::nullopt;
    const std::uint32_t version = WordAt(stored, 0);
    if (version != kHideVersion && version != kModeVersion)
        return std::nullopt;
    const std::size_t header = version == kHideVersion ? kHideHeaderWords : kModeHeaderWords;
    const std::size_t words = stored.size() / kWordSize;
    if (words < header)
        return std::nullopt;
    MessageFilter filter;
    if (version == kModeVersion) {
        const std::uint32_t mode = WordAt(stored, 1);
        if (mode != static_cast<std::uint32_t>(FilterMode::Hide) &&
            mode != static_cast<std::uint32_t>(FilterMode::ShowOnly))
            return std::nullopt;
        filter.mode = static_cast<FilterMode>(mode);
    }
    const std::size_t count = WordAt(stored, header - 1);
    if (count > kMaxExcludedMessages || words != header + count)
        return std::nullopt;
    // Bits of categories a later Orvex may add mean nothing to this one.
    filter.shownCategories = WordAt(stored, header - 2) & kAllCategories;
    for (std::size_t i = 0; i < count; ++i) {
        const std::uint32_t message = WordAt(stored, header + i);
        if (!Contains(filter.excluded, message))
            filter.excluded.push_back(message);
    }
    return filter;
}

} // namespace orvex
