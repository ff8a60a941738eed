#pragma once
// The names the files Orvex puts inside other programs are written under (the hook libraries and the
// 32-bit host): each carries a hash of its content, so two versions of Orvex never share one file
// and a file that is there already can be reused. The name
// is only a promise; before each use the file's content is compared with the library itself.
// Pure logic: no window system here.

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>

namespace orvex {

// FNV-1a over the bytes: a name for the content, not a defence (the comparison is).
std::uint64_t ContentHash(std::span<const std::byte> content);

enum class HookFile {
    Library,   // the 64-bit hook library
    Library32, // the 32-bit one
    Host32,    // the 32-bit program that installs the 32-bit library's hooks for Orvex
};

// "OrvexHook-0123456789ABCDEF.dll", "OrvexHook32-….dll", "OrvexHookHost32-….exe"
std::wstring HookFileName(HookFile file, std::uint64_t contentHash);

} // namespace orvex
