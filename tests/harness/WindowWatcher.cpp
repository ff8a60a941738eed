#include "harness/WindowWatcher.h"

#include <string>
#include <utility>

namespace harness {

WindowWatcher::WindowWatcher(std::function<bool(HWND)> match, std::function<void(HWND)> act, DWORD timeoutMs)
    : m_match(std::move(match)), m_act(std::move(act)) {
    m_thread = std::thread([this, timeoutMs] { Run(timeoutMs); });
}

WindowWatcher::~WindowWatcher() {
    Stop();
}

void WindowWatcher::Stop() {
    m_stop = true;
    if (m_thread.joinable())
        m_thread.join();
}

void WindowWatcher::Run(DWORD timeoutMs) {
    struct Search {
        WindowWatcher* self;
        HWND found;
    };
    const ULONGLONG deadline = ::GetTickCount64() + timeoutMs;
    while (!m_stop && ::GetTickCount64() < deadline) {
        Search search{this, nullptr};
        ::EnumWindows(
            [](HWND hwnd, LPARAM param) -> BOOL {
                auto* s = reinterpret_cast<Search*>(param);
                if (!s->self->m_match(hwnd))
                    return TRUE;
                s->found = hwnd;
                return FALSE;
            },
            reinterpret_cast<LPARAM>(&search));
        if (search.found) {
            m_act(search.found);
            m_seen = true;
            return;
        }
        ::Sleep(5);
    }
}

bool IsOwnVisibleWindowOfClass(HWND hwnd, const wchar_t* className) {
    DWORD pid = 0;
    ::GetWindowThreadProcessId(hwnd, &pid);
    if (pid != ::GetCurrentProcessId() || !::IsWindowVisible(hwnd))
        return false;
    wchar_t name[64] = {};
    ::GetClassNameW(hwnd, name, 64);
    return wcscmp(name, className) == 0;
}

bool IsOwnDialog(HWND hwnd, const wchar_t* caption) {
    wchar_t text[64] = {};
    ::InternalGetWindowText(hwnd, text, 64);
    return IsOwnVisibleWindowOfClass(hwnd, L"#32770") && wcscmp(text, caption) == 0;
}

std::wstring StaticTexts(HWND window) {
    std::wstring texts;
    ::EnumChildWindows(
        window,
        [](HWND child, LPARAM param) -> BOOL {
            wchar_t name[64] = {};
            ::GetClassNameW(child, name, 64);
            if (_wcsicmp(name, L"Static") != 0)
                return TRUE;
            wchar_t text[512] = {};
            ::GetWindowTextW(child, text, 512);
            if (!text[0])
                return TRUE;
            auto* all = reinterpret_cast<std::wstring*>(param);
            if (!all->empty())
                *all += L"\n";
            *all += text;
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&texts));
    return texts;
}

} // namespace harness
