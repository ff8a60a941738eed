#include "harness/ProcessResources.h"

#include <psapi.h>

namespace harness {

ProcessResources ReadProcessResources() {
    ProcessResources now;
    HANDLE self = ::GetCurrentProcess();
    now.gdi = ::GetGuiResources(self, GR_GDIOBJECTS);
    now.user = ::GetGuiResources(self, GR_USEROBJECTS);
    ::GetProcessHandleCount(self, &now.handles);
    PROCESS_MEMORY_COUNTERS_EX memory{};
    memory.cb = sizeof(memory);
    if (::GetProcessMemoryInfo(self, reinterpret_cast<PROCESS_MEMORY_COUNTERS*>(&memory), sizeof(memory)))
        // Windows gives both and they agree; Wine leaves the private figure 0 and fills only the
        // commit charge, which is the same memory.
        now.privateBytes = memory.PrivateUsage ? memory.PrivateUsage : memory.PagefileUsage;
    return now;
}

} // namespace harness
