#include "common/ValueFormat.h"
#include "msglog/details/DetailDecoders.h"
#include "msglog/details/DetailsText.h"

#include <array>

namespace orvex {

namespace {

bool Sent(const DetailsInput& input) {
    return input.record.kind == MessageKind::Sent;
}

constexpr std::array<std::wstring_view, 7> kTitleIcons = {
    L"TTI_NONE",       L"TTI_INFO",          L"TTI_WARNING",     L"TTI_ERROR",
    L"TTI_INFO_LARGE", L"TTI_WARNING_LARGE", L"TTI_ERROR_LARGE",
};

constexpr std::uint32_t kSimplePart = 0xFF;        // SB_SIMPLEID
constexpr std::uint32_t kStatusOwnerDraw = 0x1000; // SBT_OWNERDRAW: lParam is the owner's value
constexpr FlagName kStatusTextTypes[] = {
    {0x0100, L"SBT_NOBORDERS"},           {0x0200, L"SBT_POPOUT"},
    {0x0400, L"SBT_RTLREADING"},          {0x0800, L"SBT_NOTABPARSING"},
    {kStatusOwnerDraw, L"SBT_OWNERDRAW"},
};

} // namespace

std::wstring ToolInfoTextDetails(const DetailsInput& input) {
    return Sent(input) ? CarriedText(input) : std::wstring();
}

std::wstring ToolTitleDetails(const DetailsInput& input) {
    if (!Sent(input))
        return {};
    const std::uint64_t icon = input.record.wParam;
    return DetailsText()
        .Add(CarriedText(input))
        .Add(icon < kTitleIcons.size() ? std::wstring(kTitleIcons[icon])
                                       : DetailsText().Add(L"icon", FormatPointer(icon)).Take())
        .Take();
}

std::wstring StatusSetTextDetails(const DetailsInput& input) {
    if (!Sent(input))
        return {};
    const auto part = static_cast<std::uint32_t>(input.record.wParam & 0xFF);
    const auto type = static_cast<std::uint32_t>(input.record.wParam & 0xFF00);
    DetailsText text;
    text.Add(part == kSimplePart ? std::wstring(L"simple") : DetailsText().Add(L"part", part).Take());
    text.Add((type & kStatusOwnerDraw) ? DetailsText().Add(L"data", FormatPointer(input.record.lParam)).Take()
                                       : CarriedText(input));
    return text.Add(FlagsText(type, kStatusTextTypes)).Take();
}

} // namespace orvex
