// The messages between Orvex and the host of the 32-bit hook library: what the other side sends is
// untrusted, so anything but one whole message of this version with a known command is refused.
#include "msglog/HookHostChannel.h"

#include <gtest/gtest.h>

#include <cstring>

namespace {

using orvex::DecodeHostMessage;
using orvex::EncodeHostMessage;
using orvex::HostCommand;

TEST(HookHostChannel, AMessageSurvivesTheTripWithItsThreadAndResult) {
    const auto bytes = EncodeHostMessage(HostCommand::Hook, 0x1234, 5);
    const auto message = DecodeHostMessage(bytes);
    ASSERT_TRUE(message);
    EXPECT_EQ(message->command, HostCommand::Hook);
    EXPECT_EQ(message->threadId, 0x1234u);
    EXPECT_EQ(message->result, 5u);
}

TEST(HookHostChannel, RefusesWhatIsNotOneWholeMessageOfThisVersion) {
    const auto good = EncodeHostMessage(HostCommand::Ready, 0);
    EXPECT_FALSE(DecodeHostMessage(std::span(good).first(good.size() - 1))) << "short";

    const auto changed = [&](std::size_t offset, std::uint32_t value, std::size_t width) {
        auto bytes = good;
        std::memcpy(bytes.data() + offset, &value, width);
        return DecodeHostMessage(bytes).has_value();
    };
    EXPECT_FALSE(changed(0, 0x4848584E, 4)) << "magic";
    EXPECT_FALSE(changed(4, 2, 2)) << "version";
    EXPECT_FALSE(changed(6, 28, 2)) << "size";
    EXPECT_FALSE(changed(8, 0, 4)) << "command 0";
    EXPECT_FALSE(changed(8, 5, 4)) << "unknown command";
    EXPECT_FALSE(changed(20, 1, 4)) << "reserved";
    EXPECT_TRUE(changed(8, 4, 4)) << "Refused is a command";
}

} // namespace
