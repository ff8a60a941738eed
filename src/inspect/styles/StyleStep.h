#pragma once
// The step model every style table is written in. A table is constant data run by DecodeStyles
// over a style word: O is the word as the run found it, V the running word from which each bit
// is removed once a row has shown it, so that what no step names is left for the "<Unknow>" row.
// Pure logic: no window system here.

#include <cstdint>
#include <span>

namespace orvex {

struct StyleTable;

enum class StepKind : std::uint8_t {
    Flag,  // all bits of `value` set in V: show `value`, then remove it from V
    Zero,  // no bit of `mask` set in O (an empty mask: always): show 0, V unchanged
    Field, // V under `mask` equals a case: show that case, then remove it from V
    Chain, // run `chain` on V, continuing with what it leaves
};

// A condition on O that decides whether a step runs at all.
enum class GuardKind : std::uint8_t {
    None,
    Has,       // every bit set
    Lacks,     // no bit set
    HasNotAll, // at least one bit clear
    HasAny,    // at least one bit set
};

struct StyleGuard {
    GuardKind kind = GuardKind::None;
    std::uint32_t bits = 0;
};

struct FieldCase {
    std::uint32_t value;
    const wchar_t* name;
};

struct StyleStep {
    StepKind kind = StepKind::Flag;
    const wchar_t* name = nullptr;
    std::uint32_t value = 0;
    std::uint32_t mask = 0;
    std::span<const FieldCase> cases;
    StyleGuard guard;
    const StyleTable* chain = nullptr;
};

struct StyleTable {
    std::span<const StyleStep> steps;
    int rowKind; // the PropertyKind of the name rows the table shows
};

// Builders, so that a table reads like the list of names it shows.

constexpr StyleGuard IfHas(std::uint32_t bits) {
    return {GuardKind::Has, bits};
}
constexpr StyleGuard IfLacks(std::uint32_t bits) {
    return {GuardKind::Lacks, bits};
}
constexpr StyleGuard IfHasNotAll(std::uint32_t bits) {
    return {GuardKind::HasNotAll, bits};
}
constexpr StyleGuard IfHasAny(std::uint32_t bits) {
    return {GuardKind::HasAny, bits};
}

constexpr StyleStep Flag(const wchar_t* name, std::uint32_t value, StyleGuard guard = {}) {
    return {StepKind::Flag, name, value, 0, {}, guard, nullptr};
}
constexpr StyleStep Zero(const wchar_t* name, std::uint32_t mask, StyleGuard guard = {}) {
    return {StepKind::Zero, name, 0, mask, {}, guard, nullptr};
}
constexpr StyleStep Field(std::uint32_t mask, std::span<const FieldCase> cases) {
    return {StepKind::Field, nullptr, 0, mask, cases, {}, nullptr};
}
constexpr StyleStep Chain(const StyleTable& table) {
    return {StepKind::Chain, nullptr, 0, 0, {}, {}, &table};
}

} // namespace orvex
