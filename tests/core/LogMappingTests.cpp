// The control block the hook inside another program reads: found only when it is ours and of this
// layout, its filter read within bounds and by the filter's rule, and its reader counted gone after
// a silence.
#include "msglog/LogMapping.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

using namespace orvex;

TEST(LogMapping, AForeignBlockIsIgnoredTheFilterHoldsAndASilentReaderLooksGone) {
    std::vector<std::uint64_t> memory(LogMappingSize(kMinRingCapacity) / sizeof(std::uint64_t) + 1);
    void* block = memory.data();
    const std::size_t size = memory.size() * sizeof(std::uint64_t);
    ASSERT_TRUE(InitializeLogMapping(block, size, 7, LogScope::Thread, 0x1234, 5000, {}, kMinRingCapacity));
    LogControl* control = FindLogControl(block, size);
    ASSERT_NE(control, nullptr);
    EXPECT_EQ(control->target.load(), 0x1234u);

    EXPECT_FALSE(ReaderSilent(*control, 5000 + kReaderSilenceMs));
    EXPECT_TRUE(ReaderSilent(*control, 5001 + kReaderSilenceMs)) << "killed, or too busy to read";
    EXPECT_FALSE(ReaderSilent(*control, 4990)) << "a beat written while the clock was read";
    EXPECT_TRUE(ReaderSilent(*control, 3000)) << "a beat from far in the future is not believed";

    EXPECT_TRUE(LogFilterShows(*control, 0x0201)) << "a new mapping shows everything";
    MessageFilter filter;
    filter.shownCategories = kAllCategories & ~CategoryBit(MessageCategory::Mouse);
    filter.excluded = {0x000F};
    WriteLogFilter(*control, filter);
    EXPECT_FALSE(LogFilterShows(*control, 0x0201)) << "WM_LBUTTONDOWN: a mouse message";
    EXPECT_FALSE(LogFilterShows(*control, 0x000F));
    EXPECT_TRUE(LogFilterShows(*control, 0x0010));
    control->filter.excludedCount.store(0xFFFFFFFF);
    EXPECT_TRUE(LogFilterShows(*control, 0x0010)) << "a count written by someone else stays in bounds";

    // The hook applies the filter's own rule; a mode it does not know filters as Hide does.
    filter = {CategoryBit(MessageCategory::Mouse), {0x000F, 0x0200}, FilterMode::ShowOnly};
    WriteLogFilter(*control, filter);
    for (std::uint32_t message = 0; message < 0x0400; ++message)
        ASSERT_EQ(LogFilterShows(*control, message), filter.Shows(message)) << std::hex << message;
    control->filterMode.store(7);
    EXPECT_TRUE(LogFilterShows(*control, 0x0201)) << "its category is checked";
    EXPECT_FALSE(LogFilterShows(*control, 0x0200)) << "WM_MOUSEMOVE: listed, and so left out";

    control->version.store(kLogControlVersion + 1);
    EXPECT_EQ(FindLogControl(block, size), nullptr) << "another layout";
    control->version.store(kLogControlVersion);
    control->magic.store(0);
    EXPECT_EQ(FindLogControl(block, size), nullptr);
    EXPECT_EQ(FindLogControl(block, size / 2), nullptr) << "too small for a ring";
}

TEST(LogMapping, AnyFieldOnlyOrvexWritesFoundChangedIsDamage) {
    std::vector<std::uint64_t> memory(LogMappingSize(kMinRingCapacity) / sizeof(std::uint64_t));
    void* block = memory.data();
    const std::size_t size = memory.size() * sizeof(std::uint64_t);
    const LogMappingFacts facts{7, LogScope::WindowAndChildren, 0x1234, 5000, {42, 0xFEED}, kMinRingCapacity};
    ASSERT_TRUE(InitializeLogMapping(block, size, facts.session, facts.scope, facts.target, facts.heartbeat,
                                     facts.owner, facts.capacity));
    EXPECT_TRUE(LogMappingIntact(block, size, facts));
    auto* control = static_cast<LogControl*>(block);
    auto* ring = reinterpret_cast<RingHeader*>(static_cast<std::byte*>(block) + kLogRingOffset);
    // The fields the hook writes are not Orvex's to check here: the ring's reader judges them.
    ring->claimed.store(999);
    ring->dropped.store(3);
    WriteLogFilter(*control, MessageFilter{});
    EXPECT_TRUE(LogMappingIntact(block, size, facts));

    const auto damaged = [&](auto& field, auto value) {
        const auto kept = field.load();
        field.store(value);
        const bool intact = LogMappingIntact(block, size, facts);
        field.store(kept);
        return !intact;
    };
    EXPECT_TRUE(damaged(control->magic, 0u));
    EXPECT_TRUE(damaged(control->open, 0u));
    EXPECT_TRUE(damaged(control->heartbeat, 5001u)) << "Orvex alone beats";
    EXPECT_TRUE(damaged(control->key, 0u));
    EXPECT_TRUE(damaged(control->target, 0u));
    EXPECT_TRUE(damaged(ring->magic, 0u));
    EXPECT_TRUE(damaged(ring->session, 8u));
    EXPECT_TRUE(damaged(ring->capacity, 4u));
    EXPECT_TRUE(LogMappingIntact(block, size, facts));
    EXPECT_FALSE(LogMappingIntact(block, size - 8, facts));
}

} // namespace
