// The linear build against the level-by-level method on live windows: random hierarchies of this
// process, including child windows without the child style, whose parent as GetParent answers is
// an owner somewhere else, under every combination of the two filters.
#include "core/LevelByLevelTreeBuild.h"
#include "select/LiveWindowHierarchy.h"
#include "select/WindowTreeBuilder.h"

#include <gtest/gtest.h>

#include <random>
#include <utility>
#include <vector>

namespace {

using Nodes = std::vector<std::pair<orvex::WindowId, orvex::TreeNode>>;

class RecordingSink : public orvex::WindowTreeSink {
public:
    orvex::TreeNode AddWindowNode(orvex::WindowId window, orvex::TreeNode parent) override {
        nodes.emplace_back(window, parent);
        return nodes.size();
    }
    Nodes nodes;
};

// A random family of windows below a few new top-level windows of this process.
class RandomWindows {
public:
    explicit RandomWindows(unsigned seed) {
        std::mt19937 random(seed);
        auto chance = [&](int percent) { return static_cast<int>(random() % 100) < percent; };
        std::vector<HWND> all;
        for (int i = 0; i < 3; ++i) {
            HWND top = Make(nullptr, chance(70) ? WS_POPUP | WS_VISIBLE : WS_POPUP, chance(20));
            m_topLevel.push_back(top);
            all.push_back(top);
        }
        for (int i = 0; i < 90; ++i) {
            HWND parent = chance(50) ? all.back() : all[random() % all.size()];
            HWND hwnd = Make(parent, WS_CHILD | (chance(85) ? WS_VISIBLE : 0), chance(15));
            all.push_back(hwnd);
        }
        // Popups moved into others: contained by one window, while GetParent names their owner.
        for (int i = 0; i < 6; ++i) {
            HWND owner = chance(50) ? all[random() % all.size()] : nullptr;
            HWND popup = ::CreateWindowExW(0, L"Static", L"moved popup", WS_POPUP | WS_VISIBLE, 0, 0, 10, 10,
                                           owner, nullptr, ::GetModuleHandleW(nullptr), nullptr);
            ::SetParent(popup, all[random() % all.size()]);
            m_extra.push_back(popup);
        }
    }
    RandomWindows(const RandomWindows&) = delete;
    RandomWindows& operator=(const RandomWindows&) = delete;
    ~RandomWindows() {
        for (HWND hwnd : m_extra)
            ::DestroyWindow(hwnd);
        for (HWND hwnd : m_topLevel)
            ::DestroyWindow(hwnd);
    }
    const std::vector<HWND>& TopLevel() const { return m_topLevel; }

private:
    static HWND Make(HWND parent, DWORD style, bool untitled) {
        return ::CreateWindowExW(0, L"Static", untitled ? L"" : L"titled", style, 0, 0, 20, 20, parent,
                                 nullptr, ::GetModuleHandleW(nullptr), nullptr);
    }
    std::vector<HWND> m_topLevel;
    std::vector<HWND> m_extra;
};

TEST(WindowTreeBuild, LinearBuildMatchesTheLevelByLevelMethodOnLiveWindows) {
    for (unsigned seed = 1; seed <= 12; ++seed) {
        SCOPED_TRACE(testing::Message() << "seed " << seed);
        RandomWindows windows(seed);
        for (int filters = 0; filters < 4; ++filters) {
            SCOPED_TRACE(testing::Message() << "filters " << filters);
            LiveWindowHierarchy live((filters & 1) != 0, (filters & 2) != 0);
            RecordingSink linear, levelByLevel;
            orvex::WindowTreeBuilder builder(live, linear);
            for (HWND top : windows.TopLevel()) {
                const orvex::TreeNode node = LiveWindowHierarchy::Id(top);
                builder.AddSubtree(LiveWindowHierarchy::Id(top), node);
                reference::AddChildWindowsLevelByLevel(live, levelByLevel, LiveWindowHierarchy::Id(top),
                                                       node);
            }
            ASSERT_EQ(linear.nodes, levelByLevel.nodes);
            if (filters == 0) {
                EXPECT_GE(linear.nodes.size(), 90u);
            }
            // This process's top-level windows, as the by-process view takes them.
            RecordingSink linearProcess, levelByLevelProcess;
            orvex::WindowTreeBuilder(live, linearProcess).AddProcessWindows(::GetCurrentProcessId(), 1);
            reference::AddProcessWindowsLevelByLevel(live, levelByLevelProcess, ::GetCurrentProcessId(), 1);
            ASSERT_EQ(linearProcess.nodes, levelByLevelProcess.nodes);
        }
    }
}

} // namespace
