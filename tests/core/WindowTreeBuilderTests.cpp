// The linear tree builder against the level-by-level method, on hand-made and random hierarchies:
// the same nodes under the same parents in the same order, each subtree enumerated once.
#include "core/FakeWindowHierarchy.h"
#include "core/LevelByLevelTreeBuild.h"
#include "select/WindowTreeBuilder.h"

#include <gtest/gtest.h>

namespace {

using Nodes = std::vector<std::pair<orvex::WindowId, orvex::TreeNode>>;

Nodes Linear(fake::Hierarchy& h) {
    fake::RecordingSink sink;
    orvex::WindowTreeBuilder(h, sink).AddTopLevelWindows(0);
    return sink.nodes;
}

Nodes LevelByLevel(fake::Hierarchy& h) {
    fake::RecordingSink sink;
    reference::AddChildWindowsLevelByLevel(h, sink, 0, 0);
    return sink.nodes;
}

TEST(WindowTreeBuilder, NestsChildrenUnderTheirParentsInZOrder) {
    fake::Hierarchy h;
    const auto a = h.Add(0);
    const auto b = h.Add(0); // topmost
    const auto a1 = h.Add(a);
    const auto a2 = h.Add(a); // above a1
    const auto a2x = h.Add(a2);
    const Nodes expected = {{b, 0}, {a, 0}, {a2, 2}, {a2x, 3}, {a1, 2}};
    EXPECT_EQ(Linear(h), expected);
    EXPECT_EQ(LevelByLevel(h), expected);
}

TEST(WindowTreeBuilder, AFilteredWindowHidesItsWholeSubtree) {
    fake::Hierarchy h;
    const auto hidden = h.Add(0, 1, true);
    h.Add(hidden); // visible children of a hidden window stay out with it
    h.Add(h.Add(hidden));
    const auto shown = h.Add(0);
    const auto filteredChild = h.Add(shown, 1, true);
    h.Add(filteredChild);
    const auto kept = h.Add(shown);
    const Nodes expected = {{shown, 0}, {kept, 1}};
    EXPECT_EQ(Linear(h), expected);
    EXPECT_EQ(LevelByLevel(h), expected);
}

TEST(WindowTreeBuilder, AChildWithoutTheChildStyleGoesUnderItsOwnerOnlyWhenTheOwnerContainsIt) {
    fake::Hierarchy h;
    const auto top = h.Add(0);
    const auto panel = h.Add(top);
    const auto sibling = h.Add(top);
    const auto ownedByTop = h.Add(panel);
    h[ownedByTop].treeParent = top; // contained by panel, owned by the top-level window
    const auto ownedBySibling = h.Add(panel);
    h[ownedBySibling].treeParent = sibling; // owner beside it, not above it
    const auto ownerless = h.Add(panel);
    h[ownerless].treeParent = 0;
    const Nodes expected = {{top, 0}, {sibling, 1}, {panel, 1}, {ownedByTop, 1}};
    EXPECT_EQ(LevelByLevel(h), expected);
    EXPECT_EQ(Linear(h), expected);
}

TEST(WindowTreeBuilder, EnumeratesEachSubtreeOnceHoweverDeep) {
    fake::Hierarchy h;
    orvex::WindowId parent = h.Add(0);
    for (int depth = 0; depth < 400; ++depth)
        parent = h.Add(parent);
    const Nodes linear = Linear(h);
    EXPECT_EQ(linear.size(), 401u);
    EXPECT_EQ(h.windowsEnumerated, 400);
    h.windowsEnumerated = 0;
    EXPECT_EQ(LevelByLevel(h), linear);
    EXPECT_EQ(h.windowsEnumerated, 400 * 401 / 2) << "the level-by-level method pays depth times descendants";
}

TEST(WindowTreeBuilder, MatchesTheLevelByLevelMethodOnRandomHierarchies) {
    for (unsigned seed = 1; seed <= 300; ++seed) {
        SCOPED_TRACE(testing::Message() << "seed " << seed);
        fake::Hierarchy h = fake::RandomHierarchy(seed, 1 + static_cast<int>(seed % 120));
        const Nodes linear = Linear(h);
        EXPECT_LE(h.windowsEnumerated, static_cast<long long>(h.Count())) << "no window enumerated twice";
        ASSERT_EQ(linear, LevelByLevel(h));
    }
}

TEST(WindowTreeBuilder, ByProcessMatchesTheLevelByLevelMethodAndEnumeratesTheTopLevelOnce) {
    for (unsigned seed = 1; seed <= 100; ++seed) {
        SCOPED_TRACE(testing::Message() << "seed " << seed);
        fake::Hierarchy h = fake::RandomHierarchy(seed, 150);
        fake::RecordingSink linear, levelByLevel;
        orvex::WindowTreeBuilder builder(h, linear);
        h.topLevelEnumerations = 0;
        for (std::uint32_t process = 0; process <= 5; ++process) { // 0 and 5 have no windows
            builder.AddProcessWindows(process, 1000 + process);
            reference::AddProcessWindowsLevelByLevel(h, levelByLevel, process, 1000 + process);
        }
        ASSERT_EQ(linear.nodes, levelByLevel.nodes);
        EXPECT_EQ(h.topLevelEnumerations, 1 + 6);
    }
}

} // namespace
