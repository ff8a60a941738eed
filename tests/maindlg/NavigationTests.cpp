// Moving between related windows from the main window: the Go to commands, Back and Forward over
// the finished picks, the menu that offers them, and the further groups the option adds.
#include "maindlg/MainDialogFixture.h"

#include "core/RowCollector.h"
#include "inspect/Listing.h"
#include "inspect/ListingCapture.h"
#include "find/WindowNaming.h"

namespace {

using maindlg_test::MainDialogTest;

class NavigationTest : public MainDialogTest {
protected:
    void SetUp() override {
        MainDialogTest::SetUp();
        frame = Make(L"frame", WS_POPUP, nullptr);
        for (HWND& child : children)
            child = Make(L"child", WS_CHILD, frame);
        ASSERT_TRUE(OpenDialog());
    }
    void TearDown() override {
        ::DestroyWindow(frame);
        MainDialogTest::TearDown();
    }
    static HWND Make(const wchar_t* text, DWORD style, HWND parent) {
        return ::CreateWindowExW(0, L"STATIC", text, style, 0, 0, 50, 50, parent, nullptr, nullptr, nullptr);
    }
    void Command(UINT id) {
        ::SendMessageW(Main(), WM_COMMAND, id, 0);
        harness::PumpMessages();
    }
    // Which of the menu's items the main window offers for the listing shown.
    std::vector<UINT> Offered() {
        fw::UniqueMenu menu(::LoadMenuW(::GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDR_PROPERTY_MENU)));
        HMENU popup = ::GetSubMenu(menu.get(), 0);
        NMPROPERTYMENU prepare{};
        prepare.hdr = {View().m_hWnd, IDC_PROPERTIES, PVN_PREPAREMENU};
        prepare.menu = popup;
        ::SendMessageW(Main(), WM_NOTIFY, IDC_PROPERTIES, reinterpret_cast<LPARAM>(&prepare));
        std::vector<UINT> offered;
        for (UINT id = ID_PROPERTY_GO_PARENT; id <= ID_PROPERTY_FORWARD; ++id)
            if (!(::GetMenuState(popup, id, MF_BYCOMMAND) & MF_GRAYED))
                offered.push_back(id);
        if (::GetMenuState(popup, ID_PROPERTY_MORE, MF_BYCOMMAND) & MF_CHECKED)
            offered.push_back(ID_PROPERTY_MORE);
        return offered;
    }

    HWND frame = nullptr;
    HWND children[3] = {};
};

TEST_F(NavigationTest, GoToFollowsTheRelationsAndBackAndForwardWalkThePicksPastWindowsGone) {
    EXPECT_TRUE(Offered().empty()) << "nothing listed, nothing picked";
    dialog->SelectWindow(children[1], Selection::Finished);
    Command(ID_PROPERTY_GO_PARENT);
    EXPECT_EQ(dialog->ListedWindow(), frame);
    EXPECT_EQ(Offered(), (std::vector<UINT>{ID_PROPERTY_GO_PARENT, ID_PROPERTY_GO_FIRST_CHILD,
                                            ID_PROPERTY_GO_PREVIOUS, ID_PROPERTY_GO_NEXT, ID_PROPERTY_BACK}))
        << "a top-level window without an owner; its parent is the desktop window";
    Command(ID_PROPERTY_GO_FIRST_CHILD);
    const HWND first = ::GetWindow(frame, GW_CHILD);
    EXPECT_EQ(dialog->ListedWindow(), first);
    Command(ID_PROPERTY_GO_NEXT);
    const HWND next = ::GetWindow(first, GW_HWNDNEXT);
    EXPECT_EQ(dialog->ListedWindow(), next);
    dialog->SelectWindow(frame, Selection::Step); // a step on the way is no pick
    Command(ID_PROPERTY_BACK);
    EXPECT_EQ(dialog->ListedWindow(), first);
    Command(ID_PROPERTY_FORWARD);
    EXPECT_EQ(dialog->ListedWindow(), next);

    ::DestroyWindow(first);
    Command(ID_PROPERTY_BACK);
    EXPECT_EQ(dialog->ListedWindow(), frame) << "the destroyed child is passed over";
    Command(ID_PROPERTY_GO_PARENT);
    EXPECT_EQ(dialog->ListedWindow(), ::GetDesktopWindow());
    EXPECT_FALSE(Offered().empty() || Offered().back() == ID_PROPERTY_FORWARD)
        << "a new pick cuts off what lay ahead";

    // A row naming a window, double-clicked, is a pick too.
    NMPROPERTYWINDOW go{};
    go.hdr = {View().m_hWnd, IDC_PROPERTIES, PVN_GOTOWINDOW};
    go.window = children[2];
    ::SendMessageW(Main(), WM_NOTIFY, IDC_PROPERTIES, reinterpret_cast<LPARAM>(&go));
    EXPECT_EQ(dialog->ListedWindow(), children[2]);
}

TEST_F(NavigationTest, MorePropertiesOnlyAddTheirGroupsAfterTheDetailListingAndAreKeptAtExit) {
    RowCollector plain, more, summary, summaryMore;
    ASSERT_TRUE(AddWindowListing(plain, frame, orvex::ViewMode::Detail, false));
    ASSERT_TRUE(AddWindowListing(more, frame, orvex::ViewMode::Detail, true));
    ASSERT_GT(more.rows.size(), plain.rows.size());
    EXPECT_TRUE(std::equal(plain.rows.begin(), plain.rows.end(), more.rows.begin()));
    for (size_t row = plain.rows.size(); row < more.rows.size(); ++row)
        EXPECT_GE(more.rows[row].group, GROUP_WINDOWS);
    ASSERT_TRUE(AddWindowListing(summary, frame, orvex::ViewMode::Summary, false));
    ASSERT_TRUE(AddWindowListing(summaryMore, frame, orvex::ViewMode::Summary, true));
    EXPECT_EQ(summary.rows, summaryMore.rows) << "the option touches the Detail listing only";

    dialog->SelectWindow(frame, Selection::Finished);
    const int shown = View().GetItemCount();
    Command(ID_PROPERTY_MORE);
    EXPECT_GT(View().GetItemCount(), shown) << "the menu's choice lists the groups at once";
    EXPECT_NE(Offered().back(), 0u);
    EXPECT_EQ(Offered().back(), static_cast<UINT>(ID_PROPERTY_MORE)) << "and is checked";
    CloseDialog();
    app.ExitInstance();
    EXPECT_EQ(app.GetProfileInt(L"Settings", L"MoreProperties", 0), 1u);
}

TEST_F(NavigationTest, CopyAllAsJsonPutsTheListedWindowsListingOnTheClipboard) {
    dialog->SelectWindow(children[0], Selection::Finished);
    ASSERT_TRUE(::OpenClipboard(nullptr) && ::EmptyClipboard() && ::CloseClipboard());
    Command(ID_PROPERTY_COPY_JSON);
    std::vector<orvex::ListingRow> rows;
    ASSERT_TRUE(CaptureWindowListing(children[0], orvex::ViewMode::Detail, false, rows));
    const std::string json = orvex::ListingJson(reinterpret_cast<UINT_PTR>(children[0]), rows);
    ASSERT_TRUE(::OpenClipboard(nullptr));
    const auto* text = static_cast<const wchar_t*>(::GlobalLock(::GetClipboardData(CF_UNICODETEXT)));
    const std::wstring copied = text ? text : L"";
    if (text)
        ::GlobalUnlock(::GetClipboardData(CF_UNICODETEXT));
    ::CloseClipboard();
    EXPECT_EQ(copied, std::wstring(json.begin(), json.end())) << "ASCII only here, so byte for unit";
}

// Copy Target copies what --name prints; Copy Picture a bitmap of the listed window's size. Both,
// and Save Picture, are greyed with nothing listed.
TEST_F(NavigationTest, CopyTargetAndCopyPictureTakeTheListedWindow) {
    const auto grayed = [&](UINT id) {
        fw::UniqueMenu menu(::LoadMenuW(::GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDR_PROPERTY_MENU)));
        NMPROPERTYMENU prepare{};
        prepare.hdr = {View().m_hWnd, IDC_PROPERTIES, PVN_PREPAREMENU};
        prepare.menu = ::GetSubMenu(menu.get(), 0);
        ::SendMessageW(Main(), WM_NOTIFY, IDC_PROPERTIES, reinterpret_cast<LPARAM>(&prepare));
        return (::GetMenuState(prepare.menu, id, MF_BYCOMMAND) & MF_GRAYED) != 0;
    };
    for (UINT id : {ID_PROPERTY_COPY_TARGET, ID_PROPERTY_COPY_PICTURE, ID_PROPERTY_SAVE_PICTURE})
        EXPECT_TRUE(grayed(id)) << id;
    dialog->SelectWindow(children[0], Selection::Finished);
    EXPECT_FALSE(grayed(ID_PROPERTY_SAVE_PICTURE));

    Command(ID_PROPERTY_COPY_TARGET);
    ASSERT_TRUE(::OpenClipboard(nullptr));
    const auto* text = static_cast<const wchar_t*>(::GlobalLock(::GetClipboardData(CF_UNICODETEXT)));
    const std::wstring copied = text ? text : L"";
    if (text)
        ::GlobalUnlock(::GetClipboardData(CF_UNICODETEXT));
    ::CloseClipboard();
    EXPECT_EQ(copied, WindowTargetName(children[0]));

    Command(ID_PROPERTY_COPY_PICTURE);
    ASSERT_TRUE(::OpenClipboard(nullptr));
    const auto* header = static_cast<const BITMAPINFOHEADER*>(::GlobalLock(::GetClipboardData(CF_DIB)));
    ASSERT_NE(header, nullptr);
    EXPECT_EQ(header->biWidth, 50);
    EXPECT_EQ(std::abs(header->biHeight), 50);
    ::GlobalUnlock(::GetClipboardData(CF_DIB));
    ::CloseClipboard();
}

} // namespace
