#include "select/LiveWindowHierarchy.h"

#include "inspect/WindowFacts.h"

namespace {

BOOL CALLBACK Collect(HWND hwnd, LPARAM list) {
    reinterpret_cast<std::vector<orvex::WindowId>*>(list)->push_back(LiveWindowHierarchy::Id(hwnd));
    return TRUE;
}

} // namespace

// The enumerations' results are not looked at: EnumChildWindows documents none, and a window
// without children reports failure on some systems. Whatever was collected is the answer.
void LiveWindowHierarchy::TopLevelWindows(std::vector<orvex::WindowId>& windows) {
    ::EnumWindows(&Collect, reinterpret_cast<LPARAM>(&windows));
}

void LiveWindowHierarchy::Descendants(orvex::WindowId window, std::vector<orvex::WindowId>& windows) {
    ::EnumChildWindows(Handle(window), &Collect, reinterpret_cast<LPARAM>(&windows));
}

orvex::WindowId LiveWindowHierarchy::TreeParentOf(orvex::WindowId window) {
    return Id(::GetParent(Handle(window)));
}

orvex::WindowId LiveWindowHierarchy::ContainerOf(orvex::WindowId window) {
    return Id(::GetAncestor(Handle(window), GA_PARENT));
}

std::uint32_t LiveWindowHierarchy::ProcessOf(orvex::WindowId window) {
    return WindowProcessId(Handle(window));
}

bool LiveWindowHierarchy::IsFilteredOut(orvex::WindowId window) {
    const HWND hwnd = Handle(window);
    return (m_hideInvisible && !::IsWindowVisible(hwnd)) || (m_hideUntitled && !WindowHasText(hwnd));
}
