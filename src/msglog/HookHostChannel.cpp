#include "msglog/HookHostChannel.h"

#include <cstring>

namespace orvex {

std::array<std::byte, kHostMessageSize> EncodeHostMessage(HostCommand command, std::uint32_t threadId,
                                                          std::uint32_t result) {
    HostMessage message;
    message.command = command;
    message.threadId = threadId;
    message.result = result;
    std::array<std::byte, kHostMessageSize> bytes{};
    std::memcpy(bytes.data(), &message, sizeof(message));
    return bytes;
}

std::optional<HostMessage> DecodeHostMessage(std::span<const std::byte> bytes) {
    HostMessage message;
    if (bytes.size() != sizeof(message))
        return std::nullopt;
    std::memcpy(&message, bytes.data(), sizeof(message));
    if (message.magic != kHostChannelMagic || message.version != kHostChannelVersion ||
        message.size != sizeof(message) || message.reserved != 0)
        return std::nullopt;
    switch (message.command) {
    case HostCommand::Ready:
    case HostCommand::Hook:
    case HostCommand::Unhook:
    case HostCommand::Refused:
        return message;
    }
    return std::nullopt;
}

} // namespace orvex
