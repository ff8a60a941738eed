#pragma once
// The window tree's view of the live window system, with the view's two filters.

#include "select/WindowTreeBuilder.h"

#include <windows.h>

class LiveWindowHierarchy final : public orvex::WindowHierarchy {
public:
    LiveWindowHierarchy(bool hideInvisible, bool hideUntitled)
        : m_hideInvisible(hideInvisible), m_hideUntitled(hideUntitled) {}

    static HWND Handle(orvex::WindowId id) { return reinterpret_cast<HWND>(id); }
    static orvex::WindowId Id(HWND hwnd) { return reinterpret_cast<orvex::WindowId>(hwnd); }

    void TopLevelWindows(std::vector<orvex::WindowId>& windows) override;
    void Descendants(orvex::WindowId window, std::vector<orvex::WindowId>& windows) override;
    orvex::WindowId TreeParentOf(orvex::WindowId window) override;
    orvex::WindowId ContainerOf(orvex::WindowId window) override;
    std::uint32_t ProcessOf(orvex::WindowId window) override;
    // Invisible windows when hidden ones are left out; windows without text when untitled ones are.
    bool IsFilteredOut(orvex::WindowId window) override;

private:
    bool m_hideInvisible;
    bool m_hideUntitled;
};
