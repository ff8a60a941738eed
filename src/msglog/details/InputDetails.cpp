#include "common/MessageNames.h"
#include "common/ValueFormat.h"
#include "msglog/details/DetailDecoders.h"
#include "msglog/details/DetailsText.h"

namespace orvex {

namespace {

constexpr FlagName kMouseKeys[] = {
    {0x0001, L"MK_LBUTTON"}, {0x0002, L"MK_RBUTTON"},  {0x0004, L"MK_SHIFT"},    {0x0008, L"MK_CONTROL"},
    {0x0010, L"MK_MBUTTON"}, {0x0020, L"MK_XBUTTON1"}, {0x0040, L"MK_XBUTTON2"},
};

// The messages of the extra mouse buttons carry the button in wParam's HIWORD.
constexpr std::uint32_t kWmNcXButtonDown = 0x00AB;
constexpr std::uint32_t kWmNcXButtonDblClk = 0x00AD;
constexpr std::uint32_t kWmXButtonDown = 0x020B;
constexpr std::uint32_t kWmXButtonDblClk = 0x020D;

std::wstring XButtonText(const MessageRecord& record) {
    const bool client = record.message >= kWmXButtonDown && record.message <= kWmXButtonDblClk;
    const bool nonClient = record.message >= kWmNcXButtonDown && record.message <= kWmNcXButtonDblClk;
    if (!client && !nonClient)
        return {};
    const std::uint16_t button = HighWord(record.wParam);
    return button == 1   ? L"XBUTTON1"
           : button == 2 ? L"XBUTTON2"
                         : DetailsText().Add(L"button", button).Take();
}

std::wstring HitTestText(std::int32_t code) {
    return NameOrNumber(HitTestName(code), L"hit", code);
}

std::wstring KeyText(std::uint64_t key) {
    if ((key >= '0' && key <= '9') || (key >= 'A' && key <= 'Z'))
        return std::wstring(1, static_cast<wchar_t>(key));
    if (key <= 0xFFFFFFFF) {
        if (const std::wstring_view name = VirtualKeyName(static_cast<std::uint32_t>(key)); !name.empty())
            return std::wstring(name);
    }
    return HexText(key, 2);
}

// The keystroke's lParam: repeat count, scan code, and its state bits.
std::wstring KeystrokeText(std::uint64_t lParam) {
    const auto bit = [lParam](int index) { return ((lParam >> index) & 1) != 0; };
    return DetailsText()
        .Add(L"repeat", LowWord(lParam))
        .Add(L"scan", HexText((lParam >> 16) & 0xFF, 2))
        .Add(bit(24) ? L"extended" : L"")
        .Add(bit(29) ? L"alt" : L"")
        .Add(L"previous", bit(30) ? L"down" : L"up")
        .Add(bit(31) ? L"released" : L"pressed")
        .Take();
}

} // namespace

std::wstring ClientMouseDetails(const DetailsInput& input) {
    return DetailsText()
        .Add(PackedPointText(input.record.lParam))
        .Add(XButtonText(input.record))
        .Add(FlagsText(LowWord(input.record.wParam), kMouseKeys))
        .Take();
}

std::wstring MouseWheelDetails(const DetailsInput& input) {
    return DetailsText()
        .Add(L"delta", static_cast<std::int16_t>(HighWord(input.record.wParam)))
        .Add(PackedPointText(input.record.lParam))
        .Add(FlagsText(LowWord(input.record.wParam), kMouseKeys))
        .Take();
}

std::wstring NonClientMouseDetails(const DetailsInput& input) {
    const bool xButton =
        input.record.message >= kWmNcXButtonDown && input.record.message <= kWmNcXButtonDblClk;
    // An X button's message has the hit-test code in the LOWORD only.
    const std::int32_t hit =
        xButton ? static_cast<std::int16_t>(LowWord(input.record.wParam)) : SignedLow32(input.record.wParam);
    return DetailsText()
        .Add(PackedPointText(input.record.lParam))
        .Add(XButtonText(input.record))
        .Add(HitTestText(hit))
        .Take();
}

std::wstring HitTestDetails(const DetailsInput& input) {
    DetailsText text;
    text.Add(PackedPointText(input.record.lParam));
    if (input.record.kind == MessageKind::Returned)
        text.Add(HitTestText(SignedLow32(input.record.result)));
    return text.Take();
}

std::wstring SetCursorDetails(const DetailsInput& input) {
    return DetailsText()
        .Add(L"window", FormatPointer(input.record.wParam))
        .Add(HitTestText(static_cast<std::int16_t>(LowWord(input.record.lParam))))
        .Add(MessageName(HighWord(input.record.lParam), L"", input.context.registered))
        .Take();
}

std::wstring KeystrokeDetails(const DetailsInput& input) {
    return DetailsText().Add(KeyText(input.record.wParam)).Add(KeystrokeText(input.record.lParam)).Take();
}

std::wstring CharacterDetails(const DetailsInput& input) {
    return DetailsText()
        .Add(CharacterText(input.record.wParam))
        .Add(KeystrokeText(input.record.lParam))
        .Take();
}

} // namespace orvex
