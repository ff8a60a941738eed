#pragma once
// Starting other programs from a test: Windows programs of the build, and Linux tools (xdotool,
// ImageMagick), which Wine starts as native processes.

#include "framework/Handles.h"

#include <string>
#include <vector>

namespace harness {

// The folder holding the test programs, Orvex.exe and the helper target.
std::wstring BinaryDirectory();

struct ProcessResult {
    bool started = false;
    DWORD exitCode = 0;
    std::string output; // standard output, as bytes
};

// Runs a command line to completion (at most `timeoutMs`), collecting its standard output.
ProcessResult RunAndWait(const std::wstring& commandLine, DWORD timeoutMs = 20000);

// The image names and ids of the processes running now whose image name starts with one of
// `prefixes` (compared without case).
struct RunningProgram {
    std::wstring name;
    DWORD id = 0;
};
std::vector<RunningProgram> ProgramsRunning(std::initializer_list<const wchar_t*> prefixes);

// Runs a Linux program (absolute path) with arguments and waits for it.
bool RunUnix(const std::wstring& commandLine, DWORD timeoutMs = 20000);

// A Windows program started in the background; killed at destruction if still running.
class BackgroundProcess {
public:
    BackgroundProcess() = default;
    BackgroundProcess(BackgroundProcess&&) = default;
    BackgroundProcess& operator=(BackgroundProcess&&) = default;
    ~BackgroundProcess();

    bool Start(const std::wstring& commandLine);
    bool WaitForExit(DWORD timeoutMs);
    bool IsRunning() const;
    DWORD ExitCode() const;
    DWORD Id() const { return m_id; }
    void Kill();

private:
    fw::UniqueProcessHandle m_process;
    DWORD m_id = 0;
};

} // namespace harness
