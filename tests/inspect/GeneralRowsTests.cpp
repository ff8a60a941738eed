// General and Process rows of real windows, in another process and in this one, against what the
// window system reports for them.
#include "common/ValueFormat.h"
#include "core/RowCollector.h"
#include "harness/ExternalProcess.h"
#include "harness/RunningOnWine.h"
#include "harness/TargetClient.h"
#include "inspect/GeneralRows.h"
#include "inspect/RectFormat.h"
#include "inspect/TargetClassRequests.h"

#include <gtest/gtest.h>

namespace {

using Names = std::vector<std::wstring>;

std::wstring Pointer(UINT_PTR value) {
    return orvex::FormatPointer(value);
}
std::wstring Pointer(const void* value) {
    return orvex::FormatPointer(reinterpret_cast<UINT_PTR>(value));
}

RowCollector GeneralRowsOf(HWND hwnd) {
    RowCollector rows;
    AddGeneralRows(rows, WindowFacts::Read(hwnd));
    return rows;
}

class GeneralRowsOfTarget : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(target.IsRunning()); }
    HWND Make(const std::wstring& text, RECT rect, DWORD style = WS_OVERLAPPEDWINDOW | WS_VISIBLE,
              HWND parent = nullptr, UINT id = 0, const wchar_t* className = L"OrvexTargetWindow") {
        harness::WindowRequest window;
        window.className = className;
        window.text = text;
        window.rect = rect;
        window.style = style;
        window.parent = parent;
        window.id = id;
        return target.Create(window);
    }
    harness::TargetProcess target;
};

TEST_F(GeneralRowsOfTarget, TopLevelWindowAboveAndLeftOfTheOrigin) {
    HWND hwnd = Make(L"Target frame", {-50, -40, 150, 60});
    ASSERT_NE(hwnd, nullptr);
    ASSERT_TRUE(SetTargetUserData(target, hwnd, 0x123456789ABull));
    RECT client{};
    ASSERT_TRUE(::GetClientRect(hwnd, &client));

    RowCollector rows = GeneralRowsOf(hwnd);
    // No owner: no "Position in Parent"; not a child: "Menu Handle", even without a menu.
    EXPECT_EQ(rows.Names(), (Names{L"Handle", L"Text", L"Window Rect", L"Client Rect", L"Window Proc",
                                   L"Unicode", L"Instance Handle", L"Menu Handle", L"User Data"}));
    const auto instance = static_cast<UINT_PTR>(::GetWindowLongPtrW(hwnd, GWLP_HINSTANCE));
    rows.rows.erase(rows.rows.begin() + 4); // the procedure: see WindowProcOfAnotherProcess
    EXPECT_EQ(rows.rows,
              (std::vector<Row>{
                  {GROUP_GENERAL, L"Handle", Pointer(hwnd), KIND_HANDLE},
                  {GROUP_GENERAL, L"Text", L"Target frame", KIND_TEXT},
                  {GROUP_GENERAL, L"Window Rect", orvex::FormatRectWithSize(-50, -40, 150, 60), KIND_TEXT},
                  {GROUP_GENERAL, L"Client Rect",
                   orvex::FormatRectWithSize(0, 0, client.right, client.bottom), KIND_TEXT},
                  {GROUP_GENERAL, L"Unicode", L"Yes", KIND_TEXT},
                  {GROUP_GENERAL, L"Instance Handle", Pointer(instance), KIND_HANDLE},
                  {GROUP_GENERAL, L"Menu Handle", Pointer(UINT_PTR{0}), KIND_HANDLE},
                  {GROUP_GENERAL, L"User Data", Pointer(0x123456789ABull), KIND_NUMBER},
              }));

    // The Summary listing shares the first three rows, in its own group.
    RowCollector summary;
    AddHandleRow(summary, GROUP_SUMMARY, hwnd);
    AddTextRow(summary, GROUP_SUMMARY, hwnd);
    const RECT shown = AddWindowRectRow(summary, GROUP_SUMMARY, hwnd);
    ASSERT_EQ(summary.rows.size(), 3u);
    for (size_t i = 0; i < 3; ++i)
        EXPECT_EQ(summary.rows[i],
                  (Row{GROUP_SUMMARY, rows.rows[i].name, rows.rows[i].value, rows.rows[i].kind}));
    EXPECT_EQ(shown.left, -50);
    EXPECT_EQ(shown.bottom, 60);
}

TEST_F(GeneralRowsOfTarget, WindowProcOfAnotherProcess) {
    HWND hwnd = Make(L"", {100, 100, 300, 200});
    ASSERT_NE(hwnd, nullptr);
    const auto windowProc = static_cast<UINT_PTR>(::GetWindowLongPtrW(hwnd, GWLP_WNDPROC));
    const std::optional<Row> row = GeneralRowsOf(hwnd).Find(L"Window Proc");
    // Wine answers 0 for another process's window procedure: Orvex shows its fallback (the address
    // is checked on a window of this process).
    const Row expected = harness::RunningOnWine()
                             ? Row{GROUP_GENERAL, L"Window Proc", L"<n/a>", KIND_TEXT}
                             : Row{GROUP_GENERAL, L"Window Proc", Pointer(windowProc), KIND_ADDRESS};
    EXPECT_EQ(row, expected);
}

TEST_F(GeneralRowsOfTarget, OwnedPopupAndChildArePlacedInTheirParentsClientArea) {
    HWND owner = Make(L"Owner", {100, 100, 500, 400});
    ASSERT_NE(owner, nullptr);
    HWND popup = Make(L"Owned", {150, 180, 250, 260}, WS_POPUP | WS_VISIBLE, owner);
    HWND child = Make(L"OK", {10, 20, 110, 60}, WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON, owner, 1, L"Button");
    ASSERT_TRUE(popup && child);
    POINT origin{0, 0};
    ASSERT_TRUE(::ClientToScreen(owner, &origin));

    RowCollector owned = GeneralRowsOf(popup);
    EXPECT_EQ(owned.Names(),
              (Names{L"Handle", L"Text", L"Window Rect", L"Position in Parent", L"Client Rect",
                     L"Window Proc", L"Unicode", L"Instance Handle", L"Menu Handle", L"User Data"}));
    EXPECT_EQ(owned.Find(L"Position in Parent"),
              (Row{GROUP_GENERAL, L"Position in Parent",
                   orvex::FormatRectCorners(150 - origin.x, 180 - origin.y, 250 - origin.x, 260 - origin.y),
                   KIND_TEXT}));

    RowCollector control = GeneralRowsOf(child);
    EXPECT_EQ(control.Names(),
              (Names{L"Handle", L"Text", L"Window Rect", L"Position in Parent", L"Client Rect",
                     L"Window Proc", L"Unicode", L"Instance Handle", L"Control ID", L"User Data"}));
    EXPECT_EQ(control.Find(L"Position in Parent")->value, orvex::FormatRectCorners(10, 20, 110, 60));
    EXPECT_EQ(control.Find(L"Control ID"), (Row{GROUP_GENERAL, L"Control ID", L"0x00000001", KIND_NUMBER}));
}

TEST_F(GeneralRowsOfTarget, MenuBarAndLongText) {
    std::wstring text;
    for (int i = 0; i < 300; ++i)
        text += static_cast<wchar_t>(L'A' + i % 26);
    HWND hwnd = Make(text, {100, 100, 400, 300});
    ASSERT_NE(hwnd, nullptr);
    HMENU menu = AttachTargetMenu(target, hwnd);
    ASSERT_TRUE(menu != nullptr && ::GetMenu(hwnd) == menu);
    ASSERT_EQ(::GetWindowTextLengthW(hwnd), 300);

    RowCollector rows = GeneralRowsOf(hwnd);
    EXPECT_EQ(rows.Find(L"Menu Handle"), (Row{GROUP_GENERAL, L"Menu Handle", Pointer(menu), KIND_HANDLE}));
    EXPECT_EQ(rows.Find(L"Text")->value, text.substr(0, 259));
}

TEST_F(GeneralRowsOfTarget, ProcessRowsNameTheTargetAndItsImage) {
    HWND hwnd = Make(L"", {100, 100, 300, 200});
    ASSERT_NE(hwnd, nullptr);
    const DWORD threadId = ::GetWindowThreadProcessId(hwnd, nullptr);
    RowCollector rows;
    AddProcessRows(rows, hwnd);
    ASSERT_EQ(rows.Names(), (Names{L"Process ID", L"Thread ID", L"Image Path"}));
    EXPECT_EQ(rows.rows[0],
              (Row{GROUP_PROCESS, L"Process ID", std::to_wstring(target.ProcessId()), KIND_NUMBER}));
    EXPECT_EQ(rows.rows[1], (Row{GROUP_PROCESS, L"Thread ID", std::to_wstring(threadId), KIND_NUMBER}));
    EXPECT_EQ(rows.rows[2].kind, KIND_TEXT);
    EXPECT_EQ(
        ::_wcsicmp(rows.rows[2].value.c_str(), (harness::BinaryDirectory() + L"orvex_target.exe").c_str()), 0)
        << std::string(rows.rows[2].value.begin(), rows.rows[2].value.end());
}

// The window may go away between the caller's check and the reading: each row falls back.
TEST_F(GeneralRowsOfTarget, VanishedWindowFallsBackRowByRow) {
    HWND hwnd = Make(L"Gone", {100, 100, 300, 200});
    ASSERT_TRUE(hwnd && target.Destroy(hwnd) && !::IsWindow(hwnd));

    RowCollector general = GeneralRowsOf(hwnd);
    EXPECT_EQ(general.Find(L"Text")->value, L"");
    for (const wchar_t* name : {L"Window Rect", L"Client Rect", L"Window Proc"})
        EXPECT_EQ(general.Find(name), (Row{GROUP_GENERAL, name, L"<n/a>", KIND_TEXT}));
    EXPECT_FALSE(general.Find(L"Position in Parent"));

    RowCollector process;
    AddProcessRows(process, hwnd);
    EXPECT_EQ(process.rows, (std::vector<Row>{{GROUP_PROCESS, L"Process ID", L"0", KIND_NUMBER},
                                              {GROUP_PROCESS, L"Thread ID", L"0", KIND_NUMBER}}));
}

LRESULT CALLBACK PlainProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    return ::DefWindowProcW(hwnd, message, wParam, lParam);
}

// In its own process the window system tells everything, so the procedure is checked here.
TEST(GeneralRowsOfOwnWindow, WindowProcIsTheClassProcedure) {
    WNDCLASSW wc{};
    wc.lpfnWndProc = &PlainProc;
    wc.hInstance = ::GetModuleHandleW(nullptr);
    wc.lpszClassName = L"OrvexGeneralRowsTest";
    ASSERT_NE(::RegisterClassW(&wc), 0);
    HWND hwnd = ::CreateWindowExW(0, wc.lpszClassName, L"", WS_OVERLAPPED, 0, 0, 50, 50, nullptr, nullptr,
                                  wc.hInstance, nullptr);
    ASSERT_NE(hwnd, nullptr);
    EXPECT_EQ(
        GeneralRowsOf(hwnd).Find(L"Window Proc"),
        (Row{GROUP_GENERAL, L"Window Proc", Pointer(reinterpret_cast<UINT_PTR>(&PlainProc)), KIND_ADDRESS}));
    ::DestroyWindow(hwnd);
    ::UnregisterClassW(wc.lpszClassName, wc.hInstance);
}

} // namespace
