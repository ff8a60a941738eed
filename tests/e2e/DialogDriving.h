#pragma once
// Orvex's small dialogs driven from outside: opened from a toolbar button, found by caption,
// buttons and links pressed with real clicks.

#include "harness/OrvexSession.h"
#include "harness/RemoteBuffer.h"
#include "harness/RemoteToolBar.h"
#include "harness/Wait.h"

#include <commctrl.h>

#include <optional>

namespace dialog_e2e {

inline void ClickMiddleOf(const RECT& rect) {
    harness::xdo::Click((rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2);
}

inline void ClickControl(HWND control) {
    RECT rect{};
    ::GetWindowRect(control, &rect);
    ClickMiddleOf(rect);
}

inline void ClickToolBarButton(HWND toolBar, int index) {
    if (const auto rect = harness::ToolBarButtonScreenRect(toolBar, index))
        ClickMiddleOf(*rect);
}

// The process's visible dialog with this caption, once it is there.
inline HWND WaitForDialog(DWORD processId, const wchar_t* caption, DWORD timeoutMs = 10000) {
    HWND found = nullptr;
    harness::WaitUntil(
        [&] {
            for (HWND hwnd : harness::FindTopLevelWindows(processId, L"#32770", caption))
                if (::IsWindowVisible(hwnd))
                    found = hwnd;
            return found != nullptr;
        },
        timeoutMs);
    return found;
}

// A screen point on the first link of a link control of another process, found by asking the
// control where its link is.
inline std::optional<POINT> LinkScreenPoint(HWND link) {
    harness::RemoteBuffer buffer(link, sizeof(LHITTESTINFO));
    RECT client{};
    if (!buffer || !::GetClientRect(link, &client))
        return std::nullopt;
    for (int y = 1; y < client.bottom; y += 2) {
        for (int x = 1; x < client.right; x += 2) {
            LHITTESTINFO hit{};
            hit.pt = {x, y};
            if (buffer.Write(0, hit) &&
                ::SendMessageW(link, LM_HITTEST, 0, reinterpret_cast<LPARAM>(buffer.address()))) {
                POINT point{x, y};
                ::ClientToScreen(link, &point);
                return point;
            }
        }
    }
    return std::nullopt;
}

} // namespace dialog_e2e
