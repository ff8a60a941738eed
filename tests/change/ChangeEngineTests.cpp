// Changing the helper target's windows as the Change Window tool and --set do: each kind of change
// read back from the window, a style word with and without the frame update, Undo All, a hung
// target that answers late, and changes the system or Orvex refuses.
#include "change/ChangeEngine.h"

#include "common/SystemMessage.h"
#include "harness/TargetClient.h"
#include "harness/Wait.h"
#include "inspect/WindowFacts.h"
#include "select/WindowActions.h"

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <thread>

namespace {

using orvex::ChangeProperty;
using orvex::WindowChange;

std::string Narrow(const std::wstring& text) {
    return std::string(text.begin(), text.end());
}

WindowChange Typed(HWND hwnd, const std::wstring& text) {
    auto parsed = orvex::ParseWindowChange(text, WindowClassName(hwnd));
    EXPECT_TRUE(std::holds_alternative<WindowChange>(parsed)) << Narrow(text);
    return std::holds_alternative<WindowChange>(parsed) ? std::get<WindowChange>(parsed) : WindowChange{};
}

class ChangeEngineTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(target.IsRunning());
        frame = target.Create(harness::WindowRequest::Frame(L"change frame", {60, 60, 420, 300}));
        ASSERT_TRUE(frame);
        edit = target.Create(
            harness::WindowRequest::Child(frame, L"Edit", L"left", ES_LEFT, {5, 5, 200, 30}, 7));
        ASSERT_TRUE(edit);
    }

    // Applies the typed change, expects it applied, and checks that what the outcome calls the value
    // after is what the window reports now.
    ChangeOutcome Applied(HWND hwnd, const std::wstring& text, const ChangeOptions& options = {}) {
        const WindowChange change = Typed(hwnd, text);
        ChangeOutcome outcome = ApplyWindowChange(hwnd, change, options);
        EXPECT_EQ(outcome.status, ChangeOutcome::Status::Applied)
            << Narrow(text) << ": " << Narrow(outcome.reason);
        const auto now = ReadChangeValue(hwnd, orvex::PropertyOf(change.kind));
        EXPECT_TRUE(now && *now == outcome.after) << Narrow(text);
        undo[hwnd].Record(outcome.before);
        return outcome;
    }

    harness::TargetProcess target;
    HWND frame = nullptr;
    HWND edit = nullptr;
    std::map<HWND, orvex::UndoList> undo; // one list per window, as the tool keeps it
};

TEST_F(ChangeEngineTest, EachKindOfChangeIsReadBackAndUndoAllPutsEveryValueBack) {
    const ChangeProperty properties[] = {
        ChangeProperty::Text, ChangeProperty::Style,   ChangeProperty::ExStyle, ChangeProperty::Position,
        ChangeProperty::Size, ChangeProperty::Visible, ChangeProperty::Enabled, ChangeProperty::TopMost};
    const auto values = [&](HWND hwnd) {
        std::vector<orvex::ChangeValue> read;
        for (ChangeProperty property : properties)
            read.push_back(ReadChangeValue(hwnd, property).value_or(orvex::ChangeValue{}));
        return read;
    };
    const auto frameBefore = values(frame);
    const auto editBefore = values(edit);
    const HWND foreground = ::GetForegroundWindow();

    EXPECT_EQ(Applied(frame, L"text=changed, twice").after.text, L"changed, twice");
    EXPECT_EQ(Applied(frame, L"text=").after.text, L"");
    EXPECT_EQ(Applied(edit, L"text=typed in").after.text, L"typed in") << "a control's own text";

    const ChangeOutcome centred = Applied(edit, L"style=+ES_CENTER");
    EXPECT_EQ(centred.after.word, Typed(edit, L"style=+ES_CENTER").StyleAfter(centred.before.word));
    EXPECT_EQ(Applied(edit, L"style=+ES_RIGHT").after.word & 3u, 2u) << "the group's other name is cleared";
    EXPECT_TRUE(Applied(edit, L"exstyle=+WS_EX_CLIENTEDGE").after.word & WS_EX_CLIENTEDGE);

    // Coordinates in the parent's client area for a child, on the screen for a top-level window.
    const ChangeOutcome moved = Applied(edit, L"pos=-5,17");
    EXPECT_EQ(moved.after.x, -5);
    EXPECT_EQ(moved.after.y, 17);
    const ChangeOutcome sized = Applied(edit, L"size=150,40");
    EXPECT_EQ(sized.after.x, 150);
    EXPECT_EQ(sized.after.y, 40);
    EXPECT_EQ(Applied(frame, L"pos=-20,30").after.x, -20);
    EXPECT_EQ(Applied(frame, L"size=300,200").after.y, 200);

    EXPECT_FALSE(Applied(edit, L"hide").after.on);
    EXPECT_FALSE(::IsWindowVisible(edit));
    EXPECT_TRUE(Applied(edit, L"show").after.on);
    EXPECT_FALSE(Applied(edit, L"disable").after.on);
    EXPECT_FALSE(::IsWindowEnabled(edit));
    EXPECT_TRUE(Applied(frame, L"topmost").after.on);
    EXPECT_TRUE(::GetWindowLongPtrW(frame, GWL_EXSTYLE) & WS_EX_TOPMOST);
    EXPECT_EQ(::GetForegroundWindow(), foreground) << "no change activates the target";

    for (HWND hwnd : {edit, frame}) {
        for (const WindowChange& change : undo[hwnd].TakeUndoChanges())
            EXPECT_EQ(ApplyWindowChange(hwnd, change).status, ChangeOutcome::Status::Applied)
                << Narrow(orvex::ChangeText(change));
    }
    EXPECT_EQ(values(frame), frameBefore);
    EXPECT_EQ(values(edit), editBefore);

    const ChangeOutcome closed = ApplyWindowChange(frame, Typed(frame, L"close"));
    EXPECT_EQ(closed.status, ChangeOutcome::Status::Applied);
    EXPECT_TRUE(harness::WaitUntil([&] { return !::IsWindow(frame); }, 5000)) << "WM_CLOSE was posted";
}

// Without the frame update the window keeps the frame it had until something else recomputes it;
// with it, the caption the new word asks for takes its place at once.
TEST_F(ChangeEngineTest, StyleWordWithAndWithoutTheFrameUpdate) {
    const auto clientHeight = [](HWND hwnd) {
        RECT client{};
        ::GetClientRect(hwnd, &client);
        return client.bottom;
    };
    HWND popup =
        target.Create(harness::WindowRequest::Frame(L"popup", {500, 60, 700, 200}, WS_POPUP | WS_VISIBLE));
    ASSERT_TRUE(popup);
    const LONG full = clientHeight(popup);
    ChangeOptions noFrame;
    noFrame.frameUpdate = false;
    const ChangeOutcome bare = Applied(popup, L"style=+WS_BORDER", noFrame);
    EXPECT_TRUE(bare.after.word & WS_BORDER);
    EXPECT_EQ(clientHeight(popup), full) << "the frame is not recomputed";
    Applied(popup, L"style=+WS_DLGFRAME");
    EXPECT_LT(clientHeight(popup), full) << "the caption took its place";
}

// A style change waits for the window's thread (WM_STYLECHANGING, the frame update). The caller is
// told within the bound and answers its own messages meanwhile; the window stays taken until its
// program answers, and then the change lands.
TEST_F(ChangeEngineTest, AHungTargetIsReportedWithinTheBoundWhileTheCallerAnswers) {
    HWND told = ::CreateWindowExW(0, L"STATIC", L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, nullptr, nullptr);
    ASSERT_TRUE(told);
    const WindowChange border = Typed(frame, L"style=+WS_BORDER");
    ASSERT_TRUE(target.Hang(4000));

    constexpr UINT kDone = WM_APP + 9;
    const ULONGLONG start = ::GetTickCount64();
    StartWindowChange(frame, border, {}, told, kDone);
    EXPECT_LT(::GetTickCount64() - start, 200u) << "the caller waited for the hung program";
    bool answered = false;
    std::thread asker([&] {
        DWORD_PTR ignored = 0;
        answered = ::SendMessageTimeoutW(told, WM_NULL, 0, 0, SMTO_NORMAL, 1000, &ignored) != 0;
    });
    MSG done{};
    while (!::PeekMessageW(&done, told, kDone, kDone, PM_REMOVE) && ::GetTickCount64() - start < 6000)
        ::MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
    asker.join();
    const ULONGLONG took = ::GetTickCount64() - start;
    EXPECT_TRUE(answered) << "this thread stopped answering while the change waited";
    ASSERT_EQ(done.message, kDone) << "no outcome was posted";
    EXPECT_EQ(reinterpret_cast<HWND>(done.wParam), frame);
    const auto outcome = TakePostedOutcome(done.lParam);
    EXPECT_EQ(outcome->status, ChangeOutcome::Status::NotAnswered);
    EXPECT_EQ(outcome->reason, kChangeNotAnswered);
    EXPECT_GE(took, kChangeBoundMs - 100);
    EXPECT_LT(took, kChangeBoundMs + 700);

    EXPECT_EQ(ApplyWindowChange(frame, border).status, ChangeOutcome::Status::Busy);
    EXPECT_EQ(EnableAndShowWindow(frame), EnableShowRequest::AlreadyWaiting)
        << "one waiting thread per window";
    EXPECT_TRUE(
        harness::WaitUntil([&] { return (::GetWindowLongPtrW(frame, GWL_STYLE) & WS_BORDER) != 0; }, 6000))
        << "the change lands once the program answers";
    EXPECT_TRUE(harness::WaitUntil(
        [&] { return ApplyWindowChange(frame, border).status == ChangeOutcome::Status::Applied; }, 3000));
    ::DestroyWindow(told);
}

TEST_F(ChangeEngineTest, RefusalsSayWhyAndChangeNothing) {
    const WindowChange hide = Typed(edit, L"hide");
    ASSERT_TRUE(target.Destroy(edit));
    const ChangeOutcome gone = ApplyWindowChange(edit, hide);
    EXPECT_EQ(gone.status, ChangeOutcome::Status::Refused);
    EXPECT_EQ(gone.reason, SystemMessage(ERROR_INVALID_WINDOW_HANDLE));
    EXPECT_EQ(gone.reason.find(L"Error "), std::wstring::npos) << "the system's own sentence";

    HWND own =
        ::CreateWindowExW(0, L"STATIC", L"mine", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
    ASSERT_TRUE(own);
    const ChangeOutcome mine = ApplyWindowChange(own, Typed(own, L"text=theirs"));
    EXPECT_EQ(mine.status, ChangeOutcome::Status::Refused);
    EXPECT_EQ(mine.reason, kChangeOwnWindow);
    EXPECT_EQ(WindowTextNoMessage(own), L"mine");
    ::DestroyWindow(own);
}

} // namespace
