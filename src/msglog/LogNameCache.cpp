#include "msglog/LogNameCache.h"

#include "inspect/WindowFacts.h"

std::wstring LogNameCache::ClassOf(std::uint64_t window) {
    if (auto found = m_classNames.find(window); found != m_classNames.end())
        return found->second;
    std::wstring name = WindowClassName(reinterpret_cast<HWND>(static_cast<UINT_PTR>(window)));
    // A window that is gone is asked again: its handle may come back for another window.
    if (name.empty())
        return {};
    if (m_classNames.size() > 4096)
        m_classNames.clear();
    return m_classNames.emplace(window, std::move(name)).first->second;
}

std::optional<std::wstring> LogNameCache::RegisteredName(std::uint32_t message) {
    if (auto found = m_registeredNames.find(message); found != m_registeredNames.end())
        return found->second;
    wchar_t name[256] = {};
    // Registered window messages and clipboard formats share one table of names.
    const int length = ::GetClipboardFormatNameW(message, name, 256);
    std::optional<std::wstring> result;
    if (length > 0)
        result = std::wstring(name, static_cast<size_t>(length));
    return m_registeredNames.emplace(message, result).first->second;
}
