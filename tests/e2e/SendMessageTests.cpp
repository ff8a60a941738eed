// The send-message dialog of the running Orvex, used with real mouse and keyboard input: opening
// it, retargeting it with the finder, a message typed by name, a send to a slow foreign window, and
// watch mode.
#include "common/ValueFormat.h"
#include "harness/OrvexSession.h"
#include "harness/RemoteToolBar.h"
#include "harness/TargetClient.h"
#include "harness/TestText.h"
#include "harness/Wait.h"

#include <gtest/gtest.h>

#include <cwchar>
#include <string>

namespace {

using harness::CenterOf;
using harness::Decimal;
using harness::Hex;

constexpr int kSendMessageIndex = 3; // on the window toolbar
constexpr int kMessageId = 1004, kWParam = 1005, kLParam = 1006, kSigned = 1007, kUnsigned = 1008;
constexpr int kWatch = 1009, kSend = 1010, kHideMain = 1012;

// A control's text in another process: WM_GETTEXT is carried across by the system.
std::wstring RemoteText(HWND hwnd) {
    wchar_t text[256] = {};
    DWORD_PTR length = 0;
    ::SendMessageTimeoutW(hwnd, WM_GETTEXT, 256, reinterpret_cast<LPARAM>(text), SMTO_ABORTIFHUNG, 2000,
                          &length);
    return text;
}

class SendMessageE2eTest : public ::testing::Test {
protected:
    void SetUp() override {
        harness::ClearOrvexSettings();
        ASSERT_TRUE(target.IsRunning());
        first = target.Create(harness::WindowRequest::Frame(L"First foreign window", {700, 120, 1100, 420}));
        second =
            target.Create(harness::WindowRequest::Frame(L"Second foreign window", {700, 520, 1100, 820}));
        ASSERT_TRUE(first && second);

        ASSERT_TRUE(orvex.Start());
        ASSERT_NE(orvex.WaitForMainWindow(), nullptr);
        // Room for the dialog below the finder tool, clear of the foreign windows.
        ::SetWindowPos(orvex.MainWindow(), nullptr, 40, 80, 560, 640, SWP_NOZORDER | SWP_NOACTIVATE);
        ASSERT_TRUE(orvex.Activate());
    }

    // Opens the dialog with the toolbar button and waits for it.
    HWND OpenDialog() {
        ClickButton(orvex.Control(104), kSendMessageIndex);
        harness::WaitUntil([&] { return (box = FindDialog()) != nullptr && ::IsWindowVisible(box); });
        return box;
    }
    HWND FindDialog() {
        auto found = harness::FindTopLevelWindows(orvex.Process().Id(), L"#32770", L"Send Message");
        return found.size() == 1 ? found.front() : nullptr;
    }
    static void ClickButton(HWND toolBar, int index) {
        if (auto rect = harness::ToolBarButtonScreenRect(toolBar, index))
            harness::xdo::Click((rect->left + rect->right) / 2, (rect->top + rect->bottom) / 2);
    }
    HWND Item(int id) const { return ::GetDlgItem(box, id); }
    void ClickItem(int id) const {
        POINT at = CenterOf(Item(id));
        harness::xdo::Click(at.x, at.y);
    }
    void CheckBoxClick(int id) const {
        // The box itself sits at the left end of a check box control.
        RECT rect{};
        ::GetWindowRect(Item(id), &rect);
        harness::xdo::Click(rect.left + 6, (rect.top + rect.bottom) / 2);
    }
    // Types into a field as a person would: click, select all, type.
    void TypeInto(int id, const std::wstring& text) const {
        ClickItem(id);
        harness::xdo::Key(L"ctrl+a");
        harness::xdo::Type(text);
        harness::WaitUntil([&] { return RemoteText(Item(id)) == text; }, 3000);
    }
    bool WaitText(int id, const std::wstring& text, DWORD timeoutMs = 10000) const {
        return harness::WaitUntil([&] { return RemoteText(Item(id)) == text; }, timeoutMs);
    }

    harness::TargetProcess target;
    harness::OrvexSession orvex;
    HWND first = nullptr;
    HWND second = nullptr;
    HWND box = nullptr;
};

TEST_F(SendMessageE2eTest, OpensOnceBelowTheMainWindowAndEscapeClosesIt) {
    ASSERT_NE(OpenDialog(), nullptr);
    RECT own{}, main{};
    ::GetWindowRect(box, &own);
    ::GetWindowRect(orvex.MainWindow(), &main);
    EXPECT_EQ(own.left, main.left);
    EXPECT_EQ(own.bottom, main.bottom - 45);
    EXPECT_TRUE(harness::WaitUntil([&] { return ::GetForegroundWindow() == box; }, 5000));

    // Pressing the button again brings the same dialog forward and opens no second one.
    orvex.Activate();
    ClickButton(orvex.Control(104), kSendMessageIndex);
    EXPECT_TRUE(harness::WaitUntil([&] { return ::GetForegroundWindow() == box; }, 5000));
    EXPECT_EQ(FindDialog(), box);

    harness::xdo::Key(L"Escape");
    EXPECT_TRUE(harness::WaitUntil([&] { return !::IsWindow(box); }, 5000));
    EXPECT_TRUE(::IsWindowVisible(orvex.MainWindow()));
}

TEST_F(SendMessageE2eTest, TheFinderRetargetsTheOpenDialogAndTheReplyFillsBothBoxes) {
    ASSERT_NE(OpenDialog(), nullptr);
    TypeInto(kMessageId, Hex(harness::kTargetIdentityMessage));
    ClickItem(kSend);
    EXPECT_TRUE(WaitText(kUnsigned, L"<Invalid window handle>")) << "nothing is selected yet";

    // Drag the finder tool onto the first foreign window.
    HWND finder = ::GetDlgItem(orvex.Control(100), 102);
    ASSERT_NE(finder, nullptr);
    POINT from = CenterOf(finder), to = CenterOf(first);
    harness::xdo::MoveTo(from.x, from.y);
    harness::xdo::ButtonDown();
    harness::xdo::MoveTo(to.x, to.y);
    EXPECT_TRUE(orvex.WaitListed(first));
    harness::xdo::ButtonUp();

    // The press on the finder activated the main window. Under Wine that can lift the main window
    // above the dialog it owns (Windows keeps an owned window above its owner); the toolbar button
    // brings the open dialog forward, as a person would do.
    ClickButton(orvex.Control(104), kSendMessageIndex);
    ASSERT_TRUE(harness::WaitUntil([&] { return ::GetForegroundWindow() == box; }, 5000));
    ClickItem(kSend);
    EXPECT_TRUE(WaitText(kSigned, Decimal(first))) << "the reply comes from the window the finder picked";
    const std::wstring handle = orvex::FormatPointer(reinterpret_cast<UINT_PTR>(first));
    EXPECT_EQ(RemoteText(Item(kUnsigned)), Decimal(first) + L" (" + handle + L")");
}

TEST_F(SendMessageE2eTest, AMessageTypedByNameReachesTheForeignWindow) {
    POINT over = CenterOf(first);
    harness::xdo::MoveTo(over.x, over.y);
    harness::xdo::Key(L"F9");
    ASSERT_TRUE(orvex.WaitListed(first));
    ASSERT_NE(OpenDialog(), nullptr);
    TypeInto(kMessageId, L"WM_GETTEXTLENGTH");
    ClickItem(kSend);
    EXPECT_TRUE(WaitText(kSigned, std::to_wstring(::GetWindowTextLengthW(first))));
}

TEST_F(SendMessageE2eTest, ASlowTargetDoesNotHoldOrvexUp) {
    // Select the first foreign window with the hot key: the dialog opens with it as its target.
    POINT over = CenterOf(first);
    harness::xdo::MoveTo(over.x, over.y);
    harness::xdo::Key(L"F9");
    ASSERT_TRUE(orvex.WaitListed(first));
    ASSERT_NE(OpenDialog(), nullptr);
    TypeInto(kMessageId, Hex(harness::kTargetEchoMessage));
    TypeInto(kLParam, L"0xFFFFFFFF");
    ASSERT_TRUE(target.Hang(3000));
    ClickItem(kSend);

    // Orvex answers at once while the target is stuck; the boxes wait for the reply.
    DWORD_PTR ignored = 0;
    EXPECT_NE(::SendMessageTimeoutW(orvex.MainWindow(), WM_NULL, 0, 0, SMTO_ABORTIFHUNG, 1000, &ignored), 0);
    EXPECT_NE(::SendMessageTimeoutW(box, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, 1000, &ignored), 0);
    EXPECT_EQ(RemoteText(Item(kSigned)), L"");
    EXPECT_TRUE(WaitText(kSigned, L"-1"));
    EXPECT_EQ(RemoteText(Item(kUnsigned)), L"18446744073709551615 (0xFFFFFFFFFFFFFFFF)");
}

TEST_F(SendMessageE2eTest, WatchModeSendsToTheWindowUnderTheCursorAndHidingKeepsTheTarget) {
    ASSERT_NE(OpenDialog(), nullptr);
    TypeInto(kMessageId, Hex(harness::kTargetIdentityMessage));
    ClickItem(kSend); // no target yet, but the fields are read and stored

    CheckBoxClick(kWatch);
    ASSERT_TRUE(harness::WaitUntil([&] { return !::IsWindowEnabled(Item(kSend)); }, 3000));
    const ULONGLONG watchStart = ::GetTickCount64();
    for (int id : {kMessageId, kWParam, kLParam, kSend})
        EXPECT_FALSE(::IsWindowEnabled(Item(id))) << "control " << id;
    POINT over = CenterOf(first);
    harness::xdo::MoveTo(over.x, over.y);
    const std::wstring firstHandle = orvex::FormatPointer(reinterpret_cast<UINT_PTR>(first));
    EXPECT_TRUE(WaitText(kSigned, Decimal(first), 12000));
    EXPECT_GE(::GetTickCount64() - watchStart, 4500u) << "the first send comes with the first tick";
    EXPECT_EQ(orvex.ListedHandle(), firstHandle) << "the main window lists the watched window";

    // Hidden main window: the next ticks keep sending to the same window, whatever is under the cursor.
    CheckBoxClick(kHideMain);
    ASSERT_TRUE(harness::WaitUntil([&] { return !::IsWindowVisible(orvex.MainWindow()); }, 3000));
    over = CenterOf(second);
    harness::xdo::MoveTo(over.x, over.y);
    ::SendMessageTimeoutW(Item(kSigned), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L""), SMTO_ABORTIFHUNG, 2000,
                          nullptr);
    EXPECT_TRUE(harness::WaitUntil([&] { return !RemoteText(Item(kSigned)).empty(); }, 12000));
    EXPECT_EQ(RemoteText(Item(kSigned)), Decimal(first));
    EXPECT_EQ(orvex.ListedHandle(), firstHandle);
    EXPECT_FALSE(::IsWindowVisible(orvex.MainWindow()));

    // Closing while hidden brings the main window back.
    ClickItem(IDCANCEL);
    EXPECT_TRUE(harness::WaitUntil([&] { return !::IsWindow(box); }, 5000));
    EXPECT_TRUE(harness::WaitUntil([&] { return ::IsWindowVisible(orvex.MainWindow()) != FALSE; }, 5000));
}

} // namespace
