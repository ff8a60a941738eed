#pragma once
// The name the hook library is written under: it carries a hash of the library's content, so two
// versions of Orvex never share one file and a file that is there already can be reused. The name
// is only a promise; before each use the file's content is compared with the library itself.
// Pure logic: no window system here.

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>

namespace orvex {

// FNV-1a over the bytes: a name for the content, not a defence (the comparison is).
std::uint64_t ContentHash(std::span<const std::byte> content);

// "OrvexHook-0123456789ABCDEF.dll"
std::wstring HookLibraryFileName(std::uint64_t contentHash);

} // namespace orvex
