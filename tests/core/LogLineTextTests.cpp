// What the message log's list shows of a line, and the text it copies.
#include "msglog/LogLineText.h"

#include <gtest/gtest.h>

#include <cstring>
#include <vector>

namespace {

using namespace orvex;

TEST(LogLineText, CellsOfAMessageAndOfANoteAndTheCopiedText) {
    LogLines lines;
    lines.AddNote(L"Now logging 0x00010042");
    MessageRecord returned;
    returned.kind = MessageKind::Returned;
    returned.message = 0x000C;       // WM_SETTEXT
    returned.time = 1000 + 12345678; // 12.345678 ms at a rate of 10^9
    returned.window = 0x10042;
    returned.wParam = 0;
    returned.lParam = 0xFFFFFFFF80001234ull;
    returned.result = 1;
    lines.AddMessage(returned);
    MessageRecord sent = returned;
    sent.kind = MessageKind::Sent;
    sent.result = 0;
    sent.payload = PayloadKind::Text;
    const TextPayload header{2, 2, 0};
    std::vector<std::byte> text(sizeof(header) + 4);
    std::memcpy(text.data(), &header, sizeof(header));
    std::memcpy(text.data() + sizeof(header), u"Hi", 4);
    lines.AddMessage(sent, text);
    LogTextContext context{{1000, 1000000000}, [](std::uint64_t) { return std::wstring(L"Edit"); }, {}};

    std::vector<std::wstring> cells;
    for (int column = 0; column < kLogColumnCount; ++column)
        cells.push_back(LogCellText(lines, lines[1], column, context));
    EXPECT_EQ(cells, (std::vector<std::wstring>{L"2", L"12.345", L"0x00010042", L"R", L"WM_SETTEXT",
                                                L"0x00000000", L"0xFFFFFFFF80001234", L"0x00000001", L""}));
    EXPECT_EQ(LogCellText(lines, lines[2], kColumnDetails, context), L"\"Hi\" (2 chars)")
        << "the text the hook copied behind the record";
    EXPECT_EQ(LogCellText(lines, lines[0], kColumnMessage, context), L"Now logging 0x00010042");
    EXPECT_EQ(LogCellText(lines, lines[0], kColumnWindow, context), L"");
    EXPECT_EQ(FormatLogTime(500, context.clock), L"0.000") << "a time before the start";
    MessageRecord fromThirtyTwoBits = returned;
    fromThirtyTwoBits.writerBits = 32;
    lines.AddMessage(fromThirtyTwoBits);
    EXPECT_EQ(LogCellText(lines, lines[3], kColumnLParam, context), L"0x80001234")
        << "a 32-bit program's parameter as it sees it";

    const std::size_t both[] = {0, 1};
    EXPECT_EQ(LogLinesAsText(lines, both, context),
              L"#\tTime\tWindow\tType\tMessage\twParam\tlParam\tResult\tDetails\r\n"
              L"1\t\t\t\tNow logging 0x00010042\t\t\t\t\r\n"
              L"2\t12.345\t0x00010042\tR\tWM_SETTEXT\t0x00000000\t0xFFFFFFFF80001234\t0x00000001\t\r\n");
}

} // namespace
