// Find Window as a user meets it: opened with Ctrl+F, Notepad's edit control named by its class and
// program, and the match double-clicked into the main window's listing.
#include "common/ValueFormat.h"
#include "e2e/NotepadWindow.h"
#include "harness/RemoteListView.h"
#include "res/resource.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

TEST(FindWindowE2e, CtrlFThenTypedCriteriaFindNotepadsEditAndADoubleClickListsIt) {
    harness::ClearOrvexSettings();
    harness::BackgroundProcess notepad;
    HWND edit = e2e::StartNotepad(notepad);
    ASSERT_NE(edit, nullptr);
    const std::wstring editHandle = orvex::FormatPointer(reinterpret_cast<UINT_PTR>(edit));

    harness::OrvexSession orvex;
    ASSERT_TRUE(orvex.Start());
    ASSERT_NE(orvex.WaitForMainWindow(), nullptr);
    ASSERT_TRUE(orvex.Activate());
    harness::xdo::Key(L"ctrl+f");
    HWND find = nullptr;
    ASSERT_TRUE(harness::WaitUntil(
        [&] {
            const auto found = harness::FindTopLevelWindows(orvex.Process().Id(), L"#32770", L"Find Window");
            find = found.empty() ? nullptr : found.front();
            return find && ::IsWindowVisible(find) && ::GetForegroundWindow() == find;
        },
        10000))
        << "Ctrl+F did not open Find Window";

    harness::xdo::Type(L"class=Edit,process=notepad.exe");
    HWND list = ::GetDlgItem(find, IDC_FIND_LIST);
    int row = -1;
    ASSERT_TRUE(harness::WaitUntil(
        [&] {
            const auto handles = harness::ReadListColumn(list, 0);
            const auto at = std::find(handles.begin(), handles.end(), editHandle);
            row = at == handles.end() ? -1 : static_cast<int>(at - handles.begin());
            return row >= 0;
        },
        10000))
        << "Notepad's edit control is not among the matches";

    const auto cell = harness::ListItemScreenRect(list, row);
    ASSERT_TRUE(cell.has_value());
    const int x = (cell->left + cell->right) / 2, y = (cell->top + cell->bottom) / 2;
    harness::xdo::MoveTo(x, y);
    harness::xdo::Click(x, y);
    harness::xdo::Click(x, y);
    EXPECT_TRUE(harness::WaitUntil(
        [&] { return harness::ValueOf(orvex.PropertyRows(), L"Handle") == editHandle; }, 10000))
        << "the main window lists " << harness::ValueOf(orvex.PropertyRows(), L"Handle");
    EXPECT_TRUE(orvex.Close());
    notepad.Kill();
}

} // namespace
