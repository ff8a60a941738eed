// The Change Window tool in the test process, opened by the real main dialog's menu command on a
// window of the helper target: the values it shows and how it follows the listing, each kind of
// change read back from the window with Undo All putting them back, and what it refuses.
#include "maindlg/MainDialogFixture.h"

#include "change/ChangeWindowDialog.h"
#include "change/StyleCheckList.h"
#include "common/ValueFormat.h"
#include "harness/TargetClient.h"
#include "harness/WindowWatcher.h"

#include <string>

namespace {

using maindlg_test::MainDialogTest;
using orvex::StyleWord;

class ChangeWindowDialogTest : public MainDialogTest {
protected:
    void SetUp() override {
        MainDialogTest::SetUp();
        ASSERT_TRUE(target.IsRunning());
        frame = target.Create(harness::WindowRequest::Frame(L"Change me", {600, 200, 1000, 500}));
        ASSERT_NE(frame, nullptr);
        edit = target.Create(harness::WindowRequest::Child(frame, L"Edit", L"some text",
                                                           ES_CENTER | WS_BORDER, {20, 30, 220, 60}, 7));
        ASSERT_NE(edit, nullptr);
        ASSERT_TRUE(OpenDialog());
    }

    // Lists `hwnd` and opens the tool from the property list's menu, as a user does.
    CChangeWindowDialog* OpenOn(HWND hwnd) {
        dialog->ShowWindowProperties(hwnd);
        dialog->SendMessage(WM_COMMAND, MAKEWPARAM(ID_PROPERTY_CHANGE_WINDOW, 0), 0);
        harness::PumpMessages();
        tool = Inside().ChangeWindow();
        return tool;
    }
    HWND Item(int id) const { return ::GetDlgItem(tool->m_hWnd, id); }
    std::wstring Text(int id) const {
        wchar_t text[512] = {};
        ::GetDlgItemTextW(tool->m_hWnd, id, text, 512);
        return text;
    }
    void SetText(int id, const std::wstring& text) const {
        ::SetDlgItemTextW(tool->m_hWnd, id, text.c_str());
    }
    // A click on a button, as the button reports it; a check box is ticked or cleared first.
    void Click(int id) const {
        if ((::GetWindowLongW(Item(id), GWL_STYLE) & BS_TYPEMASK) == BS_AUTOCHECKBOX)
            ::SendMessageW(Item(id), BM_SETCHECK, !::IsDlgButtonChecked(tool->m_hWnd, id), 0);
        ::SendMessageW(tool->m_hWnd, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED),
                       reinterpret_cast<LPARAM>(Item(id)));
    }
    // Waits until no change is under way; the status line then tells how the last one went.
    bool Settled() const {
        return harness::WaitUntil([&] { return !tool->Changing(); }, 10000);
    }
    RECT PlacedRect(HWND hwnd) const {
        RECT rect{};
        ::GetWindowRect(hwnd, &rect);
        if (::GetWindowLongW(hwnd, GWL_STYLE) & WS_CHILD)
            ::MapWindowPoints(nullptr, ::GetParent(hwnd), reinterpret_cast<POINT*>(&rect), 2);
        return rect;
    }
    static std::wstring WindowTitle(HWND hwnd) {
        wchar_t text[256] = {};
        ::GetWindowTextW(hwnd, text, 256);
        return text;
    }

    harness::TargetProcess target;
    HWND frame = nullptr;
    HWND edit = nullptr;
    CChangeWindowDialog* tool = nullptr;
};

TEST_F(ChangeWindowDialogTest, ShowsTheListedWindowsValuesAndFollowsTheListing) {
    ASSERT_NE(OpenOn(edit), nullptr);
    ASSERT_TRUE(::IsWindowVisible(tool->m_hWnd));
    EXPECT_EQ(::GetWindow(tool->m_hWnd, GW_OWNER), Main());
    EXPECT_TRUE(harness::WaitUntil([&] { return Text(IDC_CHANGE_TEXT) == L"some text"; }))
        << "the text is asked for off the window thread";
    const RECT placed = PlacedRect(edit);
    EXPECT_EQ(Text(IDC_CHANGE_X), std::to_wstring(placed.left)) << "in the parent's client area";
    EXPECT_EQ(Text(IDC_CHANGE_Y), std::to_wstring(placed.top));
    EXPECT_EQ(Text(IDC_CHANGE_WIDTH), std::to_wstring(placed.right - placed.left));
    EXPECT_EQ(Text(IDC_CHANGE_PLACE_NOTE), L"X and Y are in the parent window's client area.");
    const auto style = static_cast<std::uint32_t>(::GetWindowLongW(edit, GWL_STYLE));
    EXPECT_EQ(Text(IDC_CHANGE_STYLE), orvex::FormatHex32(style));
    // The class's own names are offered, and a group shows the one choice the word holds.
    const int center = tool->StyleRow(StyleWord::Style, L"ES_CENTER");
    const int right = tool->StyleRow(StyleWord::Style, L"ES_RIGHT");
    ASSERT_GE(center, 0);
    ASSERT_GE(right, 0);
    CListView list(Item(IDC_CHANGE_STYLES));
    EXPECT_EQ(list.GetItemState(center, LVIS_STATEIMAGEMASK), INDEXTOSTATEIMAGEMASK(4u)) << "radio, chosen";
    EXPECT_EQ(list.GetItemState(right, LVIS_STATEIMAGEMASK), INDEXTOSTATEIMAGEMASK(3u));
    tool->ToggleStyleRow(right);
    EXPECT_EQ(tool->ShownWord(StyleWord::Style), (style & ~3u) | 2u) << "choosing one clears its group";
    EXPECT_EQ(Text(IDC_CHANGE_STYLE), orvex::FormatHex32((style & ~3u) | 2u));
    SetText(IDC_CHANGE_EXSTYLE, L"0x80");
    EXPECT_TRUE(orvex::ChoiceDescribes(*orvex::FindStyleChoice(StyleWord::ExStyle, L"", L"WS_EX_TOOLWINDOW"),
                                       tool->ShownWord(StyleWord::ExStyle)))
        << "a typed word ticks its names";

    // A change, then the same window listed again: the undo list stays. Another window: it goes.
    SetText(IDC_CHANGE_TEXT, L"changed");
    Click(IDC_CHANGE_SET_TEXT);
    ASSERT_TRUE(Settled());
    EXPECT_TRUE(::IsWindowEnabled(Item(IDC_CHANGE_UNDO_ALL)));
    dialog->ShowWindowProperties(edit);
    EXPECT_TRUE(::IsWindowEnabled(Item(IDC_CHANGE_UNDO_ALL)));
    dialog->ShowWindowProperties(frame);
    EXPECT_EQ(tool->Target(), frame);
    EXPECT_FALSE(::IsWindowEnabled(Item(IDC_CHANGE_UNDO_ALL)));
    EXPECT_EQ(Text(IDC_CHANGE_PLACE_NOTE), L"X and Y are on the screen.");
    EXPECT_TRUE(harness::WaitUntil([&] { return Text(IDC_CHANGE_TEXT) == L"Change me"; }));
}

TEST_F(ChangeWindowDialogTest, EachChangeIsReadBackAndListedAndUndoAllPutsThemAllBack) {
    ASSERT_NE(OpenOn(frame), nullptr);
    ASSERT_TRUE(harness::WaitUntil([&] { return Text(IDC_CHANGE_TEXT) == L"Change me"; }));
    const RECT before = PlacedRect(frame);
    const LONG exStyleBefore = ::GetWindowLongW(frame, GWL_EXSTYLE);
    const unsigned listings = Inside().ListingNumber();

    SetText(IDC_CHANGE_TEXT, L"New title");
    Click(IDC_CHANGE_SET_TEXT);
    ASSERT_TRUE(Settled());
    EXPECT_EQ(WindowTitle(frame), L"New title");
    EXPECT_EQ(tool->Status(), L"The text is now \u201CNew title\u201D.");
    EXPECT_GT(Inside().ListingNumber(), listings) << "the main window lists the window again";

    SetText(IDC_CHANGE_X, L"-20");
    SetText(IDC_CHANGE_Y, L"0x40");
    SetText(IDC_CHANGE_WIDTH, L"300");
    Click(IDC_CHANGE_SET_PLACE);
    ASSERT_TRUE(Settled());
    const RECT moved = PlacedRect(frame);
    EXPECT_EQ(moved.left, -20);
    EXPECT_EQ(moved.top, 64);
    EXPECT_EQ(moved.right - moved.left, 300);

    tool->ToggleStyleRow(tool->StyleRow(StyleWord::ExStyle, L"WS_EX_TOOLWINDOW"));
    Click(IDC_CHANGE_APPLY);
    ASSERT_TRUE(Settled());
    EXPECT_EQ(::GetWindowLongW(frame, GWL_EXSTYLE), exStyleBefore | WS_EX_TOOLWINDOW);

    Click(IDC_CHANGE_ENABLED);
    ASSERT_TRUE(Settled());
    EXPECT_FALSE(::IsWindowEnabled(frame));
    Click(IDC_CHANGE_MINIMIZE);
    ASSERT_TRUE(Settled());
    EXPECT_TRUE(::IsIconic(frame)) << tool->Status();

    Click(IDC_CHANGE_UNDO_ALL);
    ASSERT_TRUE(Settled());
    EXPECT_FALSE(::IsIconic(frame));
    EXPECT_TRUE(::IsWindowEnabled(frame));
    EXPECT_EQ(::GetWindowLongW(frame, GWL_EXSTYLE), exStyleBefore);
    const RECT back = PlacedRect(frame);
    EXPECT_TRUE(::EqualRect(&back, &before));
    EXPECT_EQ(WindowTitle(frame), L"Change me");
    EXPECT_EQ(Text(IDC_CHANGE_TEXT), L"Change me") << "the fields show what the window reports";
    EXPECT_FALSE(::IsWindowEnabled(Item(IDC_CHANGE_UNDO_ALL)));

    // Closing asks first, naming the window and its program.
    std::wstring question;
    harness::WindowWatcher answer(
        [main = Main()](HWND hwnd) { return hwnd != main && harness::IsOwnDialog(hwnd, L"Orvex"); },
        [&](HWND box) {
            question = harness::StaticTexts(box);
            ::PostMessageW(box, WM_COMMAND, IDYES, 0);
        });
    Click(IDC_CHANGE_CLOSE_WINDOW);
    answer.Stop();
    EXPECT_NE(question.find(orvex::FormatPointer(reinterpret_cast<UINT_PTR>(frame))), std::wstring::npos);
    EXPECT_NE(question.find(L"orvex_target"), std::wstring::npos)
        << std::string(question.begin(), question.end());
    EXPECT_TRUE(harness::WaitUntil([&] { return !::IsWindow(frame); }));
}

TEST_F(ChangeWindowDialogTest, ABadNumberOrOrvexsOwnWindowIsRefusedWithItsReasonAndNothingChanges) {
    ASSERT_NE(OpenOn(frame), nullptr);
    const RECT before = PlacedRect(frame);
    SetText(IDC_CHANGE_Y, L"12x");
    Click(IDC_CHANGE_SET_PLACE);
    EXPECT_EQ(tool->Status(), L"not a number: '12x'.");
    EXPECT_EQ(::GetFocus(), Item(IDC_CHANGE_Y));
    SetText(IDC_CHANGE_STYLE, L"+WS_NOSUCH");
    Click(IDC_CHANGE_APPLY);
    EXPECT_EQ(tool->Status(), L"unknown style name 'WS_NOSUCH' for class OrvexTargetWindow.");
    EXPECT_FALSE(tool->Changing());
    const RECT after = PlacedRect(frame);
    EXPECT_TRUE(::EqualRect(&after, &before));

    dialog->ShowWindowProperties(Main());
    EXPECT_EQ(tool->Status(), kChangeOwnWindow) << "said as soon as it is listed";
    SetText(IDC_CHANGE_TEXT, L"Not Orvex");
    Click(IDC_CHANGE_SET_TEXT);
    ASSERT_TRUE(Settled());
    EXPECT_EQ(tool->Status(), kChangeOwnWindow);
    EXPECT_EQ(WindowTitle(Main()), L"Orvex");
    EXPECT_FALSE(::IsWindowEnabled(Item(IDC_CHANGE_UNDO_ALL)));
}

} // namespace
