// The finder tool, the hot key and the window commands, used with real mouse and keyboard input.
#include "common/ValueFormat.h"
#include "harness/OrvexSession.h"
#include "harness/RemoteToolBar.h"
#include "harness/ScreenGrab.h"
#include "harness/TargetClient.h"
#include "harness/TestText.h"
#include "harness/Wait.h"

#include <commctrl.h>
#include <gtest/gtest.h>

#include <optional>

namespace {

using harness::CenterOf;

constexpr int kWatchCursor = 32784;
constexpr int kWatchCursorIndex = 4;   // on the view toolbar
constexpr int kEnableVisibleIndex = 1; // on the window toolbar

// Clicks the middle of a toolbar button of the running Orvex.
void ClickButton(HWND toolBar, int index) {
    if (auto rect = harness::ToolBarButtonScreenRect(toolBar, index))
        harness::xdo::Click((rect->left + rect->right) / 2, (rect->top + rect->bottom) / 2);
}

std::wstring HandleText(HWND hwnd) {
    return orvex::FormatPointer(reinterpret_cast<UINT_PTR>(hwnd));
}

// Whether the finder's frame is on the screen around `window`, judged against a grab taken
// without it: the middle of each edge, just inside the window, shows inverted.
bool FrameShown(const RECT& window, const harness::ScreenGrab& unframed) {
    RECT area = window;
    ::InflateRect(&area, 2, 2);
    const harness::ScreenGrab now(area);
    const int midX = (window.left + window.right) / 2, midY = (window.top + window.bottom) / 2;
    const POINT edges[] = {
        {window.left + 1, midY}, {window.right - 2, midY}, {midX, window.top + 1}, {midX, window.bottom - 2}};
    for (const POINT& at : edges) {
        if (!harness::Inverted(unframed.At(at.x, at.y), now.At(at.x, at.y)))
            return false;
    }
    return true;
}

class FinderTest : public ::testing::Test {
protected:
    void SetUp() override {
        harness::ClearOrvexSettings();
        ASSERT_TRUE(target.IsRunning());
        // A foreign window on the right half of the desktop, away from Orvex's window.
        foreign = target.Create(harness::WindowRequest::Frame(L"Finder target", {700, 150, 1100, 550}));
        foreignButton = target.Create(harness::WindowRequest::Child(foreign, L"Button", L"Target button",
                                                                    BS_PUSHBUTTON, {20, 20, 220, 70}, 7));
        ASSERT_TRUE(foreign && foreignButton);
    }

    void StartOrvex() {
        ASSERT_TRUE(orvex.Start());
        ASSERT_NE(orvex.WaitForMainWindow(), nullptr);
        HWND rebar = orvex.Control(100);
        finder = ::GetDlgItem(rebar, 102);
        ASSERT_NE(finder, nullptr) << "the finder tool lives in the rebar's second band";
        ASSERT_TRUE(orvex.Activate());
    }

    // The first property row's value: the listed window's handle.
    void PressOnFinder() {
        POINT at = CenterOf(finder);
        harness::xdo::MoveTo(at.x, at.y);
        harness::xdo::ButtonDown();
    }
    void MoveTo(POINT at) { harness::xdo::MoveTo(at.x, at.y); }

    harness::TargetProcess target;
    harness::OrvexSession orvex;
    HWND foreign = nullptr;
    HWND foreignButton = nullptr;
    HWND finder = nullptr;
};

TEST_F(FinderTest, DragListsForeignWindowsAndIgnoresOrvexsOwn) {
    StartOrvex();
    RECT buttonRect{};
    ::GetWindowRect(foreignButton, &buttonRect);
    RECT frameArea = buttonRect;
    ::InflateRect(&frameArea, 2, 2);
    const harness::ScreenGrab unframed(frameArea); // before any drag: no frame anywhere
    PressOnFinder();
    MoveTo(CenterOf(foreignButton));
    EXPECT_TRUE(orvex.WaitListed(foreignButton)) << "a drag onto a foreign window lists it";
    EXPECT_TRUE(harness::WaitUntil([&] { return FrameShown(buttonRect, unframed); }, 5000))
        << "a frame is drawn around the window under the pointer";

    // Onto Orvex's own list: the frame goes, nothing new is listed.
    POINT listPoint = CenterOf(orvex.Control(103));
    MoveTo(listPoint);
    EXPECT_TRUE(harness::WaitUntil([&] { return harness::ScreenGrab(frameArea) == unframed; }, 5000))
        << "moving onto Orvex erases the frame";
    MoveTo({buttonRect.left + 5, buttonRect.top + 5});
    EXPECT_TRUE(orvex.WaitListed(foreignButton));
    EXPECT_TRUE(harness::WaitUntil([&] { return FrameShown(buttonRect, unframed); }, 5000))
        << "back on the window, the frame is drawn again";
    MoveTo(listPoint);
    EXPECT_TRUE(harness::WaitUntil([&] { return harness::ScreenGrab(frameArea) == unframed; }, 5000))
        << "moving onto Orvex erases the frame";
    EXPECT_EQ(orvex.ListedHandle(), HandleText(foreignButton));

    // Releasing over Orvex keeps the last foreign window.
    harness::xdo::ButtonUp();
    harness::WaitUntil([] { return false; }, 300);
    EXPECT_EQ(orvex.ListedHandle(), HandleText(foreignButton));
    EXPECT_TRUE(harness::ScreenGrab(frameArea) == unframed) << "no frame is left on the screen";
}

TEST_F(FinderTest, PressAndReleaseWithoutMovingChangesNothing) {
    StartOrvex();
    PressOnFinder();
    harness::xdo::ButtonUp();
    harness::WaitUntil([] { return false; }, 300);
    EXPECT_TRUE(orvex.PropertyRows().empty());
    EXPECT_TRUE(::IsWindowVisible(orvex.MainWindow()));
}

bool OffScreen(HWND hwnd) {
    HRGN region = ::CreateRectRgn(0, 0, 0, 0);
    const int shape = ::GetWindowRgn(hwnd, region);
    ::DeleteObject(region);
    return shape == NULLREGION;
}

TEST_F(FinderTest, HideOnSeekingTakesTheMainWindowOffTheScreenForTheDragOnly) {
    ASSERT_TRUE(harness::WriteRegistryDword(L"Settings", L"HideOnSeeking", 1));
    // A foreign window where Orvex will open, beneath it: reachable only while Orvex is out of the way.
    HWND beneath = target.Create(harness::WindowRequest::Frame(L"Beneath Orvex", {20, 80, 400, 300}));
    ASSERT_NE(beneath, nullptr);
    StartOrvex();
    RECT mainRect{};
    ::GetWindowRect(orvex.MainWindow(), &mainRect);
    ASSERT_TRUE(mainRect.left < 200 && mainRect.right > 200 && mainRect.top < 200 && mainRect.bottom > 200);

    PressOnFinder();
    EXPECT_TRUE(harness::WaitUntil([&] { return OffScreen(orvex.MainWindow()); }, 5000));
    MoveTo({200, 200});
    EXPECT_TRUE(orvex.WaitListed(beneath)) << "the window beneath Orvex's place is picked";
    MoveTo(CenterOf(foreignButton));
    EXPECT_TRUE(orvex.WaitListed(foreignButton));
    harness::xdo::ButtonUp();
    EXPECT_TRUE(harness::WaitUntil([&] { return !OffScreen(orvex.MainWindow()); }, 5000))
        << "the main window is back once the mouse button is released";
    EXPECT_TRUE(::IsWindowVisible(orvex.MainWindow()));
    EXPECT_EQ(orvex.ListedHandle(), HandleText(foreignButton));
}

TEST_F(FinderTest, LosingTheCaptureMidDragEndsTheDrag) {
    StartOrvex();
    RECT buttonRect{};
    ::GetWindowRect(foreignButton, &buttonRect);
    RECT frameArea = buttonRect;
    ::InflateRect(&frameArea, 2, 2);
    const harness::ScreenGrab unframed(frameArea);
    PressOnFinder();
    MoveTo(CenterOf(foreignButton));
    ASSERT_TRUE(orvex.WaitListed(foreignButton));
    ASSERT_TRUE(harness::WaitUntil([&] { return FrameShown(buttonRect, unframed); }, 5000));
    MoveTo({buttonRect.left + 3, buttonRect.top + 3}); // still the same target: nothing new is drawn
    harness::WaitUntil([] { return false; }, 200);
    // The window menu opens mid-drag and takes the mouse capture.
    harness::xdo::Key(L"alt+space");
    harness::WaitUntil([] { return false; }, 500);
    harness::xdo::Key(L"Escape");
    harness::WaitUntil([] { return false; }, 300);
    // Moves after the loss list nothing: the drag has ended.
    MoveTo(CenterOf(foreign));
    harness::WaitUntil([] { return false; }, 500);
    harness::xdo::ButtonUp();
    EXPECT_EQ(orvex.ListedHandle(), HandleText(foreignButton));
    EXPECT_TRUE(harness::ScreenGrab(frameArea) == unframed) << "no frame left behind";
}

TEST_F(FinderTest, HotKeyListsTheForeignWindowUnderTheCursorAndBringsOrvexForward) {
    StartOrvex();
    ::ShowWindowAsync(orvex.MainWindow(), SW_MINIMIZE);
    ASSERT_TRUE(harness::WaitUntil([&] { return ::IsIconic(orvex.MainWindow()) != FALSE; }, 5000));
    MoveTo(CenterOf(foreignButton));
    harness::xdo::Key(L"F9");
    EXPECT_TRUE(orvex.WaitListed(foreignButton));
    EXPECT_TRUE(harness::WaitUntil([&] { return ::GetForegroundWindow() == orvex.MainWindow(); }, 5000));
    EXPECT_TRUE(harness::WaitUntil([&] { return !::IsIconic(orvex.MainWindow()); }, 5000))
        << "the hot key restores a minimised main window";

    // Over Orvex's own (maximised) window the key selects nothing new and restores its size.
    ::ShowWindowAsync(orvex.MainWindow(), SW_MAXIMIZE);
    ASSERT_TRUE(harness::WaitUntil([&] { return ::IsZoomed(orvex.MainWindow()) != FALSE; }, 5000));
    MoveTo(CenterOf(orvex.Control(103)));
    harness::xdo::Key(L"F9");
    EXPECT_TRUE(harness::WaitUntil([&] { return !::IsZoomed(orvex.MainWindow()); }, 5000));
    EXPECT_EQ(orvex.ListedHandle(), HandleText(foreignButton));
}

TEST_F(FinderTest, WatchCursorFollowsTheCursorAndTheHotKeyStopsIt) {
    StartOrvex();
    HWND toolBar = ::GetDlgItem(orvex.Control(100), 101);
    ASSERT_NE(toolBar, nullptr);
    ClickButton(toolBar, kWatchCursorIndex);
    ASSERT_TRUE(harness::WaitUntil(
        [&] { return ::SendMessageW(toolBar, TB_ISBUTTONCHECKED, kWatchCursor, 0) != 0; }));
    MoveTo(CenterOf(foreignButton));
    EXPECT_TRUE(orvex.WaitListed(foreignButton, 2000)) << "listed within a few 100 ms ticks";
    MoveTo(CenterOf(foreign));
    EXPECT_TRUE(orvex.WaitListed(foreign, 2000));

    harness::xdo::Key(L"F9");
    EXPECT_TRUE(harness::WaitUntil([&] {
        return ::SendMessageW(toolBar, TB_ISBUTTONCHECKED, kWatchCursor, 0) == 0;
    })) << "the hot key pops the Watch Cursor button out";
    MoveTo(CenterOf(foreignButton));
    harness::WaitUntil([] { return false; }, 400);
    EXPECT_EQ(orvex.ListedHandle(), HandleText(foreign)) << "watching stopped and the selection stays";
}

TEST_F(FinderTest, EnableVisibleShowsAndEnablesAHiddenDisabledWindowWithoutActivatingIt) {
    harness::WindowRequest hiddenRequest;
    hiddenRequest.text = L"Hidden and disabled";
    hiddenRequest.style = WS_OVERLAPPEDWINDOW | WS_DISABLED;
    hiddenRequest.rect = {720, 600, 1000, 750};
    HWND hidden = target.Create(hiddenRequest);
    ASSERT_NE(hidden, nullptr);
    StartOrvex();
    // Select it with the hot key while it is shown, then hide it again.
    target.Show(hidden, SW_SHOWNOACTIVATE);
    MoveTo(CenterOf(hidden));
    harness::xdo::Key(L"F9");
    ASSERT_TRUE(orvex.WaitListed(hidden));
    target.Show(hidden, SW_HIDE);
    ASSERT_FALSE(::IsWindowVisible(hidden));
    ASSERT_FALSE(::IsWindowEnabled(hidden));
    harness::xdo::Key(L"F5");
    const auto listsVisible = [&] {
        for (const harness::ListRow& row : orvex.PropertyRows())
            if (row.name == L"WS_VISIBLE")
                return true;
        return false;
    };
    ASSERT_TRUE(harness::WaitUntil([&] { return !listsVisible(); }));

    ClickButton(orvex.Control(104), kEnableVisibleIndex);
    EXPECT_TRUE(harness::WaitUntil([&] { return ::IsWindowVisible(hidden) && ::IsWindowEnabled(hidden); }));
    EXPECT_TRUE(harness::WaitUntil([&] { return ::GetForegroundWindow() == orvex.MainWindow(); }));
    EXPECT_NE(::GetForegroundWindow(), hidden) << "the window is shown without being activated";
    EXPECT_TRUE(harness::WaitUntil(listsVisible)) << "the listing is read again once the change is made";
}

TEST_F(FinderTest, HighlightDrawsAFrameThatCanBeSeenOnTheScreen) {
    StartOrvex();
    RECT buttonRect{};
    ::GetWindowRect(foreignButton, &buttonRect);
    RECT frameArea = buttonRect;
    ::InflateRect(&frameArea, 2, 2);
    MoveTo(CenterOf(foreignButton));
    harness::xdo::Key(L"F9");
    ASSERT_TRUE(orvex.WaitListed(foreignButton));
    ASSERT_TRUE(harness::WaitUntil([&] { return ::GetForegroundWindow() == orvex.MainWindow(); }));
    // The button as it looks with the pointer over it, once the hot key's flash is over.
    std::optional<harness::ScreenGrab> unframed;
    ASSERT_TRUE(harness::WaitUntil([&] {
        const harness::ScreenGrab before(frameArea);
        harness::WaitUntil([] { return false; }, 300);
        if (!(harness::ScreenGrab(frameArea) == before))
            return false;
        unframed = before;
        return true;
    }));

    harness::xdo::Key(L"ctrl+h");
    EXPECT_TRUE(harness::WaitUntil([&] { return FrameShown(buttonRect, *unframed); }, 2000))
        << "no grab during the highlight showed its frame";
    EXPECT_TRUE(harness::WaitUntil([&] { return harness::ScreenGrab(frameArea) == *unframed; }))
        << "the highlight leaves the screen as it was";
}

} // namespace
