#pragma once
// --watch: the window's listing once, then each row whose value changes, as the window changes.

#include "cli/Arguments.h"
#include "cli/CommandLine.h"
#include "inspect/ListingExport.h"

#include <windows.h>

#include <string>
#include <vector>

// One watched window: each read lists it again, without a message to it, and words what changed
// since the read before.
class WindowWatch {
public:
    WindowWatch(HWND target, bool json) : m_target(target), m_json(json) {}

    // The first read: the whole listing in `text`. False when the window is gone.
    bool Start(std::string& text);
    // A later read: a line for each changed row in `text`, empty when nothing changed. False when
    // the window is gone.
    bool Next(std::string& text);

private:
    HWND m_target;
    bool m_json;
    std::vector<orvex::ListingRow> m_before, m_after;
};

// Watches `target` as `invocation` asks until it goes or the time is up; returns the exit status.
int RunWatch(const orvex::cli::Invocation& invocation, HWND target, TextStream& out, TextStream& errors);
