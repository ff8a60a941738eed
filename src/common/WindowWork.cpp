#include "common/WindowWork.h"

#include <mutex>
#include <system_error>
#include <thread>
#include <unordered_set>

namespace {

// The windows a working thread waits for. Never destroyed: a thread may still be waiting on a hung
// program while the process shuts down.
struct BusyWindows {
    std::mutex lock;
    std::unordered_set<HWND> windows;
};

BusyWindows& Busy() {
    static auto* busy = new BusyWindows;
    return *busy;
}

void Release(HWND hwnd) {
    std::lock_guard<std::mutex> guard(Busy().lock);
    Busy().windows.erase(hwnd);
}

} // namespace

WindowWorkStart StartWindowWork(HWND hwnd, std::function<void()> work, std::function<void()> afterwards) {
    {
        std::lock_guard<std::mutex> guard(Busy().lock);
        if (!Busy().windows.insert(hwnd).second)
            return WindowWorkStart::AlreadyWaiting;
    }
    try {
        std::thread([hwnd, work = std::move(work), afterwards = std::move(afterwards)] {
            work();
            Release(hwnd);
            if (afterwards)
                afterwards();
        }).detach();
    } catch (const std::system_error&) {
        Release(hwnd);
        return WindowWorkStart::NoThread;
    }
    return WindowWorkStart::Started;
}
