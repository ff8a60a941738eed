// libFuzzer entry for the message ring's reader: the input is the whole mapping, header and slots,
// as any program of the user could write it. The reader drains it a few times while a writer of
// our own appends to it; aborts when a drain breaks what it promises, and the sanitizers catch any
// access outside the block. A drain that never ends shows as a libFuzzer timeout.
#include "msglog/MessageRing.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <new>

namespace {

constexpr std::uint64_t kSession = 0x5E5510;

// Exactly as long as the mapping, so that a read one byte past its end is caught.
struct ExactBlock {
    explicit ExactBlock(std::size_t size) : data(::operator new (size, std::align_val_t{64})) {}
    ~ExactBlock() { ::operator delete (data, std::align_val_t{64}); }
    void* data;
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    // The last byte steers; the rest is the mapping.
    if (size < 2)
        return 0;
    const std::uint8_t steer = data[size - 1];
    const std::size_t mappingSize = size - 1;
    ExactBlock block(mappingSize);
    std::memcpy(block.data, data, mappingSize);

    // Random bytes rarely pass the header's check; often make it a ring so the slots get read.
    if ((steer & 1) != 0 && mappingSize >= sizeof(orvex::RingHeader)) {
        auto& header = *static_cast<orvex::RingHeader*>(block.data);
        header.magic = orvex::kRingMagic;
        header.version = orvex::kRingVersion;
        header.slotSize = orvex::kSlotSize;
        header.session = kSession;
        if ((steer & 2) != 0) {
            std::uint32_t capacity = orvex::kMinRingCapacity;
            while (orvex::RingBlockSize(capacity * 2) <= mappingSize)
                capacity *= 2;
            header.capacity = capacity;
        }
    }

    orvex::RingReader reader(1 + (steer >> 5));
    orvex::RingWriter writer;
    if (reader.Attach(block.data, mappingSize, kSession) != orvex::RingCheck::Ok)
        return 0;
    if (writer.Attach(block.data, mappingSize, std::nullopt) != orvex::RingCheck::Ok)
        std::abort(); // what the reader accepts, a writer accepts
    const std::uint32_t capacity = static_cast<const orvex::RingHeader*>(block.data)->capacity;

    std::uint64_t delivered = 0;
    bool first = true;
    std::uint64_t lastPosition = 0;
    const auto sink = [&](const orvex::RingRecord& record) {
        if (record.payload.size() > orvex::kMaxPayloadSize || (!first && record.position <= lastPosition))
            std::abort();
        first = false;
        lastPosition = record.position;
        ++delivered;
        volatile std::uint8_t sum = 0;
        for (std::byte b : record.payload)
            sum = static_cast<std::uint8_t>(sum + static_cast<std::uint8_t>(b));
    };
    for (int round = 0; round < 4 + (steer >> 5); ++round) {
        if (reader.Drain(sink) > capacity)
            std::abort();
        // Records of our own between drains, some of their lengths and bytes from the input; now and
        // then a claim that is never published, as from a writer that died.
        for (std::size_t i = 0; i < std::size_t{(steer >> 2) & 3u}; ++i) {
            const std::size_t length = data[(round + i) % size] % (orvex::kMaxPayloadSize + 1);
            writer.Write(data, length < mappingSize ? length : mappingSize);
        }
        std::uint64_t position = 0;
        if ((steer & 16) != 0 && round == 1)
            writer.Claim(position);
    }
    if (reader.Counts().read != delivered)
        std::abort();
    return 0;
}
