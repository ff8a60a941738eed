// The message log's lines: numbered from 1, notes among the messages, the oldest leaving at the cap.
#include "msglog/LogLines.h"

#include <gtest/gtest.h>

namespace {

orvex::MessageRecord Message(std::uint32_t message) {
    orvex::MessageRecord record;
    record.message = message;
    return record;
}

TEST(LogLines, KeepsTheNewestLinesWithTheirNumbersNotesAndPayloads) {
    orvex::LogLines lines(3);
    lines.AddNote(L"target A");
    lines.AddMessage(Message(1));
    lines.AddMessage(Message(2));
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_EQ(lines.NoteText(lines[0]), L"target A");
    EXPECT_EQ(lines.NoteText(lines[1]), L"") << "a message has no note";

    lines.AddMessage(Message(3));
    lines.AddNote(L"target B");
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_EQ(lines.Trimmed(), 2u);
    EXPECT_EQ(lines[0].number, 3u);
    EXPECT_EQ(lines[0].record.message, 2u);
    EXPECT_EQ(lines.NoteText(lines[2]), L"target B") << "a note still found after an older one left";

    const std::byte copied[] = {std::byte{7}, std::byte{8}};
    lines.AddMessage(Message(5), copied);
    lines.AddMessage(Message(6));
    lines.AddMessage(Message(7));
    EXPECT_TRUE(lines.Payload(lines[1]).empty());
    lines.AddMessage(Message(8), std::span(copied, 1));
    EXPECT_EQ(lines.Payload(lines[0]).size(), 0u) << "the line with two bytes has left";
    ASSERT_EQ(lines.Payload(lines[2]).size(), 1u) << "found after an older payload left";
    EXPECT_EQ(lines.Payload(lines[2])[0], std::byte{7});

    lines.Clear();
    lines.AddMessage(Message(4));
    EXPECT_EQ(lines[0].number, 1u);
    EXPECT_EQ(lines.Trimmed(), 0u);
}

} // namespace
