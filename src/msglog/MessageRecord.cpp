#include "msglog/MessageRecord.h"

#include <cstring>
#include <type_traits>

namespace orvex {

static_assert(std::is_trivially_copyable_v<MessageRecord> && std::is_standard_layout_v<MessageRecord>);

std::optional<MessageRecord> ReadMessageRecord(std::span<const std::byte> bytes,
                                               std::span<const std::byte>* payload) {
    if (bytes.size() < kMessageRecordSize || bytes.size() > kMessageRecordSize + kMaxMessagePayload)
        return std::nullopt;
    MessageRecord record;
    std::memcpy(&record, bytes.data(), kMessageRecordSize);
    const std::span<const std::byte> behind = bytes.subspan(kMessageRecordSize);
    if (record.payload > kLastPayloadKind || (record.payload == PayloadKind::None) != behind.empty() ||
        (record.writerBits != 64 && record.writerBits != 32))
        return std::nullopt;
    switch (record.kind) {
    case MessageKind::Sent:
    case MessageKind::Posted:
        if (record.result != 0)
            return std::nullopt;
        break;
    case MessageKind::Returned:
        break;
    default:
        return std::nullopt;
    }
    if (payload)
        *payload = behind;
    return record;
}

} // namespace orvex
