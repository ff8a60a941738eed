// The stored hot-key word turns into the registration's modifiers and virtual key.
#include "maindlg/HotKeySetting.h"

#include <gtest/gtest.h>

namespace {

using orvex::HotKeyRegistrationModifiers;
using orvex::HotKeyVirtualKey;

TEST(HotKeySetting, EachControlFlagMapsToItsRegistrationModifier) {
    // The two flag sets number their bits differently: Shift and Alt swap places.
    EXPECT_EQ(HotKeyRegistrationModifiers(0x0178), orvex::kModShift);
    EXPECT_EQ(HotKeyRegistrationModifiers(0x0278), orvex::kModControl);
    EXPECT_EQ(HotKeyRegistrationModifiers(0x0478), orvex::kModAlt);
    EXPECT_EQ(orvex::kModShift, 0x4u);
    EXPECT_EQ(orvex::kModControl, 0x2u);
    EXPECT_EQ(orvex::kModAlt, 0x1u);
}

TEST(HotKeySetting, StoredCombinationsGiveTheirModifiersAndKey) {
    struct Case {
        std::int32_t stored;
        unsigned modifiers;
        unsigned key;
    };
    const Case cases[] = {
        {0x0078, 0x0, 0x78}, // the default: F9 alone
        {0x0678, 0x3, 0x78}, // Ctrl+Alt+F9
        {0x0178, 0x4, 0x78}, // Shift+F9
        {0x0878, 0x0, 0x78}, // the extended-key flag has no counterpart
        {0x0E78, 0x3, 0x78}, // and is dropped beside the others
        {0x0741, 0x7, 0x41}, // Ctrl+Alt+Shift+A
        {0x0300, 0x6, 0x00},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "stored 0x" << std::hex << c.stored);
        EXPECT_EQ(HotKeyRegistrationModifiers(c.stored), c.modifiers);
        EXPECT_EQ(HotKeyVirtualKey(c.stored), c.key);
    }
}

TEST(HotKeySetting, UnknownFlagBitsAndHigherBitsAreIgnored) {
    // A value edited by hand may carry anything above the two low bytes.
    EXPECT_EQ(HotKeyRegistrationModifiers(0xF078), 0u);
    EXPECT_EQ(HotKeyRegistrationModifiers(0x7FFF0078), 0u);
    EXPECT_EQ(HotKeyVirtualKey(0x7FFF0078), 0x78u);
    EXPECT_EQ(HotKeyRegistrationModifiers(-1), 0x7u);
    EXPECT_EQ(HotKeyVirtualKey(-1), 0xFFu);
}

} // namespace
