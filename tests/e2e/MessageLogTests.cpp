// The message log as a user meets it: Notepad's edit control picked with the hot key, the log
// opened from the window toolbar, two letters typed into Notepad and their key messages in the
// list; a stored filter leaving out the pointer's moves; an Orvex killed while logging.
#include "e2e/NotepadWindow.h"
#include "harness/ExternalProcess.h"
#include "harness/OrvexSession.h"
#include "harness/RemoteListView.h"
#include "harness/RemoteToolBar.h"
#include "harness/TargetClient.h"
#include "harness/TestText.h"
#include "harness/Wait.h"
#include "msglog/LogMapping.h"
#include "msglog/MessageRing.h"

#include <gtest/gtest.h>

#include <commctrl.h>

#include <algorithm>
#include <cstring>
#include <map>

namespace {

constexpr int kWindowToolBar = 104;
constexpr int kMessageLogIndex = 4; // after Highlight, Enable/Visible, a separator and Send Message
constexpr int kLogList = 100;
constexpr int kMessageColumn = 4;
constexpr int kDetailsColumn = 8;

bool Has(const std::vector<std::wstring>& cells, const wchar_t* name) {
    return std::find(cells.begin(), cells.end(), name) != cells.end();
}

// Starts Orvex, picks `window` with the finder tool and opens the log from the window toolbar; the
// log's list, moved below the main window and clear of the right half, or null.
HWND OpenLogOn(harness::OrvexSession& orvex, HWND window) {
    if (!orvex.Start() || !orvex.WaitForMainWindow())
        return nullptr;
    ::SetWindowPos(orvex.MainWindow(), nullptr, 40, 80, 560, 500, SWP_NOZORDER | SWP_NOACTIVATE);
    // Picked with the finder tool rather than the hot key, which a program just ended may still hold
    // for a moment.
    const POINT finder = harness::CenterOf(::GetDlgItem(orvex.Control(100), 102));
    const POINT over = harness::CenterOf(window);
    harness::xdo::MoveTo(finder.x, finder.y);
    harness::xdo::ButtonDown();
    harness::xdo::MoveTo((finder.x + over.x) / 2, (finder.y + over.y) / 2);
    harness::xdo::MoveTo(over.x, over.y);
    orvex.WaitListed(window);
    harness::xdo::ButtonUp();
    const auto button = harness::ToolBarButtonScreenRect(orvex.Control(kWindowToolBar), kMessageLogIndex);
    if (!orvex.WaitListed(window) || !button)
        return nullptr;
    harness::xdo::Click((button->left + button->right) / 2, (button->top + button->bottom) / 2);
    HWND log = nullptr;
    harness::WaitUntil(
        [&] {
            const auto found = harness::FindTopLevelWindows(orvex.Process().Id(), L"#32770", L"Message Log");
            log = found.empty() ? nullptr : found.front();
            return log && ::IsWindowVisible(log);
        },
        10000);
    if (!log)
        return nullptr;
    ::SetWindowPos(log, nullptr, 40, 590, 560, 380, SWP_NOZORDER | SWP_NOACTIVATE);
    return ::GetDlgItem(log, kLogList);
}

// The details of the first line of each key message, by message name.
std::map<std::wstring, std::wstring> FirstDetails(HWND list) {
    const std::vector<std::wstring> names = harness::ReadListColumn(list, kMessageColumn);
    const std::vector<std::wstring> details = harness::ReadListColumn(list, kDetailsColumn);
    std::map<std::wstring, std::wstring> first;
    for (std::size_t line = 0; line < names.size() && line < details.size(); ++line)
        first.try_emplace(names[line], details[line]);
    return first;
}

void LettersTypedIntoNotepad(const wchar_t* program) {
    harness::ClearOrvexSettings();
    harness::BackgroundProcess notepad;
    HWND edit = e2e::StartNotepad(notepad, program);
    ASSERT_NE(edit, nullptr);

    harness::OrvexSession orvex;
    HWND list = OpenLogOn(orvex, edit);
    ASSERT_NE(list, nullptr) << "the log did not open on Notepad's edit control";

    const POINT inEdit = harness::CenterOf(edit);
    harness::xdo::Click(inEdit.x, inEdit.y);
    // Keys typed before Notepad has taken the focus go to whichever window still has it.
    ASSERT_TRUE(harness::WaitUntil(
        [&] {
            return ::GetForegroundWindow() == ::GetAncestor(edit, GA_ROOT) && harness::FocusIn(edit) == edit;
        },
        5000));
    harness::xdo::Type(L"xy");
    std::vector<std::wstring> messages;
    EXPECT_TRUE(harness::WaitUntil(
        [&] {
            messages = harness::ReadListColumn(list, kMessageColumn);
            return Has(messages, L"WM_KEYDOWN") && Has(messages, L"WM_CHAR") && Has(messages, L"WM_KEYUP");
        },
        10000))
        << messages.size() << " lines, none or not all of the key messages";
    auto details = FirstDetails(list);
    EXPECT_EQ(details[L"WM_KEYDOWN"].rfind(L"X repeat=1 scan=", 0), 0u) << details[L"WM_KEYDOWN"];
    EXPECT_EQ(details[L"WM_CHAR"].rfind(L"'x' U+0078 repeat=1", 0), 0u) << details[L"WM_CHAR"];
    EXPECT_TRUE(details[L"WM_KEYUP"].ends_with(L"previous=down released")) << details[L"WM_KEYUP"];

    // A text another program sets: shown, or said to be unreadable (Wine hands the hook the sending
    // program's pointer), never an empty text.
    ::SendMessageW(edit, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L"Set from outside"));
    EXPECT_TRUE(harness::WaitUntil([&] { return FirstDetails(list).contains(L"WM_SETTEXT"); }, 5000));
    const std::wstring setText = FirstDetails(list)[L"WM_SETTEXT"];
    EXPECT_TRUE(setText == L"\"Set from outside\" (16 chars)" || setText == L"<text not readable>")
        << setText;

    EXPECT_TRUE(orvex.Close());
    notepad.Kill();
}

TEST(MessageLogE2e, LettersTypedIntoNotepadShowTheirKeyMessagesInTheLog) {
    LettersTypedIntoNotepad(L"notepad.exe");
}

TEST(MessageLogE2e, LettersTypedIntoThirtyTwoBitNotepadShowTheirKeyMessagesInTheLog) {
    ORVEX_NEEDS_THIRTY_TWO_BIT_PROGRAMS();
    LettersTypedIntoNotepad(L"C:\\windows\\syswow64\\notepad.exe");
}

TEST(MessageLogE2e, WithMouseMovesFilteredOutClicksOnNotepadAreLoggedAndNoMoves) {
    harness::ClearOrvexSettings();
    const DWORD stored[] = {1, 0x3FF, 1, WM_MOUSEMOVE}; // layout 1, every category, one message left out
    ASSERT_TRUE(harness::WriteRegistryBinary(L"Settings", L"MessageLogFilter", stored, sizeof(stored)));
    harness::BackgroundProcess notepad;
    HWND edit = e2e::StartNotepad(notepad);
    ASSERT_NE(edit, nullptr);
    harness::OrvexSession orvex;
    HWND list = OpenLogOn(orvex, edit);
    ASSERT_NE(list, nullptr);

    const POINT middle = harness::CenterOf(edit);
    for (int step = 0; step < 10; ++step)
        harness::xdo::MoveTo(middle.x - 50 + step * 10, middle.y + step * 3);
    harness::xdo::Click(middle.x, middle.y);
    std::vector<std::wstring> messages;
    EXPECT_TRUE(harness::WaitUntil(
        [&] {
            messages = harness::ReadListColumn(list, kMessageColumn);
            return Has(messages, L"WM_LBUTTONDOWN") && Has(messages, L"WM_LBUTTONUP");
        },
        10000))
        << messages.size() << " lines, without the click";
    EXPECT_FALSE(Has(messages, L"WM_MOUSEMOVE"));
    EXPECT_TRUE(Has(messages, L"WM_SETCURSOR")) << "the pointer was over it: only the moves are left out";
    EXPECT_TRUE(orvex.Close());
    notepad.Kill();
}

TEST(MessageLogE2e, GarbageWrittenOverTheLogsSharedMemoryFromOutsideRestartsIt) {
    harness::ClearOrvexSettings();
    harness::TargetProcess target;
    ASSERT_TRUE(target.IsRunning());
    HWND foreign =
        target.Create(harness::WindowRequest::Frame(L"Logged, then attacked", {760, 300, 1160, 700}));
    ASSERT_NE(foreign, nullptr);
    harness::OrvexSession orvex;
    HWND list = OpenLogOn(orvex, foreign);
    ASSERT_NE(list, nullptr);
    ASSERT_TRUE(harness::WaitUntil([&] { return ::SendMessageW(list, LVM_GETITEMCOUNT, 0, 0) > 0; }, 10000));

    // This test's process is the attacker: another program of the same user, writing over the
    // control block and the ring's header.
    const DWORD thread = ::GetWindowThreadProcessId(foreign, nullptr);
    fw::UniqueFileHandle mapping(
        ::OpenFileMappingW(FILE_MAP_ALL_ACCESS, FALSE, orvex::LogMappingName(thread).c_str()));
    fw::UniqueMappedView view(mapping ? ::MapViewOfFile(mapping.get(), FILE_MAP_ALL_ACCESS, 0, 0, 0)
                                      : nullptr);
    ASSERT_TRUE(view);
    std::memset(view.get(), 0xA5, orvex::kLogRingOffset + 64);

    const std::wstring note =
        L"\u2014\u2014 the log's shared memory was damaged; logging restarted \u2014\u2014";
    std::vector<std::wstring> messages;
    EXPECT_TRUE(harness::WaitUntil(
        [&] {
            ::SendMessageW(foreign, harness::kTargetEchoMessage, 0, 91);
            messages = harness::ReadListColumn(list, kMessageColumn);
            const auto damaged = std::find(messages.begin(), messages.end(), note);
            return damaged != messages.end() &&
                   std::find(damaged, messages.end(), L"WM_APP+2") != messages.end();
        },
        10000))
        << "no damage note, or nothing logged after it";
    EXPECT_EQ(std::count(messages.begin(), messages.end(), note), 1);
    EXPECT_EQ(target.Request("ping"), "ok");
    EXPECT_TRUE(orvex.Close());
}

// Takes the log's name on the thread of `window` as a program other than Orvex could, and lets the
// thread handle messages for a second: the number of records that reach the squatter's ring.
std::size_t RecordsAFoundMappingReceives(HWND window, harness::TargetProcess& target) {
    const std::size_t size = orvex::LogMappingSize();
    const DWORD thread = ::GetWindowThreadProcessId(window, nullptr);
    fw::UniqueFileHandle mapping(::CreateFileMappingW(INVALID_HANDLE_VALUE, nullptr, PAGE_READWRITE, 0,
                                                      static_cast<DWORD>(size),
                                                      orvex::LogMappingName(thread).c_str()));
    fw::UniqueMappedView view(mapping ? ::MapViewOfFile(mapping.get(), FILE_MAP_ALL_ACCESS, 0, 0, size)
                                      : nullptr);
    orvex::RingReader reader;
    if (!view ||
        !orvex::InitializeLogMapping(view.get(), size, 99, orvex::LogScope::Thread,
                                     reinterpret_cast<UINT_PTR>(window), ::GetTickCount64(),
                                     {::GetCurrentProcessId(), 0x5EC12E7}) ||
        reader.Attach(static_cast<std::byte*>(view.get()) + orvex::kLogRingOffset,
                      size - orvex::kLogRingOffset, 99) != orvex::RingCheck::Ok) {
        ADD_FAILURE() << "the squatter's mapping could not be made";
        return 0;
    }
    auto& control = *static_cast<orvex::LogControl*>(view.get());
    std::size_t records = 0;
    for (int round = 0; round < 10; ++round) {
        control.heartbeat.store(::GetTickCount64());
        EXPECT_EQ(::SendMessageW(window, harness::kTargetEchoMessage, 0, round), round);
        EXPECT_EQ(target.Request("ping"), "ok");
        ::Sleep(100);
        records += reader.Drain([](const orvex::RingRecord&) {});
    }
    return records;
}

// Orvex killed while it logs a program of `width`: the program answers, no hook host stays behind,
// a program that takes the log's name gets nothing from the hook left in the program, and the next
// Orvex logs it again.
void KilledWhileLogging(harness::TargetWidth width) {
    harness::ClearOrvexSettings();
    harness::TargetProcess target(width);
    ASSERT_TRUE(target.IsRunning());
    HWND foreign = target.Create(harness::WindowRequest::Frame(L"Logged, then left", {760, 300, 1160, 700}));
    ASSERT_NE(foreign, nullptr);
    harness::OrvexSession orvex;
    HWND list = OpenLogOn(orvex, foreign);
    ASSERT_NE(list, nullptr);
    ASSERT_TRUE(harness::WaitUntil([&] { return ::SendMessageW(list, LVM_GETITEMCOUNT, 0, 0) > 0; }, 10000));
    // Logged for certain: the echo shows in the list before Orvex goes.
    EXPECT_EQ(::SendMessageW(foreign, harness::kTargetEchoMessage, 0, 77), 77);
    EXPECT_TRUE(harness::WaitUntil(
        [&] { return Has(harness::ReadListColumn(list, kMessageColumn), L"WM_APP+2"); }, 5000));

    orvex.Process().Kill();
    ASSERT_TRUE(orvex.Process().WaitForExit(5000));
    for (LPARAM value : {1, 2, 3})
        EXPECT_EQ(::SendMessageW(foreign, harness::kTargetEchoMessage, 0, value), value);
    ::PostMessageW(foreign, WM_APP + 9, 0, 0);
    EXPECT_EQ(target.Request("ping"), "ok") << "the program's thread no longer runs its loop";
    EXPECT_TRUE(
        harness::WaitUntil([] { return harness::ProgramsRunning({L"OrvexHookHost32"}).empty(); }, 5000))
        << "the 32-bit hook host outlived the Orvex that started it";
    EXPECT_EQ(RecordsAFoundMappingReceives(foreign, target), 0u)
        << "the hook the killed Orvex left wrote into a mapping another program made";

    // The hook the killed Orvex left in the program gives way to the next Orvex's log, and a hook
    // of the killed one that the window system kept does not show a message twice.
    harness::OrvexSession next;
    list = OpenLogOn(next, foreign);
    ASSERT_NE(list, nullptr);
    EXPECT_EQ(::SendMessageW(foreign, harness::kTargetEchoMessage, 0, 78), 78);
    std::vector<std::wstring> messages;
    EXPECT_TRUE(harness::WaitUntil(
        [&] {
            messages = harness::ReadListColumn(list, kMessageColumn);
            return std::count(messages.begin(), messages.end(), L"WM_APP+2") >= 2;
        },
        10000))
        << "the next Orvex's log did not show the message sent and returned: "
        << (messages.empty() ? std::wstring(L"(no line)") : messages.front());
    EXPECT_EQ(std::count(messages.begin(), messages.end(), L"WM_APP+2"), 2);
    EXPECT_TRUE(next.Close());
}

TEST(MessageLogE2e, AnOrvexKilledWhileLoggingLeavesTheProgramAnsweringAndLoggableAgain) {
    KilledWhileLogging(harness::TargetWidth::Native);
}

TEST(MessageLogE2e, AnOrvexKilledWhileLoggingAThirtyTwoBitProgramTakesItsHooksAlong) {
    ORVEX_NEEDS_THIRTY_TWO_BIT_PROGRAMS();
    KilledWhileLogging(harness::TargetWidth::ThirtyTwoBit);
}

} // namespace
