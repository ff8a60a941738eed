// libFuzzer entry for the window target syntax: arbitrary wide texts. A rejected text must point
// inside itself; an accepted one, written back out in the plainest form, must read the same again.
// Aborts on any disagreement; the sanitizers catch reads outside the text.
#include "find/WindowTarget.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <iterator>
#include <string>
#include <string_view>
#include <variant>

namespace {

std::wstring Escaped(const std::wstring& value) {
    std::wstring text;
    for (wchar_t c : value) {
        if (c == L',' || c == L'\\')
            text += L'\\';
        text += c;
    }
    return text;
}

std::wstring Written(const orvex::WindowTarget& target) {
    switch (target.kind) {
    case orvex::WindowTarget::Kind::Handle:
        return std::to_wstring(target.handle);
    case orvex::WindowTarget::Kind::Point:
        return L"@" + std::to_wstring(target.x) + L"," + std::to_wstring(target.y);
    case orvex::WindowTarget::Kind::Criteria:
        break;
    }
    const orvex::TargetCriteria& criteria = target.criteria;
    std::wstring text;
    const auto add = [&](const std::wstring& item) { text += (text.empty() ? L"" : L",") + item; };
    if (criteria.className)
        add(L"class=" + Escaped(*criteria.className));
    if (criteria.text)
        add(L"text=" + Escaped(*criteria.text));
    if (criteria.processId)
        add(L"pid=" + std::to_wstring(*criteria.processId));
    if (criteria.processName)
        add(L"process=" + Escaped(*criteria.processName));
    if (criteria.visibleOnly)
        add(L"visible");
    if (criteria.topLevelOnly)
        add(L"top");
    return text;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    // Two bytes per character; small values map onto the syntax's own characters so the fuzzer
    // reaches deep quickly.
    static const wchar_t kSyntax[] = L"@0x9-,=\\ \tclasstextpidprocessvisibletopCLASSAB";
    std::wstring text;
    for (std::size_t i = 0; i + 1 < size; i += 2) {
        const unsigned raw = data[i] | (static_cast<unsigned>(data[i + 1]) << 8);
        text.push_back(static_cast<wchar_t>(raw < 0x40 ? kSyntax[raw % (std::size(kSyntax) - 1)] : raw));
    }
    const auto parsed = orvex::ParseWindowTarget(text);
    if (const auto* error = std::get_if<orvex::TargetError>(&parsed)) {
        if (error->position > text.size() || error->message.empty())
            std::abort();
        return 0;
    }
    const orvex::WindowTarget& target = std::get<orvex::WindowTarget>(parsed);
    const std::wstring written = Written(target);
    // Trailing spaces of a value are trimmed with the whole target, so a written form ending in
    // one cannot read back the same.
    if (!written.empty() && std::wstring_view(L" \t\r\n\v\f").find(written.back()) != std::wstring_view::npos)
        return 0;
    const auto again = orvex::ParseWindowTarget(written);
    if (!std::holds_alternative<orvex::WindowTarget>(again) || std::get<orvex::WindowTarget>(again) != target)
        std::abort();
    return 0;
}
