#include "find/TargetNaming.h"

#include <cstddef>

namespace orvex {

namespace {

bool IsSpace(wchar_t c) {
    return c == L' ' || c == L'\t' || c == L'\r' || c == L'\n' || c == L'\v' || c == L'\f';
}

// The criteria one combination (a bit per candidate) gives, and the target text that says it.
struct Candidate {
    TargetCriteria criteria;
    std::wstring text;
    bool usable = true;
};

Candidate Combine(const CandidateWindow& window, unsigned mask) {
    Candidate candidate;
    const auto add = [&](const wchar_t* key, const std::wstring& value) {
        if (!candidate.text.empty())
            candidate.text += L',';
        candidate.text += key;
        candidate.text += L'=';
        candidate.text += EscapedTargetValue(value);
    };
    if (mask & 1u) {
        candidate.usable = candidate.usable && !window.processName.empty();
        candidate.criteria.processName = window.processName;
        add(L"process", window.processName);
    }
    if (mask & 2u) {
        candidate.usable = candidate.usable && !window.className.empty();
        candidate.criteria.className = window.className;
        add(L"class", window.className);
    }
    if (mask & 4u) {
        candidate.usable = candidate.usable && window.controlId.has_value();
        candidate.criteria.controlId = window.controlId;
        add(L"id", std::to_wstring(window.controlId.value_or(0)));
    }
    if (mask & 8u) {
        // The target's own trailing white space is dropped when it is read back, so the part
        // before it is what names the window; a part is all the text criterion compares anyway.
        std::wstring text = window.text;
        while (!text.empty() && IsSpace(text.back()))
            text.pop_back();
        // A line break or tab would split the printed target across lines or columns.
        bool printable = !text.empty();
        for (wchar_t c : text)
            printable = printable && c >= L' ' && c != 0x7F;
        candidate.usable = candidate.usable && printable;
        candidate.criteria.text = text;
        add(L"text", text);
    }
    return candidate;
}

unsigned CountOfBits(unsigned mask) {
    unsigned count = 0;
    for (; mask; mask &= mask - 1)
        ++count;
    return count;
}

} // namespace

std::wstring EscapedTargetValue(std::wstring_view value) {
    std::wstring escaped;
    for (wchar_t c : value) {
        if (c == L',' || c == L'\\')
            escaped += L'\\';
        escaped += c;
    }
    return escaped;
}

std::optional<std::wstring> ShortestUniqueTarget(const CandidateWindow& window,
                                                 std::span<const CandidateWindow> all, UpperCase upper) {
    std::optional<std::wstring> best;
    unsigned bestCount = 0;
    for (unsigned mask = 1; mask < 16; ++mask) {
        const unsigned count = CountOfBits(mask);
        if (best && (count > bestCount))
            continue;
        const Candidate candidate = Combine(window, mask);
        if (!candidate.usable || (best && count == bestCount && candidate.text.size() >= best->size()))
            continue;
        std::size_t matches = 0;
        for (const CandidateWindow& other : all)
            if (MeetsCriteria(candidate.criteria, other, upper) && ++matches > 1)
                break;
        if (matches == 1) {
            best = candidate.text;
            bestCount = count;
        }
    }
    return best;
}

} // namespace orvex
