#include "inspect/styles/DecodeStyles.h"

#include "common/ValueFormat.h"

namespace orvex {

namespace {

bool GuardHolds(const StyleGuard& guard, std::uint32_t original) {
    switch (guard.kind) {
    case GuardKind::None:
        return true;
    case GuardKind::Has:
        return (original & guard.bits) == guard.bits;
    case GuardKind::Lacks:
        return (original & guard.bits) == 0;
    case GuardKind::HasNotAll:
        return (original & guard.bits) != guard.bits;
    case GuardKind::HasAny:
        return (original & guard.bits) != 0;
    }
    return false;
}

void AddNameRow(PropertySink& sink, int group, const wchar_t* name, std::uint32_t shown, int kind) {
    sink.AddProperty(group, name, FormatHex32(shown), kind);
}

} // namespace

void DecodeStyles(PropertySink& sink, const StyleTable& table, std::uint32_t& word, int group) {
    // Guards look at the word as this run received it, so a bit shown early can still decide how
    // a later bit is named.
    const std::uint32_t original = word;
    for (const StyleStep& step : table.steps) {
        if (!GuardHolds(step.guard, original))
            continue;
        switch (step.kind) {
        case StepKind::Flag:
            if ((word & step.value) == step.value) {
                AddNameRow(sink, group, step.name, step.value, table.rowKind);
                word &= ~step.value;
            }
            break;
        case StepKind::Zero:
            if ((original & step.mask) == 0)
                AddNameRow(sink, group, step.name, 0, table.rowKind);
            break;
        case StepKind::Field: {
            const std::uint32_t field = word & step.mask;
            for (const FieldCase& fieldCase : step.cases) {
                if (fieldCase.value == field) {
                    AddNameRow(sink, group, fieldCase.name, field, table.rowKind);
                    word &= ~field;
                    break;
                }
            }
            // A value without a case leaves its bits for the leftover row.
            break;
        }
        case StepKind::Chain:
            if (step.chain != nullptr)
                DecodeStyles(sink, *step.chain, word, group);
            break;
        }
    }
}

} // namespace orvex
