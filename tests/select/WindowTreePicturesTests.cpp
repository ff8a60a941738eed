// Every picture rule of the window tree with a real window of that class, most of them in another
// process, read back from the nodes of the real tree.
#include "select/WindowTreeFixture.h"

#include "harness/TargetClient.h"
#include "inspect/TargetClassRequests.h"

#include <string>

namespace {

using tree_test::WindowTreeTest;

constexpr DWORD kChild = WS_CHILD | WS_VISIBLE;

struct PictureCase {
    const wchar_t* className;
    DWORD style;
    int picture;
};

// Child windows of a plain frame in the helper target.
constexpr PictureCase kChildCases[] = {
    {L"Static", SS_LEFT, 5},
    {L"Static", SS_SIMPLE, 5},
    {L"Static", SS_OWNERDRAW, 5},
    {L"Static", SS_ICON, 6},
    {L"Static", SS_BITMAP, 6},
    {L"Static", SS_ENHMETAFILE, 6},
    {L"Static", SS_BLACKRECT, 7},
    {L"Static", SS_WHITEFRAME, 7},
    {L"Static", SS_ETCHEDHORZ, 7},
    {L"Static", SS_ETCHEDFRAME, 7},
    {L"Button", BS_PUSHBUTTON, 1},
    {L"Button", BS_CHECKBOX, 2},
    {L"Button", BS_AUTOCHECKBOX, 1},
    {L"Button", BS_RADIOBUTTON, 3},
    {L"Button", BS_AUTORADIOBUTTON, 1},
    {L"Button", BS_3STATE, 1},
    {L"Button", BS_GROUPBOX, 4},
    {L"Edit", ES_LEFT, 8},
    {L"ListBox", 0, 9},
    {L"ComboBox", CBS_DROPDOWN, 10},
    {L"ScrollBar", SBS_HORZ, 11},
    {L"ScrollBar", SBS_VERT, 12},
    {L"#32770", 0, 38},
    {L"SysTabControl32", 0, 13},
    {L"msctls_trackbar32", 0, 14},
    {L"msctls_updown32", 0, 15},
    {L"msctls_progress32", 0, 16},
    {L"ToolbarWindow32", CCS_NOPARENTALIGN | CCS_NORESIZE, 17},
    {L"ReBarWindow32", CCS_NOPARENTALIGN | CCS_NORESIZE, 18},
    {L"msctls_statusbar32", CCS_NOPARENTALIGN | CCS_NORESIZE, 19},
    {L"SysTreeView32", 0, 20},
    {L"SysListView32", LVS_LIST, 21},
    {L"SysHeader32", 0, 22},
    {L"SysPager", 0, 23},
    {L"ComboBoxEx32", CBS_DROPDOWN, 24},
    {L"RichEdit20W", 0, 25},
    {L"RICHEDIT50W", 0, 25},
    {L"SysAnimate32", 0, 26},
    {L"msctls_hotkey32", 0, 27},
    {L"SysDateTimePick32", 0, 28},
    {L"SysMonthCal32", 0, 29},
    {L"SysLink", 0, 30},
    {L"SysIPAddress32", 0, 32},
    // Classes of the test's making, registered below.
    {L"Internet Explorer_Server", 0, 33},
    {L"Afx:00400000:8:00010003:00000000:00000000", 0, 40},
    {L"ATL:0040A000", 0, 41},
    {L"AfxWnd120su", 0, 34}, // no colon: no framework class picture
    {L"Static2", SS_ICON, 34},
    {L"RichEdi", 0, 34},
    {L"OrvexGlobalClass", 0, 35},
};

class WindowTreePicturesTest : public WindowTreeTest {
protected:
    void SetUp() override {
        WindowTreeTest::SetUp();
        ASSERT_TRUE(target.IsRunning());
        for (const char* name : {"Internet Explorer_Server", "Afx:00400000:8:00010003:00000000:00000000",
                                 "ATL:0040A000", "AfxWnd120su", "Static2", "RichEdi"})
            ASSERT_NE(RegisterTargetClass(target, name, 0, 0, 0, "", 0, false), 0u) << name;
        ASSERT_NE(RegisterTargetClass(target, "OrvexGlobalClass", CS_GLOBALCLASS, 0, 0, "", 0, false), 0u);
    }
    HWND Create(const wchar_t* className, DWORD style, HWND parent, RECT rect = {700, 100, 1000, 400}) {
        harness::WindowRequest request;
        request.className = className;
        request.text = L"x";
        request.style = style;
        request.parent = parent;
        request.rect = rect;
        request.id = parent ? 1 : 0;
        return target.Create(request);
    }
    int Picture(HWND hwnd) const {
        const HTREEITEM node = NodeOf(hwnd);
        return node ? Info(node).image : -1;
    }

    harness::TargetProcess target;
};

TEST_F(WindowTreePicturesTest, EveryRuleWithARealWindowOfItsClass) {
    HWND frame = Create(L"OrvexTargetWindow", WS_POPUP | WS_VISIBLE, nullptr);
    ASSERT_NE(frame, nullptr);
    std::vector<std::pair<const PictureCase*, HWND>> made;
    for (const PictureCase& c : kChildCases) {
        HWND hwnd = Create(c.className, kChild | c.style, frame, {0, 0, 60, 30});
        EXPECT_NE(hwnd, nullptr) << testing::PrintToString(c.className) << " could not be made";
        made.emplace_back(&c, hwnd);
    }
    ASSERT_NE(OpenTree(), nullptr);
    for (const auto& [c, hwnd] : made) {
        if (!hwnd)
            continue;
        wchar_t reported[256] = {};
        ::GetClassNameW(hwnd, reported, 256);
        EXPECT_EQ(Picture(hwnd), c->picture)
            << testing::PrintToString(c->className) << " style " << std::hex << c->style << ", reported as "
            << testing::PrintToString(std::wstring(reported));
        const tree_test::TreeNodeInfo info = Info(NodeOf(hwnd));
        EXPECT_EQ(info.selectedImage, info.image);
    }
}

TEST_F(WindowTreePicturesTest, RichEditOfTheFirstVersion) {
    HWND frame = Create(L"OrvexTargetWindow", WS_POPUP | WS_VISIBLE, nullptr);
    HWND richEdit = Create(L"RICHEDIT", kChild, frame, {0, 0, 60, 30});
    if (!richEdit)
        GTEST_SKIP() << "this Wine has no first-version rich edit control (riched32)";
    ASSERT_NE(OpenTree(), nullptr);
    EXPECT_EQ(Picture(richEdit), 25);
}

TEST_F(WindowTreePicturesTest, TopLevelWindowsByTheirFrameAndClassStyle) {
    const DWORD noMinimizeBox = WS_OVERLAPPEDWINDOW & ~WS_MINIMIZEBOX;
    HWND main = Create(L"OrvexTargetWindow", WS_OVERLAPPEDWINDOW | WS_VISIBLE, nullptr);
    HWND noBox = Create(L"OrvexTargetWindow", noMinimizeBox | WS_VISIBLE, nullptr);
    HWND global = Create(L"OrvexGlobalClass", noMinimizeBox | WS_VISIBLE, nullptr);
    HWND globalMain = Create(L"OrvexGlobalClass", WS_OVERLAPPEDWINDOW | WS_VISIBLE, nullptr);
    HWND afxMain = Create(L"AfxWnd120su", WS_OVERLAPPEDWINDOW | WS_VISIBLE, nullptr);
    HWND popup = Create(L"OrvexTargetWindow", WS_POPUP | WS_VISIBLE, nullptr);
    ASSERT_TRUE(main && noBox && global && globalMain && afxMain && popup);
    ASSERT_EQ(static_cast<DWORD>(::GetWindowLongW(main, GWL_STYLE)) & WS_OVERLAPPEDWINDOW,
              DWORD(WS_OVERLAPPEDWINDOW));
    ASSERT_NE(OpenTree(), nullptr);
    EXPECT_EQ(Picture(main), 37);
    EXPECT_EQ(Picture(noBox), 34);
    EXPECT_EQ(Picture(global), 35);
    EXPECT_EQ(Picture(globalMain), 37);
    EXPECT_EQ(Picture(afxMain), 37) << "a framework class name without the colon falls through";
    EXPECT_EQ(Picture(popup), 34);
    EXPECT_EQ(Picture(::GetDesktopWindow()), 0);
}

TEST_F(WindowTreePicturesTest, ToolTipsAndMdiClientsOfThisProcess) {
    // A tooltip window is a top-level popup; an MDI client needs its creation data, so both are made
    // here rather than in the helper target.
    HWND tooltip = ::CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_ALWAYSTIP, 0, 0,
                                     0, 0, Main(), nullptr, ::GetModuleHandleW(nullptr), nullptr);
    HWND frame = ::CreateWindowExW(0, L"Static", L"MDI frame", WS_POPUP, 0, 0, 300, 200, nullptr, nullptr,
                                   ::GetModuleHandleW(nullptr), nullptr);
    CLIENTCREATESTRUCT client{nullptr, 100};
    HWND mdiClient = ::CreateWindowExW(0, L"MDIClient", nullptr, WS_CHILD | WS_VISIBLE, 0, 0, 300, 200, frame,
                                       nullptr, ::GetModuleHandleW(nullptr), &client);
    ASSERT_TRUE(tooltip && frame && mdiClient);
    ASSERT_NE(OpenTree(), nullptr);
    EXPECT_EQ(Picture(tooltip), 31);
    EXPECT_EQ(Picture(mdiClient), 39);
    ::DestroyWindow(tooltip);
    ::DestroyWindow(frame);
}

} // namespace
