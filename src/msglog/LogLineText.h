#pragma once
// What the message log's list shows of a line, cell by cell, and the text Ctrl+C copies. Pure
// logic: no window system here.

#include "common/MessageNames.h"
#include "msglog/LogLines.h"
#include "msglog/MessageDetails.h"

#include <cstdint>
#include <functional>
#include <span>
#include <string>
#include <string_view>

namespace orvex {

enum LogColumn : int {
    kColumnNumber,
    kColumnTime,
    kColumnWindow,
    kColumnType,
    kColumnMessage,
    kColumnWParam,
    kColumnLParam,
    kColumnResult,
    kColumnDetails,
    kLogColumnCount
};
inline constexpr const wchar_t* kLogColumnNames[kLogColumnCount] = {
    L"#", L"Time", L"Window", L"Type", L"Message", L"wParam", L"lParam", L"Result", L"Details"};

// Performance-counter ticks of the log's start, and their rate.
struct LogClock {
    std::uint64_t start = 0;
    std::uint64_t ticksPerSecond = 1;
};

// Milliseconds since the log started, with three decimals: "12.345".
std::wstring FormatLogTime(std::uint64_t ticks, const LogClock& clock);

struct LogTextContext {
    LogClock clock;
    ClassNameLookup className;
    RegisteredNameLookup registered;
};

// The text of one cell; a note shows its text under "Message" and nothing else but its number.
std::wstring LogCellText(const LogLines& lines, const LogLine& line, int column,
                         const LogTextContext& context);

// One line's cells joined by tabs, without a line break.
std::wstring LogLineAsText(const LogLines& lines, const LogLine& line, const LogTextContext& context);

// The lines at `indexes` as tab-separated text, a line each, the column names first.
std::wstring LogLinesAsText(const LogLines& lines, std::span<const std::size_t> indexes,
                            const LogTextContext& context);

} // namespace orvex
