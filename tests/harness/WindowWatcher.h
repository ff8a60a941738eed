#pragma once
// Watches, from a thread of its own, for a top-level window of this process (a popup menu, a
// message box) while the test thread is held in that window's modal loop; acts on it once (reads
// it, dismisses it) and stops.

#include <windows.h>

#include <atomic>
#include <functional>
#include <thread>

namespace harness {

class WindowWatcher {
public:
    WindowWatcher(std::function<bool(HWND)> match, std::function<void(HWND)> act, DWORD timeoutMs = 10000);
    WindowWatcher(const WindowWatcher&) = delete;
    WindowWatcher& operator=(const WindowWatcher&) = delete;
    ~WindowWatcher();

    // Ends the watch (if nothing was seen yet) and waits for the thread.
    void Stop();
    // True once a matching window was found and acted on.
    bool Seen() const { return m_seen; }

private:
    void Run(DWORD timeoutMs);

    std::function<bool(HWND)> m_match;
    std::function<void(HWND)> m_act;
    std::atomic<bool> m_stop{false};
    std::atomic<bool> m_seen{false};
    std::thread m_thread;
};

// Visible top-level windows of this process with the given class name ("#32768", "#32770").
bool IsOwnVisibleWindowOfClass(HWND hwnd, const wchar_t* className);

// A visible dialog of this process with that caption. Safe on a watcher's thread while this thread
// waits for it: the caption is read without sending a message (GetWindowText would send one to the
// waiting thread and wait forever).
bool IsOwnDialog(HWND hwnd, const wchar_t* caption);

// The texts of a window's child controls of class "Static", joined by new lines.
std::wstring StaticTexts(HWND window);

} // namespace harness
