#include "change/ChangeEngine.h"

#include "common/SystemMessage.h"
#include "common/WindowWork.h"
#include "inspect/WindowFacts.h"
#include "process/ProcessReach.h"

#include <chrono>
#include <condition_variable>
#include <exception>
#include <mutex>
#include <thread>

namespace {

using orvex::ChangeKind;
using orvex::ChangeProperty;
using orvex::ChangeValue;
using orvex::WindowChange;

constexpr wchar_t kElevated[] =
    L"The window's program runs elevated, above Orvex: its windows cannot be changed "
    L"unless Orvex runs elevated too.";
constexpr wchar_t kRefusedSilently[] = L"The system refused the change without giving a reason.";
constexpr wchar_t kTextNotTaken[] = L"The window did not take the text.";
// A text longer than this is not read whole: it could not be put back either.
constexpr std::size_t kLongestText = 1u << 24;
// How often a window moved by SWP_ASYNCWINDOWPOS is looked at until its own thread has moved it, and
// how much of the bound is kept for asking whether that thread still answers.
constexpr DWORD kMovePollMs = 10;
constexpr DWORD kAnswerProbeMs = 300;
// The worker's own steps end within the bound; the waiter gives it this much longer to say so, with
// the value before, rather than report a bare time-out first.
constexpr DWORD kReportMarginMs = 250;

class Deadline {
public:
    explicit Deadline(DWORD boundMs) : m_end(::GetTickCount64() + boundMs) {}
    DWORD Left() const {
        const ULONGLONG now = ::GetTickCount64();
        return now >= m_end ? 0 : static_cast<DWORD>(m_end - now);
    }

private:
    ULONGLONG m_end;
};

ChangeOutcome Outcome(ChangeOutcome::Status status, std::wstring reason) {
    ChangeOutcome outcome;
    outcome.status = status;
    outcome.reason = std::move(reason);
    return outcome;
}

ChangeOutcome NotAnswered() {
    return Outcome(ChangeOutcome::Status::NotAnswered, kChangeNotAnswered);
}

// Wine refuses some changes (moving the desktop window) without setting an error: "Success." would
// say the opposite of what happened.
ChangeOutcome RefusedBySystem(DWORD error) {
    return Outcome(ChangeOutcome::Status::Refused,
                   error ? SystemMessage(error) : std::wstring(kRefusedSilently));
}

// What refuses a change before anything is tried: no window, Orvex's own, or one out of reach.
std::optional<ChangeOutcome> RefusalBeforeTrying(HWND hwnd) {
    if (!hwnd || !::IsWindow(hwnd))
        return RefusedBySystem(ERROR_INVALID_WINDOW_HANDLE);
    if (IsOwnProcessWindow(hwnd))
        return Outcome(ChangeOutcome::Status::Refused, kChangeOwnWindow);
    if (ProcessReach(WindowProcessId(hwnd)) == orvex::Reach::Elevated)
        return Outcome(ChangeOutcome::Status::Refused, kElevated);
    return std::nullopt;
}

std::optional<std::wstring> ReadText(HWND hwnd, const Deadline& deadline) {
    DWORD_PTR length = 0;
    if (!::SendMessageTimeoutW(hwnd, WM_GETTEXTLENGTH, 0, 0, SMTO_ABORTIFHUNG, deadline.Left(), &length))
        return std::nullopt;
    return WindowTextAnswer(hwnd, std::min<std::size_t>(length, kLongestText), deadline.Left());
}

// The window's rectangle where SetWindowPos takes it: in the parent's client area for a child, on the
// screen for a top-level window.
std::optional<RECT> PlacedRect(HWND hwnd) {
    RECT rect{};
    if (!::GetWindowRect(hwnd, &rect))
        return std::nullopt;
    HWND parent = ::GetAncestor(hwnd, GA_PARENT);
    if ((::GetWindowLongPtrW(hwnd, GWL_STYLE) & WS_CHILD) && parent && parent != ::GetDesktopWindow())
        ::MapWindowPoints(HWND_DESKTOP, parent, reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

std::optional<ChangeValue> ReadValue(HWND hwnd, ChangeProperty property, const Deadline& deadline) {
    ChangeValue value;
    value.property = property;
    if (property == ChangeProperty::Open) {
        value.on = ::IsWindow(hwnd) != FALSE;
        return value;
    }
    if (!::IsWindow(hwnd))
        return std::nullopt;
    const auto style = static_cast<std::uint32_t>(::GetWindowLongPtrW(hwnd, GWL_STYLE));
    const auto exStyle = static_cast<std::uint32_t>(::GetWindowLongPtrW(hwnd, GWL_EXSTYLE));
    switch (property) {
    case ChangeProperty::Text: {
        auto text = ReadText(hwnd, deadline);
        if (!text)
            return std::nullopt;
        value.text = std::move(*text);
        break;
    }
    case ChangeProperty::Style:
        value.word = style;
        break;
    case ChangeProperty::ExStyle:
        value.word = exStyle;
        break;
    case ChangeProperty::Position:
    case ChangeProperty::Size: {
        const auto rect = PlacedRect(hwnd);
        if (!rect)
            return std::nullopt;
        const bool position = property == ChangeProperty::Position;
        value.x = position ? rect->left : rect->right - rect->left;
        value.y = position ? rect->top : rect->bottom - rect->top;
        break;
    }
    case ChangeProperty::Visible:
        value.on = (style & WS_VISIBLE) != 0;
        break;
    case ChangeProperty::Enabled:
        value.on = (style & WS_DISABLED) == 0;
        break;
    case ChangeProperty::TopMost:
        value.on = (exStyle & WS_EX_TOPMOST) != 0;
        break;
    case ChangeProperty::ShowState:
        value.word = ::IsIconic(hwnd)   ? orvex::kShownMinimized
                     : ::IsZoomed(hwnd) ? orvex::kShownMaximized
                                        : orvex::kShownNormal;
        break;
    case ChangeProperty::ZOrder:
        value.on = ::GetWindow(hwnd, GW_HWNDPREV) == nullptr;
        break;
    case ChangeProperty::Open:
        break;
    }
    // The words of a window destroyed meanwhile read 0: that is no value of the window's.
    if (!::IsWindow(hwnd))
        return std::nullopt;
    return value;
}

// A move or a resize posted with SWP_ASYNCWINDOWPOS lands when the window's thread gets to it. Looks
// until the window reports something else than before; a window that keeps its place (its program
// or the system may keep it there) is told from one that does not answer by asking it once.
bool WaitForPlacement(HWND hwnd, const ChangeValue& before, const Deadline& deadline) {
    while (deadline.Left() > kAnswerProbeMs) {
        const auto now = ReadValue(hwnd, before.property, deadline);
        if (!now || !(*now == before))
            return true;
        ::Sleep(kMovePollMs);
    }
    DWORD_PTR ignored = 0;
    return ::SendMessageTimeoutW(hwnd, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, deadline.Left(), &ignored) != 0;
}

std::optional<ChangeOutcome> Place(HWND hwnd, const WindowChange& change, const ChangeValue& before,
                                   const Deadline& deadline) {
    constexpr UINT kFlags = SWP_NOZORDER | SWP_NOACTIVATE | SWP_ASYNCWINDOWPOS;
    const BOOL posted = change.kind == ChangeKind::Position
                            ? ::SetWindowPos(hwnd, nullptr, change.x, change.y, 0, 0, kFlags | SWP_NOSIZE)
                            : ::SetWindowPos(hwnd, nullptr, 0, 0, change.x, change.y, kFlags | SWP_NOMOVE);
    if (!posted)
        return RefusedBySystem(::GetLastError());
    const bool asked = before.x != change.x || before.y != change.y;
    if (asked && !WaitForPlacement(hwnd, before, deadline))
        return NotAnswered();
    return std::nullopt;
}

// Minimize, maximize and restore are posted to the window's thread (ShowWindowAsync), which may
// take its time or never get to it: waited for as a move is. Only maximizing has no form that leaves
// the window inactive.
std::optional<ChangeOutcome> ShowState(HWND hwnd, const WindowChange& change, const ChangeValue& before,
                                       const Deadline& deadline) {
    int command = SW_SHOWNOACTIVATE;
    std::uint32_t asked = orvex::kShownNormal;
    if (change.kind == ChangeKind::Minimize) {
        command = SW_SHOWMINNOACTIVE;
        asked = orvex::kShownMinimized;
    } else if (change.kind == ChangeKind::Maximize) {
        command = SW_SHOWMAXIMIZED;
        asked = orvex::kShownMaximized;
    }
    ::SetLastError(0);
    if (!::ShowWindowAsync(hwnd, command) && ::GetLastError() != 0)
        return RefusedBySystem(::GetLastError());
    if (before.word != asked && !WaitForPlacement(hwnd, before, deadline))
        return NotAnswered();
    return std::nullopt;
}

std::optional<ChangeOutcome> BringToTop(HWND hwnd, const ChangeValue& before, const Deadline& deadline) {
    if (!::SetWindowPos(hwnd, HWND_TOP, 0, 0, 0, 0,
                        SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE | SWP_ASYNCWINDOWPOS))
        return RefusedBySystem(::GetLastError());
    if (!before.on && !WaitForPlacement(hwnd, before, deadline))
        return NotAnswered();
    return std::nullopt;
}

std::optional<ChangeOutcome> SetStyleWord(HWND hwnd, const WindowChange& change, const ChangeValue& before,
                                          const ChangeOptions& options) {
    const int index = change.kind == ChangeKind::Style ? GWL_STYLE : GWL_EXSTYLE;
    // The word is 32 bits wide; the system keeps it as a LONG.
    const auto word = static_cast<LONG>(change.StyleAfter(before.word));
    ::SetLastError(0);
    if (!::SetWindowLongPtrW(hwnd, index, word) && ::GetLastError() != 0)
        return RefusedBySystem(::GetLastError());
    // The frame follows the new word only once the window is told to recompute it. Should that fail,
    // the word read back still tells what changed.
    if (options.frameUpdate)
        ::SetWindowPos(hwnd, nullptr, 0, 0, 0, 0,
                       SWP_FRAMECHANGED | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    return std::nullopt;
}

std::optional<ChangeOutcome> SetText(HWND hwnd, const WindowChange& change, const Deadline& deadline) {
    DWORD_PTR taken = 0;
    ::SetLastError(0);
    if (!::SendMessageTimeoutW(hwnd, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(change.text.c_str()),
                               SMTO_ABORTIFHUNG, deadline.Left(), &taken)) {
        const DWORD error = ::GetLastError();
        if (error == 0 || error == ERROR_TIMEOUT)
            return NotAnswered();
        return RefusedBySystem(error);
    }
    if (!taken)
        return Outcome(ChangeOutcome::Status::Refused, kTextNotTaken);
    return std::nullopt;
}

// Carries out the change; nothing when it was made.
std::optional<ChangeOutcome> Carry(HWND hwnd, const WindowChange& change, const ChangeValue& before,
                                   const ChangeOptions& options, const Deadline& deadline) {
    constexpr UINT kInPlace = SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE;
    BOOL done = TRUE;
    switch (change.kind) {
    case ChangeKind::Text:
        return SetText(hwnd, change, deadline);
    case ChangeKind::Style:
    case ChangeKind::ExStyle:
        return SetStyleWord(hwnd, change, before, options);
    case ChangeKind::Position:
    case ChangeKind::Size:
        return Place(hwnd, change, before, deadline);
    case ChangeKind::Show:
        done = ::SetWindowPos(hwnd, nullptr, 0, 0, 0, 0, kInPlace | SWP_NOZORDER | SWP_SHOWWINDOW);
        break;
    case ChangeKind::Hide:
        done = ::SetWindowPos(hwnd, nullptr, 0, 0, 0, 0, kInPlace | SWP_NOZORDER | SWP_HIDEWINDOW);
        break;
    case ChangeKind::Enable:
    case ChangeKind::Disable:
        // The answer is the state before, not success.
        ::EnableWindow(hwnd, change.kind == ChangeKind::Enable);
        break;
    case ChangeKind::TopMost:
        done = ::SetWindowPos(hwnd, HWND_TOPMOST, 0, 0, 0, 0, kInPlace);
        break;
    case ChangeKind::NoTopMost:
        done = ::SetWindowPos(hwnd, HWND_NOTOPMOST, 0, 0, 0, 0, kInPlace);
        break;
    case ChangeKind::Close:
        done = ::PostMessageW(hwnd, WM_CLOSE, 0, 0);
        break;
    case ChangeKind::Minimize:
    case ChangeKind::Maximize:
    case ChangeKind::Restore:
        return ShowState(hwnd, change, before, deadline);
    case ChangeKind::BringToTop:
        return BringToTop(hwnd, before, deadline);
    }
    if (!done)
        return RefusedBySystem(::GetLastError());
    return std::nullopt;
}

ChangeOutcome Change(HWND hwnd, const WindowChange& change, const ChangeOptions& options) {
    const Deadline deadline(options.boundMs);
    const ChangeProperty property = orvex::PropertyOf(change.kind);
    const auto before = ReadValue(hwnd, property, deadline);
    if (!before)
        return ::IsWindow(hwnd) ? NotAnswered() : RefusedBySystem(ERROR_INVALID_WINDOW_HANDLE);
    ChangeOutcome outcome;
    if (auto failed = Carry(hwnd, change, *before, options, deadline))
        outcome = std::move(*failed);
    else if (auto after = ReadValue(hwnd, property, deadline)) {
        outcome.status = ChangeOutcome::Status::Applied;
        outcome.after = std::move(*after);
    } else
        outcome = ::IsWindow(hwnd) ? NotAnswered() : RefusedBySystem(ERROR_INVALID_WINDOW_HANDLE);
    outcome.before = *before;
    return outcome;
}

// What the working thread found, handed to the thread that waits for it.
struct Pending {
    std::mutex lock;
    std::condition_variable finished;
    bool done = false;
    ChangeOutcome outcome;
};

} // namespace

std::optional<orvex::ChangeValue> ReadChangeValue(HWND hwnd, ChangeProperty property, DWORD boundMs) {
    return ReadValue(hwnd, property, Deadline(boundMs));
}

ChangeOutcome ApplyWindowChange(HWND hwnd, const WindowChange& change, const ChangeOptions& options) {
    if (auto refusal = RefusalBeforeTrying(hwnd))
        return std::move(*refusal);
    auto pending = std::make_shared<Pending>();
    ChangeOutcome found;
    const WindowWorkStart start = StartWindowWork(
        hwnd,
        [hwnd, change, options, pending] {
            ChangeOutcome outcome;
            try {
                outcome = Change(hwnd, change, options);
            } catch (const std::exception&) {
                outcome = RefusedBySystem(ERROR_NOT_ENOUGH_MEMORY);
            }
            std::lock_guard<std::mutex> guard(pending->lock);
            pending->outcome = std::move(outcome);
        },
        // Told only once the window is free, so that the next change may start at once.
        [pending] {
            {
                std::lock_guard<std::mutex> guard(pending->lock);
                pending->done = true;
            }
            pending->finished.notify_all();
        });
    if (start == WindowWorkStart::AlreadyWaiting)
        return Outcome(ChangeOutcome::Status::Busy, kChangeBusy);
    if (start == WindowWorkStart::NoThread)
        return RefusedBySystem(ERROR_NOT_ENOUGH_MEMORY);
    std::unique_lock<std::mutex> lock(pending->lock);
    if (!pending->finished.wait_for(lock, std::chrono::milliseconds(options.boundMs + kReportMarginMs),
                                    [&] { return pending->done; }))
        return NotAnswered();
    return std::move(pending->outcome);
}

void StartWindowChange(HWND hwnd, const WindowChange& change, const ChangeOptions& options, HWND notify,
                       UINT doneMessage) {
    const auto post = [hwnd, notify, doneMessage](ChangeOutcome outcome) {
        auto* posted = new ChangeOutcome(std::move(outcome));
        if (!::PostMessageW(notify, doneMessage, reinterpret_cast<WPARAM>(hwnd),
                            reinterpret_cast<LPARAM>(posted)))
            delete posted;
    };
    try {
        std::thread([hwnd, change, options, post] {
            post(ApplyWindowChange(hwnd, change, options));
        }).detach();
    } catch (const std::exception&) {
        post(RefusedBySystem(ERROR_NOT_ENOUGH_MEMORY));
    }
}

std::unique_ptr<ChangeOutcome> TakePostedOutcome(LPARAM lParam) {
    return std::unique_ptr<ChangeOutcome>(reinterpret_cast<ChangeOutcome*>(lParam));
}
