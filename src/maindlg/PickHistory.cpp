#include "maindlg/PickHistory.h"

namespace orvex {

void PickHistory::Push(std::uint64_t window) {
    if (!m_windows.empty() && m_windows[m_current] == window)
        return;
    if (!m_windows.empty())
        m_windows.resize(m_current + 1);
    m_windows.push_back(window);
    if (m_windows.size() > kCapacity)
        m_windows.erase(m_windows.begin());
    m_current = m_windows.size() - 1;
}

std::optional<std::uint64_t> PickHistory::Back(const Exists& exists) {
    return CanGoBack() ? Step(-1, exists) : std::nullopt;
}

std::optional<std::uint64_t> PickHistory::Forward(const Exists& exists) {
    return CanGoForward() ? Step(+1, exists) : std::nullopt;
}

std::optional<std::uint64_t> PickHistory::Step(int direction, const Exists& exists) {
    const auto last = static_cast<std::ptrdiff_t>(m_windows.size()) - 1;
    const auto nearest = static_cast<std::ptrdiff_t>(m_current) + direction;
    for (std::ptrdiff_t at = nearest; at >= 0 && at <= last; at += direction) {
        if (exists(m_windows[static_cast<std::size_t>(at)])) {
            m_current = static_cast<std::size_t>(at);
            return m_windows[m_current];
        }
    }
    m_current = static_cast<std::size_t>(nearest);
    return m_windows[m_current];
}

} // namespace orvex
