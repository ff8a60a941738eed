#include "harness/ExternalProcess.h"

#include <tlhelp32.h>

#include <cstdio>
#include <cwchar>
#include <vector>

namespace harness {

std::wstring BinaryDirectory() {
    wchar_t path[MAX_PATH] = {};
    DWORD length = ::GetModuleFileNameW(nullptr, path, MAX_PATH);
    std::wstring dir(path, length);
    dir.erase(dir.find_last_of(L"\\/") + 1);
    return dir;
}

ProcessResult RunAndWait(const std::wstring& commandLine, DWORD timeoutMs) {
    ProcessResult result;
    SECURITY_ATTRIBUTES inherit{sizeof(inherit), nullptr, TRUE};
    HANDLE readEnd = nullptr, writeEnd = nullptr;
    if (!::CreatePipe(&readEnd, &writeEnd, &inherit, 0))
        return result;
    fw::UniqueFileHandle reader(readEnd), writer(writeEnd);
    ::SetHandleInformation(readEnd, HANDLE_FLAG_INHERIT, 0);

    STARTUPINFOW startup{};
    startup.cb = sizeof(startup);
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdInput = ::GetStdHandle(STD_INPUT_HANDLE);
    startup.hStdOutput = writeEnd;
    startup.hStdError = ::GetStdHandle(STD_ERROR_HANDLE);
    PROCESS_INFORMATION info{};
    std::wstring mutableLine = commandLine;
    if (!::CreateProcessW(nullptr, mutableLine.data(), nullptr, nullptr, TRUE, 0, nullptr, nullptr, &startup,
                          &info))
        return result;
    result.started = true;
    fw::UniqueProcessHandle process(info.hProcess);
    ::CloseHandle(info.hThread);
    writer.reset(); // the child holds the only write end now

    char buffer[4096];
    DWORD got = 0;
    while (::ReadFile(reader.get(), buffer, sizeof(buffer), &got, nullptr) && got > 0)
        result.output.append(buffer, got);
    ::WaitForSingleObject(process.get(), timeoutMs);
    ::GetExitCodeProcess(process.get(), &result.exitCode);
    return result;
}

bool RunUnix(const std::wstring& commandLine, DWORD timeoutMs) {
    STARTUPINFOW startup{};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION info{};
    // Wine now and then refuses a process creation outright (seen once in some hundred starts of
    // a full run); a second try a moment later goes through.
    for (int attempt = 0;; ++attempt) {
        std::wstring mutableLine = commandLine;
        if (::CreateProcessW(nullptr, mutableLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                             &startup, &info))
            break;
        if (attempt == 1)
            return false;
        std::fprintf(stderr, "starting %ls failed (error %lu); trying once more\n", commandLine.c_str(),
                     ::GetLastError());
        ::Sleep(200);
    }
    // Wine starts a Linux program without giving back handles, and may leave stale values in
    // `info`: closing those would close whatever handles of this process have them now (a helper
    // target's pipe, say).
    if (!info.hProcess)
        return true;
    fw::UniqueProcessHandle process(info.hProcess);
    ::CloseHandle(info.hThread);
    return ::WaitForSingleObject(process.get(), timeoutMs) == WAIT_OBJECT_0;
}

BackgroundProcess::~BackgroundProcess() {
    Kill();
}

bool BackgroundProcess::Start(const std::wstring& commandLine) {
    STARTUPINFOW startup{};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION info{};
    // Wine now and then refuses a process creation outright (seen once in some hundred starts of
    // a full run); a second try a moment later goes through.
    for (int attempt = 0;; ++attempt) {
        std::wstring mutableLine = commandLine;
        if (::CreateProcessW(nullptr, mutableLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                             &startup, &info))
            break;
        if (attempt == 1)
            return false;
        std::fprintf(stderr, "starting %ls failed (error %lu); trying once more\n", commandLine.c_str(),
                     ::GetLastError());
        ::Sleep(200);
    }
    m_process.reset(info.hProcess);
    m_id = info.dwProcessId;
    ::CloseHandle(info.hThread);
    return true;
}

bool BackgroundProcess::WaitForExit(DWORD timeoutMs) {
    return m_process && ::WaitForSingleObject(m_process.get(), timeoutMs) == WAIT_OBJECT_0;
}

bool BackgroundProcess::IsRunning() const {
    return m_process && ::WaitForSingleObject(m_process.get(), 0) == WAIT_TIMEOUT;
}

DWORD BackgroundProcess::ExitCode() const {
    DWORD code = STILL_ACTIVE;
    if (m_process)
        ::GetExitCodeProcess(m_process.get(), &code);
    return code;
}

void BackgroundProcess::Kill() {
    if (IsRunning()) {
        ::TerminateProcess(m_process.get(), 1);
        ::WaitForSingleObject(m_process.get(), 5000);
    }
}

std::vector<RunningProgram> ProgramsRunning(std::initializer_list<const wchar_t*> prefixes) {
    std::vector<RunningProgram> running;
    fw::UniqueFileHandle snapshot(::CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0));
    if (!snapshot)
        return running;
    PROCESSENTRY32W entry{};
    entry.dwSize = sizeof(entry);
    for (BOOL more = ::Process32FirstW(snapshot.get(), &entry); more;
         more = ::Process32NextW(snapshot.get(), &entry))
        for (const wchar_t* prefix : prefixes)
            if (::_wcsnicmp(entry.szExeFile, prefix, std::wcslen(prefix)) == 0) {
                running.push_back({entry.szExeFile, entry.th32ProcessID});
                break;
            }
    return running;
}

} // namespace harness
