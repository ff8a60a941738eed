// libFuzzer entry for the typed-number syntax: arbitrary wide texts, each checked against a
// second reading done another way (64-bit arithmetic reduced at the end, or the last eight hex
// digits), and read as a typed message too, which takes every number the syntax takes. Aborts on
// any disagreement; the sanitizers catch reads outside the text.
#include "common/MessageNames.h"
#include "common/NumberSyntax.h"
#include "common/TypedMessage.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cwctype>
#include <optional>
#include <string>
#include <string_view>

namespace {

bool IsDecimal(wchar_t c) {
    return c >= L'0' && c <= L'9';
}

bool IsHex(wchar_t c) {
    return IsDecimal(c) || (c >= L'a' && c <= L'f') || (c >= L'A' && c <= L'F');
}

// What the field should read as, or false when it is not a number.
bool Expected(std::wstring text, std::uint32_t& value) {
    while (!text.empty() && std::iswspace(static_cast<std::wint_t>(text.back())))
        text.pop_back();
    std::size_t start = 0;
    while (start < text.size() && std::iswspace(static_cast<std::wint_t>(text[start])))
        ++start;
    text.erase(0, start);
    if (text.empty())
        return false;
    if (text.size() >= 2 && text[0] == L'0' && (text[1] == L'x' || text[1] == L'X')) {
        std::wstring digits = text.substr(2);
        for (wchar_t c : digits)
            if (!IsHex(c))
                return false;
        if (digits.size() > 8)
            digits.erase(0, digits.size() - 8);
        value = digits.empty() ? 0 : static_cast<std::uint32_t>(std::wcstoul(digits.c_str(), nullptr, 16));
        return true;
    }
    std::uint64_t wide = 0;
    for (wchar_t c : text) {
        if (!IsDecimal(c))
            return false;
        wide = (wide * 10 + static_cast<std::uint64_t>(c - L'0')) % 0x100000000ull;
    }
    value = static_cast<std::uint32_t>(wide);
    return true;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    // Two bytes per character; a few byte values map onto the interesting ones so the fuzzer
    // finds numbers quickly.
    std::wstring text;
    for (std::size_t i = 0; i + 1 < size; i += 2) {
        const unsigned raw = data[i] | (static_cast<unsigned>(data[i + 1]) << 8);
        text.push_back(static_cast<wchar_t>(raw < 0x40 ? L"0123456789abcdefABCDEFxX \t-+"[raw % 28] : raw));
    }
    std::uint32_t parsed = 0x5A5A5A5A, expected = 0;
    const bool accepted = orvex::ParseNumber(text, parsed);
    if (accepted != Expected(text, expected) || (accepted && parsed != expected) ||
        (!accepted && parsed != 0x5A5A5A5A))
        std::abort();

    // A number reads as that number; a quoted name is kept whole; anything else is a header name or
    // nothing.
    const std::optional<orvex::TypedMessage> typed = orvex::ReadTypedMessage(text);
    const std::wstring_view trimmed = orvex::TrimSpaces(text);
    if (accepted) {
        if (typed != orvex::TypedMessage{expected, {}})
            std::abort();
    } else if (typed) {
        if (typed->registeredName.empty() ? orvex::MessageNumberOfName(trimmed) != typed->number
                                          : trimmed != L'"' + typed->registeredName + L'"')
            std::abort();
    } else if (orvex::MessageNumberOfName(trimmed)) {
        std::abort();
    }
    return 0;
}
