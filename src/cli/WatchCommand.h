#pragma once
// --watch: the window's listing once, then each row whose value changes, as the window changes.

#include "cli/Arguments.h"
#include "cli/CommandLine.h"

#include <windows.h>

// Watches `target` as `invocation` asks until it goes or the time is up; returns the exit status.
int RunWatch(const orvex::cli::Invocation& invocation, HWND target, TextStream& out, TextStream& errors);
