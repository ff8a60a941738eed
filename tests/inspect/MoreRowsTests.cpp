// The further groups of the Detail listing on real windows, mostly in another process: related
// windows, a control's text, window properties, display and thread state, against the texts of
// MoreRowsText.
#include "common/ScreenGeometry.h"
#include "common/ValueFormat.h"
#include "core/RowCollector.h"
#include "harness/RunningOnWine.h"
#include "harness/TargetClient.h"
#include "harness/Wait.h"
#include "inspect/MoreRows.h"
#include "inspect/MoreRowsText.h"
#include "inspect/TargetClassRequests.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

using Names = std::vector<std::wstring>;

RowCollector MoreRowsOf(HWND hwnd, int group) {
    RowCollector all;
    AddMoreRows(all, hwnd);
    RowCollector rows;
    std::copy_if(all.rows.begin(), all.rows.end(), std::back_inserter(rows.rows),
                 [group](const Row& row) { return row.group == group; });
    return rows;
}

std::wstring ClassOf(HWND hwnd) {
    wchar_t name[257] = {};
    ::GetClassNameW(hwnd, name, 257);
    return name;
}

Row LinkRow(int group, const std::wstring& name, HWND window) {
    if (!window)
        return {group, name, orvex::kNone, KIND_TEXT};
    return {group, name, orvex::FormatWindowLink(reinterpret_cast<UINT_PTR>(window), ClassOf(window)),
            KIND_WINDOW_LINK};
}

class MoreRowsOfTarget : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(target.IsRunning()); }
    HWND Frame(const std::wstring& text, DWORD exStyle = 0) {
        harness::WindowRequest frame = harness::WindowRequest::Frame(text, {100, 100, 500, 400});
        frame.exStyle = exStyle;
        return target.Create(frame);
    }
    HWND Child(HWND parent, int index) {
        const int left = 10 + 60 * index;
        return target.Create(harness::WindowRequest::Child(parent, L"OrvexTargetWindow", L"", 0,
                                                           {left, 10, left + 50, 60}, index));
    }
    harness::TargetProcess target;
};

// A frame with an owned popup, three children and one grandchild under the middle child.
TEST_F(MoreRowsOfTarget, EachRelationNamesTheRightWindow) {
    HWND frame = Frame(L"Family");
    ASSERT_NE(frame, nullptr);
    harness::WindowRequest popupRequest =
        harness::WindowRequest::Frame(L"Owned", {150, 150, 300, 250}, WS_POPUP | WS_VISIBLE);
    popupRequest.parent = frame;
    HWND popup = target.Create(popupRequest);
    HWND first = Child(frame, 1), middle = Child(frame, 2), last = Child(frame, 3);
    HWND grandchild = Child(middle, 4);
    ASSERT_TRUE(popup && first && middle && last && grandchild);
    const auto link = [](const wchar_t* name, HWND window) { return LinkRow(GROUP_WINDOWS, name, window); };
    HWND desktop = ::GetDesktopWindow();

    // Children come in creation order, each new one below its elder siblings.
    EXPECT_EQ(MoreRowsOf(middle, GROUP_WINDOWS).rows,
              (std::vector<Row>{link(L"Parent", frame),
                                link(L"Owner", nullptr),
                                link(L"First Child", grandchild),
                                link(L"Previous Window", first),
                                link(L"Next Window", last),
                                link(L"Root", frame),
                                link(L"Root Owner", frame),
                                link(L"Last Active Popup", middle),
                                {GROUP_WINDOWS, L"Children", L"1", KIND_NUMBER},
                                {GROUP_WINDOWS, L"Control Text", L"", KIND_TEXT}}));

    RowCollector ofPopup = MoreRowsOf(popup, GROUP_WINDOWS);
    EXPECT_EQ(ofPopup.Find(L"Parent"), link(L"Parent", desktop));
    EXPECT_EQ(ofPopup.Find(L"Owner"), link(L"Owner", frame));
    EXPECT_EQ(ofPopup.Find(L"Root"), link(L"Root", popup));
    EXPECT_EQ(ofPopup.Find(L"Root Owner"), link(L"Root Owner", frame));
    EXPECT_EQ(MoreRowsOf(frame, GROUP_WINDOWS).Find(L"Children")->value, L"3");
}

// What another program's control answers, which GetWindowTextW would not ask it for; a text past
// the longest shown is read far enough to know it goes on.
TEST_F(MoreRowsOfTarget, ControlTextIsWhatTheControlAnswersCutAfterTheLongestShown) {
    HWND frame = Frame(L"Controls");
    ASSERT_NE(frame, nullptr);
    HWND edit = target.Create(harness::WindowRequest::Child(
        frame, L"Edit", L"", ES_MULTILINE | ES_AUTOVSCROLL, {10, 10, 200, 80}, 1));
    ASSERT_NE(edit, nullptr);
    const std::wstring typed = L"first line\r\n\tsecond\x1B";
    ASSERT_TRUE(::SetWindowTextW(edit, typed.c_str()));
    EXPECT_EQ(MoreRowsOf(edit, GROUP_WINDOWS).Find(L"Control Text"),
              (Row{GROUP_WINDOWS, L"Control Text", orvex::FormatControlText(typed), KIND_TEXT}));

    const std::wstring longer = std::wstring(orvex::kLongestControlText, L'x') + L"yz";
    ASSERT_TRUE(::SetWindowTextW(frame, longer.c_str()));
    EXPECT_EQ(MoreRowsOf(frame, GROUP_WINDOWS).Find(L"Control Text")->value,
              orvex::FormatControlText(longer));
}

TEST_F(MoreRowsOfTarget, PropertiesSetWithSetPropAreListedByStringOrAtom) {
    HWND frame = Frame(L"Properties");
    ASSERT_NE(frame, nullptr);
    HWND bare = Child(frame, 1);
    ASSERT_NE(bare, nullptr);
    ASSERT_TRUE(SetTargetProperty(target, frame, "OrvexColour", 0x123456789Aull));
    const unsigned atom = SetTargetAtomProperty(target, frame, "OrvexAtomProperty", 42);
    ASSERT_NE(atom, 0u);

    const std::vector<Row> rows = MoreRowsOf(frame, GROUP_WINDOW_PROPERTIES).rows;
    // The system may keep properties of its own on a window: only ours are looked for.
    const auto listed = [&rows](const Row& row) {
        return std::find(rows.begin(), rows.end(), row) != rows.end();
    };
    EXPECT_TRUE(listed(
        {GROUP_WINDOW_PROPERTIES, L"OrvexColour", orvex::FormatPointer(0x123456789Aull), KIND_NUMBER}));
    for (const Row& row : MoreRowsOf(bare, GROUP_WINDOW_PROPERTIES).rows)
        EXPECT_NE(row.name.rfind(L"Orvex", 0), 0u) << "a property of the frame listed for its child";
    // Wine lists a property set by atom under the atom's name; Windows hands over the atom alone.
    const std::wstring atomRowName =
        harness::RunningOnWine() ? std::wstring(L"OrvexAtomProperty") : orvex::FormatAtomName(atom);
    EXPECT_TRUE(listed({GROUP_WINDOW_PROPERTIES, atomRowName, orvex::FormatPointer(42), KIND_NUMBER}));
}

TEST_F(MoreRowsOfTarget, DisplayRowsOfAMaximisedShapedWindowAndALayeredOne) {
    HWND shaped = Frame(L"Shaped");
    HWND layered = Frame(L"Layered", WS_EX_LAYERED);
    ASSERT_TRUE(shaped && layered);
    ASSERT_TRUE(target.SetEllipticRegion(shaped, {0, 0, 120, 80}));
    ASSERT_TRUE(target.Show(shaped, SW_MAXIMIZE));
    ASSERT_TRUE(SetTargetLayered(target, layered, RGB(255, 0, 255), 200, LWA_COLORKEY | LWA_ALPHA));
    // The box of the same ellipse, as this process's window system makes it.
    fw::UniqueRegion ellipse(::CreateEllipticRgn(0, 0, 120, 80));
    RECT box{};
    ASSERT_EQ(::GetRgnBox(ellipse.get(), &box), COMPLEXREGION);
    const POINT origin{0, 0};
    const HMONITOR primary = ::MonitorFromPoint(origin, MONITOR_DEFAULTTOPRIMARY);
    MONITORINFO monitor{};
    monitor.cbSize = sizeof(monitor);
    ASSERT_TRUE(::GetMonitorInfoW(primary, &monitor));

    RowCollector rows = MoreRowsOf(shaped, GROUP_DISPLAY);
    EXPECT_EQ(rows.Names(), (Names{L"DPI", L"DPI Awareness", L"Monitor", L"Show State", L"Normal Position",
                                   L"Layered", L"Region"}));
    EXPECT_EQ(rows.Find(L"Monitor")->value, orvex::FormatMonitor(reinterpret_cast<UINT_PTR>(primary),
                                                                 ToScreenRect(monitor.rcMonitor), true));
    EXPECT_EQ(rows.Find(L"Show State")->value, orvex::ShowCommandName(SW_SHOWMAXIMIZED));
    EXPECT_EQ(rows.Find(L"Layered")->value, L"not layered");
    EXPECT_EQ(rows.Find(L"Region")->value,
              orvex::FormatRegion(orvex::RegionKind::Complex, ToScreenRect(box)));

    RowCollector ofLayered = MoreRowsOf(layered, GROUP_DISPLAY);
    EXPECT_EQ(ofLayered.Find(L"Layered")->value,
              orvex::FormatLayeredAttributes(true, RGB(255, 0, 255), true, 200));
    EXPECT_EQ(ofLayered.Find(L"Show State")->value, orvex::ShowCommandName(SW_SHOWNORMAL));
    EXPECT_EQ(ofLayered.Find(L"Region")->value, L"None");
}

// A thread that has not taken its messages for over five seconds: the rows say so at once.
TEST_F(MoreRowsOfTarget, HungTargetIsNotRespondingAndCostsNoWait) {
    HWND frame = Frame(L"Hung");
    ASSERT_NE(frame, nullptr);
    ASSERT_TRUE(target.Hang(6000));
    ASSERT_TRUE(harness::WaitUntil([frame] { return ::IsHungAppWindow(frame) != FALSE; }, 5900))
        << "the window system never judged the target hung";

    const ULONGLONG start = ::GetTickCount64();
    RowCollector rows;
    AddMoreRows(rows, frame);
    EXPECT_LT(::GetTickCount64() - start, 500u) << "the rows waited for the hung target";
    EXPECT_EQ(rows.Find(L"Responding"), (Row{GROUP_THREAD, L"Responding", L"No", KIND_TEXT}));
    EXPECT_EQ(rows.Find(L"Control Text")->value, orvex::kNoAnswer);
}

// Within its own thread the window system tells capture and caret for certain.
TEST(MoreRowsOfOwnThread, CaptureAndCaretNameTheWindowHoldingThem) {
    HWND hwnd = ::CreateWindowExW(0, L"Static", L"", WS_OVERLAPPED | WS_VISIBLE, 0, 0, 80, 40, nullptr,
                                  nullptr, nullptr, nullptr);
    ASSERT_NE(hwnd, nullptr);
    ::SetCapture(hwnd);
    ASSERT_TRUE(::CreateCaret(hwnd, nullptr, 2, 10));

    RowCollector rows = MoreRowsOf(hwnd, GROUP_THREAD);
    EXPECT_EQ(rows.Names(), (Names{L"Responding", L"Active", L"Focus", L"Capture", L"Menu Owner",
                                   L"Move/Size", L"Caret", L"Flags"}));
    EXPECT_EQ(rows.rows[0], (Row{GROUP_THREAD, L"Responding", L"Yes", KIND_TEXT}));
    EXPECT_EQ(rows.Find(L"Capture"), LinkRow(GROUP_THREAD, L"Capture", hwnd));
    EXPECT_EQ(rows.Find(L"Caret"), LinkRow(GROUP_THREAD, L"Caret", hwnd));
    EXPECT_EQ(rows.Find(L"Menu Owner"), LinkRow(GROUP_THREAD, L"Menu Owner", nullptr));

    ::DestroyCaret();
    ::ReleaseCapture();
    ::DestroyWindow(hwnd);
}

} // namespace
