#include "inspect/BitNames.h"

#include "common/ValueFormat.h"

namespace orvex {

namespace {

void AppendItem(std::wstring& list, std::wstring_view item) {
    if (!list.empty())
        list += L" | ";
    list += item;
}

} // namespace

std::wstring FormatBitNames(std::span<const BitName> table, std::uint32_t bits) {
    std::wstring list;
    std::uint32_t remaining = bits;
    for (const BitName& bit : table) {
        if ((bits & bit.value) == bit.value) {
            AppendItem(list, bit.name);
            remaining &= ~bit.value;
        }
    }
    if (remaining != 0)
        AppendItem(list, FormatHex32(remaining));
    return list;
}

} // namespace orvex
