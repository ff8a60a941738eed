#include "harness/UnixCommand.h"

#include "harness/ExternalProcess.h"
#include "harness/Wait.h"

#include "framework/Handles.h"

#include <atomic>
#include <cstdlib>
#include <string>

namespace harness {

namespace {

// Wine shows the Linux root as drive Z:.
std::wstring WindowsPath(const std::wstring& unixPath) {
    std::wstring path = L"Z:" + unixPath;
    for (wchar_t& c : path)
        if (c == L'/')
            c = L'\\';
    return path;
}

std::string Utf8(const std::wstring& text) {
    const int size = ::WideCharToMultiByte(CP_UTF8, 0, text.c_str(), static_cast<int>(text.size()), nullptr,
                                           0, nullptr, nullptr);
    std::string bytes(static_cast<size_t>(size), '\0');
    ::WideCharToMultiByte(CP_UTF8, 0, text.c_str(), static_cast<int>(text.size()), bytes.data(), size,
                          nullptr, nullptr);
    return bytes;
}

} // namespace

bool RunUnixToEnd(const std::wstring& commandLine, DWORD timeoutMs) {
    static std::atomic<unsigned> counter{0};
    const std::wstring stem =
        L"/tmp/orvex-test-" + std::to_wstring(::GetCurrentProcessId()) + L"-" + std::to_wstring(++counter);
    const std::wstring script = stem + L".sh", status = stem + L".status";
    // The status file appears whole, in one rename, once the command has ended.
    const std::string text = Utf8(commandLine) + "\necho $? > '" + Utf8(status) + ".new' && mv '" +
                             Utf8(status) + ".new' '" + Utf8(status) + "'\n";
    const std::wstring scriptFile = WindowsPath(script), statusFile = WindowsPath(status);
    {
        fw::UniqueFileHandle out(::CreateFileW(scriptFile.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                               FILE_ATTRIBUTE_NORMAL, nullptr));
        DWORD written = 0;
        if (!out ||
            !::WriteFile(out.get(), text.data(), static_cast<DWORD>(text.size()), &written, nullptr) ||
            written != text.size())
            return false;
    }
    RunUnix(L"/bin/sh " + script, 0);
    const bool ended = WaitUntil(
        [&] { return ::GetFileAttributesW(statusFile.c_str()) != INVALID_FILE_ATTRIBUTES; }, timeoutMs);
    int code = -1;
    if (ended) {
        fw::UniqueFileHandle in(::CreateFileW(statusFile.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                                              OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
        char digits[16] = {};
        DWORD read = 0;
        if (in && ::ReadFile(in.get(), digits, sizeof(digits) - 1, &read, nullptr))
            code = std::atoi(digits);
    }
    ::DeleteFileW(statusFile.c_str());
    ::DeleteFileW(scriptFile.c_str());
    return ended && code == 0;
}

} // namespace harness
