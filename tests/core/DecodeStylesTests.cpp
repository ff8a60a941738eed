// The decoder over arbitrary words: invariants that must hold for every table, and the one step
// behaviour no real table shows (a guard inside a chained table). What each step kind shows on real
// words is in StyleTablesTests.
#include "inspect/styles/DecodeStyles.h"
#include "inspect/styles/StyleClasses.h"
#include "inspect/styles/WindowStyleTables.h"

#include "core/RowCollector.h"

#include <gtest/gtest.h>

#include <cwchar>
#include <ostream>
#include <random>
#include <set>
#include <vector>

namespace {

using orvex::StyleStep;
using orvex::StyleTable;

struct Decoded {
    std::vector<std::wstring> pairs;
    std::uint32_t leftover;
};

bool operator==(const Decoded& a, const Decoded& b) {
    return a.pairs == b.pairs && a.leftover == b.leftover;
}
void PrintTo(const Decoded& decoded, std::ostream* out) {
    *out << testing::PrintToString(decoded.pairs) << " leftover " << std::hex << decoded.leftover;
}

Decoded Decode(const StyleTable& table, std::uint32_t word) {
    RowCollector sink;
    orvex::DecodeStyles(sink, table, word, GROUP_STYLES);
    return {sink.Pairs(), word};
}

constexpr StyleStep kTailSteps[] = {
    orvex::Flag(L"TAIL_BOTH", 0x3),
    orvex::Flag(L"TAIL_TWO", 0x2, orvex::IfLacks(0x1)),
};
constexpr StyleTable kTailTable{kTailSteps, KIND_CLASS_FLAG};
constexpr StyleStep kHeadSteps[] = {orvex::Flag(L"HEAD_ONE", 0x1), orvex::Chain(kTailTable),
                                    orvex::Flag(L"AFTER", 0x8)};
constexpr StyleTable kHeadTable{kHeadSteps, KIND_CLASS_FLAG};

TEST(DecodeStyles, ChainRunsOnWhatIsLeftAndTheRunContinuesAfterIt) {
    // The chained table sees 0xA: its combined step cannot fire, and its guard reads 0xA as its
    // own starting word, in which bit 0x1 is already gone.
    EXPECT_EQ(Decode(kHeadTable, 0xB),
              (Decoded{{L"HEAD_ONE=0x00000001", L"TAIL_TWO=0x00000002", L"AFTER=0x00000008"}, 0}));
}

// Every table Orvex can run: the two window tables, every table a class names, and what they chain.
std::vector<const StyleTable*> EveryTable() {
    std::vector<const StyleTable*> tables{&orvex::kWsTable, &orvex::kWsExTable};
    for (const orvex::StyleClass& entry : orvex::StyleClasses()) {
        for (const StyleTable* table : {entry.controlTable, entry.extendedTable, entry.editStyleTable}) {
            if (table != nullptr)
                tables.push_back(table);
        }
    }
    std::set<const StyleTable*> seen;
    std::vector<const StyleTable*> unique;
    for (std::size_t i = 0; i < tables.size(); ++i) {
        if (!seen.insert(tables[i]).second)
            continue;
        unique.push_back(tables[i]);
        for (const StyleStep& step : tables[i]->steps) {
            if (step.kind == orvex::StepKind::Chain)
                tables.push_back(step.chain);
        }
    }
    return unique;
}

// The bits a table can name, to bias random words towards combinations it cares about.
std::uint32_t NamedBits(const StyleTable& table) {
    std::uint32_t bits = 0;
    for (const StyleStep& step : table.steps) {
        bits |= step.value | step.mask | step.guard.bits;
        if (step.chain != nullptr)
            bits |= NamedBits(*step.chain);
    }
    return bits;
}

TEST(DecodeStyles, EveryTableShowsEachBitAtMostOnceAndLeavesExactlyTheRest) {
    const std::vector<const StyleTable*> tables = EveryTable();
    EXPECT_EQ(tables.size(), 33u); // WS_, WS_EX_ and 31 control families, CCS_ among them by chain
    std::mt19937 random(20240607);
    for (const StyleTable* table : tables) {
        const std::uint32_t named = NamedBits(*table);
        for (int i = 0; i < 1500; ++i) {
            const std::uint32_t word = (i % 2 == 0) ? static_cast<std::uint32_t>(random()) : random() & named;
            RowCollector sink;
            std::uint32_t leftover = word;
            orvex::DecodeStyles(sink, *table, leftover, GROUP_STYLES);
            ASSERT_EQ(leftover & ~word, 0u) << "leftover grew for word " << word;
            std::uint32_t shown = 0;
            for (const auto& row : sink.rows) {
                ASSERT_FALSE(row.name.empty());
                ASSERT_EQ(row.value.size(), 10u);
                const auto value =
                    static_cast<std::uint32_t>(std::wcstoul(row.value.c_str() + 2, nullptr, 16));
                ASSERT_EQ(value & shown, 0u) << "a bit shown twice for word " << word;
                ASSERT_EQ(value & ~word, 0u) << "a bit shown that is not set, word " << word;
                ASSERT_EQ(row.kind, table->rowKind);
                shown |= value;
            }
            ASSERT_EQ(shown | leftover, word) << "bits lost for word " << word;
            ASSERT_EQ(shown & leftover, 0u);
        }
    }
}

} // namespace
