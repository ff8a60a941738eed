// Change Window used as a person would: F2 on Notepad's edit control picked with the hot key,
// WS_BORDER ticked in the style list from the keyboard and applied, and the listing showing the
// new style; Escape closes the tool.
#include "common/ValueFormat.h"
#include "e2e/NotepadWindow.h"
#include "harness/OrvexSession.h"
#include "harness/TestText.h"
#include "harness/Wait.h"

#include <gtest/gtest.h>

#include <string>

namespace {

TEST(ChangeWindowE2e, F2OnNotepadsEditControlTicksAndAppliesWsBorderAndTheListingShowsIt) {
    harness::ClearOrvexSettings();
    ASSERT_TRUE(harness::WriteRegistryDword(L"Settings", L"ViewMode", 1));
    harness::BackgroundProcess notepad;
    HWND edit = e2e::StartNotepad(notepad);
    ASSERT_NE(edit, nullptr);
    // The edit control starts without a border, so ticking the name is what gives it one.
    const auto style = static_cast<std::uint32_t>(::GetWindowLongPtrW(edit, GWL_STYLE)) & ~WS_BORDER;
    ::SetWindowLongPtrW(edit, GWL_STYLE, static_cast<LONG>(style));
    ::SetWindowPos(edit, nullptr, 0, 0, 0, 0,
                   SWP_FRAMECHANGED | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);

    harness::OrvexSession orvex;
    ASSERT_TRUE(orvex.Start());
    ASSERT_NE(orvex.WaitForMainWindow(), nullptr);
    ASSERT_TRUE(orvex.Activate());
    const POINT inEdit = harness::CenterOf(edit);
    harness::xdo::MoveTo(inEdit.x, inEdit.y);
    harness::xdo::Key(L"F9");
    ASSERT_TRUE(orvex.WaitListed(edit, 10000));
    EXPECT_EQ(harness::ValueOf(orvex.PropertyRows(), L"Window Styles"), orvex::FormatHex32(style));

    harness::xdo::Key(L"F2");
    HWND tool = nullptr;
    ASSERT_TRUE(harness::WaitUntil(
        [&] {
            const auto found =
                harness::FindTopLevelWindows(orvex.Process().Id(), L"#32770", L"Change Window");
            tool = found.size() == 1 ? found.front() : nullptr;
            return tool && ::IsWindowVisible(tool) && ::GetForegroundWindow() == tool;
        },
        10000))
        << "F2 opened no Change Window";

    // Alt+M to the style names, the name typed to go to its row, Space ticks it, Alt+P applies.
    harness::xdo::Key(L"alt+m");
    harness::xdo::Type(L"WS_BORDER");
    harness::xdo::Key(L"space");
    harness::xdo::Key(L"alt+p");
    const std::wstring bordered = orvex::FormatHex32(style | WS_BORDER);
    std::vector<harness::ListRow> rows;
    EXPECT_TRUE(harness::WaitUntil(
        [&] {
            rows = orvex.PropertyRows();
            return harness::ValueOf(rows, L"Window Styles") == bordered;
        },
        10000))
        << "the listing shows " << std::string(bordered.begin(), bordered.end()) << "? it shows "
        << std::string(harness::ValueOf(rows, L"Window Styles").begin(),
                       harness::ValueOf(rows, L"Window Styles").end());
    EXPECT_EQ(harness::ValueOf(rows, L"WS_BORDER"), L"0x00800000");
    EXPECT_EQ(static_cast<std::uint32_t>(::GetWindowLongPtrW(edit, GWL_STYLE)), style | WS_BORDER);

    harness::xdo::Key(L"Escape");
    EXPECT_TRUE(harness::WaitUntil([&] { return !::IsWindow(tool); }, 5000));
    EXPECT_TRUE(orvex.Close());
    notepad.Kill();
}

} // namespace
