#include "common/ValueFormat.h"
#include "msglog/details/DetailDecoders.h"
#include "msglog/details/DetailsText.h"
#include "msglog/details/PayloadReader.h"

namespace orvex {

namespace {

// "Untitled" (8 chars), or the first units of a longer text with its whole length.
std::wstring TextWithLength(const PayloadText& payload) {
    if (payload.flags & kTextNotReadable)
        return std::wstring(kTextNotReadableText);
    if (payload.flags & kTextCallback)
        return L"LPSTR_TEXTCALLBACK";
    if (payload.flags & kTextResource)
        return DetailsText().Add(L"resource", L"#" + std::to_wstring(payload.length)).Take();
    std::wstring quoted = QuotedText(payload.text);
    if (payload.AtLeast() || payload.text.size() < payload.length)
        quoted += L"\u2026";
    std::wstring length = L"(";
    if (payload.AtLeast())
        length += L"at least ";
    length += std::to_wstring(payload.length) + (payload.length == 1 ? L" char)" : L" chars)");
    return DetailsText().Add(quoted).Add(length).Take();
}

} // namespace

std::wstring CarriedText(const DetailsInput& input) {
    if (const auto text = ReadTextPayload(input.record, input.payload))
        return TextWithLength(*text);
    // A payload that is not a text is no text either: better said than shown as "".
    return input.record.lParam == 0 ? L"NULL" : std::wstring(kTextNotReadableText);
}

std::wstring SetTextDetails(const DetailsInput& input) {
    return input.record.kind == MessageKind::Sent ? CarriedText(input) : std::wstring();
}

std::wstring GetTextDetails(const DetailsInput& input) {
    if (input.record.kind == MessageKind::Returned)
        return input.record.result > 0 ? CarriedText(input) : std::wstring();
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
