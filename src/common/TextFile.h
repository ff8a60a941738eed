#pragma once
// Writing a text the user saves to a file of their choice.

#include <string>
#include <string_view>

// Writes `text` to `path` as UTF-8 (no byte-order mark). The text goes to a file beside it first and
// takes the name only once whole, so a failed write leaves a file that was there as it was. False,
// with the reason in the thread's last error, when it could not.
bool WriteUtf8File(const std::wstring& path, std::wstring_view text);
