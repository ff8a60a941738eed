#pragma once
// A window hierarchy in memory for the tree builders: containment, Z-order, the parent GetParent
// would answer, processes and the filters' verdicts, with counters of what the builders asked.

#include "select/WindowTreeBuilder.h"

#include <cstdint>
#include <random>
#include <unordered_map>
#include <utility>
#include <vector>

namespace fake {

struct Window {
    orvex::WindowId container = 0; // 0: top level
    orvex::WindowId treeParent = 0;
    std::uint32_t process = 0;
    bool filteredOut = false;
    std::vector<orvex::WindowId> children; // topmost first
};

class Hierarchy : public orvex::WindowHierarchy {
public:
    // A new window, the topmost of its siblings, whose tree parent is its container.
    orvex::WindowId Add(orvex::WindowId container, std::uint32_t process = 1, bool filteredOut = false) {
        const orvex::WindowId id = m_nextId++;
        Window& w = m_windows[id];
        w.container = container;
        w.treeParent = container;
        w.process = process;
        w.filteredOut = filteredOut;
        Siblings(container).insert(Siblings(container).begin(), id);
        return id;
    }
    Window& operator[](orvex::WindowId id) { return m_windows.at(id); }
    std::vector<orvex::WindowId>& Siblings(orvex::WindowId container) {
        return container ? m_windows.at(container).children : m_topLevel;
    }
    size_t Count() const { return m_windows.size(); }

    void TopLevelWindows(std::vector<orvex::WindowId>& windows) override {
        ++topLevelEnumerations;
        windows.insert(windows.end(), m_topLevel.begin(), m_topLevel.end());
    }
    void Descendants(orvex::WindowId window, std::vector<orvex::WindowId>& windows) override {
        for (orvex::WindowId child : m_windows.at(window).children) {
            ++windowsEnumerated;
            windows.push_back(child);
            Descendants(child, windows);
        }
    }
    orvex::WindowId TreeParentOf(orvex::WindowId window) override { return m_windows.at(window).treeParent; }
    orvex::WindowId ContainerOf(orvex::WindowId window) override { return m_windows.at(window).container; }
    std::uint32_t ProcessOf(orvex::WindowId window) override { return m_windows.at(window).process; }
    bool IsFilteredOut(orvex::WindowId window) override { return m_windows.at(window).filteredOut; }

    int topLevelEnumerations = 0;
    long long windowsEnumerated = 0;

private:
    orvex::WindowId m_nextId = 0x10010;
    std::unordered_map<orvex::WindowId, Window> m_windows;
    std::vector<orvex::WindowId> m_topLevel;
};

// Records every node added, in order; node n is the n-th added (the root is 0).
class RecordingSink : public orvex::WindowTreeSink {
public:
    orvex::TreeNode AddWindowNode(orvex::WindowId window, orvex::TreeNode parent) override {
        nodes.emplace_back(window, parent);
        return nodes.size();
    }
    std::vector<std::pair<orvex::WindowId, orvex::TreeNode>> nodes;
};

// A random hierarchy of `count` windows over a few processes. Some branches run deep; some windows
// are filtered out; some child windows lack the child style, so their tree parent is an owner that
// may be an ancestor, a window elsewhere or nothing at all.
inline Hierarchy RandomHierarchy(unsigned seed, int count) {
    std::mt19937 random(seed);
    auto chance = [&](int percent) { return static_cast<int>(random() % 100) < percent; };
    Hierarchy h;
    std::vector<orvex::WindowId> all;
    for (int i = 0; i < count; ++i) {
        orvex::WindowId container = 0;
        if (!all.empty() && !chance(15)) // deep chains: often the newest window, else any
            container = chance(40) ? all.back() : all[random() % all.size()];
        const std::uint32_t process = container ? h[container].process : 1 + random() % 4;
        const orvex::WindowId id = h.Add(container, process, chance(12));
        // Somewhere among its siblings, not only on top.
        auto& siblings = h.Siblings(container);
        if (siblings.size() > 1 && chance(50))
            std::swap(siblings.front(), siblings[random() % siblings.size()]);
        if (container && chance(8)) {
            const int kind = static_cast<int>(random() % 3);
            orvex::WindowId owner = 0;
            if (kind == 1) { // an ancestor further up
                for (orvex::WindowId up = container; up; up = h[up].container)
                    if (chance(50))
                        owner = up;
            } else if (kind == 2) {
                owner = all[random() % all.size()];
            }
            h[id].treeParent = owner;
        } else if (!container && chance(20) && !all.empty()) {
            h[id].treeParent = all[random() % all.size()]; // an owned top-level window
        }
        all.push_back(id);
    }
    return h;
}

} // namespace fake
