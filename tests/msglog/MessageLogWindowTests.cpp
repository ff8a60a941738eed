// The message log window as its owner drives it: its place is stored with the other settings at
// exit, never when it closes; it says so and starts again when its shared memory is written over.
#include "maindlg/MainDialogFixture.h"

#include "harness/TargetClient.h"
#include "common/ClipboardText.h"
#include "common/ValueFormat.h"
#include "msglog/LogDrain.h"
#include "msglog/LogMapping.h"
#include "msglog/MessageLogDialog.h"

#include <commctrl.h>

#include <cstring>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace {

using maindlg_test::MainDialogTest;
using maindlg_test::ReadProfileBinary;

constexpr wchar_t kPlacement[] = L"Settings\\WindowPlacement";

class MessageLogWindowTest : public MainDialogTest {
protected:
    CMessageLogDialog* OpenLog() {
        dialog->SendMessage(WM_COMMAND, ID_WINDOW_MESSAGE_LOG);
        harness::PumpMessages();
        return Inside().Log();
    }
    static std::wstring ClipboardText() {
        std::wstring copied;
        if (::OpenClipboard(nullptr)) {
            if (HANDLE data = ::GetClipboardData(CF_UNICODETEXT)) {
                copied = static_cast<const wchar_t*>(::GlobalLock(data));
                ::GlobalUnlock(data);
            }
            ::CloseClipboard();
        }
        return copied;
    }
    static HWND PlainWindow(const wchar_t* text) {
        return ::CreateWindowExW(0, L"STATIC", text, WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr,
                                 nullptr);
    }
};

TEST_F(MessageLogWindowTest, ItsPlaceIsStoredAtExitOnlyAndTakenWhenItOpensAgain) {
    ASSERT_TRUE(OpenDialog());
    ASSERT_NE(OpenLog(), nullptr);
    const RECT moved{150, 120, 750, 520};
    ::SetWindowPos(Inside().Log()->m_hWnd, nullptr, moved.left, moved.top, moved.right - moved.left,
                   moved.bottom - moved.top, SWP_NOZORDER | SWP_NOACTIVATE);
    ::SendMessageW(Inside().Log()->m_hWnd, WM_CLOSE, 0, 0);
    harness::PumpMessages();
    EXPECT_EQ(Inside().Log(), nullptr);
    EXPECT_EQ(ReadProfileBinary(kPlacement, L"MessageLogRect"), std::nullopt)
        << "closing the log writes nothing";

    CloseDialog();
    const auto stored = ReadProfileBinary(kPlacement, L"MessageLogRect");
    ASSERT_TRUE(stored.has_value() && stored->size() == sizeof(RECT));
    RECT rect{};
    std::memcpy(&rect, stored->data(), sizeof(rect));
    EXPECT_TRUE(::EqualRect(&rect, &moved));

    ASSERT_TRUE(OpenDialog());
    ASSERT_NE(OpenLog(), nullptr);
    const RECT reopened = Inside().Log()->GetWindowRect();
    EXPECT_TRUE(::EqualRect(&reopened, &moved));
}

TEST_F(MessageLogWindowTest, TheListFollowsTheNewestLineUntilALineIsSelectedAndCopiesTheSelection) {
    harness::TargetProcess target;
    HWND logged = target.Create(harness::WindowRequest::Frame(L"Logged", {700, 100, 900, 300}));
    ASSERT_NE(logged, nullptr);
    ASSERT_TRUE(OpenDialog());
    ASSERT_TRUE(dialog->ShowWindowProperties(logged));
    CMessageLogDialog* log = OpenLog();
    ASSERT_NE(log, nullptr);
    const HWND list = ::GetDlgItem(log->m_hWnd, IDC_MSGLOG_LIST);
    const auto sendEchoes = [&](int count) {
        for (int i = 0; i < count; ++i)
            ::SendMessageW(logged, harness::kTargetEchoMessage, 0, i);
        const size_t wanted = log->Lines().size() + 2 * static_cast<size_t>(count);
        harness::WaitUntil([&] { return log->Drain(), log->Lines().size() >= wanted; }, 5000);
    };
    sendEchoes(60);
    const int count = static_cast<int>(::SendMessageW(list, LVM_GETITEMCOUNT, 0, 0));
    ASSERT_EQ(static_cast<size_t>(count), log->Lines().size());
    const int top = static_cast<int>(::SendMessageW(list, LVM_GETTOPINDEX, 0, 0));
    EXPECT_GE(top + ::SendMessageW(list, LVM_GETCOUNTPERPAGE, 0, 0), count) << "the newest line is in view";

    // A selected line holds the view where the reader is.
    LVITEMW state{};
    state.state = state.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
    ::SendMessageW(list, LVM_SETITEMSTATE, 2, reinterpret_cast<LPARAM>(&state));
    ::SendMessageW(list, LVM_ENSUREVISIBLE, 2, FALSE);
    const int held = static_cast<int>(::SendMessageW(list, LVM_GETTOPINDEX, 0, 0));
    sendEchoes(60);
    EXPECT_EQ(::SendMessageW(list, LVM_GETTOPINDEX, 0, 0), held);

    // Ctrl+C, with Ctrl down in the state the key comes with.
    BYTE keys[256] = {};
    ::GetKeyboardState(keys);
    keys[VK_CONTROL] = 0x80;
    ::SetKeyboardState(keys);
    ::SendMessageW(list, WM_KEYDOWN, 'C', 0x002E0001);
    keys[VK_CONTROL] = 0;
    ::SetKeyboardState(keys);
    std::wstring copied;
    if (::OpenClipboard(nullptr)) {
        if (HANDLE data = ::GetClipboardData(CF_UNICODETEXT)) {
            copied = static_cast<const wchar_t*>(::GlobalLock(data));
            ::GlobalUnlock(data);
        }
        ::CloseClipboard();
    }
    EXPECT_EQ(copied.substr(0, copied.find(L"\r\n")),
              L"#\tTime\tWindow\tType\tMessage\twParam\tlParam\tResult\tDetails");
    EXPECT_NE(copied.find(L"\r\n3\t"), std::wstring::npos) << "the selected third line";

    // Saved whole, or the selection, as UTF-8; a file that cannot be written is said so.
    wchar_t folder[MAX_PATH] = {};
    ::GetTempPathW(MAX_PATH, folder);
    const std::wstring path = std::wstring(folder) + L"orvex-saved-log.txt";
    const auto savedLines = [&] {
        std::ifstream file(std::filesystem::path(path), std::ios::binary);
        std::vector<std::string> lines;
        for (std::string line; std::getline(file, line);)
            lines.push_back(line);
        return lines;
    };
    ASSERT_TRUE(log->SaveTo(path, false));
    std::vector<std::string> saved = savedLines();
    ASSERT_EQ(saved.size(), log->Lines().size() + 1);
    EXPECT_EQ(saved[0], "#\tTime\tWindow\tType\tMessage\twParam\tlParam\tResult\tDetails\r");
    ASSERT_TRUE(log->SaveTo(path, true));
    saved = savedLines();
    ASSERT_EQ(saved.size(), 2u);
    EXPECT_EQ(saved[1].substr(0, 2), "3\t");
    ::DeleteFileW(path.c_str());
    EXPECT_FALSE(log->SaveTo(std::wstring(folder) + L"no such folder\\log.txt", false));

    // A double-clicked line's window is listed; the log stays on its target.
    HWND elsewhere = PlainWindow(L"elsewhere");
    dialog->SelectWindow(elsewhere, Selection::Step);
    RECT row{};
    row.left = LVIR_BOUNDS;
    ASSERT_TRUE(::SendMessageW(list, LVM_GETITEMRECT, 3, reinterpret_cast<LPARAM>(&row)));
    ::SendMessageW(list, WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(row.left + 20, (row.top + row.bottom) / 2));
    ::SendMessageW(list, WM_LBUTTONUP, 0, MAKELPARAM(row.left + 20, (row.top + row.bottom) / 2));
    EXPECT_EQ(dialog->ListedWindow(), logged);
    EXPECT_EQ(log->Target(), logged);
    ::DestroyWindow(elsewhere);
}

TEST_F(MessageLogWindowTest, WhileOlderLinesLeaveTheViewAndSelectionStayOnTheLinesBeingRead) {
    harness::TargetProcess target;
    HWND logged = target.Create(harness::WindowRequest::Frame(L"Logged", {700, 100, 900, 300}));
    ASSERT_NE(logged, nullptr);
    ASSERT_TRUE(OpenDialog());
    ASSERT_TRUE(dialog->ShowWindowProperties(logged));
    constexpr size_t kCapacity = 120;
    CMessageLogDialog* log = CModelessDialog::Open<CMessageLogDialog>(dialog.get(), nullptr, *dialog,
                                                                      orvex::MessageFilter{}, kCapacity);
    ASSERT_NE(log, nullptr);
    const HWND list = ::GetDlgItem(log->m_hWnd, IDC_MSGLOG_LIST);
    const auto sendEchoes = [&](int count) {
        const std::uint64_t wanted = log->Seen() + 2 * static_cast<std::uint64_t>(count);
        for (int i = 0; i < count; ++i)
            ::SendMessageW(logged, harness::kTargetEchoMessage, 0, i);
        harness::WaitUntil([&] { return log->Drain(), log->Seen() >= wanted; }, 5000);
    };
    const auto numberAt = [&](LPARAM item) { return log->Lines()[static_cast<size_t>(item)].number; };
    sendEchoes(60);
    ASSERT_EQ(log->Lines().size(), kCapacity);

    LVITEMW state{};
    state.state = state.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
    ::SendMessageW(list, LVM_SETITEMSTATE, 70, reinterpret_cast<LPARAM>(&state));
    ::SendMessageW(list, LVM_ENSUREVISIBLE, 70, FALSE);
    const std::uint64_t selectedNumber = numberAt(70);
    const std::uint64_t topNumber = numberAt(::SendMessageW(list, LVM_GETTOPINDEX, 0, 0));
    sendEchoes(20); // forty lines leave from the top

    const LRESULT selected = ::SendMessageW(list, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED);
    ASSERT_GE(selected, 0);
    EXPECT_EQ(numberAt(selected), selectedNumber);
    EXPECT_EQ(::SendMessageW(list, LVM_GETSELECTEDCOUNT, 0, 0), 1);
    EXPECT_EQ(numberAt(::SendMessageW(list, LVM_GETTOPINDEX, 0, 0)), topNumber);
    log->DestroyWindow();
    harness::PumpMessages();
}

TEST_F(MessageLogWindowTest, ALogWhoseSharedMemoryIsWrittenOverSaysSoAndLogsOn) {
    harness::TargetProcess target;
    HWND logged = target.Create(harness::WindowRequest::Frame(L"Logged", {700, 100, 900, 300}));
    ASSERT_NE(logged, nullptr);
    ASSERT_TRUE(OpenDialog());
    ASSERT_TRUE(dialog->ShowWindowProperties(logged));
    CMessageLogDialog* log = OpenLog();
    ASSERT_TRUE(log && log->Logging());
    // Sent until one is logged: messages sent while the mapping is damaged are lost.
    const auto logs = [&](LPARAM marker) {
        return harness::WaitUntil(
            [&] {
                ::SendMessageW(logged, harness::kTargetEchoMessage, 0, marker);
                log->Drain();
                for (size_t i = 0; i < log->Lines().size(); ++i)
                    if (log->Lines()[i].note == 0 &&
                        log->Lines()[i].record.lParam == static_cast<UINT_PTR>(marker))
                        return true;
                return false;
            },
            5000);
    };
    ASSERT_TRUE(logs(0x5101));

    // Another program of the user opens the log's mapping by its name, writes garbage over both
    // headers, and keeps the name.
    const std::wstring name = orvex::LogMappingName(::GetWindowThreadProcessId(logged, nullptr));
    fw::UniqueFileHandle mapping(::OpenFileMappingW(FILE_MAP_READ | FILE_MAP_WRITE, FALSE, name.c_str()));
    ASSERT_TRUE(mapping);
    fw::UniqueMappedView view(::MapViewOfFile(mapping.get(), FILE_MAP_WRITE, 0, 0, orvex::LogMappingSize()));
    ASSERT_TRUE(view);
    std::memset(view.get(), 0xA5, orvex::kLogRingOffset + sizeof(orvex::RingHeader));
    view.reset();

    EXPECT_TRUE(logs(0x5102)) << "logging did not start again";
    size_t notes = 0;
    for (size_t i = 0; i < log->Lines().size(); ++i)
        notes += log->Lines().NoteText(log->Lines()[i]) == orvex::DamagedLogNote();
    EXPECT_EQ(notes, 1u);
    EXPECT_TRUE(log->Logging());
}

// The filter's part of the line is pinned in the core tests; here the window's own target and scope.
TEST_F(MessageLogWindowTest, CopyAsCommandPutsTheLogOfTheSameWindowAndScopeOnTheClipboard) {
    harness::TargetProcess target;
    HWND logged = target.Create(harness::WindowRequest::Frame(L"Logged", {700, 100, 900, 300}));
    ASSERT_NE(logged, nullptr);
    ASSERT_TRUE(OpenDialog());
    ASSERT_TRUE(dialog->ShowWindowProperties(logged));
    CMessageLogDialog* log = OpenLog();
    ASSERT_NE(log, nullptr);
    const HWND scope = ::GetDlgItem(log->m_hWnd, IDC_MSGLOG_SCOPE);
    ::SendMessageW(scope, CB_SETCURSEL, 2, 0);
    log->SendMessage(WM_COMMAND, MAKEWPARAM(IDC_MSGLOG_SCOPE, CBN_SELCHANGE),
                     reinterpret_cast<LPARAM>(scope));
    log->SendMessage(WM_COMMAND, ID_MSGLOG_COPY_COMMAND);
    const std::wstring copied = ClipboardText();
    const std::wstring expected =
        L"Orvex.com --log " + orvex::FormatPointer(reinterpret_cast<UINT_PTR>(logged)) + L" --scope thread";
    EXPECT_EQ(copied.substr(0, expected.size()), expected) << copied;

    // A filter that shows nothing has no command: the button greys and copies nothing.
    const HWND toolBar = ::GetDlgItem(log->m_hWnd, IDC_MSGLOG_TOOLBAR);
    orvex::MessageFilter nothing;
    nothing.mode = orvex::FilterMode::ShowOnly;
    nothing.shownCategories = 0;
    log->SetFilter(nothing);
    EXPECT_FALSE(::SendMessageW(toolBar, TB_ISBUTTONENABLED, ID_MSGLOG_COPY_COMMAND, 0));
    PutTextOnClipboard(log->m_hWnd, L"kept");
    log->SendMessage(WM_COMMAND, ID_MSGLOG_COPY_COMMAND);
    EXPECT_EQ(ClipboardText(), L"kept");
    log->SetFilter({});
    EXPECT_TRUE(::SendMessageW(toolBar, TB_ISBUTTONENABLED, ID_MSGLOG_COPY_COMMAND, 0));
}

} // namespace
