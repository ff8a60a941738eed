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

std::wstring HookFileName(HookFile file, std::uint64_t contentHash) {
    const wchar_t* format = file == HookFile::Library32 ? L"OrvexHook32-%016llX.dll"
                            : file == HookFile::Host32  ? L"OrvexHookHost32-%016llX.exe"
                                                        : L"OrvexHook-%016llX.dll";
    wchar_t name[48] = {};
    std::swprintf(name, 48, format, static_cast<unsigned long long>(contentHash));
    return name;
}

} // namespace orvex
