// The send-message dialog in the test process, opened by the real main dialog's command: its
// controls, opening and placement, reading the fields, the asynchronous send to windows of this
// thread and of the helper target, watch ticks, hiding the main windows, and its end.
#include "harness/TestText.h"
#include "maindlg/MainDialogFixture.h"

#include "harness/TargetClient.h"
#include "harness/WindowWatcher.h"
#include "select/WindowTreeDialog.h"
#include "sendmsg/ResultFormat.h"
#include "sendmsg/SendMessageDialog.h"

#include <cstdint>
#include <cstdlib>
#include <cwchar>
#include <string>
#include <vector>

namespace {

using harness::Decimal;
using harness::Hex;

using maindlg_test::MainDialogTest;

constexpr wchar_t kInvalidHandle[] = L"<Invalid window handle>";
constexpr wchar_t kBadNumber[] = L"Please enter value in correct format.";

// A window of this thread that answers the helper target's private messages the same way.
class EchoWindow {
public:
    EchoWindow() {
        static const ATOM atom = [] {
            WNDCLASSEXW wc{};
            wc.cbSize = sizeof(wc);
            wc.lpfnWndProc = &Proc;
            wc.hInstance = ::GetModuleHandleW(nullptr);
            wc.lpszClassName = L"OrvexSendTestEcho";
            return ::RegisterClassExW(&wc);
        }();
        m_hwnd = ::CreateWindowExW(0, MAKEINTATOM(atom), L"echo", WS_POPUP, 900, 600, 100, 60, nullptr,
                                   nullptr, ::GetModuleHandleW(nullptr), nullptr);
    }
    ~EchoWindow() {
        if (::IsWindow(m_hwnd))
            ::DestroyWindow(m_hwnd);
    }
    EchoWindow(const EchoWindow&) = delete;
    EchoWindow& operator=(const EchoWindow&) = delete;
    HWND get() const { return m_hwnd; }

private:
    static LRESULT CALLBACK Proc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
        if (message == harness::kTargetEchoMessage)
            return lParam;
        if (message == harness::kTargetIdentityMessage)
            return reinterpret_cast<LRESULT>(hwnd);
        return ::DefWindowProcW(hwnd, message, wParam, lParam);
    }
    HWND m_hwnd = nullptr;
};

class SendMessageDialogTest : public MainDialogTest {
protected:
    void SetUp() override {
        MainDialogTest::SetUp();
        ASSERT_TRUE(OpenDialog());
        ::SetWindowPos(Main(), nullptr, 200, 300, 560, 550, SWP_NOZORDER);
    }

    // The main dialog's command, as its toolbar button sends it.
    CSendMessageDialog* OpenSendDialog() {
        dialog->SendMessage(WM_COMMAND, MAKEWPARAM(ID_WINDOW_SEND_MESSAGE, 0), 0);
        harness::PumpMessages();
        return Inside().SendDialog();
    }
    HWND Box() const { return Inside().SendDialog() ? Inside().SendDialog()->m_hWnd : nullptr; }
    HWND Item(int id) const { return ::GetDlgItem(Box(), id); }
    std::wstring Text(int id) const {
        wchar_t text[256] = {};
        ::GetDlgItemTextW(Box(), id, text, 256);
        return text;
    }
    void SetText(int id, const std::wstring& text) const { ::SetDlgItemTextW(Box(), id, text.c_str()); }
    void Fill(const std::wstring& message, const std::wstring& wParam, const std::wstring& lParam) const {
        SetText(IDC_SENDMSG_MESSAGE, message);
        SetText(IDC_SENDMSG_WPARAM, wParam);
        SetText(IDC_SENDMSG_LPARAM, lParam);
    }
    // A click on a button of the dialog, as the button reports it.
    void Click(int id) const {
        ::SendMessageW(Box(), WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(Item(id)));
        harness::PumpMessages();
    }
    void Tick(int id, bool ticked) const {
        ::SendMessageW(Item(id), BM_SETCHECK, ticked ? BST_CHECKED : BST_UNCHECKED, 0);
        Click(id);
    }
    bool WaitSigned(const std::wstring& text, DWORD timeoutMs = 10000) const {
        return harness::WaitUntil([&] { return Text(IDC_SENDMSG_SIGNED) == text; }, timeoutMs);
    }
};

// ---------------------------------------------------------------------------------------------
// Opening

TEST_F(SendMessageDialogTest, OpensWithItsFieldsInTabOrderBelowTheMainWindowsBottom) {
    CSendMessageDialog* send = OpenSendDialog();
    ASSERT_NE(send, nullptr);
    ASSERT_TRUE(::IsWindowVisible(Box()));
    EXPECT_EQ(::GetWindow(Box(), GW_OWNER), Main());
    wchar_t caption[32] = {};
    ::GetWindowTextW(Box(), caption, 32);
    EXPECT_STREQ(caption, L"Send Message");

    std::vector<int> tabOrder;
    for (HWND at = ::GetNextDlgTabItem(Box(), nullptr, FALSE); at && tabOrder.size() < 20;
         at = ::GetNextDlgTabItem(Box(), at, FALSE)) {
        if (!tabOrder.empty() && at == Item(tabOrder.front()))
            break;
        tabOrder.push_back(::GetDlgCtrlID(at));
    }
    EXPECT_EQ(tabOrder, (std::vector<int>{IDC_SENDMSG_MESSAGE, IDC_SENDMSG_WPARAM, IDC_SENDMSG_LPARAM,
                                          IDC_SENDMSG_WATCH, IDC_SENDMSG_SEND, IDC_SENDMSG_SIGNED,
                                          IDC_SENDMSG_UNSIGNED, IDCANCEL, IDC_SENDMSG_HIDE_MAIN}));
    EXPECT_EQ(::GetFocus(), Item(IDC_SENDMSG_MESSAGE));
    EXPECT_EQ(Text(IDC_SENDMSG_MESSAGE), L"");
    EXPECT_EQ(Text(IDC_SENDMSG_WPARAM), L"0");
    EXPECT_EQ(Text(IDC_SENDMSG_LPARAM), L"0");
    EXPECT_EQ(Text(IDC_SENDMSG_SIGNED), L"");
    EXPECT_EQ(Text(IDC_SENDMSG_UNSIGNED), L"");
    for (int id : {IDC_SENDMSG_SIGNED, IDC_SENDMSG_UNSIGNED})
        EXPECT_TRUE(::GetWindowLongW(Item(id), GWL_STYLE) & ES_READONLY);
    EXPECT_EQ(::SendMessageW(Box(), DM_GETDEFID, 0, 0), MAKELRESULT(IDC_SENDMSG_SEND, DC_HASDEFID));
    HWND icon = ::GetWindow(Item(IDC_SENDMSG_HIDE_MAIN), GW_HWNDPREV);
    EXPECT_EQ(::GetWindowLongW(icon, GWL_STYLE) & SS_TYPEMASK, SS_ICON);
    EXPECT_NE(::SendMessageW(icon, STM_GETICON, 0, 0), 0) << "icon 144 is shown";

    RECT own{}, main{};
    ::GetWindowRect(Box(), &own);
    ::GetWindowRect(Main(), &main);
    EXPECT_EQ(own.left, main.left);
    EXPECT_EQ(own.bottom, main.bottom - 45);
    EXPECT_EQ(send->m_hwndTarget, nullptr) << "nothing was selected";
}

TEST_F(SendMessageDialogTest, EverySuccessfulListingRetargetsTheOpenDialog) {
    CSendMessageDialog* send = OpenSendDialog();
    ASSERT_NE(send, nullptr);
    EchoWindow first, second;
    dialog->ShowWindowProperties(first.get());
    EXPECT_EQ(send->m_hwndTarget, first.get());
    dialog->ShowWindowProperties(second.get());
    EXPECT_EQ(send->m_hwndTarget, second.get());

    // A listing that fails leaves the target alone.
    HWND gone = ::CreateWindowExW(0, L"STATIC", L"gone", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr,
                                  ::GetModuleHandleW(nullptr), nullptr);
    ::DestroyWindow(gone);
    EXPECT_FALSE(dialog->ShowWindowProperties(gone));
    EXPECT_EQ(send->m_hwndTarget, second.get());
    EXPECT_FALSE(dialog->ShowWindowProperties(nullptr));
    EXPECT_EQ(send->m_hwndTarget, second.get());
}

// ---------------------------------------------------------------------------------------------
// Sending

TEST_F(SendMessageDialogTest, NoTargetOrAGoneOneWritesInvalidHandleAndLeavesSignedAlone) {
    ASSERT_NE(OpenSendDialog(), nullptr);
    Fill(L"0x000E", L"0", L"0");
    SetText(IDC_SENDMSG_SIGNED, L"earlier");
    Click(IDC_SENDMSG_SEND);
    EXPECT_EQ(Text(IDC_SENDMSG_UNSIGNED), kInvalidHandle);
    EXPECT_EQ(Text(IDC_SENDMSG_SIGNED), L"earlier");

    HWND gone = ::CreateWindowExW(0, L"STATIC", L"gone", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr,
                                  ::GetModuleHandleW(nullptr), nullptr);
    Inside().SendDialog()->SetTarget(gone);
    ::DestroyWindow(gone);
    SetText(IDC_SENDMSG_UNSIGNED, L"");
    Click(IDC_SENDMSG_SEND);
    EXPECT_EQ(Text(IDC_SENDMSG_UNSIGNED), kInvalidHandle);
    EXPECT_EQ(Text(IDC_SENDMSG_SIGNED), L"earlier");
}

TEST_F(SendMessageDialogTest, ResultsAreShownWholeAndParametersSignExtended) {
    CSendMessageDialog* send = OpenSendDialog();
    ASSERT_NE(send, nullptr);
    EchoWindow echo;
    send->SetTarget(echo.get());
    // The echo window answers its lParam: the typed 32-bit value, sign-extended to pointer width.
    struct Case {
        const wchar_t* lParam;
        LRESULT result;
    };
    const Case cases[] = {
        {L"0xFFFFFFFF", -1},           {L"4294967295", -1},        {L"0", 0},
        {L" 2147483647 ", 2147483647}, {L"0x80000000", INT32_MIN},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "lParam of " << wcslen(c.lParam) << " characters: " << c.result);
        SetText(IDC_SENDMSG_SIGNED, L"");
        Fill(Hex(harness::kTargetEchoMessage), L"0xFFFFFFFF", c.lParam);
        Click(IDC_SENDMSG_SEND);
        // A window of the dialog's own thread answers at once.
        EXPECT_EQ(Text(IDC_SENDMSG_SIGNED), orvex::FormatSignedResult(c.result));
        EXPECT_EQ(Text(IDC_SENDMSG_UNSIGNED),
                  orvex::FormatUnsignedResult(static_cast<std::uint64_t>(c.result)));
        EXPECT_EQ(send->m_wParam, static_cast<WPARAM>(-1));
    }
}

TEST_F(SendMessageDialogTest, ARegisteredNameInQuotesSendsTheNumberTheSystemGivesIt) {
    CSendMessageDialog* send = OpenSendDialog();
    ASSERT_NE(send, nullptr);
    EchoWindow echo;
    send->SetTarget(echo.get());
    Fill(L" \"OrvexSendTestRegistered\" ", L"0", L"0");
    Click(IDC_SENDMSG_SEND);
    EXPECT_EQ(send->m_uMsg, ::RegisterWindowMessageW(L"OrvexSendTestRegistered"));
    EXPECT_EQ(Text(IDC_SENDMSG_SIGNED), L"0");
}

TEST_F(SendMessageDialogTest, ARefusedSendSaysSo) {
    CSendMessageDialog* send = OpenSendDialog();
    ASSERT_NE(send, nullptr);
    harness::TargetProcess target;
    ASSERT_TRUE(target.IsRunning());
    HWND foreign = target.Create({});
    ASSERT_NE(foreign, nullptr);
    send->SetTarget(foreign);
    SetText(IDC_SENDMSG_SIGNED, L"earlier");
    // WM_SETTEXT carries a pointer: the system sends it only synchronously.
    Fill(L"0x000C", L"0", L"0x1000");
    Click(IDC_SENDMSG_SEND);
    EXPECT_EQ(Text(IDC_SENDMSG_UNSIGNED), L"<Failed to send>");
    EXPECT_EQ(Text(IDC_SENDMSG_SIGNED), L"earlier");
}

TEST_F(SendMessageDialogTest, AnInvalidFieldIsReportedAndFocusedAndEarlierFieldsStayStored) {
    CSendMessageDialog* send = OpenSendDialog();
    ASSERT_NE(send, nullptr);
    EchoWindow echo;
    send->SetTarget(echo.get());
    struct Case {
        const wchar_t* message;
        const wchar_t* wParam;
        const wchar_t* lParam;
        int badField;
    };
    const Case cases[] = {
        {L"", L"0", L"0", IDC_SENDMSG_MESSAGE},      {L"-1", L"0", L"0", IDC_SENDMSG_MESSAGE},
        {L"0x10", L"+5", L"0", IDC_SENDMSG_WPARAM},  {L"0x11", L"1 2", L"0", IDC_SENDMSG_WPARAM},
        {L"0x12", L"7", L"12h", IDC_SENDMSG_LPARAM}, {L"0x13", L"8", L"0x1G", IDC_SENDMSG_LPARAM},
        {L"0x14", L"9", L"   ", IDC_SENDMSG_LPARAM},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "bad field " << c.badField << ", message field of "
                                        << wcslen(c.message) << " characters");
        send->m_uMsg = 0x99;
        send->m_wParam = 0x98;
        send->m_lParam = 0x97;
        SetText(IDC_SENDMSG_UNSIGNED, L"untouched");
        Fill(c.message, c.wParam, c.lParam);
        std::wstring text, caption;
        HWND owner = nullptr;
        const HWND sendBox = Box(), main = Main();
        harness::WindowWatcher box(
            [sendBox, main](HWND hwnd) {
                return hwnd != sendBox && hwnd != main && harness::IsOwnVisibleWindowOfClass(hwnd, L"#32770");
            },
            [&](HWND hwnd) {
                wchar_t title[64] = {};
                ::GetWindowTextW(hwnd, title, 64);
                caption = title;
                text = harness::StaticTexts(hwnd);
                owner = ::GetWindow(hwnd, GW_OWNER);
                ::PostMessageW(hwnd, WM_COMMAND, IDOK, 0);
            },
            5000);
        Click(IDC_SENDMSG_SEND);
        box.Stop();
        ASSERT_TRUE(box.Seen());
        EXPECT_EQ(text, kBadNumber);
        EXPECT_EQ(caption, L"Orvex");
        EXPECT_EQ(owner, Box()) << "the box belongs to the dialog that asked";
        EXPECT_EQ(::GetFocus(), Item(c.badField));
        EXPECT_EQ(Text(IDC_SENDMSG_UNSIGNED), L"untouched") << "nothing was sent";
        // Fields before the bad one took their new values; the bad one and those after it did not.
        EXPECT_EQ(send->m_uMsg,
                  c.badField == IDC_SENDMSG_MESSAGE ? 0x99u : std::wcstoul(c.message, nullptr, 16));
        EXPECT_EQ(send->m_wParam,
                  c.badField == IDC_SENDMSG_LPARAM ? std::wcstoul(c.wParam, nullptr, 10) : 0x98u);
        EXPECT_EQ(send->m_lParam, 0x97);
    }
}

TEST_F(SendMessageDialogTest, AStuckTargetLeavesTheDialogUsableAndItsReplyLandsWhenItComes) {
    CSendMessageDialog* send = OpenSendDialog();
    ASSERT_NE(send, nullptr);
    harness::TargetProcess target;
    ASSERT_TRUE(target.IsRunning());
    HWND foreign = target.Create({});
    ASSERT_NE(foreign, nullptr);
    send->SetTarget(foreign);
    SetText(IDC_SENDMSG_SIGNED, L"old");
    SetText(IDC_SENDMSG_UNSIGNED, L"old");
    Fill(Hex(harness::kTargetEchoMessage), L"0", L"7");
    ASSERT_TRUE(target.Hang(3000));
    const ULONGLONG start = ::GetTickCount64();
    Click(IDC_SENDMSG_SEND);
    EXPECT_LT(::GetTickCount64() - start, 1000u) << "the send does not wait for the target";
    EXPECT_EQ(Text(IDC_SENDMSG_SIGNED), L"old");
    EXPECT_EQ(Text(IDC_SENDMSG_UNSIGNED), L"old");

    // Meanwhile the dialog goes on working with another window.
    EchoWindow echo;
    send->SetTarget(echo.get());
    Fill(Hex(harness::kTargetEchoMessage), L"0", L"99");
    Click(IDC_SENDMSG_SEND);
    EXPECT_EQ(Text(IDC_SENDMSG_SIGNED), L"99");
    // The boxes show the reply that came last, which here is the slow one.
    EXPECT_TRUE(WaitSigned(L"7"));
    EXPECT_EQ(Text(IDC_SENDMSG_UNSIGNED), orvex::FormatUnsignedResult(7));
}

TEST_F(SendMessageDialogTest, AReplyThatComesAfterTheDialogClosedIsDropped) {
    harness::TargetProcess target;
    ASSERT_TRUE(target.IsRunning());
    HWND foreign = target.Create({});
    ASSERT_NE(foreign, nullptr);

    CSendMessageDialog* closed = OpenSendDialog();
    ASSERT_NE(closed, nullptr);
    closed->SetTarget(foreign);
    Fill(Hex(harness::kTargetEchoMessage), L"0", L"111");
    ASSERT_TRUE(target.Hang(1500));
    Click(IDC_SENDMSG_SEND);
    Click(IDCANCEL);
    ASSERT_EQ(Inside().SendDialog(), nullptr);

    // A new dialog, quite possibly in the memory of the old one, must not receive the old reply.
    CSendMessageDialog* reopened = OpenSendDialog();
    ASSERT_NE(reopened, nullptr);
    std::printf("the new dialog %s the old one's memory\n", reopened == closed ? "reuses" : "does not reuse");
    // A reply of our own, sent after the dialog's, comes back after it.
    static bool markerArrived;
    markerArrived = false;
    ASSERT_TRUE(::SendMessageCallbackW(
        foreign, harness::kTargetEchoMessage, 0, 1,
        [](HWND, UINT, ULONG_PTR, LRESULT) { markerArrived = true; }, 0));
    ASSERT_TRUE(harness::WaitUntil([] { return markerArrived; }, 10000));
    harness::PumpMessages();
    EXPECT_EQ(Text(IDC_SENDMSG_SIGNED), L"");
    EXPECT_EQ(Text(IDC_SENDMSG_UNSIGNED), L"");
}

// ---------------------------------------------------------------------------------------------
// Watch mode and hiding the main windows

TEST_F(SendMessageDialogTest, WatchingDisablesTheFieldsAndSendsNothingBeforeASuccessfulSend) {
    CSendMessageDialog* send = OpenSendDialog();
    ASSERT_NE(send, nullptr);
    EchoWindow echo;
    ::SetWindowPos(echo.get(), HWND_TOPMOST, 900, 600, 100, 60, SWP_SHOWWINDOW | SWP_NOACTIVATE);
    ::SetCursorPos(950, 630);
    if (!harness::WaitUntil([] {
            POINT at{};
            return ::GetCursorPos(&at) && at.x == 950 && at.y == 630;
        }))
        GTEST_SKIP() << "the pointer could not be moved from the test process here";

    Fill(Hex(harness::kTargetIdentityMessage), L"0", L"0");
    Tick(IDC_SENDMSG_WATCH, true);
    EXPECT_TRUE(send->m_bWatching);
    for (int id : {IDC_SENDMSG_MESSAGE, IDC_SENDMSG_WPARAM, IDC_SENDMSG_LPARAM, IDC_SENDMSG_SEND})
        EXPECT_FALSE(::IsWindowEnabled(Item(id))) << "control " << id;
    EXPECT_TRUE(::IsWindowEnabled(Item(IDC_SENDMSG_HIDE_MAIN)));

    // A tick retargets and lists, but no Send has read the fields yet: nothing goes out.
    ::SendMessageW(Box(), WM_TIMER, CSendMessageDialog::kRepeatTimer, 0);
    EXPECT_EQ(send->m_hwndTarget, echo.get());
    EXPECT_EQ(dialog->ListedWindow(), echo.get());
    EXPECT_EQ(Text(IDC_SENDMSG_SIGNED), L"");

    Tick(IDC_SENDMSG_WATCH, false);
    for (int id : {IDC_SENDMSG_MESSAGE, IDC_SENDMSG_WPARAM, IDC_SENDMSG_LPARAM, IDC_SENDMSG_SEND})
        EXPECT_TRUE(::IsWindowEnabled(Item(id))) << "control " << id;
    Click(IDC_SENDMSG_SEND);
    EXPECT_EQ(Text(IDC_SENDMSG_SIGNED), Decimal(echo.get()));
}

TEST_F(SendMessageDialogTest, HidingTakesTheWindowTreeAlongAndClosingBringsEverythingBack) {
    dialog->SendMessage(WM_COMMAND, MAKEWPARAM(ID_VIEW_WINDOW_TREE, 0), 0);
    harness::PumpMessages();
    const HWND tree = Inside().Tree() ? Inside().Tree()->m_hWnd : nullptr;
    ASSERT_NE(tree, nullptr);
    ASSERT_TRUE(::IsWindowVisible(tree));

    ASSERT_NE(OpenSendDialog(), nullptr);
    Tick(IDC_SENDMSG_HIDE_MAIN, true);
    EXPECT_FALSE(::IsWindowVisible(Main()));
    EXPECT_FALSE(::IsWindowVisible(tree));
    EXPECT_EQ(::GetActiveWindow(), Box());
    Tick(IDC_SENDMSG_HIDE_MAIN, false);
    EXPECT_TRUE(::IsWindowVisible(Main()));
    EXPECT_TRUE(::IsWindowVisible(tree));

    Tick(IDC_SENDMSG_HIDE_MAIN, true);
    Tick(IDC_SENDMSG_WATCH, true);
    ASSERT_FALSE(::IsWindowVisible(Main()));
    // The caption's close box: every way of closing ends the same.
    ::SendMessageW(Box(), WM_SYSCOMMAND, SC_CLOSE, 0);
    harness::PumpMessages();
    EXPECT_EQ(Inside().SendDialog(), nullptr);
    EXPECT_TRUE(::IsWindowVisible(Main()));
    EXPECT_TRUE(::IsWindowVisible(tree));
}

// ---------------------------------------------------------------------------------------------
// Lifetime

class CCountedSendMessageDialog : public CSendMessageDialog {
public:
    CCountedSendMessageDialog(ToolWindowOwner& owner, int* deletions, UINT templateId = IDD_SEND_MESSAGE)
        : CSendMessageDialog(owner), m_deletions(deletions) {
        m_templateId = templateId;
    }
    ~CCountedSendMessageDialog() override { ++*m_deletions; }

private:
    int* m_deletions;
};

// The framework's self-owned modeless dialog, with the send-message dialog as its subject.
TEST_F(SendMessageDialogTest, OwnsItselfOnceItsWindowIsUpAndTellsTheOpenerWhenItIsGone) {
    int deletions = 0, closings = 0;
    const auto counted = [&](CModelessDialog&) { ++closings; };
    EXPECT_EQ(
        CModelessDialog::Open<CCountedSendMessageDialog>(dialog.get(), counted, *dialog, &deletions, 0x7FFE),
        nullptr)
        << "no such template";
    EXPECT_EQ(deletions, 1) << "a dialog that did not open is deleted at once";
    EXPECT_EQ(closings, 0) << "and nobody is told of a window that never was";

    for (UINT close : {UINT(IDCANCEL), UINT(WM_CLOSE)}) {
        SCOPED_TRACE(testing::Message()
                     << "closed by " << (close == IDCANCEL ? "the Close button" : "WM_CLOSE"));
        deletions = closings = 0;
        CModelessDialog* told = nullptr;
        auto* opened = CModelessDialog::Open<CCountedSendMessageDialog>(
            dialog.get(),
            [&](CModelessDialog& closed) {
                told = &closed;
                EXPECT_EQ(deletions, 0) << "told before the object goes";
            },
            *dialog, &deletions);
        ASSERT_NE(opened, nullptr);
        EXPECT_EQ(::GetWindow(opened->m_hWnd, GW_OWNER), Main());
        const HWND hwnd = opened->m_hWnd;
        if (close == IDCANCEL)
            ::SendMessageW(hwnd, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
        else
            ::SendMessageW(hwnd, WM_CLOSE, 0, 0);
        harness::PumpMessages();
        EXPECT_FALSE(::IsWindow(hwnd));
        EXPECT_EQ(told, opened);
        EXPECT_EQ(deletions, 1);
    }

    // Closing the main dialog takes an open one with it.
    deletions = 0;
    ASSERT_NE(CModelessDialog::Open<CCountedSendMessageDialog>(dialog.get(), nullptr, *dialog, &deletions),
              nullptr);
    CloseDialog();
    EXPECT_EQ(deletions, 1);
}

} // namespace
