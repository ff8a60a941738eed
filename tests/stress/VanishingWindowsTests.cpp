// Windows that vanish while Orvex reads them: the helper target creates and destroys hundreds of
// windows a second while the real main dialog lists them in both listings, the finder's hit test
// runs over them and frames are drawn and erased around them, for a thousand rounds.
#include "harness/ScreenGrab.h"
#include "harness/TargetClient.h"
#include "maindlg/MainDialogFixture.h"
#include "select/ScreenHelpers.h"

#include <psapi.h>

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

struct Resources {
    DWORD gdi = 0;
    DWORD user = 0;
    SIZE_T privateBytes = 0;
};

Resources Counts() {
    PROCESS_MEMORY_COUNTERS_EX memory{};
    memory.cb = sizeof(memory);
    ::GetProcessMemoryInfo(::GetCurrentProcess(), reinterpret_cast<PROCESS_MEMORY_COUNTERS*>(&memory),
                           sizeof(memory));
    return {::GetGuiResources(::GetCurrentProcess(), GR_GDIOBJECTS),
            ::GetGuiResources(::GetCurrentProcess(), GR_USEROBJECTS), memory.PrivateUsage};
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
    const Resources start = Counts();
    int listed = 0, vanished = 0;
    for (int round = 0; round < 1000; ++round) {
        const std::vector<HWND> windows = WindowsOf(target.ProcessId());
        if (windows.empty())
            continue;
        HWND hwnd = windows[static_cast<size_t>(round) % windows.size()];
        app.m_nViewMode = round % 2;
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
    const Resources end = Counts();
    EXPECT_LT(end.privateBytes, start.privateBytes + 8 * 1024 * 1024) << "private memory grew";
    if (start.gdi == 0 && start.user == 0)
        GTEST_SKIP() << "Wine reports no GDI or USER object counts (GetGuiResources answers 0)";
    EXPECT_LE(end.gdi, start.gdi + 5) << "GDI objects grew";
    EXPECT_LE(end.user, start.user + 5) << "USER objects grew";
}

} // namespace
