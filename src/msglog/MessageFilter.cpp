#include "msglog/MessageFilter.h"

#include <algorithm>

namespace orvex {

namespace {

constexpr std::size_t kWordSize = 4;
constexpr std::size_t kHeaderWords = 3; // version, shown mask, count

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
    return (shownCategories & CategoryBit(CategoryOf(message))) != 0 && !Contains(excluded, message);
}

std::wstring DescribeFilter(const MessageFilter& filter) {
    std::vector<std::wstring> hidden;
    for (std::uint32_t category = 0; category < static_cast<std::uint32_t>(MessageCategory::Count);
         ++category)
        if (!(filter.shownCategories & (1u << category)))
            hidden.push_back(CategoryName(static_cast<MessageCategory>(category)));
    if (const std::size_t count = filter.excluded.size())
        hidden.push_back(std::to_wstring(count) + (count == 1 ? L" single message" : L" single messages"));
    if (hidden.empty())
        return L"hiding nothing";
    std::wstring text = L"hiding " + hidden[0];
    for (std::size_t i = 1; i < hidden.size(); ++i)
        text += (i + 1 == hidden.size() ? L" and " : L", ") + hidden[i];
    return text;
}

std::vector<std::byte> StoreMessageFilter(const MessageFilter& filter) {
    std::vector<std::byte> out;
    out.reserve((kHeaderWords + filter.excluded.size()) * kWordSize);
    PutWord(out, kMessageFilterVersion);
    PutWord(out, filter.shownCategories);
    PutWord(out, static_cast<std::uint32_t>(filter.excluded.size()));
    for (std::uint32_t message : filter.excluded)
        PutWord(out, message);
    return out;
}

std::optional<MessageFilter> LoadMessageFilter(std::span<const std::byte> stored) {
    if (stored.size() < kHeaderWords * kWordSize || stored.size() % kWordSize != 0)
        return std::nullopt;
    const std::size_t count = WordAt(stored, 2);
    if (WordAt(stored, 0) != kMessageFilterVersion || count > kMaxExcludedMessages ||
        stored.size() / kWordSize != kHeaderWords + count)
        return std::nullopt;
    MessageFilter filter;
    // Bits of categories a later Orvex may add mean nothing to this one.
    filter.shownCategories = WordAt(stored, 1) & kAllCategories;
    for (std::size_t i = 0; i < count; ++i) {
        const std::uint32_t message = WordAt(stored, kHeaderWords + i);
        if (!Contains(filter.excluded, message))
            filter.excluded.push_back(message);
    }
    return filter;
}

} // namespace orvex
