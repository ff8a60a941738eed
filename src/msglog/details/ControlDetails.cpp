#include "msglog/details/DetailDecoders.h"
#include "msglog/details/DetailsText.h"

#include <array>

namespace orvex {

namespace {

constexpr std::array<std::wstring_view, 3> kCheckStates = {L"BST_UNCHECKED", L"BST_CHECKED",
                                                           L"BST_INDETERMINATE"};

std::wstring CheckStateText(std::uint64_t state) {
    if (state < kCheckStates.size())
        return std::wstring(kCheckStates[state]);
    return DetailsText().Add(L"state", std::to_wstring(state)).Take();
}

bool Returned(const DetailsInput& input) {
    return input.record.kind == MessageKind::Returned;
}

// What a list box's or combo box's line says: an item index the message gives in wParam, and what
// its result is on the returned line, under `label` (none when the result says only "failed").
// LB_ERR and CB_ERR are -1, LB_ERRSPACE and CB_ERRSPACE -2.
std::wstring ListResultText(const DetailsInput& input, std::wstring_view label) {
    const std::int32_t result = SignedLow32(input.record.result);
    const std::wstring_view prefix = input.name.substr(0, input.name.find(L'_') + 1); // LB_ or CB_
    if (result == -1)
        return std::wstring(prefix) + L"ERR";
    if (result == -2)
        return std::wstring(prefix) + L"ERRSPACE";
    return label.empty() ? std::wstring() : DetailsText().Add(label, result).Take();
}

std::wstring ListDetails(const DetailsInput& input, bool indexInWParam, std::wstring_view resultLabel) {
    DetailsText text;
    if (indexInWParam)
        text.Add(L"index", SignedLow32(input.record.wParam));
    if (Returned(input))
        text.Add(ListResultText(input, resultLabel));
    return text.Take();
}

} // namespace

std::wstring EditSetSelDetails(const DetailsInput& input) {
    return DetailsText()
        .Add(L"start", SignedLow32(input.record.wParam))
        .Add(L"end", SignedLow32(input.record.lParam))
        .Take();
}

std::wstring EditGetSelDetails(const DetailsInput& input) {
    if (!Returned(input))
        return {};
    return DetailsText()
        .Add(L"start", LowWord(input.record.result))
        .Add(L"end", HighWord(input.record.result))
        .Take();
}

std::wstring ButtonSetCheckDetails(const DetailsInput& input) {
    return CheckStateText(input.record.wParam);
}

std::wstring ButtonGetCheckDetails(const DetailsInput& input) {
    return Returned(input) ? CheckStateText(input.record.result) : std::wstring();
}

std::wstring ListIndexGivesIndexDetails(const DetailsInput& input) {
    // The index given and the index answered may differ (an insertion at -1 lands at the end), and
    // one line must not show two "index=" that mean different things.
    return ListDetails(input, true, L"result");
}

std::wstring ListIndexGivesLengthDetails(const DetailsInput& input) {
    return ListDetails(input, true, L"length");
}

std::wstring ListIndexGivesCountDetails(const DetailsInput& input) {
    return ListDetails(input, true, L"count");
}

std::wstring ListIndexDetails(const DetailsInput& input) {
    return ListDetails(input, true, {});
}

std::wstring ListGivesIndexDetails(const DetailsInput& input) {
    return ListDetails(input, false, L"index");
}

std::wstring ListGivesCountDetails(const DetailsInput& input) {
    return ListDetails(input, false, L"count");
}

std::wstring ListSetSelDetails(const DetailsInput& input) {
    // The index is in lParam here, -1 for every item.
    DetailsText text;
    text.Add(input.record.wParam != 0 ? L"select" : L"deselect")
        .Add(L"index", SignedLow32(input.record.lParam));
    if (Returned(input))
        text.Add(ListResultText(input, {}));
    return text.Take();
}

std::wstring ComboShowDropDownDetails(const DetailsInput& input) {
    return input.record.wParam != 0 ? L"show" : L"hide";
}

} // namespace orvex
