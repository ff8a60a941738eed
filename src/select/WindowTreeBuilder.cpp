#include "select/WindowTreeBuilder.h"

namespace orvex {

void WindowTreeBuilder::AddTopLevelWindows(TreeNode node) {
    std::vector<WindowId> topLevel;
    m_windows.TopLevelWindows(topLevel);
    for (WindowId window : topLevel)
        AddTopLevelWindow(window, node);
}

void WindowTreeBuilder::AddProcessWindows(std::uint32_t processId, TreeNode node) {
    if (!m_processesGrouped) {
        m_processesGrouped = true;
        std::vector<WindowId> topLevel;
        m_windows.TopLevelWindows(topLevel);
        for (WindowId window : topLevel)
            m_topLevelByProcess[m_windows.ProcessOf(window)].push_back(window);
    }
    auto found = m_topLevelByProcess.find(processId);
    if (found == m_topLevelByProcess.end())
        return;
    for (WindowId window : found->second)
        AddTopLevelWindow(window, node);
}

void WindowTreeBuilder::AddTopLevelWindow(WindowId window, TreeNode parent) {
    if (m_windows.IsFilteredOut(window))
        return;
    AddSubtree(window, m_sink.AddWindowNode(window, parent));
}

bool WindowTreeBuilder::IsWithin(WindowId window, WindowId ancestor, WindowId top) {
    // Only for windows whose tree parent is not their container; bounded by the nesting depth.
    for (WindowId up = m_windows.ContainerOf(window); up; up = m_windows.ContainerOf(up)) {
        if (up == ancestor)
            return true;
        if (up == top)
            return false;
    }
    return false;
}

void WindowTreeBuilder::AddSubtree(WindowId top, TreeNode node) {
    m_subtree.clear();
    m_subtree.push_back(top);
    m_windows.Descendants(top, m_subtree);
    const std::size_t count = m_subtree.size();
    if (count == 1)
        return;

    m_index.clear();
    m_index.reserve(count);
    for (std::size_t i = 0; i < count; ++i)
        m_index.emplace(m_subtree[i], i);
    m_firstChild.assign(count, kNone);
    m_lastChild.assign(count, kNone);
    m_nextSibling.assign(count, kNone);

    // Group the windows under their tree parents, keeping the enumeration order among siblings. A
    // window goes under its tree parent only when that parent contains it: a window without the
    // child style may name an owner elsewhere, and then it has no place in this subtree.
    for (std::size_t i = 1; i < count; ++i) {
        const WindowId window = m_subtree[i];
        const WindowId parent = m_windows.TreeParentOf(window);
        if (!parent)
            continue;
        auto at = m_index.find(parent);
        if (at == m_index.end())
            continue; // not in this subtree
        if (m_windows.ContainerOf(window) != parent && !IsWithin(window, parent, top))
            continue;
        const std::size_t p = at->second;
        if (m_lastChild[p] == kNone)
            m_firstChild[p] = i;
        else
            m_nextSibling[m_lastChild[p]] = i;
        m_lastChild[p] = i;
    }

    // Depth first, each window's node before its children's, as the tree is read. An explicit
    // stack: nesting can be deep.
    struct Frame {
        std::size_t next; // the next child to visit
        TreeNode node;
    };
    std::vector<Frame> stack{{m_firstChild[0], node}};
    while (!stack.empty()) {
        Frame& frame = stack.back();
        const std::size_t child = frame.next;
        if (child == kNone) {
            stack.pop_back();
            continue;
        }
        frame.next = m_nextSibling[child];
        const WindowId window = m_subtree[child];
        if (m_windows.IsFilteredOut(window))
            continue;
        const TreeNode added = m_sink.AddWindowNode(window, frame.node);
        stack.push_back({m_firstChild[child], added});
    }
}

} // namespace orvex
