#include "inspect/RelationRows.h"

#include "inspect/WindowLinkRow.h"

#include <string>

namespace {

unsigned CountChildren(HWND hwnd) {
    unsigned count = 0;
    for (HWND child = ::GetWindow(hwnd, GW_CHILD); child; child = ::GetWindow(child, GW_HWNDNEXT))
        ++count;
    return count;
}

} // namespace

void AddRelationRows(PropertySink& sink, HWND hwnd) {
    // GA_PARENT rather than GetParent: a top-level window's parent is the desktop, never its owner.
    AddWindowLinkRow(sink, GROUP_WINDOWS, L"Parent", ::GetAncestor(hwnd, GA_PARENT));
    AddWindowLinkRow(sink, GROUP_WINDOWS, L"Owner", ::GetWindow(hwnd, GW_OWNER));
    AddWindowLinkRow(sink, GROUP_WINDOWS, L"First Child", ::GetWindow(hwnd, GW_CHILD));
    AddWindowLinkRow(sink, GROUP_WINDOWS, L"Previous Window", ::GetWindow(hwnd, GW_HWNDPREV));
    AddWindowLinkRow(sink, GROUP_WINDOWS, L"Next Window", ::GetWindow(hwnd, GW_HWNDNEXT));
    AddWindowLinkRow(sink, GROUP_WINDOWS, L"Root", ::GetAncestor(hwnd, GA_ROOT));
    AddWindowLinkRow(sink, GROUP_WINDOWS, L"Root Owner", ::GetAncestor(hwnd, GA_ROOTOWNER));
    AddWindowLinkRow(sink, GROUP_WINDOWS, L"Last Active Popup", ::GetLastActivePopup(hwnd));
    sink.AddProperty(GROUP_WINDOWS, L"Children", std::to_wstring(CountChildren(hwnd)), KIND_NUMBER);
}
