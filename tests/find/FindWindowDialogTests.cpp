// Find Window as its owner opens it and a user drives it: the Find button and Ctrl+F, criteria
// typed over the helper target's windows, a newer search replacing an older one, and a chosen
// match listed by the main window.
#include "common/ValueFormat.h"
#include "find/FindWindowDialog.h"
#include "harness/RemoteListView.h"
#include "harness/TargetClient.h"
#include "maindlg/MainDialogFixture.h"
#include "select/WindowTreeDialog.h"

#include <commctrl.h>

#include <string>
#include <vector>

namespace {

using maindlg_test::MainDialogTest;

enum { kHandleColumn = 0, kClassColumn = 1, kProcessColumn = 3 };

class FindWindowTest : public MainDialogTest {
protected:
    CFindWindowDialog* Find() const { return Inside().Find(); }
    HWND List() const { return ::GetDlgItem(Find()->m_hWnd, IDC_FIND_LIST); }
    std::wstring CountLine() const {
        wchar_t text[256] = {};
        ::GetDlgItemTextW(Find()->m_hWnd, IDC_FIND_COUNT, text, 256);
        return text;
    }
    void Type(const std::wstring& text) const {
        ::SetDlgItemTextW(Find()->m_hWnd, IDC_FIND_TARGET, text.c_str());
    }
    // Waits until the list shows the result of a search that has finished.
    bool WaitForResult(const std::wstring& countStart = L"Searched ") const {
        return harness::WaitUntil(
            [&] { return !Find()->Searching() && CountLine().starts_with(countStart); });
    }
    // Ctrl+F as the message loop meets it, on `hwnd`, with Ctrl held in this thread's key state.
    static void PressCtrlF(HWND hwnd) {
        BYTE keys[256] = {}, held[256] = {};
        ::GetKeyboardState(keys);
        std::copy(std::begin(keys), std::end(keys), held);
        held[VK_CONTROL] = 0x80;
        ::SetKeyboardState(held);
        MSG message{hwnd, WM_KEYDOWN, 'F', 0, 0, {}};
        if (!CWnd::WalkPreTranslateTree(&message))
            ::DispatchMessageW(&message);
        ::SetKeyboardState(keys);
        harness::PumpMessages();
    }
    void CloseFind() const {
        ::SendMessageW(Find()->m_hWnd, WM_CLOSE, 0, 0);
        harness::PumpMessages();
    }
};

TEST_F(FindWindowTest, OpensFromTheButtonAtTheEndOfTheViewToolBarAndFromCtrlF) {
    ASSERT_TRUE(OpenDialog());
    const CToolBarCtrl& toolBar = Inside().ViewToolBar();
    const int last = toolBar.GetButtonCount() - 1;
    const ButtonLabel button = ReadButton(toolBar, last);
    EXPECT_EQ(button.text, L"Find");
    EXPECT_EQ(button.image, 6);

    ClickToolBarButton(toolBar, last);
    ASSERT_NE(Find(), nullptr);
    wchar_t caption[64] = {};
    ::GetWindowTextW(Find()->m_hWnd, caption, 64);
    EXPECT_STREQ(caption, L"Find Window");
    RECT found = Find()->GetWindowRect(), main = dialog->GetWindowRect(), shared{};
    EXPECT_FALSE(::IntersectRect(&shared, &found, &main)) << "beside the main window, not over its list";

    // The columns fill the list, the longest common class name whole; the text column takes a
    // wider window's room.
    CListView list(List());
    const auto columnsFill = [&] {
        int sum = 0;
        for (int column = 0; column < 4; ++column)
            sum += list.GetColumnWidth(column);
        return sum == list.GetClientRect().right && !(list.GetStyle() & WS_HSCROLL);
    };
    EXPECT_TRUE(columnsFill());
    EXPECT_GT(list.GetColumnWidth(kClassColumn), list.GetStringWidth(L"msctls_statusbar32"));
    const int text = list.GetColumnWidth(2);
    ::SetWindowPos(Find()->m_hWnd, nullptr, 0, 0, found.right - found.left + 200, found.bottom - found.top,
                   SWP_NOMOVE | SWP_NOZORDER);
    EXPECT_TRUE(columnsFill());
    EXPECT_EQ(list.GetColumnWidth(2), text + 200);
    CloseFind();
    EXPECT_EQ(Find(), nullptr);

    PressCtrlF(Inside().Properties().m_hWnd);
    ASSERT_NE(Find(), nullptr) << "Ctrl+F in the property list";
    CFindWindowDialog* opened = Find();
    PressCtrlF(Inside().Properties().m_hWnd);
    EXPECT_EQ(Find(), opened) << "a second Ctrl+F brings the open one forward";
    CloseFind();

    dialog->SendMessage(WM_COMMAND, ID_VIEW_WINDOW_TREE);
    harness::PumpMessages();
    ASSERT_NE(Inside().Tree(), nullptr);
    PressCtrlF(::GetDlgItem(Inside().Tree()->m_hWnd, IDC_TREE_TREE));
    EXPECT_NE(Find(), nullptr) << "Ctrl+F in the window tree";
}

TEST_F(FindWindowTest, TypedCriteriaListTheMatchesAndCountThemANewerSearchReplacingAnOlder) {
    harness::TargetProcess target;
    HWND frame = target.Create(harness::WindowRequest::Frame(L"Find's haystack", {700, 100, 1000, 300}));
    ASSERT_NE(frame, nullptr);
    HWND needle =
        target.Create(harness::WindowRequest::Child(frame, L"Button", L"Needle", 0, {5, 5, 80, 30}, 1));
    HWND hidden = target.Create(
        harness::WindowRequest::Child(frame, L"Button", L"Hidden needle", 0, {5, 40, 80, 60}, 2));
    ASSERT_TRUE(needle && hidden && target.Show(hidden, SW_HIDE));
    const std::wstring pid = std::to_wstring(target.ProcessId());

    ASSERT_TRUE(OpenDialog());
    dialog->SendMessage(WM_COMMAND, ID_VIEW_FIND);
    ASSERT_NE(Find(), nullptr);

    Type(L"class=button,pid=" + pid);
    ASSERT_TRUE(WaitForResult());
    ASSERT_EQ(::SendMessageW(List(), LVM_GETITEMCOUNT, 0, 0), 2) << CountLine();
    EXPECT_EQ(harness::ReadListColumn(List(), kHandleColumn),
              (std::vector<std::wstring>{orvex::FormatPointer(reinterpret_cast<UINT_PTR>(needle)),
                                         orvex::FormatPointer(reinterpret_cast<UINT_PTR>(hidden))}));
    EXPECT_EQ(harness::ReadListColumn(List(), kClassColumn),
              (std::vector<std::wstring>{L"Button", L"Button"}));
    EXPECT_EQ(harness::ReadListColumn(List(), kProcessColumn).front(), L"orvex_target.exe (" + pid + L")");
    EXPECT_TRUE(CountLine().ends_with(L" windows, 2 matches.")) << CountLine();

    ::CheckDlgButton(Find()->m_hWnd, IDC_FIND_VISIBLE, BST_CHECKED);
    Find()->SearchNow();
    ASSERT_TRUE(WaitForResult());
    EXPECT_EQ(harness::ReadListColumn(List(), kHandleColumn),
              std::vector<std::wstring>{orvex::FormatPointer(reinterpret_cast<UINT_PTR>(needle))});
    EXPECT_TRUE(CountLine().ends_with(L" windows, 1 match.")) << CountLine();

    // The first search is still on its way when the second starts: only the second's matches show,
    // and they stay once the first has had time to finish too.
    Type(L"pid=" + pid);
    Find()->SearchNow();
    Type(L"text=haystack,pid=" + pid);
    Find()->SearchNow();
    ASSERT_TRUE(WaitForResult());
    const std::vector<std::wstring> newest{orvex::FormatPointer(reinterpret_cast<UINT_PTR>(frame))};
    EXPECT_EQ(harness::ReadListColumn(List(), kHandleColumn), newest);
    harness::WaitUntil([] { return false; }, 500);
    EXPECT_EQ(harness::ReadListColumn(List(), kHandleColumn), newest);

    Type(L"klass=Edit");
    ASSERT_TRUE(WaitForResult(L"Not a target: "));
    EXPECT_TRUE(CountLine().ends_with(L" at 0")) << CountLine();
    EXPECT_EQ(::SendMessageW(List(), LVM_GETITEMCOUNT, 0, 0), 0);
}

TEST_F(FindWindowTest, ADoubleClickedOrEnteredMatchIsListedAndTheListKeepsItsPlace) {
    harness::TargetProcess target;
    HWND first = target.Create(harness::WindowRequest::Frame(L"First found", {700, 100, 900, 200}));
    HWND second = target.Create(harness::WindowRequest::Frame(L"Second found", {700, 250, 900, 350}));
    ASSERT_TRUE(first && second);
    ASSERT_TRUE(OpenDialog());
    dialog->SendMessage(WM_COMMAND, ID_VIEW_FIND);
    ASSERT_NE(Find(), nullptr);
    Type(L"class=OrvexTargetWindow,pid=" + std::to_wstring(target.ProcessId()));
    ASSERT_TRUE(WaitForResult());
    ASSERT_EQ(::SendMessageW(List(), LVM_GETITEMCOUNT, 0, 0), 2);
    // The rows come in the order of the window tree's walk, which the window system decides.
    const HWND rows[] = {Find()->Matches()[0].hwnd, Find()->Matches()[1].hwnd};
    ASSERT_TRUE((rows[0] == first && rows[1] == second) || (rows[0] == second && rows[1] == first));

    // A double click on the second row, as the list reports it.
    ListView_SetItemState(List(), 1, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
    NMITEMACTIVATE activate{};
    activate.hdr = {List(), IDC_FIND_LIST, static_cast<UINT>(NM_DBLCLK)};
    activate.iItem = 1;
    ::SendMessageW(Find()->m_hWnd, WM_NOTIFY, IDC_FIND_LIST, reinterpret_cast<LPARAM>(&activate));
    EXPECT_EQ(dialog->ListedWindow(), rows[1]);
    EXPECT_EQ(::SendMessageW(List(), LVM_GETITEMCOUNT, 0, 0), 2);
    EXPECT_EQ(harness::SelectedRow(List()), 1);

    // Enter with the first row selected in the focused list.
    ListView_SetItemState(List(), 0, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
    ::SetFocus(List());
    MSG enter{List(), WM_KEYDOWN, VK_RETURN, 0, 0, {}};
    if (!CWnd::WalkPreTranslateTree(&enter))
        ::DispatchMessageW(&enter);
    harness::PumpMessages();
    EXPECT_EQ(dialog->ListedWindow(), rows[0]);
    EXPECT_EQ(harness::SelectedRow(List()), 0);
}

} // namespace
