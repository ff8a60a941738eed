// libFuzzer entry for image-path normalisation: any path, any Windows directory. Aborts when the
// result breaks what the rewriting promises; the sanitizers catch reads and writes out of bounds.
#include "process/ImagePath.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    // The first byte splits the input into the path and the Windows directory.
    if (size == 0)
        return 0;
    const std::size_t split = data[0] % (size);
    std::wstring path, directory;
    for (std::size_t i = 1; i < size; ++i)
        (i <= split ? directory : path).push_back(static_cast<wchar_t>(data[i] | (i % 7 == 0 ? 0x100 : 0)));

    const std::wstring result = orvex::NormalizeImagePath(path, directory);
    const std::wstring systemRoot = L"\\SystemRoot\\", device = L"\\??\\";
    if (path.rfind(device, 0) == 0) {
        if (result != path.substr(device.size()))
            std::abort();
    } else if (path.rfind(systemRoot, 0) == 0 && !directory.empty()) {
        const std::wstring separator = directory.back() == L'\\' ? L"" : L"\\";
        if (result != directory + separator + path.substr(systemRoot.size()))
            std::abort();
    } else if (result != path) {
        std::abort();
    }
    return 0;
}
