// Where the list control draws no groups, the property view shows each group's header as a heading
// row of its own; headings are never selected or copied, and each listing rebuilds them.
#include "framework/Dialog.h"
#include "framework/TestApp.h"
#include "harness/RunningOnWine.h"
#include "harness/Wait.h"
#include "inspect/PropertiesView.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

class CHostDialog : public CDialog {
public:
    CHostDialog() : CDialog(IDD_TEST_DIALOG) {}
};

class HeadingRowsTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(host.Create(IDD_TEST_DIALOG));
        ASSERT_TRUE(view.Create(WS_CHILD | WS_VISIBLE | LVS_REPORT | LVS_SINGLESEL | LVS_NOCOLUMNHEADER,
                                RECT{0, 0, 300, 400}, host.m_hWnd, 103));
    }
    void TearDown() override { host.DestroyWindow(); }

    std::vector<std::wstring> Names() const {
        std::vector<std::wstring> names;
        for (int i = 0; i < view.GetItemCount(); ++i)
            names.push_back(view.GetItemText(i, 0));
        return names;
    }
    int Selected() const { return view.GetNextItem(-1, LVNI_SELECTED); }
    void Press(UINT key) {
        view.SendMessage(WM_KEYDOWN, key, 1);
        harness::PumpMessages();
    }
    // A detail-like listing: two general rows, one style row, one process row, no class rows.
    std::vector<int> FillDetail() {
        return {view.AddProperty(GROUP_GENERAL, L"Handle", L"0x00000001", KIND_HANDLE),
                view.AddProperty(GROUP_GENERAL, L"Text", L"hello", KIND_TEXT),
                view.AddProperty(GROUP_STYLES, L"Window Styles", L"0x10000000", KIND_WINDOW_STYLES),
                view.AddProperty(GROUP_PROCESS, L"Process ID", L"42", KIND_NUMBER)};
    }

    CTestApp app;
    CHostDialog host;
    CPropertiesView view;
};

TEST_F(HeadingRowsTest, ModeIsDecidedByWhatTheControlReportsAboutItsGroups) {
    const bool controlShowsGroups = view.IsGroupViewEnabled() && view.GetGroupCount() == 5;
    EXPECT_EQ(view.UsesHeadingRows(), !controlShowsGroups);
    if (harness::RunningOnWine()) {
        EXPECT_TRUE(view.UsesHeadingRows()) << "Wine 8's list view ignores list-view groups";
    }
}

TEST_F(HeadingRowsTest, WithGroupsShownTheListHoldsExactlyThePropertyRows) {
    view.SetHeadingRows(false);
    EXPECT_EQ(FillDetail(), (std::vector<int>{0, 1, 2, 3}));
    EXPECT_EQ(Names(), (std::vector<std::wstring>{L"Handle", L"Text", L"Window Styles", L"Process ID"}));
}

TEST_F(HeadingRowsTest, EachGroupWithRowsGetsOneHeadingJustBeforeItsFirstRow) {
    view.SetHeadingRows(true);
    // AddProperty still answers the index of the property row it added.
    EXPECT_EQ(FillDetail(), (std::vector<int>{1, 2, 4, 6}));
    EXPECT_EQ(Names(), (std::vector<std::wstring>{L"General", L"Handle", L"Text", L"Styles", L"Window Styles",
                                                  L"Process", L"Process ID"}));
    for (int heading : {0, 3, 5}) {
        EXPECT_TRUE(view.IsHeadingRow(heading));
        EXPECT_EQ(view.GetItemText(heading, 1), L"");
        LVITEMW item{};
        item.mask = LVIF_INDENT | LVIF_IMAGE;
        item.iItem = heading;
        view.SendMessage(LVM_GETITEMW, 0, reinterpret_cast<LPARAM>(&item));
        EXPECT_EQ(item.iIndent, 0);
        EXPECT_EQ(item.iImage, I_IMAGENONE) << "a heading shows no marker";
    }
    EXPECT_FALSE(view.IsHeadingRow(1));

    // The next listing (a summary, say) starts over with its own headings only.
    view.DeleteAllItems();
    view.AddProperty(GROUP_SUMMARY, L"Handle", L"0x00000002", KIND_HANDLE);
    view.AddProperty(GROUP_SUMMARY, L"Class Name", L"Button", KIND_CLASS_NAME);
    EXPECT_EQ(Names(), (std::vector<std::wstring>{L"Summary", L"Handle", L"Class Name"}));
}

TEST_F(HeadingRowsTest, HeadingsAreNeverSelectedByKeyboardOrDirectly) {
    view.SetHeadingRows(true);
    FillDetail();
    view.SetFocus();
    view.SetItemState(1, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
    Press(VK_DOWN);
    EXPECT_EQ(Selected(), 2);
    Press(VK_DOWN); // onto the "Styles" heading: passes on to its first row
    EXPECT_EQ(Selected(), 4);
    Press(VK_UP); // back over the heading
    EXPECT_EQ(Selected(), 2);
    Press(VK_HOME); // the very first row is a heading
    EXPECT_EQ(Selected(), 1);

    view.SetItemState(5, LVIS_SELECTED, LVIS_SELECTED);
    harness::PumpMessages();
    EXPECT_FALSE(view.IsHeadingRow(Selected()));
    EXPECT_NE(Selected(), 5);
}

TEST_F(HeadingRowsTest, CopyTakesThePropertyRowsValueAndNeverAHeading) {
    view.SetHeadingRows(true);
    FillDetail();
    view.SetItemState(2, LVIS_SELECTED, LVIS_SELECTED);
    view.CopySelectedValue();
    ASSERT_TRUE(::OpenClipboard(view.m_hWnd));
    auto text = static_cast<const wchar_t*>(::GlobalLock(::GetClipboardData(CF_UNICODETEXT)));
    ASSERT_NE(text, nullptr);
    EXPECT_STREQ(text, L"hello");
    ::GlobalUnlock(::GetClipboardData(CF_UNICODETEXT));
    ::CloseClipboard();
}

TEST_F(HeadingRowsTest, EmptyListingShowsThePromptAndNoLoneHeading) {
    view.SetHeadingRows(true);
    view.SetEmptyText(L"prompt");
    FillDetail();
    view.DeleteAllItems();
    EXPECT_EQ(view.GetItemCount(), 0);
    EXPECT_EQ(view.GetEmptyText(), L"prompt");
}

} // namespace
