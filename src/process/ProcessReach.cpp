#include "process/ProcessReach.h"

#include "framework/Handles.h"
#include "process/ProcessToken.h"

orvex::Reach ProcessReach(DWORD processId) {
    fw::UniqueProcessHandle process(::OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, processId));
    bool appContainer = false;
    const std::optional<std::uint32_t> theirs = ProcessIntegrityLevel(process.get(), &appContainer);
    return orvex::CompareReach(ProcessIntegrityLevel(::GetCurrentProcess()), theirs, appContainer);
}
