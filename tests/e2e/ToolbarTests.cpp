// The toolbars as a user meets them: resting the mouse on a button shows its name.
#include "SettingsHelpers.h"

namespace {

using namespace settings_e2e;

// The text of a visible tooltip window of the process, or empty.
std::wstring VisibleTooltipText(DWORD processId) {
    for (HWND tip : harness::FindTopLevelWindows(processId, TOOLTIPS_CLASSW, nullptr)) {
        if (!::IsWindowVisible(tip))
            continue;
        // GetWindowText would give the window's caption; the tip's text comes with WM_GETTEXT.
        wchar_t text[256] = {};
        DWORD_PTR length = 0;
        ::SendMessageTimeoutW(tip, WM_GETTEXT, 256, reinterpret_cast<LPARAM>(text), SMTO_ABORTIFHUNG, 2000,
                              &length);
        if (text[0])
            return text;
    }
    return {};
}

TEST(ToolbarTooltips, RestingOnAButtonShowsItsName) {
    harness::ClearOrvexSettings();
    harness::OrvexSession orvex;
    ASSERT_TRUE(orvex.Start());
    ASSERT_NE(orvex.WaitForMainWindow(), nullptr);
    ASSERT_TRUE(orvex.Activate());

    const struct {
        HWND toolBar;
        int index;
        const wchar_t* tip;
    } buttons[] = {
        {ViewToolBar(orvex), 1, L"Refresh"},
        {ViewToolBar(orvex), 3, L"Display Window Tree View"},
        {orvex.Control(104), 0, L"Highlight Window"},
        {orvex.Control(104), 1, L"Enable/Visible Window"},
    };
    for (const auto& button : buttons) {
        SCOPED_TRACE(testing::PrintToString(std::wstring(button.tip)));
        const auto rect = harness::ToolBarButtonScreenRect(button.toolBar, button.index);
        ASSERT_TRUE(rect.has_value());
        // Away first, so the tip of the previous button goes.
        RECT client{};
        ::GetClientRect(orvex.MainWindow(), &client);
        POINT away{client.right / 2, client.bottom / 2};
        ::ClientToScreen(orvex.MainWindow(), &away);
        harness::xdo::MoveTo(away.x, away.y);
        harness::WaitUntil([&] { return VisibleTooltipText(orvex.Process().Id()).empty(); }, 3000);

        harness::xdo::MoveTo((rect->left + rect->right) / 2, (rect->top + rect->bottom) / 2);
        std::wstring shown;
        EXPECT_TRUE(harness::WaitUntil(
            [&] {
                shown = VisibleTooltipText(orvex.Process().Id());
                return shown == button.tip;
            },
            5000))
            << "tooltip shows " << testing::PrintToString(shown);
    }
    EXPECT_TRUE(orvex.Close());
}

} // namespace
