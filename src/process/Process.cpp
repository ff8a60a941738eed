#include "process/Process.h"

#include "framework/Handles.h"
#include "process/ProcessImage.h"

#include <psapi.h>

namespace {

// The longest name Windows can hand out.
constexpr DWORD kLongestName = 32767;

} // namespace

BOOL CProcess::Initialize(DWORD dwProcessId) {
    m_dwProcessId = dwProcessId;
    if (dwProcessId == 0)
        m_strName = L"System Idle Process";
    // By the rule every image path Orvex shows goes by, so a process that grants only limited
    // access (an elevated one) still has its path.
    m_strImagePath = ProcessImagePath(dwProcessId);

    fw::UniqueProcessHandle process(
        ::OpenProcess(PROCESS_QUERY_INFORMATION | PROCESS_VM_READ, FALSE, dwProcessId));
    if (!process)
        return FALSE;

    std::wstring text(kLongestName, L'\0');
    const DWORD length = ::GetModuleBaseNameW(process.get(), nullptr, text.data(), kLongestName);
    if (length != 0)
        m_strName.assign(text.data(), length);
    else if (dwProcessId == 4 || dwProcessId == 8)
        m_strName = L"System";
    else
        m_strName = L"?";
    return TRUE;
}
