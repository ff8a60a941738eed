#pragma once
// --log: the message log without its window, through the same session the log window uses.

#include "cli/Arguments.h"
#include "cli/CommandLine.h"

#include <windows.h>

// Logs `target` as `invocation` asks, writing each line as it arrives; returns the exit status.
int RunLog(const orvex::cli::Invocation& invocation, HWND target, TextStream& out, TextStream& errors);
