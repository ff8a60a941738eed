#include "process/ProcessImage.h"

#include "framework/Handles.h"
#include "process/ImagePath.h"

#include <psapi.h>

namespace {

// The longest path Windows can hand out; image paths longer than MAX_PATH exist and are shown
// whole.
constexpr DWORD kLongestPath = 32767;

std::wstring WindowsDirectory() {
    std::wstring directory(MAX_PATH, L'\0');
    // A second try is enough: a buffer too small is answered with the size it needs.
    for (int attempt = 0; attempt < 2; ++attempt) {
        const UINT length = ::GetWindowsDirectoryW(directory.data(), static_cast<UINT>(directory.size()));
        if (length == 0)
            return {};
        if (length < directory.size()) {
            directory.resize(length);
            return directory;
        }
        directory.resize(length);
    }
    return {};
}

std::wstring RawImagePath(DWORD processId, ImageAccess access) {
    const DWORD rights = access == ImageAccess::Limited ? PROCESS_QUERY_LIMITED_INFORMATION
                                                        : PROCESS_QUERY_INFORMATION | PROCESS_VM_READ;
    fw::UniqueProcessHandle process(::OpenProcess(rights, FALSE, processId));
    if (!process)
        return {};
    std::wstring path(kLongestPath, L'\0');
    DWORD length = kLongestPath;
    if (access == ImageAccess::Limited) {
        if (!::QueryFullProcessImageNameW(process.get(), 0, path.data(), &length))
            length = 0;
    } else {
        length = ::GetModuleFileNameExW(process.get(), nullptr, path.data(), kLongestPath);
    }
    path.resize(length);
    return path;
}

} // namespace

std::wstring ProcessImagePath(DWORD processId, ImageAccess access) {
    const std::wstring path = RawImagePath(processId, access);
    return path.empty() ? path : orvex::NormalizeImagePath(path, WindowsDirectory());
}

std::wstring ProcessImagePath(DWORD processId) {
    std::wstring path = ProcessImagePath(processId, ImageAccess::Limited);
    return path.empty() ? ProcessImagePath(processId, ImageAccess::Full) : path;
}

bool IsThirtyTwoBitProcess(DWORD processId) {
    fw::UniqueProcessHandle process(::OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, processId));
    BOOL wow64 = FALSE;
    return process && ::IsWow64Process(process.get(), &wow64) && wow64;
}
