// Message maps: dispatch by message, command routing from a dialog to the application object,
// reflected notifications, and the binding of objects to windows.
#include "framework/Controls.h"
#include "framework/Dialog.h"
#include "framework/TestApp.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <vector>

BEGIN_MESSAGE_MAP(CTestApp, CWinApp)
ON_COMMAND(ID_TEST_APP_COMMAND, OnAppCommand)
END_MESSAGE_MAP()

namespace {

constexpr UINT kPing = WM_APP + 7;
constexpr UINT kReflectedCode = 0x7001;

class CRecordingWnd : public CWnd {
    DECLARE_MESSAGE_MAP()

public:
    std::vector<UINT> seen;
    int pings = 0;
    SIZE lastSize{};

    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override {
        seen.push_back(message);
        return CWnd::WindowProc(message, wParam, lParam);
    }
    LRESULT OnPing(WPARAM wParam, LPARAM lParam) {
        ++pings;
        return static_cast<LRESULT>(wParam + static_cast<WPARAM>(lParam));
    }
    void OnSize(UINT, int cx, int cy) {
        lastSize = {cx, cy};
        Default();
    }
};

BEGIN_MESSAGE_MAP(CRecordingWnd, CWnd)
ON_MESSAGE(kPing, OnPing)
ON_WM_SIZE()
END_MESSAGE_MAP()

// A handler that fails with an exception.
class CThrowingWnd : public CWnd {
    DECLARE_MESSAGE_MAP()

public:
    LRESULT OnTextLength(WPARAM, LPARAM) { throw std::runtime_error("the handler failed"); }
};

BEGIN_MESSAGE_MAP(CThrowingWnd, CWnd)
ON_MESSAGE(WM_GETTEXTLENGTH, OnTextLength)
END_MESSAGE_MAP()

// A child that handles its own notification when the parent reflects it.
class CReflectingList : public CListCtrl {
    DECLARE_MESSAGE_MAP()

public:
    int reflected = 0;
    LRESULT OnReflected(NMHDR*) {
        ++reflected;
        return 42;
    }
};

BEGIN_MESSAGE_MAP(CReflectingList, CListCtrl)
ON_NOTIFY_REFLECT(kReflectedCode, OnReflected)
END_MESSAGE_MAP()

class CParentDialog : public CDialog {
    DECLARE_MESSAGE_MAP()

public:
    CParentDialog() : CDialog(IDD_TEST_DIALOG) {}
    CReflectingList list;
    int parentNotifications = 0;
    int dialogCommands = 0;
    int selectionChanges = 0;

    LRESULT OnParentNotify(NMHDR*) {
        ++parentNotifications;
        return 7;
    }
    void OnDialogCommand() { ++dialogCommands; }
    void OnSelectionChange() { ++selectionChanges; }
};

BEGIN_MESSAGE_MAP(CParentDialog, CDialog)
ON_NOTIFY(kReflectedCode, 77, OnParentNotify)
ON_NOTIFY(kReflectedCode + 1, 77, OnParentNotify)
ON_COMMAND(ID_TEST_DIALOG_COMMAND, OnDialogCommand)
ON_CONTROL(LBN_SELCHANGE, IDC_TEST_EDIT, OnSelectionChange)
END_MESSAGE_MAP()

// Handlers of the typed entries, recording what they were given.
class CTypedWnd : public CWnd {
    DECLARE_MESSAGE_MAP()

public:
    int dpi = 0;
    RECT suggested{};
    int dpiChanges = 0;
    int mouseLeaves = 0;
    HWND focusFrom = nullptr;

    void OnDpiChanged(int newDpi, const RECT& rect) {
        dpi = newDpi;
        suggested = rect;
        ++dpiChanges;
    }
    void OnMouseLeave() { ++mouseLeaves; }
    void OnSetFocus(HWND previous) { focusFrom = previous; }
};

BEGIN_MESSAGE_MAP(CTypedWnd, CWnd)
ON_WM_DPICHANGED()
ON_WM_MOUSELEAVE()
ON_WM_SETFOCUS()
END_MESSAGE_MAP()

class MessageMapTest : public ::testing::Test {
protected:
    CTestApp app;
};

TEST_F(MessageMapTest, WindowGetsItsMessagesFromTheFirstOneOnAndLosesItsBindingWhenDestroyed) {
    size_t before = CWnd::BoundWindowCount();
    CRecordingWnd wnd;
    ASSERT_TRUE(wnd.CreateEx(0, WC_STATICW, L"x", WS_POPUP, RECT{0, 0, 50, 40}, nullptr, 0));
    HWND hwnd = wnd.m_hWnd;
    ASSERT_FALSE(wnd.seen.empty());
    // Bound before the window's first message: creation messages reached the object.
    EXPECT_NE(std::find(wnd.seen.begin(), wnd.seen.end(), UINT(WM_NCCREATE)), wnd.seen.end());
    EXPECT_NE(std::find(wnd.seen.begin(), wnd.seen.end(), UINT(WM_CREATE)), wnd.seen.end());
    EXPECT_EQ(CWnd::FromHandlePermanent(hwnd), &wnd);

    EXPECT_EQ(::SendMessageW(hwnd, kPing, 40, 2), 42);
    EXPECT_EQ(wnd.pings, 1);
    ::SetWindowPos(hwnd, nullptr, 0, 0, 120, 70, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    EXPECT_EQ(wnd.lastSize.cx, 120);
    EXPECT_EQ(wnd.lastSize.cy, 70);
    // Unhandled messages reach the window's own procedure.
    EXPECT_EQ(::SendMessageW(hwnd, WM_GETTEXTLENGTH, 0, 0), 1);

    ::DestroyWindow(hwnd);
    EXPECT_EQ(CWnd::FromHandlePermanent(hwnd), nullptr);
    EXPECT_EQ(wnd.m_hWnd, nullptr);
    EXPECT_EQ(CWnd::BoundWindowCount(), before);
    EXPECT_EQ(wnd.seen.back(), UINT(WM_NCDESTROY));
}

TEST_F(MessageMapTest, TypedEntriesHandTheirHandlersDecodedArguments) {
    CTypedWnd wnd;
    ASSERT_TRUE(wnd.CreateEx(0, WC_STATICW, L"", WS_POPUP, RECT{0, 0, 10, 10}, nullptr, 0));
    const RECT suggested{10, 20, 310, 220};
    EXPECT_EQ(
        ::SendMessageW(wnd.m_hWnd, WM_DPICHANGED, MAKEWPARAM(144, 144), reinterpret_cast<LPARAM>(&suggested)),
        0);
    EXPECT_EQ(wnd.dpi, 144);
    EXPECT_TRUE(::EqualRect(&wnd.suggested, &suggested));
    ::SendMessageW(wnd.m_hWnd, WM_DPICHANGED, MAKEWPARAM(192, 192), 0);
    EXPECT_EQ(wnd.dpiChanges, 1) << "a change of DPI without its rectangle reaches no handler";

    ::SendMessageW(wnd.m_hWnd, WM_MOUSELEAVE, 0, 0);
    EXPECT_EQ(wnd.mouseLeaves, 1);
    const HWND other = reinterpret_cast<HWND>(static_cast<UINT_PTR>(0x1234));
    ::SendMessageW(wnd.m_hWnd, WM_SETFOCUS, reinterpret_cast<WPARAM>(other), 0);
    EXPECT_EQ(wnd.focusFrom, other);
    wnd.DestroyWindow();
}

TEST_F(MessageMapTest, AnExceptionStopsAtTheWindowProcedureAndTheMessageGetsDefaultProcessing) {
    CThrowingWnd wnd;
    ASSERT_TRUE(wnd.CreateEx(0, WC_STATICW, L"abcd", WS_POPUP, RECT{0, 0, 10, 10}, nullptr, 0));
    EXPECT_EQ(::SendMessageW(wnd.m_hWnd, WM_GETTEXTLENGTH, 0, 0), 4) << "the static control's own answer";
    EXPECT_EQ(::SendMessageW(wnd.m_hWnd, WM_GETTEXTLENGTH, 0, 0), 4) << "and the window goes on working";
    wnd.DestroyWindow();
    EXPECT_EQ(wnd.m_hWnd, nullptr);
}

TEST_F(MessageMapTest, OwnWindowUserDataStaysUntouched) {
    CRecordingWnd wnd;
    ASSERT_TRUE(wnd.CreateEx(0, WC_STATICW, L"", WS_POPUP, RECT{0, 0, 10, 10}, nullptr, 0));
    EXPECT_EQ(::GetWindowLongPtrW(wnd.m_hWnd, GWLP_USERDATA), 0);
    wnd.DestroyWindow();
}

TEST_F(MessageMapTest, ReflectedNotificationIsHandledByTheChildAndOthersByTheParent) {
    CParentDialog dialog;
    ASSERT_TRUE(dialog.Create(IDD_TEST_DIALOG));
    ASSERT_TRUE(dialog.list.Create(WS_CHILD | LVS_REPORT, RECT{0, 0, 50, 50}, dialog.m_hWnd, 77));

    NMHDR header{dialog.list.m_hWnd, 77, kReflectedCode};
    LRESULT result = ::SendMessageW(dialog.m_hWnd, WM_NOTIFY, 77, reinterpret_cast<LPARAM>(&header));
    EXPECT_EQ(result, 42);
    EXPECT_EQ(dialog.list.reflected, 1);
    EXPECT_EQ(dialog.parentNotifications, 0);

    // A code the child does not reflect goes to the parent's own entry.
    header.code = kReflectedCode + 1;
    result = ::SendMessageW(dialog.m_hWnd, WM_NOTIFY, 77, reinterpret_cast<LPARAM>(&header));
    EXPECT_EQ(result, 7);
    EXPECT_EQ(dialog.parentNotifications, 1);
    EXPECT_EQ(dialog.list.reflected, 1);
    dialog.DestroyWindow();
}

TEST_F(MessageMapTest, CommandsRouteFromTheDialogOnToTheApplication) {
    CParentDialog dialog;
    ASSERT_TRUE(dialog.Create(IDD_TEST_DIALOG));
    ::SendMessageW(dialog.m_hWnd, WM_COMMAND, MAKEWPARAM(ID_TEST_DIALOG_COMMAND, 0), 0);
    EXPECT_EQ(dialog.dialogCommands, 1);
    EXPECT_EQ(app.appCommands, 0);

    ::SendMessageW(dialog.m_hWnd, WM_COMMAND, MAKEWPARAM(ID_TEST_APP_COMMAND, 0), 0);
    EXPECT_EQ(app.appCommands, 1);
    EXPECT_EQ(dialog.dialogCommands, 1);
    dialog.DestroyWindow();
}

TEST_F(MessageMapTest, ANotificationCodedOneComesFromItsControlAndAnAcceleratorIsAPlainCommand) {
    CParentDialog dialog;
    ASSERT_TRUE(dialog.Create(IDD_TEST_DIALOG));
    // LBN_SELCHANGE and CBN_SELCHANGE share an accelerator's code 1; only a control names itself.
    ::SendMessageW(dialog.m_hWnd, WM_COMMAND, MAKEWPARAM(IDC_TEST_EDIT, LBN_SELCHANGE),
                   reinterpret_cast<LPARAM>(dialog.GetDlgItem(IDC_TEST_EDIT)));
    EXPECT_EQ(dialog.selectionChanges, 1);
    ::SendMessageW(dialog.m_hWnd, WM_COMMAND, MAKEWPARAM(ID_TEST_DIALOG_COMMAND, 1), 0);
    EXPECT_EQ(dialog.dialogCommands, 1);
    dialog.DestroyWindow();
}

// A procedure that someone else puts in front of a bound window, as a tooltip that watches its
// tool's mouse messages does.
WNDPROC g_behindOuter = nullptr;
int g_outerPings = 0;
LRESULT CALLBACK OuterProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == kPing)
        ++g_outerPings;
    return ::CallWindowProcW(g_behindOuter, hwnd, message, wParam, lParam);
}

TEST_F(MessageMapTest, UnbindingPutsTheOwnProcedureBackOrKeepsAForeignOneInFrontWorking) {
    const size_t before = CWnd::BoundWindowCount();
    CRecordingWnd plain;
    ASSERT_TRUE(plain.CreateEx(0, WC_STATICW, L"ab", WS_POPUP, RECT{0, 0, 10, 10}, nullptr, 0));
    const HWND plainHandle = plain.m_hWnd;
    EXPECT_EQ(plain.UnsubclassWindow(), plainHandle);
    EXPECT_EQ(::GetWindowLongPtrW(plainHandle, GWLP_WNDPROC),
              ::GetClassLongPtrW(plainHandle, GCLP_WNDPROC)); // the class's own procedure again
    EXPECT_EQ(::SendMessageW(plainHandle, WM_GETTEXTLENGTH, 0, 0), 2);
    ::DestroyWindow(plainHandle);

    CRecordingWnd wnd;
    ASSERT_TRUE(wnd.CreateEx(0, WC_STATICW, L"abc", WS_POPUP, RECT{0, 0, 10, 10}, nullptr, 0));
    const HWND hwnd = wnd.m_hWnd;
    g_outerPings = 0;
    g_behindOuter = reinterpret_cast<WNDPROC>(
        ::SetWindowLongPtrW(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&OuterProc)));
    EXPECT_EQ(::SendMessageW(hwnd, kPing, 1, 2), 3);
    EXPECT_EQ(wnd.pings, 1);

    // The object lets go while the other procedure stands in front: both keep working, the object
    // hears nothing more.
    EXPECT_EQ(wnd.UnsubclassWindow(), hwnd);
    EXPECT_EQ(CWnd::FromHandlePermanent(hwnd), nullptr);
    EXPECT_EQ(CWnd::BoundWindowCount(), before);
    EXPECT_EQ(::SendMessageW(hwnd, kPing, 1, 2), 0);
    EXPECT_EQ(g_outerPings, 2);
    EXPECT_EQ(wnd.pings, 1);
    EXPECT_EQ(::SendMessageW(hwnd, WM_GETTEXTLENGTH, 0, 0), 3);
    ::DestroyWindow(hwnd);
    EXPECT_FALSE(::IsWindow(hwnd));
    EXPECT_EQ(CWnd::BoundWindowCount(), before);
}

TEST_F(MessageMapTest, SubclassingRefusesAnotherProcesssWindow) {
    CWnd wnd;
    // The desktop window belongs to explorer, never to us.
    EXPECT_FALSE(wnd.SubclassWindow(::GetDesktopWindow()));
    EXPECT_FALSE(wnd.IsBound());
}

} // namespace
