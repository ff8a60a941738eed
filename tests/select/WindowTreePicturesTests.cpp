// The window tree's pictures for real windows of every class the rules tell apart, most of them in
// another process, read back from the nodes of the real tree: each is the rules' answer for what the
// window system reports of the window (the rules themselves are pinned in the core tests).
#include "select/WindowTreeFixture.h"

#include "harness/TargetClient.h"
#include "inspect/TargetClassRequests.h"
#include "select/ClassImageRules.h"

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

namespace {

using tree_test::WindowTreeTest;

constexpr DWORD kChild = WS_CHILD | WS_VISIBLE;

// Child windows of a plain frame in the helper target: one of each class the pictures tell apart,
// and the styles that decide between pictures of one class.
constexpr std::pair<const wchar_t*, DWORD> kChildCases[] = {
    {L"Static", SS_LEFT},
    {L"Static", SS_ICON},
    {L"Static", SS_ETCHEDFRAME},
    {L"Button", BS_PUSHBUTTON},
    {L"Button", BS_CHECKBOX},
    {L"Button", BS_RADIOBUTTON},
    {L"Button", BS_GROUPBOX},
    {L"Edit", ES_LEFT},
    {L"ListBox", 0},
    {L"ComboBox", CBS_DROPDOWN},
    {L"ScrollBar", SBS_HORZ},
    {L"ScrollBar", SBS_VERT},
    {L"#32770", 0},
    {L"SysTabControl32", 0},
    {L"msctls_trackbar32", 0},
    {L"msctls_updown32", 0},
    {L"msctls_progress32", 0},
    {L"ToolbarWindow32", CCS_NOPARENTALIGN | CCS_NORESIZE},
    {L"ReBarWindow32", CCS_NOPARENTALIGN | CCS_NORESIZE},
    {L"msctls_statusbar32", CCS_NOPARENTALIGN | CCS_NORESIZE},
    {L"SysTreeView32", 0},
    {L"SysListView32", LVS_LIST},
    {L"SysHeader32", 0},
    {L"SysPager", 0},
    {L"ComboBoxEx32", CBS_DROPDOWN},
    {L"RichEdit20W", 0},
    {L"RICHEDIT50W", 0},
    {L"SysAnimate32", 0},
    {L"msctls_hotkey32", 0},
    {L"SysDateTimePick32", 0},
    {L"SysMonthCal32", 0},
    {L"SysLink", 0},
    {L"SysIPAddress32", 0},
    // Classes of the test's making, registered below.
    {L"Internet Explorer_Server", 0},
    {L"Afx:00400000:8:00010003:00000000:00000000", 0},
    {L"ATL:0040A000", 0},
    {L"AfxWnd120su", 0},
    {L"Static2", SS_ICON},
    {L"RichEdi", 0},
    {L"OrvexGlobalClass", 0},
};

// The picture the rules give a window for its real class name, style and class style, as the
// window system reports them to this process.
int Expected(HWND hwnd) {
    wchar_t className[256] = {};
    ::GetClassNameW(hwnd, className, 256);
    return orvex::ClassPicture(
        className, static_cast<std::uint32_t>(::GetWindowLongW(hwnd, GWL_STYLE)),
        [hwnd] { return static_cast<std::uint32_t>(::GetClassLongW(hwnd, GCL_STYLE)); });
}

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
    std::vector<std::pair<const std::pair<const wchar_t*, DWORD>*, HWND>> made;
    for (const auto& c : kChildCases) {
        HWND hwnd = Create(c.first, kChild | c.second, frame, {0, 0, 60, 30});
        EXPECT_NE(hwnd, nullptr) << testing::PrintToString(c.first) << " could not be made";
        made.emplace_back(&c, hwnd);
    }
    ASSERT_NE(OpenTree(), nullptr);
    for (const auto& [c, hwnd] : made) {
        if (!hwnd)
            continue;
        EXPECT_EQ(Picture(hwnd), Expected(hwnd))
            << testing::PrintToString(c->first) << " style " << std::hex << c->second;
        const tree_test::TreeNodeInfo info = Info(NodeOf(hwnd));
        EXPECT_EQ(info.selectedImage, info.image);
    }
}

TEST_F(WindowTreePicturesTest, RichEditOfTheFirstVersion) {
    HWND frame = Create(L"OrvexTargetWindow", WS_POPUP | WS_VISIBLE, nullptr);
    HWND richEdit = Create(L"RICHEDIT", kChild, frame, {0, 0, 60, 30});
    ASSERT_NE(richEdit, nullptr) << "no first-version rich edit control (riched32)";
    ASSERT_NE(OpenTree(), nullptr);
    EXPECT_EQ(Picture(richEdit), Expected(richEdit));
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
    for (HWND hwnd : {main, noBox, global, globalMain, afxMain, popup})
        EXPECT_EQ(Picture(hwnd), Expected(hwnd)) << hwnd;
    EXPECT_EQ(Picture(::GetDesktopWindow()), orvex::kDesktopPicture);
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
    EXPECT_EQ(Picture(tooltip), Expected(tooltip));
    EXPECT_EQ(Picture(mdiClient), Expected(mdiClient));
    ::DestroyWindow(tooltip);
    ::DestroyWindow(frame);
}

} // namespace
