#include "msglog/details/DetailDecoders.h"
#include "common/ValueFormat.h"
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

// A list box's or combo box's string. An owner-drawn one without strings keeps the value instead,
// and the hook copies nothing for it.
std::wstring ItemText(const DetailsInput& input) {
    if (input.record.payload == PayloadKind::None && input.record.lParam != 0)
        return DetailsText().Add(L"data", FormatPointer(input.record.lParam)).Take();
    return CarriedText(input);
}

// The string on the sent line (the hook copies it only then), the result on the returned one.
std::wstring ListStringDetails(const DetailsInput& input, std::wstring_view wParamLabel,
                               std::wstring_view resultLabel) {
    DetailsText text;
    if (!wParamLabel.empty())
        text.Add(wParamLabel, SignedLow32(input.record.wParam));
    text.Add(Returned(input) ? ListResultText(input, resultLabel) : ItemText(input));
    return text.Take();
}

constexpr FlagName kDirFlags[] = {
    {0x0001, L"DDL_READONLY"}, {0x0002, L"DDL_HIDDEN"},   {0x0004, L"DDL_SYSTEM"}, {0x0010, L"DDL_DIRECTORY"},
    {0x0020, L"DDL_ARCHIVE"},  {0x2000, L"DDL_POSTMSGS"}, {0x4000, L"DDL_DRIVES"}, {0x8000, L"DDL_EXCLUSIVE"},
};

constexpr FlagName kButtonStates[] = {
    {0x0001, L"BST_CHECKED"}, {0x0002, L"BST_INDETERMINATE"}, {0x0004, L"BST_PUSHED"},
    {0x0008, L"BST_FOCUS"},   {0x0200, L"BST_HOT"},           {0x0400, L"BST_DROPDOWNPUSHED"},
};

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

std::wstring ListAddStringDetails(const DetailsInput& input) {
    return ListStringDetails(input, {}, L"index");
}

std::wstring ListInsertStringDetails(const DetailsInput& input) {
    return ListStringDetails(input, L"index", L"result");
}

std::wstring ListFindStringDetails(const DetailsInput& input) {
    // The search starts after `start`; -1 searches from the top.
    return ListStringDetails(input, L"start", L"index");
}

std::wstring ListDirDetails(const DetailsInput& input) {
    if (Returned(input))
        return ListResultText(input, L"index");
    const auto attributes = static_cast<std::uint32_t>(input.record.wParam);
    return DetailsText()
        .Add(CarriedText(input))
        .Add(attributes == 0 ? std::wstring(L"DDL_READWRITE") : FlagsText(attributes, kDirFlags))
        .Take();
}

std::wstring EditReplaceSelDetails(const DetailsInput& input) {
    if (Returned(input))
        return {};
    return DetailsText().Add(CarriedText(input)).Add(input.record.wParam != 0 ? L"undoable" : L"").Take();
}

std::wstring EditSetCueBannerDetails(const DetailsInput& input) {
    if (Returned(input))
        return {};
    return DetailsText()
        .Add(CarriedText(input))
        .Add(input.record.wParam != 0 ? L"shown when focused" : L"")
        .Take();
}

std::wstring ButtonSetStateDetails(const DetailsInput& input) {
    return input.record.wParam != 0 ? L"pushed" : L"released";
}

std::wstring ButtonGetStateDetails(const DetailsInput& input) {
    if (!Returned(input))
        return {};
    const auto state = static_cast<std::uint32_t>(input.record.result);
    return state == 0 ? std::wstring(L"BST_UNCHECKED") : FlagsText(state, kButtonStates);
}

} // namespace orvex
