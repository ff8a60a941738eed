#include "inspect/StyleRows.h"

#include "inspect/styles/StyleBlock.h"

#include <cstdint>
#include <optional>
#include <string_view>

namespace {

// Long enough for any live control, even across processes on a busy machine; short enough that a
// finder drag over a window whose thread is stuck still follows the mouse. A block stops asking
// after the first query that goes unanswered, so a stuck window costs a refill this wait once.
constexpr UINT kQueryTimeoutMs = 150;

std::optional<std::uint32_t> SendStyleQuery(HWND hwnd, std::uint32_t message) {
    DWORD_PTR result = 0;
    // SMTO_BLOCK: nothing else reaches Orvex's thread while it waits, so a refill is never
    // re-entered. SMTO_ABORTIFHUNG: a thread the system already knows is hung is not waited for.
    if (::SendMessageTimeoutW(hwnd, message, 0, 0, SMTO_BLOCK | SMTO_ABORTIFHUNG | SMTO_ERRORONEXIT,
                              kQueryTimeoutMs, &result) == 0)
        return std::nullopt;
    // Style words are 32-bit; a wider result carries nothing of them.
    return static_cast<std::uint32_t>(result);
}

} // namespace

void AddStyleRows(PropertySink& view, const WindowFacts& facts, BOOL summary, StyleQueries queries) {
    const int group = summary ? GROUP_SUMMARY : GROUP_STYLES;

    orvex::StyleWords words;
    words.style = static_cast<std::uint32_t>(facts.style);
    words.exStyle = static_cast<std::uint32_t>(facts.exStyle);
    words.className = facts.className;

    const HWND hwnd = facts.hwnd;
    orvex::AddStyleBlock(view, group, words, [hwnd, queries](std::uint32_t message) {
        return queries == StyleQueries::Sent ? SendStyleQuery(hwnd, message) : std::nullopt;
    });
}
