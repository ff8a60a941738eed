#include "common/ValueFormat.h"
#include "msglog/details/DetailDecoders.h"
#include "msglog/details/DetailsText.h"

namespace orvex {

namespace {

constexpr std::uint16_t kMfPopup = 0x0010;
constexpr FlagName kMenuItemFlags[] = {
    {0x0001, L"MF_GRAYED"},    {0x0002, L"MF_DISABLED"}, {0x0004, L"MF_BITMAP"},
    {0x0008, L"MF_CHECKED"},   {kMfPopup, L"MF_POPUP"},  {0x0080, L"MF_HILITE"},
    {0x0100, L"MF_OWNERDRAW"}, {0x2000, L"MF_SYSMENU"},  {0x8000, L"MF_MOUSESELECT"},
};

} // namespace

std::wstring ContextMenuDetails(const DetailsInput& input) {
    DetailsText text;
    text.Add(L"window", FormatPointer(input.record.wParam));
    // (-1, -1): the menu key or Shift+F10, with no point to open at.
    if ((input.record.lParam & 0xFFFFFFFF) == 0xFFFFFFFF)
        return text.Add(L"from keyboard").Take();
    return text.Add(PackedPointText(input.record.lParam)).Take();
}

std::wstring MenuSelectDetails(const DetailsInput& input) {
    const std::uint16_t item = LowWord(input.record.wParam);
    const std::uint16_t flags = HighWord(input.record.wParam);
    if (flags == 0xFFFF && input.record.lParam == 0)
        return L"menu closed";
    // A submenu's item is its position; any other item is its command id.
    return DetailsText()
        .Add((flags & kMfPopup) ? L"index" : L"id", item)
        .Add(FlagsText(flags, kMenuItemFlags))
        .Add(L"menu", FormatPointer(input.record.lParam))
        .Take();
}

std::wstring InitMenuPopupDetails(const DetailsInput& input) {
    return DetailsText()
        .Add(L"menu", FormatPointer(input.record.wParam))
        .Add(L"index", LowWord(input.record.lParam))
        .Add(HighWord(input.record.lParam) != 0 ? L"system menu" : L"")
        .Take();
}

} // namespace orvex
