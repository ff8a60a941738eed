// The message filter dialog, opened over the main window the way the log opens it: what comes
// back out on OK and on Cancel, an Add refused for a message already listed, and the boxes turned
// over where a change of mode would make them show all or nothing.
#include "maindlg/MainDialogFixture.h"

#include "harness/WindowWatcher.h"
#include "msglog/ExcludedMessageText.h"
#include "msglog/MessageFilterDialog.h"

#include <functional>
#include <string>

namespace {

using maindlg_test::MainDialogTest;
using orvex::CategoryBit;
using orvex::MessageCategory;
using orvex::MessageFilter;

constexpr std::uint32_t kWmPaint = 0x000F;
constexpr std::uint32_t kWmMouseMove = 0x0200;
constexpr std::uint32_t kWmUserPlusOne = 0x0401;

const MessageFilter kOpened{orvex::kAllCategories & ~CategoryBit(MessageCategory::Timer), {kWmPaint}};

class MessageFilterDialogTest : public MainDialogTest {
protected:
    // Runs the dialog modally over the main window; `act` works on it from another thread.
    INT_PTR Run(CMessageFilterDialog& filterDialog, const std::function<void(HWND)>& act) {
        harness::WindowWatcher watcher(
            [](HWND hwnd) { return harness::IsOwnDialog(hwnd, L"Message Filter"); }, act);
        const INT_PTR result = filterDialog.DoModal();
        watcher.Stop();
        EXPECT_TRUE(watcher.Seen()) << "the filter dialog did not open";
        return result;
    }

    static void Click(HWND dialog, int id) { ::SendMessageW(::GetDlgItem(dialog, id), BM_CLICK, 0, 0); }

    // Replaces the message field's text key by key, as typing does, so the dialog hears of it.
    static void Type(HWND dialog, const std::wstring& text) {
        HWND field = ::FindWindowExW(::GetDlgItem(dialog, IDC_FILTER_MESSAGE), nullptr, L"Edit", nullptr);
        ASSERT_NE(field, nullptr);
        ::SendMessageW(field, EM_SETSEL, 0, -1);
        ::SendMessageW(field, WM_CHAR, VK_BACK, 0);
        for (wchar_t letter : text)
            ::SendMessageW(field, WM_CHAR, letter, 0);
    }

    static bool AddEnabled(HWND dialog) { return ::IsWindowEnabled(::GetDlgItem(dialog, IDC_FILTER_ADD)); }
    static LRESULT ListedCount(HWND dialog) {
        return ::SendDlgItemMessageW(dialog, IDC_FILTER_EXCLUDED, LB_GETCOUNT, 0, 0);
    }
    static int CheckedBoxes(HWND dialog) {
        int checked = 0;
        for (int id = IDC_FILTER_MOUSE; id <= IDC_FILTER_OTHER; ++id) {
            if (::IsDlgButtonChecked(dialog, id) == BST_CHECKED)
                ++checked;
        }
        return checked;
    }
    static std::wstring ListedText(HWND dialog, int index) {
        wchar_t text[128] = {};
        ::SendDlgItemMessageW(dialog, IDC_FILTER_EXCLUDED, LB_GETTEXT, static_cast<WPARAM>(index),
                              reinterpret_cast<LPARAM>(text));
        return text;
    }
};

TEST_F(MessageFilterDialogTest, OkGivesBackTheModeTheBoxesAndTheMessagesAddedByNameAndByNumberButNoRepeat) {
    ASSERT_TRUE(OpenDialog());
    CMessageFilterDialog filterDialog(dialog.get(), kOpened);
    const INT_PTR result = Run(filterDialog, [](HWND box) {
        EXPECT_EQ(::IsDlgButtonChecked(box, IDC_FILTER_TIMER), BST_UNCHECKED);
        EXPECT_EQ(::IsDlgButtonChecked(box, IDC_FILTER_MOUSE), BST_CHECKED);
        ASSERT_EQ(ListedCount(box), 1);
        EXPECT_EQ(ListedText(box, 0), orvex::ExcludedMessageLabel(kWmPaint));
        EXPECT_FALSE(AddEnabled(box)) << "nothing typed yet";

        Click(box, IDC_FILTER_MOUSE);
        Type(box, L"wm_mousemove");
        EXPECT_TRUE(AddEnabled(box));
        Click(box, IDC_FILTER_ADD);
        Type(box, L"0x0401");
        Click(box, IDC_FILTER_ADD);
        EXPECT_EQ(ListedCount(box), 3);
        EXPECT_EQ(ListedText(box, 2), orvex::ExcludedMessageLabel(kWmUserPlusOne));

        Type(box, L"512"); // WM_MOUSEMOVE again
        EXPECT_FALSE(AddEnabled(box));
        ::SendMessageW(box, WM_COMMAND, MAKEWPARAM(IDC_FILTER_ADD, BN_CLICKED), 0); // as Enter would
        EXPECT_EQ(ListedCount(box), 3) << "a listed message is not added twice";
        Click(box, IDC_FILTER_SHOW_ONLY);
        EXPECT_EQ(CheckedBoxes(box), static_cast<int>(MessageCategory::Count) - 2)
            << "some boxes were unchecked: they stay as they are";
        Click(box, IDOK);
    });
    EXPECT_EQ(result, IDOK);
    const MessageFilter expected{kOpened.shownCategories & ~CategoryBit(MessageCategory::Mouse),
                                 {kWmPaint, kWmMouseMove, kWmUserPlusOne},
                                 orvex::FilterMode::ShowOnly};
    EXPECT_EQ(filterDialog.Filter(), expected);
}

TEST_F(MessageFilterDialogTest, ModeSwitchesTurnAllOrNoBoxesOverAndCancelGivesBackTheFilterItOpenedWith) {
    ASSERT_TRUE(OpenDialog());
    CMessageFilterDialog filterDialog(dialog.get(), kOpened);
    const INT_PTR result = Run(filterDialog, [](HWND box) {
        Click(box, IDC_FILTER_SHOW_ALL);
        EXPECT_EQ(::IsDlgButtonChecked(box, IDC_FILTER_TIMER), BST_CHECKED);
        EXPECT_EQ(ListedCount(box), 0);
        Click(box, IDC_FILTER_SHOW_ONLY);
        EXPECT_EQ(CheckedBoxes(box), 0) << "every box checked would show everything";
        wchar_t caption[64] = {};
        ::GetDlgItemTextW(box, IDC_FILTER_MESSAGES_GROUP, caption, 64);
        EXPECT_STREQ(caption, L"Single messages shown");
        Click(box, IDC_FILTER_HIDE);
        EXPECT_EQ(CheckedBoxes(box), static_cast<int>(MessageCategory::Count))
            << "no box checked would hide everything";
        Click(box, IDC_FILTER_KEYBOARD);
        Type(box, L"WM_TIMER");
        Click(box, IDC_FILTER_ADD);
        Click(box, IDCANCEL);
    });
    EXPECT_EQ(result, IDCANCEL);
    EXPECT_EQ(filterDialog.Filter(), kOpened);
}

} // namespace
