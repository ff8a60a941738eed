#include "cli/WaitForWindow.h"

#include <algorithm>

WaitOutcome WaitForWindow(const orvex::WindowTarget& target, bool untilGone,
                          std::optional<std::uint32_t> limitMs, HANDLE stop, std::uint32_t intervalMs) {
    const ULONGLONG start = ::GetTickCount64();
    WaitOutcome outcome;
    for (;;) {
        SearchResult search = FindWindows(target);
        if (untilGone ? search.matches.empty() : !search.matches.empty()) {
            if (!untilGone)
                outcome.found = std::move(search.matches.front());
            return outcome;
        }
        DWORD pause = intervalMs;
        if (limitMs) {
            const ULONGLONG elapsed = ::GetTickCount64() - start;
            if (elapsed >= *limitMs) {
                outcome.status = WaitOutcome::Status::TimedOut;
                return outcome;
            }
            pause = static_cast<DWORD>(std::min<ULONGLONG>(pause, *limitMs - elapsed));
        }
        if (::WaitForSingleObject(stop, pause) == WAIT_OBJECT_0) {
            outcome.status = WaitOutcome::Status::Interrupted;
            return outcome;
        }
    }
}
