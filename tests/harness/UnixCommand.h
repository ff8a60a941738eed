#pragma once
// Linux programs (xdotool, ImageMagick) run to their end from a Windows test program.
//
// Wine starts a Linux program from CreateProcess without a process handle to wait on, so the call
// returns while the program is still running. Here the program runs under /bin/sh, which leaves a
// file with its exit status when it is done; the caller waits for that file.

#include <windows.h>

#include <string>

namespace harness {

// Runs a Linux command line (absolute program path and arguments, as a shell reads them) and waits
// for its end, at most `timeoutMs`; true when it ran to its end with status 0.
bool RunUnixToEnd(const std::wstring& commandLine, DWORD timeoutMs = 20000);

} // namespace harness
