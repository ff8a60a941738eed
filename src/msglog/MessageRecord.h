#pragma once
// One message as the hook library writes it into the ring and Orvex reads it back: what a window
// was sent (and what its procedure returned), or what its thread took from its queue. The layout
// is fixed so both sides agree across builds; everything is little-endian, as on every Windows
// this is built for. Pure logic: no window system here.

#include "msglog/MessagePayload.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>

namespace orvex {

enum class MessageKind : std::uint8_t {
    Sent = 'S',     // as the window procedure receives it
    Returned = 'R', // its return, with the result
    Posted = 'P',   // as the thread removes it from its queue
};

struct MessageRecord {
    MessageKind kind = MessageKind::Sent;
    PayloadKind payload = PayloadKind::None; // what follows the record in the ring, if anything
    // The pointer width in bits of the program that wrote it: 64, or 32 from a 32-bit program,
    // whose handles and signed parameters arrive sign-extended and unsigned ones zero-extended.
    std::uint8_t writerBits = 64;
    std::uint8_t reserved = 0;
    std::uint32_t message = 0;
    std::uint32_t threadId = 0;
    std::uint32_t reserved2 = 0;
    std::uint64_t time = 0; // performance-counter ticks
    std::uint64_t window = 0;
    std::uint64_t wParam = 0;
    std::uint64_t lParam = 0;
    std::uint64_t result = 0; // Returned only
};

// The bytes the hook hands the ring for one message, before its payload.
inline constexpr std::size_t kMessageRecordSize = sizeof(MessageRecord);
static_assert(kMessageRecordSize == 56 && offsetof(MessageRecord, writerBits) == 2 &&
                  offsetof(MessageRecord, time) == 16 && offsetof(MessageRecord, result) == 48,
              "the record's layout is shared with the hook libraries of both widths");

// The record in `bytes`, or nothing when they are not one: the ring's contents are written by
// another program and are read as untrusted. The payload behind it, of a kind this build knows and
// at most kMaxMessagePayload bytes, goes to `payload` (a view into `bytes`); its inside is checked
// by whoever reads it.
std::optional<MessageRecord> ReadMessageRecord(std::span<const std::byte> bytes,
                                               std::span<const std::byte>* payload = nullptr);

} // namespace orvex
