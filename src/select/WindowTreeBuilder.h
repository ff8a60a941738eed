#pragma once
// Fills the window tree: every window under its parent, in the window manager's order, leaving out
// what the view's filters hide together with everything below it. Pure logic: the window system is
// reached through WindowHierarchy and the tree control through WindowTreeSink.
//
// A window's children in the tree are the windows below it whose parent, as GetParent answers, is
// that window. Asking each window for its subtree again one level down would cost depth times
// descendants; here each top-level window's subtree is enumerated once and its windows are grouped
// under their parents, so the build takes time linear in the number of windows.

#include <cstddef>
#include <cstdint>
#include <unordered_map>
#include <vector>

namespace orvex {

using WindowId = std::uintptr_t; // a window handle; 0 is no window
using TreeNode = std::uintptr_t; // a node of the tree being filled

class WindowHierarchy {
public:
    virtual ~WindowHierarchy() = default;
    // Every top-level window, topmost first.
    virtual void TopLevelWindows(std::vector<WindowId>& windows) = 0;
    // Every window below `window`, each directly followed by its own descendants, siblings topmost
    // first.
    virtual void Descendants(WindowId window, std::vector<WindowId>& windows) = 0;
    // The window the tree puts it under: the parent of a child window, but the owner (or nothing)
    // for a window without the child style, whatever contains it.
    virtual WindowId TreeParentOf(WindowId window) = 0;
    // The window that contains it, whatever its style.
    virtual WindowId ContainerOf(WindowId window) = 0;
    virtual std::uint32_t ProcessOf(WindowId window) = 0;
    // True when the view's filters leave the window out, and with it everything below it.
    virtual bool IsFilteredOut(WindowId window) = 0;
};

class WindowTreeSink {
public:
    virtual ~WindowTreeSink() = default;
    // Adds the window's node as the last child of `parent`.
    virtual TreeNode AddWindowNode(WindowId window, TreeNode parent) = 0;
};

class WindowTreeBuilder {
public:
    WindowTreeBuilder(WindowHierarchy& windows, WindowTreeSink& sink) : m_windows(windows), m_sink(sink) {}

    // Every top-level window the filters keep, each with its subtree, below `node`.
    void AddTopLevelWindows(TreeNode node);
    // The same for the top-level windows of one process. The top-level windows are enumerated once
    // for all the processes of a build.
    void AddProcessWindows(std::uint32_t processId, TreeNode node);
    // The subtree of `window` below its node.
    void AddSubtree(WindowId window, TreeNode node);

private:
    void AddTopLevelWindow(WindowId window, TreeNode parent);
    // True when `ancestor` contains `window`, looking no higher than `top`.
    bool IsWithin(WindowId window, WindowId ancestor, WindowId top);

    WindowHierarchy& m_windows;
    WindowTreeSink& m_sink;

    // The subtree being added: its windows in enumeration order (index 0 is its top), and each
    // one's first and last child and next sibling in the tree.
    static constexpr std::size_t kNone = static_cast<std::size_t>(-1);
    std::vector<WindowId> m_subtree;
    std::vector<std::size_t> m_firstChild;
    std::vector<std::size_t> m_lastChild;
    std::vector<std::size_t> m_nextSibling;
    std::unordered_map<WindowId, std::size_t> m_index;

    bool m_processesGrouped = false;
    std::unordered_map<std::uint32_t, std::vector<WindowId>> m_topLevelByProcess;
};

} // namespace orvex
