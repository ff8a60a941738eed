#pragma once
// The command line at the program's start, before any window: the application object asks here
// whether to start the window inspector or to do a job and end.

#include <optional>

// The exit status of the job the command line asks for; nothing when the window inspector is to
// start in this process. Orvex.com, the console twin, given no arguments starts Orvex.exe beside it
// and ends at once (status 0), so the console that started it is not held while the inspector is
// open; only when that start fails does it run the inspector itself.
std::optional<int> RunProgramCommandLine();
