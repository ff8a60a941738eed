// Windows that vanish while Orvex reads them: the helper target creates and destroys hundreds of
// windows a second while the real main dialog lists them in both listings, the finder's hit test
// runs over them, the window tree is rebuilt and synchronised with them, and frames are drawn and
// erased around them, for a thousand rounds.
#include "common/ScreenHelpers.h"
#include "harness/ProcessResources.h"
#include "harness/ScreenGrab.h"
#include "harness/TargetClient.h"
#include "maindlg/MainDialogFixture.h"
#include "res/resource.h"
#include "select/WindowActions.h"
#include "select/WindowTreeDialog.h"

#include <string>
#include <vector>

namespace {

using maindlg_test::MainDialogTest;

std::vector<HWND> WindowsOf(DWORD processId) {
    struct Search {
        DWORD processId;
        std::vector<HWND> found;
    } search{processId, {}};
    ::EnumWindows(
        [](HWND hwnd, LPARAM param) -> BOOL {
            auto* s = reinterpret_cast<Search*>(param);
            DWORD pid = 0;
            ::GetWindowThreadProcessId(hwnd, &pid);
            if (pid == s->processId && ::IsWindowVisible(hwnd)) {
                s->found.push_back(hwnd);
                if (HWND child = ::GetWindow(hwnd, GW_CHILD))
                    s->found.push_back(child);
            }
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.found;
}

// Private memory, and GDI and USER objects where the system counts them (Wine answers 0).
void ExpectNoGrowthSince(const harness::ProcessResources& start) {
    const harness::ProcessResources end = harness::ReadProcessResources();
    EXPECT_LT(end.privateBytes, start.privateBytes + 8 * 1024 * 1024) << "private memory grew";
    if (!start.HasObjectCounts()) {
        std::printf("no GDI or USER object counts on this system (GetGuiResources answers 0)\n");
        return;
    }
    EXPECT_LE(end.gdi, start.gdi + 5) << "GDI objects grew";
    EXPECT_LE(end.user, start.user + 5) << "USER objects grew";
}

class VanishingWindowsTest : public MainDialogTest {};

TEST_F(VanishingWindowsTest, ListingHitTestingAndFramingSurviveAThousandRounds) {
    ASSERT_TRUE(OpenDialog());
    harness::TargetProcess target;
    ASSERT_TRUE(target.IsRunning());
    ASSERT_EQ(target.Request("churn\t1"), "ok");
    // The churn stays in the right part of the desktop; this strip above it must stay untouched.
    const RECT quiet{700, 40, 1200, 90};
    const harness::ScreenGrab before(quiet);

    // One warm round first, so the counts below measure growth, not first use.
    dialog->ShowWindowProperties(Main());
    const harness::ProcessResources start = harness::ReadProcessResources();
    int listed = 0, vanished = 0;
    for (int round = 0; round < 1000; ++round) {
        const std::vector<HWND> windows = WindowsOf(target.ProcessId());
        if (windows.empty())
            continue;
        HWND hwnd = windows[static_cast<size_t>(round) % windows.size()];
        app.m_settings.m_nViewMode = round % 2;
        if (dialog->ShowWindowProperties(hwnd)) {
            ++listed;
        } else {
            ++vanished;
            EXPECT_EQ(View().GetEmptyText().rfind(L"Invalid window handle (0x", 0), 0u);
            EXPECT_EQ(View().GetItemCount(), 0);
        }
        RECT rect{};
        if (::GetWindowRect(hwnd, &rect))
            DeepWindowFromPoint((rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2);
        InvertWindowFrame(hwnd);
        InvertWindowFrame(hwnd);
        harness::PumpMessages();
    }
    ASSERT_EQ(target.Request("churn\t0"), "ok");
    EXPECT_GT(listed, 0);
    std::printf("listed %d windows, %d vanished before or while they were read\n", listed, vanished);

    harness::PumpMessages();
    EXPECT_TRUE(harness::ScreenGrab(quiet) == before) << "nothing was left on the screen";
    ExpectNoGrowthSince(start);
}

TEST_F(VanishingWindowsTest, TreeRebuildsAndHighlightsSurviveAThousandRounds) {
    ASSERT_TRUE(OpenDialog());
    dialog->SendMessage(WM_COMMAND, ID_VIEW_WINDOW_TREE);
    harness::PumpMessages();
    CWindowTreeDialog* tree = Inside().Tree();
    ASSERT_NE(tree, nullptr);
    // Both of Orvex's windows on the left; the churn and the strip watched for debris on the right.
    dialog->SetWindowPos(nullptr, 0, 0, 330, 400, SWP_NOZORDER | SWP_NOACTIVATE);
    tree->SetWindowPos(nullptr, 330, 0, 330, 400, SWP_NOZORDER | SWP_NOACTIVATE);
    harness::TargetProcess target;
    ASSERT_TRUE(target.IsRunning());
    ASSERT_EQ(target.Request("churn\t1"), "ok");
    const RECT quiet{700, 40, 1200, 90};
    harness::PumpMessages();
    const harness::ScreenGrab before(quiet);

    tree->Rebuild();
    const harness::ProcessResources start = harness::ReadProcessResources();
    int found = 0, highlighted = 0;
    for (int round = 0; round < 1000; ++round) {
        const std::vector<HWND> windows = WindowsOf(target.ProcessId());
        HWND hwnd = windows.empty() ? nullptr : windows[static_cast<size_t>(round) % windows.size()];
        // A rebuild every fourth round: the tree meets windows that die between the enumeration
        // and the reads of their labels, and nodes of windows already gone.
        if (round % 4 == 0)
            tree->Rebuild();
        if (hwnd && tree->SelectWindowItem(hwnd, TRUE))
            ++found;
        // The highlight command itself now and then (it pauses between its flashes), the frame
        // drawing alone in every other round.
        if (round % 100 == 0) {
            if (HighlightWindow(hwnd))
                ++highlighted;
        } else if (hwnd) {
            InvertWindowFrame(hwnd);
            InvertWindowFrame(hwnd);
        }
        harness::PumpMessages();
    }
    ASSERT_EQ(target.Request("churn\t0"), "ok");
    EXPECT_GT(found, 0) << "some windows lived long enough to be found in the tree";
    std::printf("found %d windows in the tree, highlighted %d\n", found, highlighted);

    harness::PumpMessages();
    EXPECT_TRUE(harness::ScreenGrab(quiet) == before) << "nothing was left on the screen";
    ExpectNoGrowthSince(start);
}

} // namespace
