#include "process/ProcessList.h"

#include <psapi.h>

#include <vector>

namespace {

// Past a million processes something is wrong with the answer, not the system: stop growing.
constexpr size_t kMostProcessIds = size_t{1} << 20;

// All process ids. The system does not say how many there are, only how many it wrote: a full
// array may mean more were left out, so ask again with a larger one rather than dropping them.
bool EnumerateProcessIds(std::vector<DWORD>& ids) {
    ids.resize(1024);
    for (;;) {
        const DWORD capacity = static_cast<DWORD>(ids.size() * sizeof(DWORD));
        DWORD written = 0;
        if (!::EnumProcesses(ids.data(), capacity, &written)) {
            ids.clear();
            return false;
        }
        if (written < capacity || ids.size() >= kMostProcessIds) {
            ids.resize(written / sizeof(DWORD));
            return true;
        }
        ids.resize(ids.size() * 2);
    }
}

} // namespace

BOOL CProcessList::Refresh() {
    RemoveAll();
    std::vector<DWORD> ids;
    if (!EnumerateProcessIds(ids))
        return FALSE;
    for (DWORD id : ids) {
        auto process = std::make_unique<CProcess>();
        // A process that ended since the enumeration, or may not be opened, gets no record.
        if (process->Initialize(id))
            m_mapProcesses[id] = std::move(process);
    }
    return TRUE;
}

void CProcessList::RemoveAll() {
    m_mapProcesses.clear();
}
