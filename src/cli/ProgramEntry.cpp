#include "cli/ProgramEntry.h"

#include "cli/CommandLine.h"
#include "framework/Handles.h"

#include <windows.h>

#include <shellapi.h>

#include <string>
#include <vector>

namespace {

std::vector<std::wstring> Arguments() {
    int count = 0;
    const fw::UniqueLocalMemory<LPWSTR> list(::CommandLineToArgvW(::GetCommandLineW(), &count));
    std::vector<std::wstring> arguments;
    for (int i = 1; list && i < count; ++i)
        arguments.emplace_back(list.get()[i]);
    return arguments;
}

bool IsConsoleImage() {
    const auto* base = reinterpret_cast<const BYTE*>(::GetModuleHandleW(nullptr));
    const auto* dos = reinterpret_cast<const IMAGE_DOS_HEADER*>(base);
    const auto* nt = reinterpret_cast<const IMAGE_NT_HEADERS*>(base + dos->e_lfanew);
    return nt->OptionalHeader.Subsystem == IMAGE_SUBSYSTEM_WINDOWS_CUI;
}

std::wstring ModulePath() {
    std::wstring path(MAX_PATH, L'\0');
    for (;;) {
        const DWORD length = ::GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
        if (length == 0)
            return {};
        if (length < path.size()) {
            path.resize(length);
            return path;
        }
        path.resize(path.size() * 2);
    }
}

// Orvex.exe in the folder of this Orvex.com, started detached; false when it could not be.
bool StartWindowedTwin() {
    std::wstring path = ModulePath();
    const std::size_t dot = path.find_last_of(L".\\/");
    if (path.empty() || dot == std::wstring::npos || path[dot] != L'.')
        return false;
    path.replace(dot, std::wstring::npos, L".exe");
    std::wstring commandLine = L"\"" + path + L"\"";
    STARTUPINFOW startup{};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION info{};
    if (!::CreateProcessW(path.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                          &startup, &info))
        return false;
    ::CloseHandle(info.hThread);
    ::CloseHandle(info.hProcess);
    return true;
}

bool Usable(HANDLE handle) {
    return handle && handle != INVALID_HANDLE_VALUE;
}

// A standard handle: a console gets wide text through WriteConsoleW (code pages aside); a pipe or a
// file gets the UTF-8 bytes.
class HandleStream final : public TextStream {
public:
    explicit HandleStream(HANDLE handle) : m_handle(handle) {
        DWORD mode = 0;
        m_console = Usable(handle) && ::GetConsoleMode(handle, &mode);
    }

    bool Write(std::string_view utf8) override {
        if (!Usable(m_handle))
            return true; // nowhere to write is no failure of the job
        if (utf8.empty())
            return true;
        if (m_console) {
            const int length =
                ::MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), nullptr, 0);
            std::wstring wide(static_cast<std::size_t>(length), L'\0');
            ::MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), wide.data(),
                                  length);
            DWORD written = 0;
            return ::WriteConsoleW(m_handle, wide.data(), static_cast<DWORD>(wide.size()), &written,
                                   nullptr) != FALSE;
        }
        DWORD written = 0;
        return ::WriteFile(m_handle, utf8.data(), static_cast<DWORD>(utf8.size()), &written, nullptr) &&
               written == utf8.size();
    }

private:
    HANDLE m_handle;
    bool m_console = false;
};

} // namespace

std::optional<int> RunProgramCommandLine() {
    const std::vector<std::wstring> arguments = Arguments();
    if (arguments.empty()) {
        if (IsConsoleImage() && StartWindowedTwin())
            return 0;
        return std::nullopt;
    }
    HANDLE out = ::GetStdHandle(STD_OUTPUT_HANDLE);
    HANDLE errors = ::GetStdHandle(STD_ERROR_HANDLE);
    // Orvex.exe started from a console inherits no handles: it writes to that console. Handles it
    // did inherit (a pipe, a file) are used as they are.
    fw::UniqueFileHandle consoleOut;
    if (!Usable(out) && !Usable(errors) && ::AttachConsole(ATTACH_PARENT_PROCESS)) {
        consoleOut.reset(::CreateFileW(L"CONOUT$", GENERIC_READ | GENERIC_WRITE,
                                       FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING, 0,
                                       nullptr));
        out = errors = consoleOut.get();
    }
    HandleStream outStream(out);
    HandleStream errorStream(errors);
    return RunCommandLine(arguments, outStream, errorStream);
}
