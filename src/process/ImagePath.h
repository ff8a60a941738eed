#pragma once
// Image paths as the system reports them for some system processes, rewritten as drive paths.
// Pure logic: no window system here.

#include <string>
#include <string_view>

namespace orvex {

// "\SystemRoot\rest" becomes the Windows directory, a backslash and "rest"; "\??\C:\x" becomes
// "C:\x". Only these exact, case-sensitive prefixes at the very start are rewritten; every other
// path comes back unchanged, and so does a "\SystemRoot\" path when `windowsDirectory` is empty
// (not known). The result is as long as it needs to be.
std::wstring NormalizeImagePath(std::wstring_view path, std::wstring_view windowsDirectory);

} // namespace orvex
