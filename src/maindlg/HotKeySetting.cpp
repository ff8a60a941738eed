#include "maindlg/HotKeySetting.h"

namespace orvex {

unsigned HotKeyRegistrationModifiers(std::int32_t hotKey) {
    const unsigned flags = (static_cast<std::uint32_t>(hotKey) >> 8) & 0xFF;
    unsigned modifiers = 0;
    if (flags & kHotKeyShift)
        modifiers |= kModShift;
    if (flags & kHotKeyControl)
        modifiers |= kModControl;
    if (flags & kHotKeyAlt)
        modifiers |= kModAlt;
    return modifiers;
}

unsigned HotKeyVirtualKey(std::int32_t hotKey) {
    return static_cast<std::uint32_t>(hotKey) & 0xFF;
}

} // namespace orvex
