#include "common/MessageNames.h"
#include "common/ValueFormat.h"
#include "msglog/details/DetailDecoders.h"
#include "msglog/details/DetailsText.h"
#include "msglog/details/PayloadReader.h"

#include <iterator>

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

constexpr std::uint32_t kNmCustomDraw = 0xFFFFFFF4;
constexpr std::uint32_t kDrawItem = 0x10000, kDrawSubItem = 0x20000; // CDDS_ITEM, CDDS_SUBITEM
constexpr std::wstring_view kDrawSteps[] = {L"", L"PREPAINT", L"POSTPAINT", L"PREERASE", L"POSTERASE"};

// "CDDS_PREPAINT", "CDDS_ITEMPREPAINT|CDDS_SUBITEM"; nothing when the hook copied no stage.
std::wstring DrawStageText(std::uint32_t stage) {
    if (stage == 0)
        return {};
    const std::uint32_t step = stage & ~(kDrawItem | kDrawSubItem);
    if (step == 0 || step >= std::size(kDrawSteps) || ((stage & kDrawSubItem) && !(stage & kDrawItem)))
        return DetailsText().Add(L"stage", HexText(stage, 8)).Take();
    std::wstring text = stage & kDrawItem ? L"CDDS_ITEM" : L"CDDS_";
    text.append(kDrawSteps[step]);
    return stage & kDrawSubItem ? text + L"|CDDS_SUBITEM" : text;
}

std::wstring DrawResultText(std::uint64_t result, std::uint32_t stage) {
    // 0x20 asks for the level below the stage's: items at the whole control's, subitems at an item's.
    const FlagName names[] = {
        {0x02, L"CDRF_NEWFONT"},
        {0x04, L"CDRF_SKIPDEFAULT"},
        {0x08, L"CDRF_DOERASE"},
        {0x10, L"CDRF_NOTIFYPOSTPAINT"},
        {0x20, stage & kDrawItem ? L"CDRF_NOTIFYSUBITEMDRAW" : L"CDRF_NOTIFYITEMDRAW"},
        {0x40, L"CDRF_NOTIFYPOSTERASE"},
        {0x100, L"CDRF_SKIPPOSTPAINT"},
    };
    const auto flags = static_cast<std::uint32_t>(result);
    return flags == 0 ? std::wstring(L"CDRF_DODEFAULT") : FlagsText(flags, names);
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
    DetailsText text;
    text.Add(FromControl(NotificationName(header->code, ClassOf(input.context, header->hwndFrom)),
                         HexText(header->code, 8), header->idFrom, header->hwndFrom));
    if (header->code == kNmCustomDraw) {
        text.Add(DrawStageText(header->drawStage));
        if (input.record.kind == MessageKind::Returned)
            text.Add(DrawResultText(input.record.result, header->drawStage));
    }
    return text.Take();
}

} // namespace orvex
