// The main dialog in the test process: the prompt at start, the Summary/Detail toggle, Refresh on a
// window that went away, the minimum size, the layout and the toolbar tooltips.
#include "harness/TestText.h"
#include "maindlg/MainDialogFixture.h"

#include "framework/Resources.h"

#include <cwchar>

namespace {

using maindlg_test::MainDialogTest;

constexpr wchar_t kPrompt[] =
    L"Drag the Finder Tool over a window to select it, then release the mouse button.";
constexpr int kToggleIndex = 0;
constexpr int kRefreshIndex = 1;

std::wstring InvalidHandleMessage(const wchar_t* digits) {
    return std::wstring(L"Invalid window handle (0x") + digits + L"). The window is not exist.";
}

// A window of this thread that can be destroyed under the dialog's feet.
HWND CreateThrowAwayWindow() {
    return ::CreateWindowExW(0, L"STATIC", L"going away", WS_POPUP, 600, 600, 80, 40, nullptr, nullptr,
                             ::GetModuleHandleW(nullptr), nullptr);
}

RECT WindowRect(HWND hwnd) {
    RECT rect{};
    ::GetWindowRect(hwnd, &rect);
    return rect;
}

// A child's window rectangle in its parent's client coordinates.
RECT RectInParent(HWND child) {
    RECT rect = WindowRect(child);
    ::MapWindowPoints(nullptr, ::GetParent(child), reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

// ---------------------------------------------------------------------------------------------
// Start

TEST_F(MainDialogTest, OpensWithThePromptAndNothingSelected) {
    ASSERT_TRUE(OpenDialog());
    EXPECT_EQ(dialog->ListedWindow(), nullptr);
    EXPECT_EQ(View().GetItemCount(), 0);
    EXPECT_EQ(View().GetEmptyText(), kPrompt);
    EXPECT_EQ(Inside().Tree(), nullptr);
    EXPECT_EQ(Inside().SendDialog(), nullptr);
    wchar_t caption[32] = {};
    ::GetWindowTextW(Main(), caption, 32);
    EXPECT_STREQ(caption, L"Orvex");
}

TEST_F(MainDialogTest, ToggleButtonNamesTheListingTheNextPressShows) {
    struct Case {
        int viewMode;
        const wchar_t* label;
        int image;
    };
    // Only 1 lists the detail; any other mode lists the summary, so the button offers the detail.
    const Case cases[] = {{1, L"Summary", 1}, {0, L"Detail", 0}, {7, L"Detail", 0}, {-1, L"Detail", 0}};
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "view mode " << c.viewMode);
        app.m_settings.m_nViewMode = c.viewMode;
        ASSERT_TRUE(OpenDialog());
        const ButtonLabel toggle = ReadButton(Inside().ViewToolBar(), kToggleIndex);
        EXPECT_EQ(toggle.text, c.label);
        EXPECT_EQ(toggle.image, c.image);
        EXPECT_EQ(app.m_settings.m_nViewMode, c.viewMode) << "opening the dialog must not change the mode";
    }
}

// ---------------------------------------------------------------------------------------------
// Summary/Detail toggle and Refresh

TEST_F(MainDialogTest, ToggleWithNothingSelectedOnlyChangesLabelAndImage) {
    ASSERT_TRUE(OpenDialog());
    CToolBarCtrl& toolBar = Inside().ViewToolBar();
    const int buttons = toolBar.GetButtonCount();

    ClickToolBarButton(toolBar, kToggleIndex);
    EXPECT_EQ(app.m_settings.m_nViewMode, 0);
    ButtonLabel toggle = ReadButton(toolBar, kToggleIndex);
    EXPECT_EQ(toggle.text, L"Detail");
    EXPECT_EQ(toggle.image, 0);
    EXPECT_EQ(dialog->ListedWindow(), nullptr);
    EXPECT_EQ(View().GetItemCount(), 0);
    EXPECT_EQ(View().GetEmptyText(), kPrompt);
    EXPECT_EQ(toolBar.GetButtonCount(), buttons);
    EXPECT_EQ(ReadButton(toolBar, 6).text, L"Options") << "the other labels stay";

    ClickToolBarButton(toolBar, kToggleIndex);
    EXPECT_EQ(app.m_settings.m_nViewMode, 1);
    toggle = ReadButton(toolBar, kToggleIndex);
    EXPECT_EQ(toggle.text, L"Summary");
    EXPECT_EQ(toggle.image, 1);
    EXPECT_EQ(View().GetEmptyText(), kPrompt);
}

TEST_F(MainDialogTest, ToggleFromAnUnusualModeStoresDetail) {
    app.m_settings.m_nViewMode = 7; // only possible by editing the registry
    ASSERT_TRUE(OpenDialog());
    ClickToolBarButton(Inside().ViewToolBar(), kToggleIndex);
    EXPECT_EQ(app.m_settings.m_nViewMode, 1);
    const ButtonLabel toggle = ReadButton(Inside().ViewToolBar(), kToggleIndex);
    EXPECT_EQ(toggle.text, L"Summary");
    EXPECT_EQ(toggle.image, 1);
}

TEST_F(MainDialogTest, RefreshOnAWindowDestroyedAfterSelectionShowsItsHandle) {
    ASSERT_TRUE(OpenDialog());
    HWND target = CreateThrowAwayWindow();
    ASSERT_NE(target, nullptr);
    ASSERT_EQ(reinterpret_cast<UINT_PTR>(target) >> 32, 0u) << "this case expects a handle of 32 bits";
    EXPECT_TRUE(dialog->ShowWindowProperties(target));
    EXPECT_EQ(dialog->ListedWindow(), target);
    ::DestroyWindow(target);

    const std::wstring expected = InvalidHandleMessage(harness::HandleDigits(target).c_str());
    ClickToolBarButton(Inside().ViewToolBar(), kRefreshIndex);
    EXPECT_EQ(View().GetEmptyText(), expected);
    EXPECT_EQ(View().GetItemCount(), 0);
    EXPECT_EQ(dialog->ListedWindow(), target) << "the handle stays selected, so Refresh retries it";

    // The summary listing fails the same way, and the toggle refills for the selected window.
    View().SetEmptyText(L"stale");
    ClickToolBarButton(Inside().ViewToolBar(), kToggleIndex);
    EXPECT_EQ(app.m_settings.m_nViewMode, 0);
    EXPECT_EQ(View().GetEmptyText(), expected);
    EXPECT_EQ(dialog->ListedWindow(), target);
}

// A refill starts with the first heading at the top, wherever the list was moved without the
// user; a refill of the same window keeps the rows the user scrolled to, a new window does not.
TEST_F(MainDialogTest, ARefillStartsAtTheTopUnlessTheUserScrolledTheSameWindow) {
    ASSERT_TRUE(OpenDialog());
    dialog->ShowWindowProperties(Main());
    CPropertiesView& view = View();
    RECT row{};
    ASSERT_TRUE(view.GetItemRect(0, &row, CPropertiesView::ItemPart::Bounds));
    EXPECT_EQ(view.GetTopIndex(), 0);

    view.Scroll(0, 3 * (row.bottom - row.top)); // as the list does itself on a click
    ASSERT_EQ(view.GetTopIndex(), 3);
    ClickToolBarButton(Inside().ViewToolBar(), kRefreshIndex);
    EXPECT_EQ(view.GetTopIndex(), 0) << "Refresh with no scrolling of the user's";

    view.SendMessage(WM_VSCROLL, SB_LINEDOWN);
    view.SendMessage(WM_VSCROLL, SB_LINEDOWN);
    const int scrolledTo = view.GetTopIndex();
    ASSERT_GT(scrolledTo, 0);
    ClickToolBarButton(Inside().ViewToolBar(), kRefreshIndex);
    EXPECT_EQ(view.GetTopIndex(), scrolledTo) << "Refresh keeps where the user scrolled";

    dialog->ShowWindowProperties(Inside().ViewToolBar().m_hWnd);
    EXPECT_EQ(view.GetTopIndex(), 0) << "another window starts at the top";
}

TEST_F(MainDialogTest, InvalidHandleWiderThan32BitsIsWrittenWhole) {
    ASSERT_TRUE(OpenDialog());
    HWND wide = reinterpret_cast<HWND>(static_cast<UINT_PTR>(0x0000ABCD00000000ull));
    EXPECT_FALSE(dialog->ShowWindowProperties(wide));
    EXPECT_EQ(View().GetEmptyText(), InvalidHandleMessage(L"0000ABCD00000000"));

    HWND small = reinterpret_cast<HWND>(static_cast<UINT_PTR>(0xBEE0u));
    ASSERT_FALSE(::IsWindow(small));
    EXPECT_FALSE(dialog->ShowWindowProperties(small));
    EXPECT_EQ(View().GetEmptyText(), InvalidHandleMessage(L"0000BEE0"));
}

TEST_F(MainDialogTest, RefreshWithNothingSelectedShowsThePromptAgain) {
    ASSERT_TRUE(OpenDialog());
    HWND gone = reinterpret_cast<HWND>(static_cast<UINT_PTR>(0xBEE0u));
    EXPECT_FALSE(dialog->ShowWindowProperties(gone));
    EXPECT_FALSE(dialog->ShowWindowProperties(nullptr));
    EXPECT_EQ(View().GetEmptyText(), kPrompt);
    View().SetEmptyText(L"stale");
    ClickToolBarButton(Inside().ViewToolBar(), kRefreshIndex);
    EXPECT_EQ(View().GetEmptyText(), kPrompt);
    EXPECT_EQ(dialog->ListedWindow(), nullptr);
}

// ---------------------------------------------------------------------------------------------
// Size and layout

TEST_F(MainDialogTest, ShrinkingBelowTheMinimumIsRefusedInEachDimension) {
    ASSERT_TRUE(OpenDialog());
    const UINT flags = SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE;
    struct Case {
        int cx, cy, expectedCx, expectedCy;
    };
    const Case cases[] = {
        {300, 400, 429, 400}, // too narrow only
        {600, 100, 600, 165}, // too low only
        {10, 10, 429, 165},   // both
        {429, 165, 429, 165}, // exactly the minimum
        {700, 500, 700, 500}, // larger sizes pass unchanged
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.cx << " x " << c.cy);
        ::SetWindowPos(Main(), nullptr, 0, 0, c.cx, c.cy, flags);
        const RECT rect = WindowRect(Main());
        EXPECT_EQ(rect.right - rect.left, c.expectedCx);
        EXPECT_EQ(rect.bottom - rect.top, c.expectedCy);
    }
}

TEST_F(MainDialogTest, LayoutStacksRebarListAndBottomToolbars) {
    ASSERT_TRUE(OpenDialog());
    for (SIZE size : {SIZE{700, 520}, SIZE{429, 165}, SIZE{1000, 300}}) {
        SCOPED_TRACE(testing::Message() << size.cx << " x " << size.cy);
        ::SetWindowPos(Main(), nullptr, 0, 0, size.cx, size.cy, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
        RECT client{};
        ::GetClientRect(Main(), &client);
        const RECT rebar = RectInParent(Inside().ReBar().m_hWnd);
        const RECT list = RectInParent(View().m_hWnd);
        const RECT about = RectInParent(Inside().AboutToolBar().m_hWnd);
        const RECT window = RectInParent(Inside().WindowToolBar().m_hWnd);

        EXPECT_EQ(rebar.top, 0);
        EXPECT_EQ(rebar.right - rebar.left, client.right);
        EXPECT_EQ(list.left, 0);
        EXPECT_EQ(list.top, rebar.bottom - rebar.top);
        EXPECT_EQ(list.right, client.right);
        EXPECT_EQ(list.bottom, about.top) << "the list ends where the about toolbar begins";
        EXPECT_EQ(about.right, client.right);
        EXPECT_EQ(about.bottom, client.bottom);
        EXPECT_EQ(window.bottom, client.bottom);
        EXPECT_EQ(window.right, about.left);
        EXPECT_GT(about.right - about.left, 0);
        EXPECT_GT(window.right - window.left, 0);
    }
}

// ---------------------------------------------------------------------------------------------
// Tooltips

struct TipCase {
    int id;
    const wchar_t* text;
};
constexpr TipCase kTips[] = {
    {32780, L"Toggle Summary/Detail View"},
    {32781, L"Refresh"},
    {32782, L"Display Window Tree View"},
    {32783, L"Display Options"},
    {32784, L"Watch Cursor"},
    {32785, L"Highlight Window"},
    {32786, L"Enable/Visible Window"},
    {32787, L"Send Message to Window"},
};

// The text a tooltip control would show for an answered request.
std::wstring AnsweredText(const NMTTDISPINFOW& info) {
    if (info.lpszText && IS_INTRESOURCE(info.lpszText)) {
        wchar_t text[256] = {};
        ::LoadStringW(info.hinst, static_cast<UINT>(reinterpret_cast<UINT_PTR>(info.lpszText)), text, 256);
        return text;
    }
    if (info.lpszText && info.lpszText != LPSTR_TEXTCALLBACKW)
        return info.lpszText;
    return info.szText;
}

TEST_F(MainDialogTest, TooltipRequestsAreAnsweredWithTheCommandsString) {
    ASSERT_TRUE(OpenDialog());
    for (const TipCase& tip : kTips) {
        SCOPED_TRACE(tip.id);
        NMTTDISPINFOW info{};
        info.hdr.hwndFrom = Inside().ViewToolBar().GetToolTips();
        info.hdr.idFrom = static_cast<UINT_PTR>(tip.id);
        info.hdr.code = TTN_GETDISPINFOW;
        const LRESULT handled = ::SendMessageW(Main(), WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&info));
        EXPECT_NE(handled, 0);
        EXPECT_EQ(info.lpszText, MAKEINTRESOURCEW(tip.id)) << "the text is given by resource identifier";
        EXPECT_EQ(info.hinst, ::GetModuleHandleW(nullptr));
        EXPECT_EQ(AnsweredText(info), tip.text);
    }
}

TEST_F(MainDialogTest, TooltipRequestNamingAWindowUsesItsControlId) {
    ASSERT_TRUE(OpenDialog());
    HWND child = ::CreateWindowExW(0, L"STATIC", L"", WS_CHILD, 0, 0, 1, 1, Main(),
                                   reinterpret_cast<HMENU>(static_cast<UINT_PTR>(32786)), nullptr, nullptr);
    ASSERT_NE(child, nullptr);
    NMTTDISPINFOW info{};
    info.hdr.code = TTN_GETDISPINFOW;
    info.hdr.idFrom = reinterpret_cast<UINT_PTR>(child);
    info.uFlags = TTF_IDISHWND;
    ::SendMessageW(Main(), WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&info));
    EXPECT_EQ(AnsweredText(info), L"Enable/Visible Window");
    ::DestroyWindow(child);
}

TEST_F(MainDialogTest, TooltipRequestsForOtherIdentifiersGetNoText) {
    ASSERT_TRUE(OpenDialog());
    for (UINT_PTR id : {UINT_PTR(57664), UINT_PTR(32779), UINT_PTR(32788), UINT_PTR(0)}) {
        SCOPED_TRACE(id);
        NMTTDISPINFOW info{};
        info.hdr.code = TTN_GETDISPINFOW;
        info.hdr.idFrom = id;
        ::SendMessageW(Main(), WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&info));
        EXPECT_EQ(info.lpszText, nullptr);
        EXPECT_EQ(info.hinst, nullptr);
        EXPECT_STREQ(info.szText, L"");
    }
}

// The toolbars' own tooltip controls ask through the toolbar, which forwards to the dialog: the
// view toolbar from inside the rebar, the window toolbar directly.
TEST_F(MainDialogTest, ToolbarTooltipControlsShowTheCommandStrings) {
    ASSERT_TRUE(OpenDialog());
    for (const TipCase& tip : kTips) {
        SCOPED_TRACE(tip.id);
        const CToolBarCtrl& toolBar =
            tip.id >= ID_WINDOW_HIGHLIGHT ? Inside().WindowToolBar() : Inside().ViewToolBar();
        HWND tooltip = toolBar.GetToolTips();
        ASSERT_NE(tooltip, nullptr);
        wchar_t text[256] = {};
        TTTOOLINFOW tool{};
        tool.cbSize = sizeof(tool);
        tool.hwnd = toolBar.m_hWnd;
        tool.uId = static_cast<UINT_PTR>(tip.id);
        tool.lpszText = text;
        ::SendMessageW(tooltip, TTM_GETTEXTW, 256, reinterpret_cast<LPARAM>(&tool));
        EXPECT_STREQ(text, tip.text);
    }
}

} // namespace
