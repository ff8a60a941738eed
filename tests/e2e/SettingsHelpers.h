#pragma once
// Helpers of the settings and placement tests: the main window's parts seen from outside, the
// values Orvex leaves in the registry, and a start that waits for either the main window or a
// message box.

#include "harness/OrvexSession.h"
#include "harness/RemoteToolBar.h"
#include "harness/TestText.h"
#include "harness/Wait.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <optional>
#include <string>

namespace settings_e2e {

constexpr wchar_t kSettings[] = L"Settings";
constexpr wchar_t kPlacement[] = L"Settings\\WindowPlacement";

// The view toolbar lives in the rebar's first band.
inline HWND ViewToolBar(const harness::OrvexSession& orvex) {
    return ::GetDlgItem(orvex.Control(100), 101);
}

inline std::optional<harness::ToolBarButton> ToggleButton(const harness::OrvexSession& orvex) {
    return harness::ReadToolBarButton(ViewToolBar(orvex), 0);
}

// Clicks the Summary/Detail toggle; true once the button offers `offered` (and shows its picture).
inline bool ClickToggle(const harness::OrvexSession& orvex, const std::wstring& offered) {
    const auto button = harness::ToolBarButtonScreenRect(ViewToolBar(orvex), 0);
    if (!button)
        return false;
    harness::xdo::Click((button->left + button->right) / 2, (button->top + button->bottom) / 2);
    const int picture = offered == L"Detail" ? 0 : 1;
    return harness::WaitUntil(
        [&] {
            const auto toggle = ToggleButton(orvex);
            return toggle && toggle->text == offered && toggle->image == picture;
        },
        5000);
}

// A REG_DWORD as `reg query` prints it ("0x78"), as a number.
inline std::optional<unsigned long> QueryDword(const wchar_t* subKey, const wchar_t* value) {
    const auto text = harness::QueryRegistryValue(subKey, value);
    if (!text || text->rfind(L"0x", 0) != 0)
        return std::nullopt;
    return std::wcstoul(text->c_str() + 2, nullptr, 16);
}

// The 16-byte "MainWindowRect" as `reg query` prints it (32 hexadecimal digits), as a rectangle.
inline std::optional<RECT> QueryRect() {
    const auto text = harness::QueryRegistryValue(kPlacement, L"MainWindowRect");
    if (!text || text->size() != 32)
        return std::nullopt;
    LONG fields[4] = {};
    for (int field = 0; field < 4; ++field) {
        unsigned long value = 0;
        for (int byte = 3; byte >= 0; --byte) // little-endian
            value = (value << 8) | std::wcstoul(text->substr(field * 8 + byte * 2, 2).c_str(), nullptr, 16);
        fields[field] = static_cast<LONG>(value);
    }
    return RECT{fields[0], fields[1], fields[2], fields[3]};
}

inline WINDOWPLACEMENT PlacementOf(HWND hwnd) {
    WINDOWPLACEMENT placement{};
    placement.length = sizeof(placement);
    ::GetWindowPlacement(hwnd, &placement);
    return placement;
}

using harness::Describe;
using harness::SameRect;

// Starts Orvex and waits until its main window or one of its message boxes is visible.
struct StartResult {
    HWND mainWindow = nullptr;
    HWND messageBox = nullptr;
};

inline StartResult StartOrvex(harness::OrvexSession& orvex) {
    StartResult result;
    if (!orvex.Start())
        return result;
    harness::WaitUntil(
        [&] {
            for (HWND box : orvex.OtherDialogs())
                if (::IsWindowVisible(box))
                    result.messageBox = box;
            if (!result.messageBox)
                result.mainWindow = orvex.WaitForMainWindow(0);
            return result.messageBox || result.mainWindow;
        },
        20000);
    return result;
}

} // namespace settings_e2e
