#include "msglog/LogLineText.h"

#include "common/ValueFormat.h"

#include <cwchar>

namespace orvex {

std::wstring FormatLogTime(std::uint64_t ticks, const LogClock& clock) {
    const std::uint64_t elapsed = ticks > clock.start ? ticks - clock.start : 0;
    const std::uint64_t rate = clock.ticksPerSecond ? clock.ticksPerSecond : 1;
    // Microseconds in integers: a double would lose them after a few days of ticks.
    const std::uint64_t micro = elapsed / rate * 1000000 + elapsed % rate * 1000000 / rate;
    wchar_t text[32] = {};
    std::swprintf(text, 32, L"%llu.%03llu", static_cast<unsigned long long>(micro / 1000),
                  static_cast<unsigned long long>(micro % 1000));
    return text;
}

namespace {

// A 32-bit program's parameters are shown as that program sees them: its 32 bits, not the sign
// extension the record carries them in.
std::wstring FormatParameter(const MessageRecord& record, std::uint64_t value) {
    return FormatPointer(record.writerBits == 32 ? value & 0xFFFFFFFFu : value);
}

} // namespace

std::wstring LogCellText(const LogLines& lines, const LogLine& line, int column,
                         const LogTextContext& context) {
    if (column == kColumnNumber)
        return std::to_wstring(line.number);
    if (line.note != 0)
        return column == kColumnMessage ? lines.NoteText(line) : std::wstring();
    const MessageRecord& record = line.record;
    switch (column) {
    case kColumnTime:
        return FormatLogTime(record.time, context.clock);
    case kColumnWindow:
        return FormatParameter(record, record.window);
    case kColumnType:
        return std::wstring(1, static_cast<wchar_t>(record.kind));
    case kColumnMessage:
        return MessageName(record.message,
                           context.className ? context.className(record.window) : std::wstring(),
                           context.registered);
    case kColumnWParam:
        return FormatParameter(record, record.wParam);
    case kColumnLParam:
        return FormatParameter(record, record.lParam);
    case kColumnResult:
        return record.kind == MessageKind::Returned ? FormatParameter(record, record.result) : std::wstring();
    case kColumnDetails:
        return MessageDetails(record, lines.Payload(line), {context.className, context.registered});
    default:
        return {};
    }
}

std::wstring LogLineAsText(const LogLines& lines, const LogLine& line, const LogTextContext& context) {
    std::wstring text;
    for (int column = 0; column < kLogColumnCount; ++column)
        text.append(column ? L"\t" : L"").append(LogCellText(lines, line, column, context));
    return text;
}

std::wstring LogLinesAsText(const LogLines& lines, std::span<const std::size_t> indexes,
                            const LogTextContext& context) {
    std::wstring text;
    for (int column = 0; column < kLogColumnCount; ++column)
        text.append(column ? L"\t" : L"").append(kLogColumnNames[column]);
    text.append(L"\r\n");
    for (const std::size_t index : indexes) {
        if (index >= lines.size())
            continue;
        text.append(LogLineAsText(lines, lines[index], context)).append(L"\r\n");
    }
    return text;
}

} // namespace orvex
