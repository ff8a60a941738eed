// The message log: what it costs the program it logs, whether Orvex keeps up with a busy program,
// and what a line of the log costs Orvex in memory.
//
// 1. The helper target sends its own window 100,000 messages while a log takes them, beside the
//    floor: three hooks of the same kinds, from the same library, that only pass the message on.
//    Under Wine each hook call is a round trip to its server whatever the hook does; the ratio
//    shows what logging adds to that. The same loop unhooked is shown for reference.
// 2. The target sends itself 20,000 messages a second for ten seconds into the real log window,
//    opened by the main dialog's command and draining on its own timer. Nothing may be dropped,
//    and a thread of the benchmark asks the log window every few milliseconds how long it takes
//    to answer. A target slowed down by its hooks makes fewer messages in the ten seconds (under
//    Wine, far fewer), so the window's side is also timed alone: one tick of its timer taking the
//    records 20,000 sends a second leave in a period.
// 3. 100,000 lines of a mix of mouse, keyboard, paint, text and notification messages in the log
//    window: the process's private bytes after, minus before, per line. It is measured first and
//    printed last: a heap keeps what it was given back, and lines made after the other parts had
//    freed theirs would cost nothing new.
#include "BenchSupport.h"

#include "BenchOrvexApp.h"
#include "harness/ProcessResources.h"
#include "harness/TargetClient.h"
#include "harness/Wait.h"
#include "maindlg/MainDialog.h"
#include "maindlg/MainDialogTestView.h"
#include "msglog/HookLibraryFile.h"
#include "msglog/LogLines.h"
#include "msglog/MessageLogDialog.h"
#include "msglog/MessageLogSession.h"
#include "common/Utf8Text.h"
#include "res/resource.h"

#include <algorithm>
#include <atomic>
#include <cwchar>
#include <functional>
#include <memory>
#include <thread>
#include <utility>
#include <vector>

namespace {

using Refusal = MessageLogSession::Refusal;

constexpr UINT kButtonId = 7;
// Posted after each batch of the mix: once its line is in the log, so is the batch before it.
constexpr UINT kBatchMarker = WM_APP + 9;

// Keeps this thread's windows running (the log window drains on its timer) for `ms`.
void PumpFor(DWORD ms) {
    harness::WaitUntil([] { return false; }, ms);
}

std::string Millis(double micros) {
    char text[32];
    std::snprintf(text, sizeof(text), "%.1f ms", micros / 1000);
    return text;
}

std::string Verdict(bool met, const char* target) {
    return std::string(target) + (met ? " met" : " NOT MET");
}

// ---------------------------------------------------------------------------------------------
// 1. The target's cost

// The floor's hooks: the library's pass-through procedures on the target's thread, installed the
// way a session installs its own.
class PassThroughHooks {
public:
    PassThroughHooks(HMODULE library, DWORD threadId) {
        const std::pair<int, const char*> kinds[] = {
            {WH_CALLWNDPROC, "OrvexPassCallWndProc"},
            {WH_CALLWNDPROCRET, "OrvexPassCallWndRetProc"},
            {WH_GETMESSAGE, "OrvexPassGetMsgProc"},
        };
        for (const auto& [kind, name] : kinds) {
            const auto proc =
                reinterpret_cast<HOOKPROC>(reinterpret_cast<void*>(::GetProcAddress(library, name)));
            if (HHOOK hook = proc ? ::SetWindowsHookExW(kind, proc, library, threadId) : nullptr)
                m_hooks.push_back(hook);
        }
    }
    PassThroughHooks(const PassThroughHooks&) = delete;
    PassThroughHooks& operator=(const PassThroughHooks&) = delete;
    ~PassThroughHooks() {
        for (HHOOK hook : m_hooks)
            ::UnhookWindowsHookEx(hook);
    }
    bool Installed() const { return m_hooks.size() == 3; }

private:
    std::vector<HHOOK> m_hooks;
};

struct LoggedRound {
    long long micros = -1;
    std::uint64_t seen = 0;
    std::uint64_t dropped = 0;
};

// The target's loop with a log of its window running. The log is drained into lines of the log
// window's kind on a thread of its own, as the window's timer would, but every 10 ms instead of
// every 50: unpaced, the loop writes faster than a program at work would, and would fill a ring
// drained only every 50 ms.
LoggedRound LoggedSends(harness::TargetProcess& target, HWND window, unsigned count) {
    MessageLogSession log;
    if (log.Begin(window, orvex::LogScope::Window) != Refusal::None)
        return {};
    orvex::LogLines lines;
    std::atomic<bool> sending{true};
    std::thread drain([&] {
        for (;;) {
            // The records of the last sends are in the ring before the target replies.
            const bool last = !sending.load();
            log.Drain([&](const orvex::MessageRecord& record, std::span<const std::byte> payload) {
                lines.AddMessage(record, payload);
            });
            if (last)
                return;
            ::Sleep(10);
        }
    });
    LoggedRound round;
    round.micros = target.SelfSend(window, count).micros;
    sending = false;
    drain.join();
    const MessageLogSession::Counts counts = log.GetCounts();
    round.seen = counts.seen;
    round.dropped = counts.dropped;
    return round;
}

// Installs (true) or removes (false) the floor's hooks on the target's thread; false when they could
// not all be installed.
using FloorHooks = std::function<bool(bool)>;

// A 64-bit target's floor, hooked from here as a session hooks it.
FloorHooks HookedFromHere(HMODULE library, HWND window, std::unique_ptr<PassThroughHooks>& hooks) {
    return [&hooks, library, thread = ::GetWindowThreadProcessId(window, nullptr)](bool on) {
        hooks.reset();
        if (on)
            hooks = std::make_unique<PassThroughHooks>(library, thread);
        return !on || hooks->Installed();
    };
}

// A 32-bit target's floor: no 64-bit process can hook it with the 32-bit library, so the target
// hooks its own thread with that library's pass-through procedures. Each call costs it the same:
// the window system finds the hook and calls into the library loaded in the target either way.
FloorHooks HookedByItself(harness::TargetProcess& target, const std::wstring& library) {
    return [&target, path = orvex::Utf8FromWide(library)](bool on) {
        return target.Request(on ? "passhooks\t" + path : "passhooks") == "ok";
    };
}

bool TargetsCost(harness::TargetProcess& target, HWND window, const FloorHooks& floorHooks,
                 const std::string& which) {
    const unsigned count = bench::TinyMode() ? 300 : 100000;
    std::vector<double> logged, floor, unhooked;
    std::uint64_t seen = 0, dropped = 0, sent = 0;
    // The three take turns, after a short unmeasured round each: the first hook call in the target
    // loads the library there.
    for (int round = -1; round < bench::Rounds(5); ++round) {
        const unsigned sends = round < 0 ? std::min(count, 1000u) : count;
        const LoggedRound withLog = LoggedSends(target, window, sends);
        long long passed = -1;
        if (!floorHooks(true))
            return false;
        passed = target.SelfSend(window, sends).micros;
        floorHooks(false);
        const long long bare = target.SelfSend(window, sends).micros;
        if (withLog.micros < 0 || passed < 0 || bare < 0)
            return false;
        if (round < 0)
            continue;
        logged.push_back(double(withLog.micros));
        floor.push_back(double(passed));
        unhooked.push_back(double(bare));
        seen += withLog.seen;
        dropped += withLog.dropped;
        sent += 2ull * count; // each send is logged as it comes and as it returns
    }
    const bench::Figure log = bench::Summarize(logged), pass = bench::Summarize(floor),
                        none = bench::Summarize(unhooked);
    bench::PrintRow(which + " sends itself " + bench::Thousands(count) + " messages, logged", log, pass, 1.5);
    char times[32];
    std::snprintf(times, sizeof(times), "floor %.1fx this", none.median > 0 ? pass.median / none.median : 0);
    bench::PrintInfoRow("  unhooked, for reference", bench::Format(none), "", times);
    bench::PrintInfoRow("  records logged, all rounds",
                        bench::Thousands(static_cast<long long>(seen)) + " of " +
                            bench::Thousands(static_cast<long long>(sent)),
                        bench::Thousands(static_cast<long long>(dropped)) + " dropped",
                        Verdict(seen == sent && dropped == 0, "none lost:"));
    return true;
}

// ---------------------------------------------------------------------------------------------
// 2. Orvex keeps up

// Sends a window WM_NULL every few milliseconds from a thread of its own and keeps the longest
// wait for its answer: how long a click on the window would wait at worst.
class AnswerWatch {
public:
    explicit AnswerWatch(HWND window)
        : m_thread([this, window] {
              while (!m_stop.load()) {
                  const double start = bench::NowMicros();
                  DWORD_PTR answer = 0;
                  ::SendMessageTimeoutW(window, WM_NULL, 0, 0, SMTO_NORMAL, 10000, &answer);
                  m_longest = std::max(m_longest, bench::NowMicros() - start);
                  ::Sleep(3);
              }
          }) {}
    AnswerWatch(const AnswerWatch&) = delete;
    AnswerWatch& operator=(const AnswerWatch&) = delete;
    ~AnswerWatch() { Stop(); }

    // The longest wait in microseconds.
    double Stop() {
        m_stop = true;
        if (m_thread.joinable())
            m_thread.join();
        return m_longest;
    }

private:
    std::atomic<bool> m_stop{false};
    double m_longest = 0; // the watching thread's alone until it is joined
    std::thread m_thread; // last: it starts once the rest is made
};

bool KeepsUp(harness::TargetProcess& target, HWND window, CMessageLogDialog& log, const std::string& which) {
    constexpr unsigned kPerSecond = 20000;
    const unsigned count = bench::TinyMode() ? 500 : kPerSecond * 10;
    log.SendMessage(WM_COMMAND, ID_MSGLOG_START_STOP); // stopped for the target's cost
    harness::PumpMessages();
    if (!log.Logging())
        return false;
    const std::uint64_t seenBefore = log.Seen(), droppedBefore = log.Dropped();

    // The idle window's longest answer: what the machine and Wine take by themselves.
    double idle = 0;
    {
        AnswerWatch watch(log.m_hWnd);
        PumpFor(bench::TinyMode() ? 100 : 2000);
        idle = watch.Stop();
    }

    AnswerWatch watch(log.m_hWnd);
    harness::TargetProcess::SelfSends sends;
    std::atomic<bool> sent{false};
    std::thread sender([&] {
        sends = target.SelfSend(window, count, kPerSecond);
        sent = true;
    });
    harness::WaitUntil([&] { return sent.load(); }, 600000);
    sender.join();
    // The last sends wait in the ring for the next tick of the window's timer.
    const std::uint64_t records = 2 * sends.count; // each send is logged as it comes and as it returns
    harness::WaitUntil([&] { return log.Seen() - seenBefore >= records; }, 2000);
    const double busy = watch.Stop();
    if (sends.micros <= 0)
        return false;

    const std::uint64_t seen = log.Seen() - seenBefore, dropped = log.Dropped() - droppedBefore;
    bench::PrintInfoRow("log window's longest answer, " + which + ", " + bench::Thousands(kPerSecond) + "/s",
                        Millis(busy), "idle: " + Millis(idle), Verdict(busy <= 100000, "<= 100 ms"));
    char pace[48];
    std::snprintf(pace, sizeof(pace), "%s in %.1f s",
                  bench::Thousands(static_cast<long long>(sends.count)).c_str(), double(sends.micros) / 1e6);
    const double perSecond = double(sends.count) * 1e6 / double(sends.micros);
    bench::PrintInfoRow("  sends the " + which + " made", pace,
                        bench::Thousands(static_cast<long long>(perSecond)) + " a second",
                        perSecond >= kPerSecond * 0.95 ? "pace held" : "pace not held");
    bench::PrintInfoRow("  records the log window took",
                        bench::Thousands(static_cast<long long>(seen)) + " of " +
                            bench::Thousands(static_cast<long long>(records)),
                        bench::Thousands(static_cast<long long>(dropped)) + " dropped",
                        Verdict(seen >= records && dropped == 0, "none lost:"));

    // What the window's side could take, whatever pace the target managed: the records of one
    // timer period at 20,000 sends a second, waiting in the ring, drained and painted at once. The
    // window keeps up when that fits in the period. This thread waits for the target's reply
    // meanwhile, so the timer cannot take them first.
    const unsigned sendsPerTick =
        bench::TinyMode() ? 50 : kPerSecond * CMessageLogDialog::kDrainPeriodMs / 1000;
    std::vector<double> ticks;
    for (int round = 0; round < bench::Rounds(5); ++round) {
        if (target.SelfSend(window, sendsPerTick).micros < 0)
            return false;
        const double start = bench::NowMicros();
        log.Drain();
        ::RedrawWindow(log.m_hWnd, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
        ticks.push_back(bench::NowMicros() - start);
    }
    const bench::Figure tick = bench::Summarize(ticks);
    char period[32];
    std::snprintf(period, sizeof(period), "<= %u ms", CMessageLogDialog::kDrainPeriodMs);
    bench::PrintInfoRow("  a tick's " + bench::Thousands(2ll * sendsPerTick) + " records, drained, shown",
                        bench::Format(tick), "",
                        Verdict(tick.median <= CMessageLogDialog::kDrainPeriodMs * 1000.0, period));
    return true;
}

// ---------------------------------------------------------------------------------------------
// 3. Memory

// A moment of use of the target's window, delivered from outside as the window system would
// deliver it: the pointer moving and clicking, a key, a repaint, the title set and read, and a
// button's notifications. About 40 lines.
void UseWindow(HWND window, HWND button, int step) {
    const auto send = [window](UINT message, WPARAM wParam, LPARAM lParam) {
        DWORD_PTR answer = 0;
        ::SendMessageTimeoutW(window, message, wParam, lParam, SMTO_NORMAL, 2000, &answer);
    };
    RECT frame{};
    ::GetWindowRect(window, &frame);
    const int x = 20 + step % 150, y = 60 + step % 90;
    for (int move = 0; move < 3; ++move) {
        send(WM_NCHITTEST, 0, MAKELPARAM(frame.left + x + move, frame.top + y));
        send(WM_SETCURSOR, reinterpret_cast<WPARAM>(window), MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
        ::PostMessageW(window, WM_MOUSEMOVE, 0, MAKELPARAM(x + move, y));
    }
    ::PostMessageW(window, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(x, y));
    ::PostMessageW(window, WM_LBUTTONUP, 0, MAKELPARAM(x, y));
    // The target's loop translates the key into a WM_CHAR of its own.
    ::PostMessageW(window, WM_KEYDOWN, 'A', 0x001E0001);
    ::PostMessageW(window, WM_KEYUP, 'A', static_cast<LPARAM>(0xC01E0001u));
    ::RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_UPDATENOW);
    wchar_t title[32];
    std::swprintf(title, std::size(title), L"Logged, step %d", step);
    send(WM_SETTEXT, 0, reinterpret_cast<LPARAM>(title));
    send(WM_GETTEXTLENGTH, 0, 0);
    wchar_t read[64] = {};
    send(WM_GETTEXT, std::size(read), reinterpret_cast<LPARAM>(read));
    send(WM_COMMAND, MAKEWPARAM(kButtonId, BN_CLICKED), reinterpret_cast<LPARAM>(button));
    send(WM_PARENTNOTIFY, MAKEWPARAM(WM_LBUTTONDOWN, kButtonId), MAKELPARAM(15, 15));
}

bool MarkerArrived(const orvex::LogLines& lines, WPARAM batch) {
    for (size_t index = lines.size(), looked = 0; index > 0 && looked < 8192; --index, ++looked) {
        const orvex::LogLine& line = lines[index - 1];
        if (line.note == 0 && line.record.message == kBatchMarker && line.record.wParam == batch)
            return true;
    }
    return false;
}

struct LineMemory {
    bool measured = false;
    size_t lines = 0; // added between the two readings
    long long bytes = 0;
};

LineMemory MeasureLineMemory(CMessageLogDialog& log, HWND window, HWND button) {
    // A batch stays well inside one ring (4,096 records) while this thread sends and cannot drain.
    const int stepsPerBatch = bench::TinyMode() ? 12 : 40;
    int step = 0;
    WPARAM batch = 0;
    const auto runBatch = [&] {
        for (int i = 0; i < stepsPerBatch; ++i)
            UseWindow(window, button, step++);
        ::PostMessageW(window, kBatchMarker, ++batch, 0);
        return harness::WaitUntil([&] { return MarkerArrived(log.Lines(), batch); }, 5000);
    };
    // A batch first: the list has painted rows, class names are known, the heap's first blocks
    // are in use.
    if (!runBatch())
        return {};
    PumpFor(100);
    const harness::ProcessResources before = harness::ReadProcessResources();
    const size_t linesBefore = log.Lines().size();
    const size_t wanted = bench::TinyMode() ? linesBefore + 400 : size_t{orvex::LogLines::kDefaultCapacity};
    while (log.Lines().size() < wanted)
        if (!runBatch())
            return {};
    PumpFor(200); // the repaints that came after the last marker
    const harness::ProcessResources after = harness::ReadProcessResources();
    LineMemory memory;
    memory.measured = true;
    memory.lines = log.Lines().size() - linesBefore;
    memory.bytes = static_cast<long long>(after.privateBytes) - static_cast<long long>(before.privateBytes);
    return memory;
}

void PrintLineMemory(const LineMemory& memory, size_t linesInLog) {
    const double perLine = memory.lines ? double(memory.bytes) / double(memory.lines) : 0;
    char figure[48], floor[48];
    std::snprintf(figure, sizeof(figure), "%.0f bytes a line", perLine);
    std::snprintf(floor, sizeof(floor), "record: %u bytes", static_cast<unsigned>(orvex::kMessageRecordSize));
    bench::PrintInfoRow("memory, " + bench::Thousands(static_cast<long long>(linesInLog)) +
                            " lines in the log",
                        figure, floor, Verdict(perLine <= 200, "<= 200 B"));
}

// The target's cost and keeping up for the 32-bit build of the target; false when it failed.
bool LogThirtyTwoBitTarget(CMessageLogDialog& log) {
    harness::TargetProcess target32(harness::TargetWidth::ThirtyTwoBit);
    HWND frame32 = target32.Create(harness::WindowRequest::Frame(L"Logged, 32-bit", {700, 450, 1000, 750}));
    HookLibraryFile file32(HookLibraryFile::LibraryResource(orvex::HookFile::Library32),
                           HookLibraryFile::UserFolder(), orvex::HookFile::Library32);
    if (!frame32 || file32.status() != HookLibraryFile::Status::Ready) {
        std::printf("the 32-bit helper target did not start: no 32-bit figures\n");
        return true; // the tiny run's check catches this line
    }
    log.SendMessage(WM_COMMAND, ID_MSGLOG_START_STOP);
    log.SetTarget(frame32);
    harness::PumpMessages();
    if (log.Target() != frame32 || log.Logging() ||
        !TargetsCost(target32, frame32, HookedByItself(target32, file32.path()), "32-bit target") ||
        !KeepsUp(target32, frame32, log, "32-bit target")) {
        std::printf("the 32-bit target was not logged, or did not answer\n");
        return false;
    }
    return true;
}

} // namespace

int main(int argc, char** argv) {
    bench::ReadOptions(argc, argv);
    CBenchOrvexApp app;

    harness::TargetProcess target;
    HWND frame = target.Create(harness::WindowRequest::Frame(L"Logged", {700, 100, 1000, 400}));
    HWND button = frame ? target.Create(harness::WindowRequest::Child(
                              frame, L"Button", L"Press", BS_PUSHBUTTON, {10, 10, 110, 40}, kButtonId))
                        : nullptr;
    if (!button) {
        std::printf("the helper target did not start\n");
        return 1;
    }

    // The log window as the user opens it: the main window lists the target, and its command
    // opens the log beside it on the listed window.
    CMainDialog dialog(app.m_settings);
    app.m_pMainWnd = &dialog;
    dialog.Create(IDD_ORVEX_DIALOG);
    dialog.ShowWindow(SW_SHOW);
    dialog.ShowWindowProperties(frame);
    dialog.SendMessage(WM_COMMAND, ID_WINDOW_MESSAGE_LOG);
    harness::PumpMessages();
    CMessageLogDialog* log = MainDialogTestView{dialog}.Log();
    if (!log || log->Target() != frame || !log->Logging()) {
        std::printf("the message log did not open\n");
        return 1;
    }

    const LineMemory memory = MeasureLineMemory(*log, frame, button);
    if (!memory.measured) {
        std::printf("the mix did not arrive in the log\n");
        return 1;
    }
    const size_t linesInLog = log->Lines().size();
    // Stopped, so that the target's thread is free for the sessions of the first part.
    log->SendMessage(WM_COMMAND, ID_MSGLOG_START_STOP);
    harness::PumpMessages();

    HookLibraryFile file(HookLibraryFile::LibraryResource(), HookLibraryFile::UserFolder());
    HMODULE library =
        file.status() == HookLibraryFile::Status::Ready ? ::LoadLibraryW(file.path().c_str()) : nullptr;
    if (!library) {
        std::printf("the hook library did not open\n");
        return 1;
    }
    std::unique_ptr<PassThroughHooks> hooks;
    if (!TargetsCost(target, frame, HookedFromHere(library, frame, hooks), "target")) {
        std::printf("the helper target did not answer the sends\n");
        return 1;
    }
    if (!KeepsUp(target, frame, *log, "target")) {
        std::printf("the message log did not start again, or the target did not answer\n");
        return 1;
    }

    // The same for the 32-bit build of the target, which the log hooks through its 32-bit host,
    // where the machine runs 32-bit programs at all.
    if (harness::KernelRunsNoThirtyTwoBitPrograms()) {
        std::printf("this machine's kernel runs no 32-bit programs: no 32-bit figures\n");
    } else if (!LogThirtyTwoBitTarget(*log)) {
        return 1;
    }
    PrintLineMemory(memory, linesInLog);

    dialog.DestroyWindow();
    harness::PumpMessages();
    ::FreeLibrary(library);
    return 0;
}
