#pragma once
// Finding the windows a target names, on any thread: every window of the desktop, top-level and
// child, read without sending any of them a message (so a search never waits on a program that
// does not answer, Orvex's own window thread included).

#include "find/WindowTarget.h"

#include <windows.h>

#include <atomic>
#include <cstddef>
#include <functional>
#include <vector>

struct FoundWindow {
    HWND hwnd = nullptr;
    orvex::CandidateWindow facts;
    std::wstring imagePath; // the owning process's image path, "" when it cannot be read
};

struct SearchResult {
    std::vector<FoundWindow> matches;
    std::size_t searched = 0; // windows looked at
    bool cancelled = false;
};

// The windows `target` names: the one window of a handle or a point (none when it is not a
// window), or every window meeting the criteria, in the order a walk of the window tree meets
// them. Stops early, with `cancelled`, once `cancel` is set.
SearchResult FindWindows(const orvex::WindowTarget& target, const std::atomic<bool>* cancel = nullptr);

// The system's ordinal upper-case folding of one UTF-16 unit, for MeetsCriteria.
wchar_t SystemUpperCase(wchar_t unit);
