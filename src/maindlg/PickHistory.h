#pragma once
// The windows the user finished picking (the end of a drag, the hot key, a choice in the tree, Go
// to), for Back and Forward: the newest 100, a new pick cutting off what lay ahead. Pure logic: the
// window system answers only whether a window still exists.

#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <vector>

namespace orvex {

class PickHistory {
public:
    static constexpr std::size_t kCapacity = 100;
    using Exists = std::function<bool(std::uint64_t window)>;

    // A finished pick. The same window picked again is not a new step.
    void Push(std::uint64_t window);

    bool CanGoBack() const { return m_current > 0; }
    bool CanGoForward() const { return m_current + 1 < m_windows.size(); }
    // Steps to the nearest earlier (later) window that still exists, passing over those that are
    // gone. When none is left, steps to the nearest one anyway, for its invalid-handle text; nothing
    // when there is no step to take.
    std::optional<std::uint64_t> Back(const Exists& exists);
    std::optional<std::uint64_t> Forward(const Exists& exists);

private:
    std::optional<std::uint64_t> Step(int direction, const Exists& exists);

    std::vector<std::uint64_t> m_windows;
    std::size_t m_current = 0; // meaningful while m_windows is not empty
};

} // namespace orvex
