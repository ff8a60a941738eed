#pragma once
// The window tree filled the straightforward way: for every window added, its whole subtree is
// enumerated again and only the windows whose parent it is are kept, one level at a time. Its cost
// grows with depth times descendants. It is the reference the linear builder must match node for
// node, and the benchmark's comparison.

#include "select/WindowTreeBuilder.h"

#include <cstdint>
#include <vector>

namespace reference {

// The children of `parent` (none: the top-level windows) below `node`, then theirs, depth first.
inline void AddChildWindowsLevelByLevel(orvex::WindowHierarchy& windows, orvex::WindowTreeSink& sink,
                                        orvex::WindowId parent, orvex::TreeNode node) {
    std::vector<orvex::WindowId> children;
    if (!parent) {
        windows.TopLevelWindows(children);
    } else {
        std::vector<orvex::WindowId> below;
        windows.Descendants(parent, below);
        for (orvex::WindowId window : below)
            if (windows.TreeParentOf(window) == parent)
                children.push_back(window);
    }
    for (orvex::WindowId window : children) {
        if (windows.IsFilteredOut(window))
            continue;
        AddChildWindowsLevelByLevel(windows, sink, window, sink.AddWindowNode(window, node));
    }
}

// The top-level windows of one process with their subtrees; the top level enumerated per process.
inline void AddProcessWindowsLevelByLevel(orvex::WindowHierarchy& windows, orvex::WindowTreeSink& sink,
                                          std::uint32_t processId, orvex::TreeNode node) {
    std::vector<orvex::WindowId> topLevel;
    windows.TopLevelWindows(topLevel);
    for (orvex::WindowId window : topLevel) {
        if (windows.ProcessOf(window) != processId || windows.IsFilteredOut(window))
            continue;
        AddChildWindowsLevelByLevel(windows, sink, window, sink.AddWindowNode(window, node));
    }
}

} // namespace reference
