#pragma once
// --wait: the search run again until a window the target names appears (or, asked so, until none
// is left), the time-out passes or the user presses Ctrl+C.

#include "find/WindowSearch.h"

#include <windows.h>

#include <cstdint>
#include <optional>

struct WaitOutcome {
    enum class Status { Met, TimedOut, Interrupted };
    Status status = Status::Met;
    std::optional<FoundWindow> found; // the first match, when a window was waited for and came
};

// Searches at most every `intervalMs`, sleeping on `stop` in between (no busy loop); a `stop` that
// is set ends the wait as Interrupted. No `limitMs` waits for ever.
WaitOutcome WaitForWindow(const orvex::WindowTarget& target, bool untilGone,
                          std::optional<std::uint32_t> limitMs, HANDLE stop, std::uint32_t intervalMs = 100);
