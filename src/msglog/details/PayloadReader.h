#pragma once
// The payload behind a record read as its kind, or nothing: the bytes come from another program,
// so a payload of another kind than the one asked for, or of the wrong size for its kind, is not
// read at all, and every byte is copied out, never looked at in place. Pure logic: no window
// system here.

#include "msglog/MessageRecord.h"

#include <cstddef>
#include <cstring>
#include <optional>
#include <span>
#include <string>

namespace orvex {

template <typename Payload> inline constexpr PayloadKind kPayloadKindOf = PayloadKind::None;
template <> inline constexpr PayloadKind kPayloadKindOf<NotifyHeaderPayload> = PayloadKind::NotifyHeader;
template <> inline constexpr PayloadKind kPayloadKindOf<WindowPosPayload> = PayloadKind::WindowPos;
template <> inline constexpr PayloadKind kPayloadKindOf<MinMaxInfoPayload> = PayloadKind::MinMaxInfo;
template <> inline constexpr PayloadKind kPayloadKindOf<StyleChangePayload> = PayloadKind::StyleChange;
template <> inline constexpr PayloadKind kPayloadKindOf<DrawItemPayload> = PayloadKind::DrawItem;
template <> inline constexpr PayloadKind kPayloadKindOf<MeasureItemPayload> = PayloadKind::MeasureItem;
template <> inline constexpr PayloadKind kPayloadKindOf<ScrollInfoPayload> = PayloadKind::ScrollInfo;

// A payload of fixed size: exactly its bytes.
template <typename Payload>
std::optional<Payload> ReadFixedPayload(const MessageRecord& record, std::span<const std::byte> payload) {
    static_assert(kPayloadKindOf<Payload> != PayloadKind::None, "not a payload of fixed size");
    if (record.payload != kPayloadKindOf<Payload> || payload.size() != sizeof(Payload))
        return std::nullopt;
    Payload read;
    std::memcpy(&read, payload.data(), sizeof(Payload));
    return read;
}

struct PayloadText {
    std::wstring text;        // the units copied, at most kPayloadTextChars
    std::uint32_t length = 0; // the whole text's
    std::uint16_t flags = 0;  // kText...
    bool AtLeast() const { return (flags & kTextLengthAtLeast) != 0; }
};
std::optional<PayloadText> ReadTextPayload(const MessageRecord& record, std::span<const std::byte> payload);

struct PayloadCreateStruct {
    CreateStructPayload header;
    std::wstring className; // empty when the class was given as an atom
    std::wstring windowName;
};
std::optional<PayloadCreateStruct> ReadCreateStructPayload(const MessageRecord& record,
                                                           std::span<const std::byte> payload);

} // namespace orvex
