#include "common/ValueFormat.h"
#include "msglog/details/DetailDecoders.h"
#include "msglog/details/DetailsText.h"
#include "msglog/details/PayloadReader.h"

namespace orvex {

namespace {

constexpr std::uint32_t kOdtMenu = 1;

std::wstring ControlTypeText(std::uint32_t type) {
    switch (type) {
    case kOdtMenu:
        return L"ODT_MENU";
    case 2:
        return L"ODT_LISTBOX";
    case 3:
        return L"ODT_COMBOBOX";
    case 4:
        return L"ODT_BUTTON";
    case 5:
        return L"ODT_STATIC";
    case 100:
        return L"ODT_HEADER";
    case 101:
        return L"ODT_TAB";
    case 102:
        return L"ODT_LISTVIEW";
    default:
        return DetailsText().Add(L"type", type).Take();
    }
}

constexpr FlagName kActions[] = {{0x1, L"ODA_DRAWENTIRE"}, {0x2, L"ODA_SELECT"}, {0x4, L"ODA_FOCUS"}};
constexpr FlagName kStates[] = {
    {0x0001, L"ODS_SELECTED"},    {0x0002, L"ODS_GRAYED"},       {0x0004, L"ODS_DISABLED"},
    {0x0008, L"ODS_CHECKED"},     {0x0010, L"ODS_FOCUS"},        {0x0020, L"ODS_DEFAULT"},
    {0x0040, L"ODS_HOTLIGHT"},    {0x0080, L"ODS_INACTIVE"},     {0x0100, L"ODS_NOACCEL"},
    {0x0200, L"ODS_NOFOCUSRECT"}, {0x1000, L"ODS_COMBOBOXEDIT"},
};

// "ODT_LISTBOX id=1001 item=3", a menu item by its command id alone: menus have no control id.
DetailsText ItemText(std::uint32_t type, std::uint32_t controlId, std::uint32_t itemId) {
    DetailsText text;
    text.Add(ControlTypeText(type));
    if (type != kOdtMenu)
        text.Add(L"id", controlId);
    // An empty list box or combo box draws its focus with item -1.
    return std::move(text.Add(L"item", static_cast<std::int32_t>(itemId)));
}

} // namespace

std::wstring DrawItemDetails(const DetailsInput& input) {
    const auto draw = ReadFixedPayload<DrawItemPayload>(input.record, input.payload);
    if (!draw)
        return DetailsText().Add(L"id", std::to_wstring(input.record.wParam)).Take();
    return ItemText(draw->controlType, draw->controlId, draw->itemId)
        .Add(FlagsText(draw->action, kActions))
        .Add(FlagsText(draw->state, kStates))
        .Add(draw->controlType == kOdtMenu ? L"menu" : L"control", FormatPointer(draw->item))
        .Add(L"rect", std::to_wstring(draw->left) + L',' + std::to_wstring(draw->top) + L',' +
                          std::to_wstring(draw->right) + L',' + std::to_wstring(draw->bottom))
        .Take();
}

std::wstring MeasureItemDetails(const DetailsInput& input) {
    const auto measure = ReadFixedPayload<MeasureItemPayload>(input.record, input.payload);
    if (!measure)
        return DetailsText().Add(L"id", std::to_wstring(input.record.wParam)).Take();
    DetailsText text = ItemText(measure->controlType, measure->controlId, measure->itemId);
    // The size is the owner's answer, in the structure when the message returns.
    if (input.record.kind == MessageKind::Returned)
        text.Add(SizeText(measure->width, measure->height));
    return text.Take();
}

} // namespace orvex
