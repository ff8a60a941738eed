// The log of a 32-bit program, through the 32-bit hook library its host installs: the records and
// what their parameters point at arrive as from a 64-bit program, read from the 32-bit structures.
#include "msglog/MessageLogSession.h"
#include "msglog/details/PayloadReader.h"

#include "harness/TargetClient.h"
#include "harness/Wait.h"

#include <gtest/gtest.h>

#include <commctrl.h>

#include <map>
#include <vector>

namespace {

using orvex::MessageKind;
using orvex::MessageRecord;
using Refusal = MessageLogSession::Refusal;

struct Seen {
    MessageRecord record;
    std::vector<std::byte> payload;
};

TEST(ThirtyTwoBitLog, RecordsAndEveryPayloadKindArriveFromTheThirtyTwoBitStructures) {
    ORVEX_NEEDS_THIRTY_TWO_BIT_PROGRAMS();
    harness::TargetProcess target(harness::TargetWidth::ThirtyTwoBit);
    ASSERT_TRUE(target.IsRunning()) << "the 32-bit helper target did not start: is Wine's 32-bit half there?";
    BOOL wow64 = FALSE;
    ASSERT_TRUE(::IsWow64Process(target.Process(), &wow64) && wow64);
    HWND frame = target.Create(harness::WindowRequest::Frame(L"Logged", {700, 100, 900, 300}));
    ASSERT_NE(frame, nullptr);

    MessageLogSession log;
    ASSERT_EQ(log.Begin(frame, orvex::LogScope::Thread), Refusal::None);
    EXPECT_TRUE(log.ThirtyTwoBit());
    HWND made = target.Create(harness::WindowRequest::Frame(L"Made while logged", {650, 120, 950, 320}));
    HWND list =
        target.Create(harness::WindowRequest::Child(made, WC_LISTVIEWW, L"", LVS_REPORT, {0, 0, 90, 60}, 7));
    ASSERT_TRUE(made && list);
    ::SetWindowPos(made, nullptr, 660, 130, 310, 210, SWP_NOZORDER | SWP_NOACTIVATE);
    ::SetWindowLongW(made, GWL_STYLE, ::GetWindowLongW(made, GWL_STYLE) & ~WS_MAXIMIZEBOX);
    EXPECT_EQ(::SendMessageW(made, harness::kTargetEchoMessage, 7, -2), -2);
    ASSERT_TRUE(::PostMessageW(made, WM_APP + 9, 0xFFFFFFFF, -1));

    // The first record of each kind of message, sent or posted, and the echo's return.
    std::map<std::pair<UINT, MessageKind>, Seen> first;
    const UINT wanted[] = {WM_CREATE, WM_WINDOWPOSCHANGING,        WM_GETMINMAXINFO, WM_STYLECHANGING,
                           WM_NOTIFY, harness::kTargetEchoMessage, WM_APP + 9};
    harness::WaitUntil(
        [&] {
            log.Drain([&](const MessageRecord& record, std::span<const std::byte> payload) {
                EXPECT_EQ(record.writerBits, 32);
                // The list's own header notifies the list; the list's notes to its parent are the ones.
                if ((record.message == WM_WINDOWPOSCHANGING || record.message == WM_NOTIFY) &&
                    record.window != reinterpret_cast<UINT_PTR>(made))
                    return;
                if (record.message == WM_WINDOWPOSCHANGING) { // the test's own move and size
                    const auto pos = orvex::ReadFixedPayload<orvex::WindowPosPayload>(record, payload);
                    if (!pos || (pos->flags & (SWP_NOMOVE | SWP_NOSIZE)))
                        return;
                }
                first.try_emplace({record.message, record.kind},
                                  Seen{record, {payload.begin(), payload.end()}});
            });
            for (UINT message : wanted)
                if (!first.contains({message, MessageKind::Sent}) &&
                    !first.contains({message, MessageKind::Posted}))
                    return false;
            return true;
        },
        5000);

    const auto payload = [&](UINT message) { return first[{message, MessageKind::Sent}]; };
    const Seen create = payload(WM_CREATE);
    const auto createStruct = orvex::ReadCreateStructPayload(create.record, create.payload);
    ASSERT_TRUE(createStruct);
    EXPECT_EQ(createStruct->windowName, L"Made while logged");
    EXPECT_EQ(createStruct->header.cx, 300);

    const Seen moved = payload(WM_WINDOWPOSCHANGING);
    const auto pos = orvex::ReadFixedPayload<orvex::WindowPosPayload>(moved.record, moved.payload);
    ASSERT_TRUE(pos);
    EXPECT_EQ(pos->hwnd, reinterpret_cast<UINT_PTR>(made));
    EXPECT_EQ(pos->x, 660);
    EXPECT_EQ(pos->cx, 310);

    const Seen sizes = payload(WM_GETMINMAXINFO);
    const auto minMax = orvex::ReadFixedPayload<orvex::MinMaxInfoPayload>(sizes.record, sizes.payload);
    ASSERT_TRUE(minMax);
    EXPECT_GT(minMax->maxTrackSize.x, 0);

    const Seen styled = payload(WM_STYLECHANGING);
    const auto style = orvex::ReadFixedPayload<orvex::StyleChangePayload>(styled.record, styled.payload);
    ASSERT_TRUE(style);
    EXPECT_EQ(static_cast<std::int32_t>(style->which), GWL_STYLE);
    EXPECT_EQ(style->oldStyle & ~style->newStyle, static_cast<std::uint32_t>(WS_MAXIMIZEBOX));

    const Seen notified = payload(WM_NOTIFY);
    const auto header =
        orvex::ReadFixedPayload<orvex::NotifyHeaderPayload>(notified.record, notified.payload);
    ASSERT_TRUE(header);
    EXPECT_EQ(header->hwndFrom, reinterpret_cast<UINT_PTR>(list));
    EXPECT_EQ(header->idFrom, 7u);

    // Parameters as the 32-bit program saw them: wParam zero-extended, lParam and results sign-extended.
    const Seen echo = payload(harness::kTargetEchoMessage);
    EXPECT_EQ(echo.record.lParam, static_cast<std::uint64_t>(-2));
    const Seen posted = first[{WM_APP + 9, MessageKind::Posted}];
    EXPECT_EQ(posted.record.wParam, 0xFFFFFFFFu);
    EXPECT_EQ(posted.record.lParam, static_cast<std::uint64_t>(-1));

    log.End();
    EXPECT_EQ(::SendMessageW(frame, harness::kTargetEchoMessage, 0, 9), 9);
}

} // namespace
