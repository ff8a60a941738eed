// Moving between related windows as a user does: with more properties on, Notepad's edit control
// picked with the hot key, "Go to Parent" chosen from the property list's menu with the mouse,
// and Alt+Left back to the edit control.
#include "common/ValueFormat.h"
#include "e2e/NotepadWindow.h"
#include "e2e/SettingsHelpers.h"
#include "framework/Handles.h"
#include "harness/WindowWatcher.h"
#include "res/resource.h"

#include <gtest/gtest.h>

#include <optional>

namespace {

// Where item `index` of the property list's menu lies within its popup, measured on the same menu
// (this program carries Orvex's resources) shown here: Wine keeps a menu in the process that made
// it, so Orvex's own cannot be asked from outside.
std::optional<RECT> PropertyMenuItemOffset(int index) {
    fw::UniqueMenu menu(::LoadMenuW(::GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDR_PROPERTY_MENU)));
    HMENU popup = menu ? ::GetSubMenu(menu.get(), 0) : nullptr;
    HWND owner =
        ::CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr, nullptr, nullptr);
    if (!popup || !owner)
        return std::nullopt;
    std::optional<RECT> offset;
    harness::WindowWatcher watcher(
        [](HWND hwnd) { return harness::IsOwnVisibleWindowOfClass(hwnd, L"#32768"); },
        [&](HWND shown) {
            RECT window{}, item{};
            if (::GetWindowRect(shown, &window) && ::GetMenuItemRect(nullptr, popup, index, &item))
                offset = RECT{item.left - window.left, item.top - window.top, item.right - window.left,
                              item.bottom - window.top};
            ::PostMessageW(shown, WM_KEYDOWN, VK_ESCAPE, 0);
        });
    ::TrackPopupMenu(popup, 0, 100, 100, 0, owner, nullptr);
    watcher.Stop();
    ::DestroyWindow(owner);
    return offset;
}

TEST(NavigationE2e, GoToParentFromTheMenuListsNotepadAndAltLeftReturnsToItsEditControl) {
    harness::ClearOrvexSettings();
    ASSERT_TRUE(harness::WriteRegistryDword(L"Settings", L"ViewMode", 1));
    ASSERT_TRUE(harness::WriteRegistryDword(L"Settings", L"MoreProperties", 1));
    harness::BackgroundProcess notepad;
    HWND edit = e2e::StartNotepad(notepad);
    ASSERT_NE(edit, nullptr);
    HWND frame = ::GetAncestor(edit, GA_PARENT);
    const std::wstring editHandle = orvex::FormatPointer(reinterpret_cast<UINT_PTR>(edit));
    const std::wstring frameHandle = orvex::FormatPointer(reinterpret_cast<UINT_PTR>(frame));

    harness::OrvexSession orvex;
    ASSERT_TRUE(orvex.Start());
    ASSERT_NE(orvex.WaitForMainWindow(), nullptr);
    ASSERT_TRUE(orvex.Activate());
    const POINT inEdit = harness::CenterOf(edit);
    harness::xdo::MoveTo(inEdit.x, inEdit.y);
    harness::xdo::Key(L"F9");
    std::vector<harness::ListRow> rows;
    ASSERT_TRUE(harness::WaitUntil(
        [&] {
            rows = orvex.PropertyRows();
            return harness::ValueOf(rows, L"Handle") == editHandle;
        },
        10000));
    EXPECT_EQ(harness::ValueOf(rows, L"Parent"), frameHandle + L" (Notepad)")
        << "the Windows group is listed";

    // Right-click in the list, then click "Go to Parent" in the menu.
    RECT list{};
    ::GetWindowRect(orvex.Control(103), &list);
    harness::xdo::Click((list.left + list.right) / 2, list.top + 40, 3);
    HWND popup = nullptr;
    ASSERT_TRUE(harness::WaitUntil(
        [&] {
            const auto found = harness::FindTopLevelWindows(orvex.Process().Id(), L"#32768", nullptr);
            popup = found.empty() ? nullptr : found.front();
            return popup && ::IsWindowVisible(popup);
        },
        5000))
        << "no menu";
    const std::optional<RECT> item = PropertyMenuItemOffset(2); // after Copy and a separator
    ASSERT_TRUE(item.has_value());
    RECT shown{};
    ::GetWindowRect(popup, &shown);
    harness::xdo::Click(shown.left + (item->left + item->right) / 2,
                        shown.top + (item->top + item->bottom) / 2);
    EXPECT_TRUE(harness::WaitUntil(
        [&] { return harness::ValueOf(orvex.PropertyRows(), L"Handle") == frameHandle; }, 10000))
        << "Notepad's main window is not listed";

    harness::xdo::Key(L"alt+Left");
    EXPECT_TRUE(harness::WaitUntil(
        [&] { return harness::ValueOf(orvex.PropertyRows(), L"Handle") == editHandle; }, 10000))
        << "Alt+Left did not return to the edit control";
    EXPECT_TRUE(orvex.Close());
    EXPECT_EQ(settings_e2e::QueryDword(settings_e2e::kSettings, L"MoreProperties"), 1ul);
    notepad.Kill();
}

} // namespace
