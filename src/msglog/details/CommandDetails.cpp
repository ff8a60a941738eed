#include "common/MessageNames.h"
#include "common/ValueFormat.h"
#include "msglog/details/DetailDecoders.h"
#include "msglog/details/DetailsText.h"
#include "msglog/details/PayloadReader.h"

namespace orvex {

namespace {

std::wstring ClassOf(const DetailsContext& context, std::uint64_t window) {
    return context.className ? context.className(window) : std::wstring();
}

// "BN_CLICKED id=1001 control=0x00010042", the code in hexadecimal when it has no name.
std::wstring FromControl(std::wstring_view name, std::wstring_view code, std::uint64_t id,
                         std::uint64_t control) {
    DetailsText text;
    text.Add(name).Add(L"id", std::to_wstring(id));
    if (name.empty())
        text.Add(L"code", code);
    return text.Add(L"control", FormatPointer(control)).Take();
}

} // namespace

std::wstring CommandDetails(const DetailsInput& input) {
    const std::uint16_t id = LowWord(input.record.wParam);
    const std::uint16_t code = HighWord(input.record.wParam);
    DetailsText text;
    if (input.record.lParam == 0) {
        // No control: a menu item (code 0) or an accelerator (code 1) was chosen.
        text.Add(code == 0 ? L"menu" : code == 1 ? L"accelerator" : L"");
        text.Add(L"id", id);
        if (code > 1)
            text.Add(L"code", HexText(code, 4));
        return text.Take();
    }
    return FromControl(CommandCodeName(code, ClassOf(input.context, input.record.lParam)), HexText(code, 4),
                       id, input.record.lParam);
}

std::wstring NotifyDetails(const DetailsInput& input) {
    const auto header = ReadFixedPayload<NotifyHeaderPayload>(input.record, input.payload);
    if (!header)
        return DetailsText().Add(L"id", std::to_wstring(input.record.wParam)).Take();
    return FromControl(NotificationName(header->code, ClassOf(input.context, header->hwndFrom)),
                       HexText(header->code, 8), header->idFrom, header->hwndFrom);
}

} // namespace orvex
