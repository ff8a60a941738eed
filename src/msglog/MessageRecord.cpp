#include "msglog/MessageRecord.h"

#include <cstring>
#include <type_traits>

namespace orvex {

static_assert(std::is_trivially_copyable_v<MessageRecord> && std::is_standard_layout_v<MessageRecord>);

std::optional<MessageRecord> ReadMessageRecord(std::span<const std::byte> payload) {
    if (payload.size() != kMessageRecordSize)
        return std::nullopt;
    MessageRecord record;
    std::memcpy(&record, payload.data(), kMessageRecordSize);
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
    return record;
}

} // namespace orvex
