#include "cli/LogCommand.h"

#include "cli/ConsoleBreak.h"

#include "common/Utf8Text.h"
#include "msglog/LogDrain.h"
#include "msglog/LogLineText.h"
#include "msglog/LogLines.h"
#include "msglog/LogNameCache.h"
#include "msglog/LogRefusalText.h"
#include "msglog/MessageLogSession.h"

#include <nlohmann/json.hpp>

#include <algorithm>
#include <string>

namespace {

using orvex::Utf8FromWide;
using namespace orvex::cli;
using Json = nlohmann::ordered_json;

// Lines are written at most this long after they were drained: scripts reading a pipe see them
// promptly, and a quiet target costs a wake-up twenty times a second.
constexpr DWORD kDrainPeriodMs = 50;
// A drain between two periods never comes near this; it only bounds what is kept for the Details.
constexpr std::size_t kKeptLines = 16384;
// A mapping someone keeps writing over is laid out afresh at most this often.
constexpr ULONGLONG kRenewPeriodMs = 1000;
// Time a console that is closing gives the log to unhook before the process is ended.
constexpr DWORD kCloseGraceMs = 3000;

// The filter of --exclude or --only; registered names are the system's to number.
orvex::MessageFilter FilterOf(const Invocation& invocation) {
    orvex::MessageFilter filter;
    filter.shownCategories = orvex::kAllCategories & ~invocation.filterCategories;
    if (invocation.showOnly) {
        filter.mode = orvex::FilterMode::ShowOnly;
        filter.shownCategories = invocation.filterCategories;
    }
    for (const orvex::TypedMessage& message : invocation.filterMessages) {
        const std::uint32_t number = message.registeredName.empty()
                                         ? message.number
                                         : ::RegisterWindowMessageW(message.registeredName.c_str());
        if (number != 0 &&
            std::find(filter.excluded.begin(), filter.excluded.end(), number) == filter.excluded.end())
            filter.excluded.push_back(number);
    }
    return filter;
}

std::string JsonLine(const orvex::LogLines& lines, const orvex::LogLine& line,
                     const orvex::LogTextContext& context) {
    Json item;
    item["format"] = "orvex-message/1";
    item["number"] = line.number;
    if (line.note != 0) {
        item["note"] = Utf8FromWide(lines.NoteText(line));
    } else {
        const auto cell = [&](int column) {
            return Utf8FromWide(orvex::LogCellText(lines, line, column, context));
        };
        item["time"] = cell(orvex::kColumnTime);
        item["window"] = cell(orvex::kColumnWindow);
        item["type"] = cell(orvex::kColumnType);
        item["message"] = line.record.message;
        item["name"] = cell(orvex::kColumnMessage);
        item["wParam"] = cell(orvex::kColumnWParam);
        item["lParam"] = cell(orvex::kColumnLParam);
        if (line.record.kind == orvex::MessageKind::Returned)
            item["result"] = cell(orvex::kColumnResult);
        item["details"] = cell(orvex::kColumnDetails);
    }
    return item.dump(-1, ' ', false, Json::error_handler_t::replace) + "\n";
}

// Waits a period, answering what the window system sends this thread meanwhile.
void WaitOnePeriod() {
    const ULONGLONG until = ::GetTickCount64() + kDrainPeriodMs;
    for (ULONGLONG now = ::GetTickCount64(); now < until; now = ::GetTickCount64()) {
        ::MsgWaitForMultipleObjects(0, nullptr, FALSE, static_cast<DWORD>(until - now), QS_ALLINPUT);
        MSG message;
        while (::PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
            ::TranslateMessage(&message);
            ::DispatchMessageW(&message);
        }
    }
}

} // namespace

int RunLog(const Invocation& invocation, HWND target, TextStream& out, TextStream& errors) {
    // Ctrl+C, Ctrl+Break or a closing console: the loop ends and unhooks by its own path.
    const HANDLE stopAsked = ConsoleBreakEvent();
    const ConsoleCloseGrace grace(kCloseGraceMs);
    LogNameCache names;
    orvex::LogTextContext context;
    LARGE_INTEGER now{}, rate{};
    ::QueryPerformanceCounter(&now);
    ::QueryPerformanceFrequency(&rate);
    context.clock = {static_cast<std::uint64_t>(now.QuadPart), static_cast<std::uint64_t>(rate.QuadPart)};
    context.className = [&names](std::uint64_t window) { return names.ClassOf(window); };
    context.registered = [&names](std::uint32_t message) { return names.RegisteredName(message); };

    MessageLogSession session;
    const MessageLogSession::Refusal refusal = session.Begin(target, invocation.scope, FilterOf(invocation));
    if (refusal != MessageLogSession::Refusal::None) {
        errors.Write("orvex: " + Utf8FromWide(LogRefusalText(refusal)) + "\n");
        return kExitFailed;
    }

    orvex::LogLines lines(kKeptLines);
    std::uint64_t written = 0; // the number of the last line written
    std::uint64_t messages = 0;
    std::uint64_t lost = 0;
    ULONGLONG renewedAt = 0;
    const ULONGLONG started = ::GetTickCount64();
    int status = kExitSuccess;
    bool done = false;
    while (!done) {
        // Read before draining, so the window's last messages are drained before the log ends.
        const bool gone = !::IsWindow(target);
        const bool timeUp = invocation.forMs && ::GetTickCount64() - started >= *invocation.forMs;
        session.Drain([&](const orvex::MessageRecord& record,
                          std::span<const std::byte> payload) { lines.AddMessage(record, payload); },
                      [&](std::uint64_t count) {
                          lines.AddNote(orvex::LostMessagesNote(count));
                          lost += count;
                      });
        if (session.Damaged() && (renewedAt == 0 || ::GetTickCount64() - renewedAt >= kRenewPeriodMs)) {
            session.Renew();
            renewedAt = ::GetTickCount64();
            lines.AddNote(orvex::DamagedLogNote());
        }
        std::string text;
        std::size_t first = lines.size();
        while (first > 0 && lines[first - 1].number > written)
            --first;
        for (std::size_t i = first; i < lines.size() && !done; ++i) {
            const orvex::LogLine& line = lines[i];
            written = line.number;
            text += invocation.json ? JsonLine(lines, line, context)
                                    : Utf8FromWide(orvex::LogLineAsText(lines, line, context)) + "\n";
            if (line.note == 0 && ++messages == invocation.count.value_or(0))
                done = true;
        }
        if (!text.empty() && !out.Write(text)) {
            status = kExitOutputFile;
            break;
        }
        if (gone || timeUp || ::WaitForSingleObject(stopAsked, 0) == WAIT_OBJECT_0)
            break;
        if (!done)
            WaitOnePeriod();
    }
    session.End();
    grace.Done();
    if (::WaitForSingleObject(stopAsked, 0) == WAIT_OBJECT_0 && status == kExitSuccess)
        status = kExitInterrupted;
    errors.Write(std::to_string(messages) + " messages, " + std::to_string(lost) + " lost\n");
    return status;
}
