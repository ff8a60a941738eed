#include "common/ValueFormat.h"
#include "msglog/details/DetailDecoders.h"
#include "msglog/details/DetailsText.h"
#include "msglog/details/PayloadReader.h"

namespace orvex {

namespace {

// "Untitled" (8 chars), or the first units of a longer text with its whole length.
std::wstring TextWithLength(const PayloadText& payload) {
    std::wstring quoted = QuotedText(payload.text);
    if (payload.atLeast || payload.text.size() < payload.length)
        quoted += L"\u2026";
    std::wstring length = L"(";
    if (payload.atLeast)
        length += L"at least ";
    length += std::to_wstring(payload.length) + (payload.length == 1 ? L" char)" : L" chars)");
    return DetailsText().Add(quoted).Add(length).Take();
}

std::wstring TextOrNothing(const DetailsInput& input) {
    const auto text = ReadTextPayload(input.record, input.payload);
    return text ? TextWithLength(*text) : std::wstring();
}

} // namespace

std::wstring SetTextDetails(const DetailsInput& input) {
    return TextOrNothing(input);
}

std::wstring GetTextDetails(const DetailsInput& input) {
    if (input.record.kind == MessageKind::Returned)
        return TextOrNothing(input);
    return DetailsText().Add(L"buffer", std::to_wstring(input.record.wParam)).Take();
}

std::wstring CreateDetails(const DetailsInput& input) {
    const auto create = ReadCreateStructPayload(input.record, input.payload);
    if (!create)
        return {};
    const CreateStructPayload& header = create->header;
    return DetailsText()
        .Add(L"class",
             header.classAtom != 0 ? L"#" + std::to_wstring(header.classAtom) : QuotedText(create->className))
        .Add(L"name", QuotedText(create->windowName))
        .Add(L"x", header.x)
        .Add(L"y", header.y)
        .Add(SizeText(header.cx, header.cy))
        .Add(L"style", FormatHex32(header.style))
        .Add(L"exStyle", FormatHex32(header.exStyle))
        .Take();
}

} // namespace orvex
