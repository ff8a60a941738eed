#include "process/ImagePath.h"

namespace orvex {

namespace {
constexpr std::wstring_view kSystemRootPrefix = L"\\SystemRoot\\";
constexpr std::wstring_view kObjectManagerPrefix = L"\\??\\";
} // namespace

std::wstring NormalizeImagePath(std::wstring_view path, std::wstring_view windowsDirectory) {
    if (path.starts_with(kSystemRootPrefix)) {
        if (windowsDirectory.empty())
            return std::wstring(path);
        std::wstring result(windowsDirectory);
        // A Windows directory at the root of a drive ("C:\") already ends in the separator.
        if (result.back() != L'\\')
            result += L'\\';
        result += path.substr(kSystemRootPrefix.size());
        return result;
    }
    if (path.starts_with(kObjectManagerPrefix))
        return std::wstring(path.substr(kObjectManagerPrefix.size()));
    return std::wstring(path);
}

} // namespace orvex
