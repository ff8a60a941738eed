#pragma once
// What Orvex and the host of the 32-bit hook library say to each other through the host's standard
// input and output: fixed-size messages of one fixed-width layout, the same in the 64-bit Orvex and
// the 32-bit host. Each side reads the other's bytes as untrusted: a message of another magic,
// version or size, or of a command it does not expect, is refused. Pure logic: no window system here.

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>

namespace orvex {

inline constexpr std::uint32_t kHostChannelMagic = 0x4848584F; // "OXHH" in memory order
inline constexpr std::uint16_t kHostChannelVersion = 1;

enum class HostCommand : std::uint32_t {
    Ready = 1,   // host to Orvex, once at its start: `result` 0, or why it cannot hook
    Hook = 2,    // Orvex to host: hook `threadId` with the copy `result` of the three log hooks (see
                 // HookProcedures.h); the reply's `result` says how it went
    Unhook = 3,  // Orvex to host: remove them; the reply's result is 0
    Refused = 4, // host to Orvex: the request was malformed; `result` is ERROR_INVALID_DATA
};

struct HostMessage {
    std::uint32_t magic = kHostChannelMagic;
    std::uint16_t version = kHostChannelVersion;
    std::uint16_t size = 24;
    HostCommand command = HostCommand::Ready;
    std::uint32_t threadId = 0;
    std::uint32_t result = 0; // a Win32 error code; 0 is success
    std::uint32_t reserved = 0;
};
static_assert(sizeof(HostMessage) == 24 && alignof(HostMessage) == 4,
              "the channel's layout is shared by the 64-bit Orvex and the 32-bit host");

inline constexpr std::size_t kHostMessageSize = sizeof(HostMessage);

std::array<std::byte, kHostMessageSize> EncodeHostMessage(HostCommand command, std::uint32_t threadId,
                                                          std::uint32_t result = 0);

// The message in `bytes`, or nothing when they are not one whole message of this version with a
// known command.
std::optional<HostMessage> DecodeHostMessage(std::span<const std::byte> bytes);

} // namespace orvex
