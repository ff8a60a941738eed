#include "msglog/HookLibraryName.h"

#include <cwchar>

namespace orvex {

std::uint64_t ContentHash(std::span<const std::byte> content) {
    std::uint64_t hash = 0xCBF29CE484222325ull;
    for (const std::byte b : content) {
        hash ^= static_cast<std::uint64_t>(b);
        hash *= 0x100000001B3ull;
    }
    return hash;
}

std::wstring HookLibraryFileName(std::uint64_t contentHash) {
    wchar_t name[40] = {};
    std::swprintf(name, 40, L"OrvexHook-%016llX.dll", static_cast<unsigned long long>(contentHash));
    return name;
}

} // namespace orvex
