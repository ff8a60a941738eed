// Back and Forward over the finished picks.
#include "maindlg/PickHistory.h"

#include <gtest/gtest.h>

#include <set>

namespace {

TEST(PickHistory, WalksBackAndForwardSkipsWindowsGoneAndCutsTheForwardPartOnANewPick) {
    orvex::PickHistory history;
    std::set<std::uint64_t> gone;
    const auto exists = [&](std::uint64_t window) { return !gone.count(window); };
    EXPECT_EQ(history.Back(exists), std::nullopt) << "nothing picked yet";
    for (std::uint64_t window : {1, 2, 2, 3}) // the same window twice is one step
        history.Push(window);
    EXPECT_EQ(history.Back(exists), 2u);
    EXPECT_EQ(history.Back(exists), 1u);
    EXPECT_FALSE(history.CanGoBack());
    EXPECT_EQ(history.Forward(exists), 2u);

    gone.insert(3);
    gone.insert(1);
    EXPECT_EQ(history.Forward(exists), 3u) << "none left ahead: the gone one, for its invalid-handle text";
    history.Back(exists);
    history.Push(4);
    EXPECT_FALSE(history.CanGoForward()) << "a new pick cuts off what lay ahead";
    EXPECT_EQ(history.Back(exists), 2u);
    history.Forward(exists);
    gone.insert(2);
    EXPECT_EQ(history.Back(exists), 2u) << "every earlier one gone: the nearest";

    for (std::uint64_t window = 10; window < 10 + 2 * orvex::PickHistory::kCapacity; ++window)
        history.Push(window);
    int steps = 0;
    while (history.Back([](std::uint64_t) { return true; }))
        ++steps;
    EXPECT_EQ(steps, static_cast<int>(orvex::PickHistory::kCapacity) - 1) << "the newest hundred are kept";
}

} // namespace
