// libFuzzer entry for the message log's details: any record (message, kind, parameters, payload
// kind) with any payload bytes, as a logged program could make the hook copy them, and a window
// class picked by the input. Aborts when a line runs over several lines or grows past what a
// payload can say; the sanitizers catch any read outside the payload.
#include "msglog/MessageDetails.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

namespace {

// The classes whose codes and control messages the decoders tell apart, and some they do not know.
const wchar_t* const kClasses[] = {L"",
                                   L"Button",
                                   L"edit",
                                   L"RICHEDIT50W",
                                   L"ListBox",
                                   L"ComboBox",
                                   L"ComboBoxEx32",
                                   L"Static",
                                   L"SysListView32",
                                   L"SysTreeView32",
                                   L"SysMonthCal32",
                                   L"SysDateTimePick32",
                                   L"tooltips_class32",
                                   L"MyControl"};

constexpr std::size_t kHead = 30; // steer, class, kind, payload kind, message (2), three parameters

std::uint64_t Read64(const std::uint8_t* data) {
    std::uint64_t value = 0;
    std::memcpy(&value, data, sizeof(value));
    return value;
}

// Random sizes seldom match a payload's own, so now and then make the size fit the kind: the
// decoders then read the fields, the texts and the names.
void FitPayload(orvex::PayloadKind kind, std::vector<std::byte>& payload) {
    using namespace orvex;
    std::size_t size = 0;
    switch (kind) {
    case PayloadKind::Text: {
        if (payload.size() < sizeof(TextPayload))
            return;
        TextPayload header;
        std::memcpy(&header, payload.data(), sizeof(header));
        header.copied = static_cast<std::uint16_t>(header.copied % (kPayloadTextChars + 1));
        std::memcpy(payload.data(), &header, sizeof(header));
        size = sizeof(header) + header.copied * 2u;
        break;
    }
    case PayloadKind::CreateStruct: {
        if (payload.size() < sizeof(CreateStructPayload))
            return;
        CreateStructPayload header;
        std::memcpy(&header, payload.data(), sizeof(header));
        header.classChars = static_cast<std::uint16_t>(header.classChars % (kPayloadTextChars + 1));
        header.nameChars = static_cast<std::uint16_t>(header.nameChars % (kPayloadTextChars + 1));
        std::memcpy(payload.data(), &header, sizeof(header));
        size = sizeof(header) + (header.classChars + header.nameChars) * 2u;
        break;
    }
    case PayloadKind::NotifyHeader:
        size = sizeof(NotifyHeaderPayload);
        break;
    case PayloadKind::WindowPos:
        size = sizeof(WindowPosPayload);
        break;
    case PayloadKind::MinMaxInfo:
        size = sizeof(MinMaxInfoPayload);
        break;
    case PayloadKind::StyleChange:
        size = sizeof(StyleChangePayload);
        break;
    case PayloadKind::DrawItem:
        size = sizeof(DrawItemPayload);
        break;
    case PayloadKind::MeasureItem:
        size = sizeof(MeasureItemPayload);
        break;
    case PayloadKind::ScrollInfo:
        size = sizeof(ScrollInfoPayload);
        break;
    default:
        return;
    }
    payload.resize(size);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < kHead)
        return 0;
    const std::uint8_t steer = data[0];
    const std::wstring className = kClasses[data[1] % std::size(kClasses)];

    orvex::MessageRecord record;
    const orvex::MessageKind kinds[] = {orvex::MessageKind::Sent, orvex::MessageKind::Returned,
                                        orvex::MessageKind::Posted};
    record.kind = kinds[data[2] % 3];
    // One past the last kind is no kind at all.
    record.payload =
        static_cast<orvex::PayloadKind>(data[3] % (static_cast<int>(orvex::kLastPayloadKind) + 2));
    // Mostly the numbers that have decoders; now and then any number.
    const std::uint32_t number = data[4] | static_cast<std::uint32_t>(data[5]) << 8;
    record.message = (steer & 2) != 0 ? number * 0x9E3779B1u : number % 0x300;
    record.window = 0x10042;
    record.wParam = Read64(data + 6);
    record.lParam = Read64(data + 14);
    record.result = Read64(data + 22);

    // Its own allocation, exactly as long as the payload, so that a read past its end is caught.
    std::vector<std::byte> payload(size - kHead);
    if (!payload.empty())
        std::memcpy(payload.data(), data + kHead, payload.size());
    if ((steer & 1) != 0)
        FitPayload(record.payload, payload);

    const orvex::DetailsContext context{[&className](std::uint64_t) { return className; },
                                        [steer](std::uint32_t) {
                                            return (steer & 4) != 0
                                                       ? std::optional<std::wstring>(L"Registered")
                                                       : std::nullopt;
                                        }};
    const std::wstring details = orvex::MessageDetails(record, payload, context);

    if (details.size() > 1024)
        std::abort();
    for (const wchar_t c : details) {
        if (c < 0x20 || c == 0x7F)
            std::abort(); // a line of the list must stay one line
    }
    return 0;
}
