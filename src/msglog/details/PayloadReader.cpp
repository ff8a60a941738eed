#include "msglog/details/PayloadReader.h"

namespace orvex {

namespace {

// UTF-16 units, little-endian as on every Windows, one wchar_t each: a lone surrogate stays what
// it was rather than being dropped.
std::wstring ReadUnits(std::span<const std::byte> bytes) {
    std::wstring text(bytes.size() / 2, L'\0');
    for (std::size_t i = 0; i < text.size(); ++i) {
        text[i] = static_cast<wchar_t>(static_cast<std::uint16_t>(bytes[2 * i]) |
                                       static_cast<std::uint16_t>(bytes[2 * i + 1]) << 8);
    }
    return text;
}

} // namespace

std::optional<PayloadText> ReadTextPayload(const MessageRecord& record, std::span<const std::byte> payload) {
    TextPayload header;
    if (record.payload != PayloadKind::Text || payload.size() < sizeof(header))
        return std::nullopt;
    std::memcpy(&header, payload.data(), sizeof(header));
    // Fewer units than copied would make the length a lie about the text shown.
    if (header.copied > kPayloadTextChars || header.copied > header.length ||
        payload.size() != sizeof(header) + std::size_t{header.copied} * 2)
        return std::nullopt;
    // A text that is not there carries no units.
    if ((header.flags & (kTextNotReadable | kTextCallback | kTextResource)) != 0 && header.copied != 0)
        return std::nullopt;
    return PayloadText{ReadUnits(payload.subspan(sizeof(header))), header.length, header.flags};
}

std::optional<PayloadCreateStruct> ReadCreateStructPayload(const MessageRecord& record,
                                                           std::span<const std::byte> payload) {
    CreateStructPayload header;
    if (record.payload != PayloadKind::CreateStruct || payload.size() < sizeof(header))
        return std::nullopt;
    std::memcpy(&header, payload.data(), sizeof(header));
    if (header.classChars > kPayloadTextChars || header.nameChars > kPayloadTextChars ||
        payload.size() != sizeof(header) + (std::size_t{header.classChars} + header.nameChars) * 2)
        return std::nullopt;
    const std::span<const std::byte> names = payload.subspan(sizeof(header));
    return PayloadCreateStruct{header, ReadUnits(names.first(std::size_t{header.classChars} * 2)),
                               ReadUnits(names.subspan(std::size_t{header.classChars} * 2))};
}

} // namespace orvex
