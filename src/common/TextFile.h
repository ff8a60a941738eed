#pragma once
// Writing a file Orvex makes whole: a text the user saves, the command line's output, the hook
// library. Every such file is written by the one rule here.

#include <cstddef>
#include <span>
#include <string>
#include <string_view>

// Writes `content` to `path`. It goes to a file beside it first and takes the name only once whole
// and flushed, so a failed write leaves a file that was there as it was, and nothing beside it.
// False, with the reason in the thread's last error, when it could not.
bool WriteFileWhole(const std::wstring& path, std::span<const std::byte> content);

// Writes `text` to `path` as UTF-8 (no byte-order mark), by WriteFileWhole's rule.
bool WriteUtf8File(const std::wstring& path, std::wstring_view text);
