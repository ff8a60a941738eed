#include "sendmsg/ResultFormat.h"

#include "common/ValueFormat.h"

namespace orvex {

std::wstring FormatSignedResult(std::int64_t result) {
    return std::to_wstring(result);
}

std::wstring FormatUnsignedResult(std::uint64_t result) {
    return std::to_wstring(result) + L" (0x" + PointerDigits(result) + L")";
}

} // namespace orvex
