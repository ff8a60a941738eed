#include "process/Process.h"

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

} // namespace

BOOL CProcess::Initialize(DWORD dwProcessId) {
    m_dwProcessId = dwProcessId;
    if (dwProcessId == 0)
        m_strName = L"System Idle Process";

    fw::UniqueProcessHandle process(
        ::OpenProcess(PROCESS_QUERY_INFORMATION | PROCESS_VM_READ, FALSE, dwProcessId));
    if (!process)
        return FALSE;

    std::wstring text(kLongestPath, L'\0');
    DWORD length = ::GetModuleBaseNameW(process.get(), nullptr, text.data(), kLongestPath);
    if (length != 0)
        m_strName.assign(text.data(), length);
    else if (dwProcessId == 4 || dwProcessId == 8)
        m_strName = L"System";
    else
        m_strName = L"?";

    length = ::GetModuleFileNameExW(process.get(), nullptr, text.data(), kLongestPath);
    if (length != 0)
        m_strImagePath =
            orvex::NormalizeImagePath(std::wstring_view(text.data(), length), WindowsDirectory());
    else
        m_strImagePath.clear();
    return TRUE;
}
