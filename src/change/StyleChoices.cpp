#include "change/StyleChoices.h"

#include "common/AsciiCase.h"
#include "inspect/styles/StyleClasses.h"
#include "inspect/styles/WindowStyleTables.h"

namespace orvex {

namespace {

// The steps of a table with its chained tables in place, in the order a decoding run meets them.
void CollectSteps(const StyleTable& table, std::vector<const StyleStep*>& steps) {
    for (const StyleStep& step : table.steps) {
        if (step.kind == StepKind::Chain)
            CollectSteps(*step.chain, steps);
        else
            steps.push_back(&step);
    }
}

bool Listed(const std::vector<StyleChoice>& choices, std::wstring_view name) {
    for (const StyleChoice& choice : choices)
        if (choice.name == name)
            return true;
    return false;
}

// A table's names. A flag shares the group of a name for bits being clear when its bits lie under
// that name's mask: the table shows exactly one of them.
void AddTableChoices(const StyleTable& table, std::vector<StyleChoice>& choices) {
    std::vector<const StyleStep*> steps;
    CollectSteps(table, steps);
    for (const StyleStep* step : steps) {
        std::vector<StyleChoice> found;
        switch (step->kind) {
        case StepKind::Flag: {
            std::uint32_t group = 0;
            for (const StyleStep* zero : steps) {
                if (zero->kind == StepKind::Zero && zero->mask != 0 && (step->value & ~zero->mask) == 0)
                    group = zero->mask;
            }
            found.push_back({step->name, step->value, group});
            break;
        }
        case StepKind::Zero:
            found.push_back({step->name, 0, step->mask});
            break;
        case StepKind::Field:
            for (const FieldCase& fieldCase : step->cases)
                found.push_back({fieldCase.name, fieldCase.value, step->mask});
            break;
        case StepKind::Chain:
            break;
        }
        for (const StyleChoice& choice : found)
            if (!Listed(choices, choice.name))
                choices.push_back(choice);
    }
}

} // namespace

std::vector<StyleChoice> StyleChoices(StyleWord word, std::wstring_view className) {
    std::vector<StyleChoice> choices;
    if (word == StyleWord::ExStyle) {
        AddTableChoices(kWsExTable, choices);
        return choices;
    }
    AddTableChoices(kWsTable, choices);
    if (const StyleClass* entry = className.empty() ? nullptr : FindStyleClass(className))
        AddTableChoices(*entry->controlTable, choices);
    return choices;
}

std::optional<StyleChoice> FindStyleChoice(StyleWord word, std::wstring_view className,
                                           std::wstring_view name) {
    for (const StyleChoice& choice : StyleChoices(word, className))
        if (EqualsAsciiNoCase(choice.name, name))
            return choice;
    return std::nullopt;
}

} // namespace orvex
