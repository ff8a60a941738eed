// The message log's pipeline, from the hook library inside the helper target through the rings to
// Orvex's reader: what a window is sent, what it returns and what its thread takes from its queue.
#include "msglog/MessageLogSession.h"

#include "harness/RunningOnWine.h"
#include "harness/TargetClient.h"
#include "harness/Wait.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

namespace {

using orvex::LogScope;
using orvex::MessageKind;
using orvex::MessageRecord;
using Refusal = MessageLogSession::Refusal;

constexpr UINT kPosted = WM_APP + 9;

using harness::RunningOnWine;

class MessageLogSessionTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(target.IsRunning());
        frame = target.Create(harness::WindowRequest::Frame(L"Logged", {700, 100, 900, 300}));
        child = target.Create(
            harness::WindowRequest::Child(frame, L"OrvexTargetWindow", L"child", 0, {10, 10, 100, 60}, 3));
        ASSERT_TRUE(frame && child);
    }
    // The records of `messages` drained until `until` of them have come or five seconds passed,
    // with the payloads the hook copied behind them into `payloads` when asked.
    std::vector<MessageRecord> Collect(MessageLogSession& log, std::vector<UINT> messages, size_t until,
                                       std::vector<std::vector<std::byte>>* payloads = nullptr) {
        std::vector<MessageRecord> seen;
        harness::WaitUntil(
            [&] {
                log.Drain([&](const MessageRecord& record, std::span<const std::byte> payload) {
                    for (UINT message : messages)
                        if (record.message == message) {
                            seen.push_back(record);
                            if (payloads)
                                payloads->emplace_back(payload.begin(), payload.end());
                        }
                });
                return seen.size() >= until;
            },
            5000);
        return seen;
    }

    harness::TargetProcess target;
    HWND frame = nullptr;
    HWND child = nullptr;
};

TEST_F(MessageLogSessionTest, SentReturnedAndPostedMessagesArriveOnceEachInOrder) {
    MessageLogSession log;
    ASSERT_EQ(log.Begin(frame, LogScope::Window), Refusal::None);
    EXPECT_EQ(::SendMessageW(frame, harness::kTargetEchoMessage, 7, 0x1234), 0x1234);
    ASSERT_TRUE(::PostMessageW(frame, kPosted, 1, 2));
    ::SendMessageW(child, harness::kTargetEchoMessage, 0, 5); // out of scope

    const std::vector<MessageRecord> seen = Collect(log, {harness::kTargetEchoMessage, kPosted}, 3);
    ASSERT_EQ(seen.size(), 3u);
    EXPECT_EQ(seen[0].kind, MessageKind::Sent);
    EXPECT_EQ(seen[0].window, reinterpret_cast<UINT_PTR>(frame));
    EXPECT_EQ(seen[0].wParam, 7u);
    EXPECT_EQ(seen[0].lParam, 0x1234u);
    EXPECT_EQ(seen[1].kind, MessageKind::Returned);
    // Wine 8 hands a WH_CALLWNDPROCRET hook 0 for the result of a message sent from another
    // process (a message sent within the process gets its result).
    EXPECT_EQ(seen[1].result, RunningOnWine() ? 0u : 0x1234u);
    EXPECT_EQ(seen[2].kind, MessageKind::Posted);
    EXPECT_EQ(seen[2].message, kPosted);
    EXPECT_EQ(seen[2].wParam, 1u);
    EXPECT_EQ(seen[2].lParam, 2u);
    EXPECT_LE(seen[0].time, seen[2].time);
    EXPECT_EQ(log.GetCounts().dropped, 0u);

    // Ended: the target goes on answering and nothing more arrives.
    log.End();
    EXPECT_EQ(::SendMessageW(frame, harness::kTargetEchoMessage, 0, 9), 9);
    EXPECT_EQ(log.Drain([](const MessageRecord&, std::span<const std::byte>) {}), 0u);
}

TEST_F(MessageLogSessionTest, TheScopesRetargetingAndOneLogPerThread) {
    MessageLogSession log;
    ASSERT_EQ(log.Begin(frame, LogScope::WindowAndChildren), Refusal::None);
    ::SendMessageW(child, harness::kTargetEchoMessage, 0, 5);
    const std::vector<MessageRecord> seen = Collect(log, {harness::kTargetEchoMessage}, 2);
    ASSERT_EQ(seen.size(), 2u);
    EXPECT_EQ(seen[0].window, reinterpret_cast<UINT_PTR>(child));

    // Every window of the thread, another top-level one among them; and retargeted to that one alone.
    HWND other = target.Create(harness::WindowRequest::Frame(L"Same thread", {700, 400, 900, 500}));
    ASSERT_NE(other, nullptr);
    ASSERT_EQ(log.Begin(frame, LogScope::Thread), Refusal::None);
    ::SendMessageW(other, harness::kTargetEchoMessage, 0, 6);
    std::vector<MessageRecord> thread = Collect(log, {harness::kTargetEchoMessage}, 2);
    ASSERT_EQ(thread.size(), 2u);
    EXPECT_EQ(thread[0].window, reinterpret_cast<UINT_PTR>(other));
    ASSERT_EQ(log.Begin(other, LogScope::Window), Refusal::None);
    ::SendMessageW(frame, harness::kTargetEchoMessage, 0, 7);
    ::SendMessageW(other, harness::kTargetEchoMessage, 0, 8);
    thread = Collect(log, {harness::kTargetEchoMessage}, 2);
    ASSERT_EQ(thread.size(), 2u);
    EXPECT_EQ(thread[0].window, reinterpret_cast<UINT_PTR>(other));
    EXPECT_EQ(thread[0].lParam, 8u) << "the old target is no longer logged";

    MessageLogSession second;
    EXPECT_EQ(second.Begin(frame, LogScope::Window), Refusal::AlreadyLogged);
    log.End();
    EXPECT_EQ(second.Begin(frame, LogScope::Window), Refusal::None) << "free again once the first let go";

    HWND own =
        ::CreateWindowExW(0, L"STATIC", L"own", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
    EXPECT_EQ(MessageLogSession().Begin(own, LogScope::Window), Refusal::OwnWindow);
    ::DestroyWindow(own);
}

TEST_F(MessageLogSessionTest, TheLinesOfTwoThreadsComeOutInTheOrderTheyHappened) {
    harness::WindowRequest request =
        harness::WindowRequest::Child(frame, L"OrvexTargetWindow", L"own thread", 0, {10, 70, 100, 120}, 4);
    request.ownThread = true;
    HWND other = target.Create(request);
    ASSERT_NE(other, nullptr);
    ASSERT_NE(::GetWindowThreadProcessId(other, nullptr), ::GetWindowThreadProcessId(frame, nullptr));
    MessageLogSession log;
    ASSERT_EQ(log.Begin(frame, LogScope::WindowAndChildren), Refusal::None);
    // Each sent once the one before was answered: one order, across two rings. (Wine may answer a
    // message sent from another process before the thread's return hook runs: a return can come
    // after the next message is sent, and is then logged so.)
    for (int i = 0; i < 6; ++i)
        ::SendMessageW(i % 2 ? other : frame, harness::kTargetEchoMessage, 0, i);
    // A thread takes the next message only once its hooks are done with the last: all written now.
    ::SendMessageW(frame, harness::kTargetIdentityMessage, 0, 0);
    ::SendMessageW(other, harness::kTargetIdentityMessage, 0, 0);
    const std::vector<MessageRecord> seen = Collect(log, {harness::kTargetEchoMessage}, 12);
    ASSERT_EQ(seen.size(), 12u);
    std::vector<std::uint64_t> sent;
    for (size_t i = 0; i < seen.size(); ++i) {
        if (i > 0) {
            EXPECT_LE(seen[i - 1].time, seen[i].time) << i;
        }
        if (seen[i].kind == MessageKind::Sent) {
            EXPECT_EQ(seen[i].window, reinterpret_cast<UINT_PTR>(sent.size() % 2 ? other : frame));
            sent.push_back(seen[i].lParam);
        }
    }
    EXPECT_EQ(sent, (std::vector<std::uint64_t>{0, 1, 2, 3, 4, 5}));
}

TEST_F(MessageLogSessionTest, AHungTargetHoldsUpNeitherTheStartNorTheEnd) {
    ASSERT_TRUE(target.Hang(3000));
    MessageLogSession log;
    const ULONGLONG start = ::GetTickCount64();
    EXPECT_EQ(log.Begin(frame, LogScope::WindowAndChildren), Refusal::None);
    log.End();
    EXPECT_LT(::GetTickCount64() - start, 1000u) << "the log waited for the hung program";
    EXPECT_TRUE(harness::WaitUntil(
        [&] { return ::SendMessageW(frame, harness::kTargetEchoMessage, 0, 3) == 3; }, 8000))
        << "the program did not come back";
}

TEST_F(MessageLogSessionTest, TheFilterWorksInTheHookAndWhatParametersPointAtIsCopiedSafely) {
    MessageLogSession log;
    orvex::MessageFilter filter;
    filter.excluded = {harness::kTargetEchoMessage};
    ASSERT_EQ(log.Begin(frame, LogScope::Window, filter), Refusal::None);
    ::SendMessageW(frame, harness::kTargetEchoMessage, 0, 1);
    ASSERT_TRUE(::PostMessageW(frame, kPosted, 0, 0));
    // The echo was sent and answered before the post: by the time the post is logged, the echo
    // would have been too.
    const std::vector<MessageRecord> seen = Collect(log, {harness::kTargetEchoMessage, kPosted}, 1);
    ASSERT_EQ(seen.size(), 1u);
    EXPECT_EQ(seen[0].message, kPosted) << "a message left out never reaches the ring";
    log.SetFilter({});
    ::SendMessageW(frame, harness::kTargetEchoMessage, 0, 2);
    EXPECT_EQ(Collect(log, {harness::kTargetEchoMessage}, 2).size(), 2u) << "the filter changes at once";

    std::vector<std::vector<std::byte>> payloads;
    ASSERT_TRUE(target.SetText(frame, L"Hello"));
    ASSERT_TRUE(target.SetTextFromNowhere(frame)) << "the program crashed";
    const std::vector<MessageRecord> texts = Collect(log, {WM_SETTEXT}, 4, &payloads);
    ASSERT_EQ(texts.size(), 4u);
    ASSERT_EQ(texts[0].payload, orvex::PayloadKind::Text);
    orvex::TextPayload header;
    ASSERT_EQ(payloads[0].size(), sizeof(header) + 5 * sizeof(wchar_t));
    std::memcpy(&header, payloads[0].data(), sizeof(header));
    EXPECT_EQ(header.length, 5u);
    EXPECT_EQ(std::wstring(reinterpret_cast<const wchar_t*>(payloads[0].data() + sizeof(header)), 5),
              L"Hello");
    // Logged, with nothing read where it pointed; Wine reads a released page as zeros.
    EXPECT_EQ(texts[2].kind, MessageKind::Sent);
    if (texts[2].payload != orvex::PayloadKind::None) {
        ASSERT_TRUE(RunningOnWine());
        ASSERT_EQ(payloads[2].size(), sizeof(header));
        std::memcpy(&header, payloads[2].data(), sizeof(header));
        EXPECT_EQ(header.length, 0u);
    }
}

} // namespace
