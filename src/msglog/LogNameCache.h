#pragma once
// The names the log's Details need, read from the system once per window or message: a drain of
// thousands of lines would otherwise ask the window system as many times.

#include <windows.h>

#include <cstdint>
#include <optional>
#include <string>
#include <unordered_map>

class LogNameCache {
public:
    // Empty when the window is gone.
    std::wstring ClassOf(std::uint64_t window);
    // The name a program registered the message under, if any.
    std::optional<std::wstring> RegisteredName(std::uint32_t message);

private:
    std::unordered_map<std::uint64_t, std::wstring> m_classNames;
    std::unordered_map<std::uint32_t, std::optional<std::wstring>> m_registeredNames;
};
