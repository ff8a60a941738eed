#include "inspect/styles/StyleBlock.h"

#include "common/ValueFormat.h"
#include "inspect/styles/DecodeStyles.h"
#include "inspect/styles/StyleClasses.h"
#include "inspect/styles/WindowStyleTables.h"

namespace orvex {

namespace {

constexpr wchar_t kLeftoverName[] = L"<Unknow>";

void AddLeftover(PropertySink& sink, int group, std::uint32_t bits) {
    if (bits != 0)
        sink.AddProperty(group, kLeftoverName, FormatHex32(bits), KIND_CLASS_FLAG);
}

// A header of a word fetched by message, then its name rows and leftover when there was an answer.
void AddQueriedWord(PropertySink& sink, int group, const wchar_t* header, std::optional<std::uint32_t> answer,
                    const StyleTable& table) {
    if (!answer) {
        sink.AddProperty(group, header, kNotAvailable, KIND_TEXT);
        return;
    }
    sink.AddProperty(group, header, FormatHex32(*answer), KIND_NUMBER);
    std::uint32_t word = *answer;
    DecodeStyles(sink, table, word, group);
    AddLeftover(sink, group, word);
}

// Stops asking once the window has failed to answer.
class Asker {
public:
    explicit Asker(const StyleQuery& query) : m_query(query) {}

    std::optional<std::uint32_t> Ask(std::uint32_t message) {
        if (m_unanswered)
            return std::nullopt;
        std::optional<std::uint32_t> answer = m_query ? m_query(message) : std::nullopt;
        m_unanswered = !answer.has_value();
        return answer;
    }

private:
    const StyleQuery& m_query;
    bool m_unanswered = false;
};

} // namespace

void AddStyleBlock(PropertySink& sink, int group, const StyleWords& words, const StyleQuery& query) {
    Asker asker(query);

    sink.AddProperty(group, L"Window Styles", FormatHex32(words.style), KIND_WINDOW_STYLES);
    std::uint32_t style = words.style;
    DecodeStyles(sink, kWsTable, style, group);

    const StyleClass* styleClass = words.className ? FindStyleClass(*words.className) : nullptr;
    bool extendedAsked = false;
    std::optional<std::uint32_t> extendedAnswer;
    if (styleClass != nullptr) {
        if (styleClass->editStyleTable != nullptr) {
            // The window style's own leftover belongs above the edit styles, which have theirs.
            DecodeStyles(sink, *styleClass->controlTable, style, group);
            AddLeftover(sink, group, style);
            style = 0;
            AddQueriedWord(sink, group, L"Edit Styles", asker.Ask(kEmGetEditStyle),
                           *styleClass->editStyleTable);
        } else {
            DecodeStyles(sink, *styleClass->controlTable, style, group);
        }
        // Asked before any extended row is shown, so the block reflects one moment of the window.
        if (styleClass->extendedQuery != 0 && styleClass->extendedTable != nullptr) {
            extendedAsked = true;
            extendedAnswer = asker.Ask(styleClass->extendedQuery);
        }
    }
    AddLeftover(sink, group, style);

    sink.AddProperty(group, L"Window Extended Styles", FormatHex32(words.exStyle), KIND_EXTENDED_STYLES);
    std::uint32_t exStyle = words.exStyle;
    DecodeStyles(sink, kWsExTable, exStyle, group);
    AddLeftover(sink, group, exStyle);

    if (extendedAsked)
        AddQueriedWord(sink, group, L"Control Extended Styles", extendedAnswer, *styleClass->extendedTable);
}

} // namespace orvex
