// The texts messages carry, as the log's details show them, from a 64-bit and a 32-bit program: a
// text another program sent, an ANSI window's texts, and the strings list and combo boxes are given.
#include "msglog/MessageDetails.h"
#include "msglog/MessageLogSession.h"

#include "harness/RunningOnWine.h"
#include "harness/TargetClient.h"
#include "harness/Wait.h"

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <utility>

namespace {

using orvex::MessageRecord;

class MessageTextsTest : public ::testing::TestWithParam<harness::TargetWidth> {};

TEST_P(MessageTextsTest, SentTextsAnsiTextsAndListStringsShowAsSent) {
    if (GetParam() == harness::TargetWidth::ThirtyTwoBit)
        ORVEX_NEEDS_THIRTY_TWO_BIT_PROGRAMS();
    harness::TargetProcess target(GetParam());
    ASSERT_TRUE(target.IsRunning());
    ASSERT_TRUE(target.RegisterAnsiClass(L"OrvexAnsiWindow"));
    HWND frame = target.Create(harness::WindowRequest::Frame(L"Texts", {700, 100, 1000, 400}));
    const auto child = [&](const wchar_t* className, DWORD style, int y, UINT id) {
        return target.Create(
            harness::WindowRequest::Child(frame, className, L"", style, {0, y, 200, 60}, id));
    };
    HWND edit = child(L"Edit", 0, 0, 1);
    HWND ansi = child(L"OrvexAnsiWindow", 0, 30, 2);
    HWND list = child(L"ListBox", 0, 60, 3);
    HWND ownerDrawn = child(L"ListBox", LBS_OWNERDRAWFIXED, 120, 4);
    HWND combo = child(L"ComboBox", CBS_DROPDOWNLIST, 180, 5);
    ASSERT_TRUE(frame && edit && ansi && list && ownerDrawn && combo);
    ASSERT_FALSE(::IsWindowUnicode(ansi));

    MessageLogSession log;
    ASSERT_EQ(log.Begin(frame, orvex::LogScope::Thread), MessageLogSession::Refusal::None);
    ::SendMessageW(edit, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L"sent from elsewhere"));
    ::SendMessageW(ownerDrawn, LB_ADDSTRING, 0, 0x1234);
    ASSERT_TRUE(target.SetTextAnsi(ansi, L"an ANSI text"));
    ASSERT_TRUE(target.SendText(list, LB_ADDSTRING, 0, L"apple"));
    ASSERT_TRUE(target.SendText(combo, CB_ADDSTRING, 0, L"pear"));

    // The sent line of each message to each window, as the details column shows it.
    const orvex::DetailsContext context{[](std::uint64_t window) {
                                            wchar_t name[64] = {};
                                            ::GetClassNameW(reinterpret_cast<HWND>(window), name, 64);
                                            return std::wstring(name);
                                        },
                                        {}};
    std::map<std::pair<HWND, UINT>, std::wstring> shown;
    const auto at = [](HWND window, UINT message) { return std::make_pair(window, message); };
    harness::WaitUntil(
        [&] {
            log.Drain([&](const MessageRecord& record, std::span<const std::byte> payload) {
                if (record.kind == orvex::MessageKind::Sent)
                    shown.try_emplace(at(reinterpret_cast<HWND>(record.window), record.message),
                                      orvex::MessageDetails(record, payload, context));
            });
            return shown.contains(at(combo, CB_ADDSTRING));
        },
        5000);
    log.End();

    // Wine hands the hook the sending program's own pointer, which means nothing in this one.
    EXPECT_EQ(shown[at(edit, WM_SETTEXT)],
              harness::RunningOnWine() ? L"<text not readable>" : L"\"sent from elsewhere\" (19 chars)");
    EXPECT_EQ(shown[at(ansi, WM_SETTEXT)], L"\"an ANSI text\" (12 chars)");
    EXPECT_EQ(shown[at(list, LB_ADDSTRING)], L"\"apple\" (5 chars)");
    EXPECT_EQ(shown[at(combo, CB_ADDSTRING)], L"\"pear\" (4 chars)");
    EXPECT_EQ(shown[at(ownerDrawn, LB_ADDSTRING)], L"data=0x00001234");
}

INSTANTIATE_TEST_SUITE_P(BothWidths, MessageTextsTest,
                         ::testing::Values(harness::TargetWidth::Native, harness::TargetWidth::ThirtyTwoBit),
                         [](const auto& info) {
                             return info.param == harness::TargetWidth::Native ? "Native" : "ThirtyTwoBit";
                         });

} // namespace
