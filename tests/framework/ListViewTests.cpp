// The list-view wrapper, bound and as a view of the same list, and the owner-data answer.
#include "framework/ListView.h"
#include "framework/TestApp.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

class ListViewTest : public ::testing::Test {
protected:
    CTestApp app;
};

TEST_F(ListViewTest, ABoundListAndACopiedViewOfItDriveTheSameControl) {
    CListCtrl bound;
    ASSERT_TRUE(bound.Create(WS_POPUP | LVS_REPORT, RECT{0, 0, 200, 200}, nullptr, 0));
    EXPECT_TRUE(bound.IsBound());
    const CListView view(bound.m_hWnd);
    const CListView copy = view; // a view owns nothing: copies come and go freely
    copy.InsertColumn(0, L"Name", LVCFMT_LEFT, 80);
    for (const wchar_t* name : {L"a", L"b", L"c", L"d"}) {
        LVITEMW item{};
        item.mask = LVIF_TEXT;
        item.iItem = bound.GetItemCount();
        item.pszText = const_cast<wchar_t*>(name);
        view.InsertItem(item);
    }
    bound.SetItemState(1, LVIS_SELECTED, LVIS_SELECTED);
    copy.SetItemState(3, LVIS_SELECTED, LVIS_SELECTED);
    EXPECT_EQ(view.SelectedItems(), (std::vector<int>{1, 3}));
    EXPECT_EQ(bound.GetItemText(3, 0), L"d");
    copy.SetItemState(-1, 0, LVIS_SELECTED);
    EXPECT_TRUE(bound.SelectedItems().empty());

    HWND hwnd = bound.m_hWnd;
    {
        const CListView gone = view;
        EXPECT_EQ(gone.GetItemCount(), 4);
    }
    EXPECT_TRUE(::IsWindow(hwnd)) << "a view that goes leaves its window";
    bound.DestroyWindow();
}

TEST_F(ListViewTest, AnOwnerDataListShowsTheCellsItIsAnsweredCutToItsBuffer) {
    CListView list;
    ASSERT_TRUE(list.Create(WS_POPUP | LVS_REPORT | LVS_OWNERDATA, RECT{0, 0, 200, 200}, nullptr, 0));
    list.InsertColumn(0, L"Cell", LVCFMT_LEFT, 80);
    list.SetItemCountEx(3);
    EXPECT_EQ(list.GetItemCount(), 3);

    const std::vector<std::wstring> rows = {L"first", L"second", L"third"};
    const auto cell = [&rows](size_t row, int column) { return rows[row] + std::to_wstring(column); };
    wchar_t buffer[5] = L"????";
    NMLVDISPINFOW info{};
    info.item.mask = LVIF_TEXT;
    info.item.iItem = 1;
    info.item.pszText = buffer;
    info.item.cchTextMax = 5;
    fw::AnswerDispInfo(info, rows.size(), cell);
    EXPECT_EQ(std::wstring(buffer), L"seco");

    info.item.iItem = 3;
    buffer[0] = L'x';
    fw::AnswerDispInfo(info, rows.size(), cell);
    EXPECT_EQ(buffer[0], L'x') << "a row past the end is left alone";
    ::DestroyWindow(list.m_hWnd);
}

} // namespace
