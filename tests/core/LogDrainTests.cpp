// One drain of the message log: the threads' rings merged into the order things happened, each
// thread's own order kept, and the losses a ring reports left where they happened.
#include "msglog/LogDrain.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using namespace orvex;

MessageRecord At(std::uint64_t time, std::uint32_t id) {
    MessageRecord record;
    record.time = time;
    record.message = id;
    return record;
}

TEST(LogDrain, ThreadsMergeByTimeEachInItsOwnOrderWithLossesWhereTheyHappened) {
    std::vector<ThreadBatch> batches(3);
    const std::byte text[] = {std::byte{'h'}, std::byte{'i'}};
    batches[0].AddMessage(At(10, 1), text);
    batches[0].AddMessage(At(30, 2), {});
    batches[0].AddLoss(3);
    batches[0].AddLoss(2); // one count with the loss before it
    batches[0].AddMessage(At(50, 3), {});
    batches[1].AddLoss(2); // before its thread's first message
    batches[1].AddMessage(At(20, 11), {});
    batches[1].AddMessage(At(30, 12), {});
    batches[1].AddMessage(At(25, 13), {}); // an earlier time behind a later one keeps its place
    batches[2].AddLoss(7);                 // nothing says when: last

    std::vector<std::string> order;
    for (const MergedEntry& at : MergeByTime(batches)) {
        const DrainedEntry& entry = batches[at.batch].Entries()[at.index];
        order.push_back(entry.lost != 0 ? "lost " + std::to_string(entry.lost)
                                        : std::to_string(entry.record.message));
    }
    EXPECT_EQ(order,
              (std::vector<std::string>{"1", "lost 2", "11", "2", "lost 5", "12", "13", "3", "lost 7"}))
        << "equal times keep the threads' order";
    const DrainedEntry& first = batches[0].Entries()[0];
    EXPECT_EQ(std::vector<std::byte>(batches[0].Payload(first).begin(), batches[0].Payload(first).end()),
              std::vector<std::byte>(std::begin(text), std::end(text)));
    EXPECT_TRUE(MergeByTime({}).empty());

    EXPECT_EQ(LostMessagesNote(312),
              L"\u2014\u2014 312 messages lost here (the log could not keep up) \u2014\u2014");
    EXPECT_EQ(LostMessagesNote(1),
              L"\u2014\u2014 1 message lost here (the log could not keep up) \u2014\u2014");
    EXPECT_NE(LostMessagesNote(1234567).find(L" 1,234,567 messages "), std::wstring::npos);
}

} // namespace
