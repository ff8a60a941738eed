// The message log's ring: many writers and one reader on a shared block, records whole and in each
// writer's order, every record read or counted, and nothing in the block trusted.
#include "msglog/MessageRing.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <cstdint>
#include <cstring>
#include <limits>
#include <optional>
#include <random>
#include <string>
#include <thread>
#include <vector>

namespace {

using namespace orvex;

constexpr std::uint64_t kSession = 0x0123456789ABCDEF;

// A block as a mapping would give it: aligned, and exactly as long as the ring, so the sanitizers see
// any read past its end.
struct Block {
    explicit Block(std::uint32_t capacity) : words(RingBlockSize(capacity) / 8) {
        EXPECT_TRUE(InitializeRing(data(), size(), kSession, capacity));
    }
    void* data() { return words.data(); }
    std::size_t size() const { return words.size() * 8; }
    RingHeader& header() { return *static_cast<RingHeader*>(data()); }
    RingSlot& slot(std::uint64_t position) {
        auto* slots = reinterpret_cast<RingSlot*>(static_cast<std::byte*>(data()) + sizeof(RingHeader));
        return slots[position % header().capacity.load()];
    }
    std::vector<std::uint64_t> words;
};

RingWriter AttachedWriter(Block& block) {
    RingWriter writer;
    EXPECT_EQ(writer.Attach(block.data(), block.size(), kSession), RingCheck::Ok);
    return writer;
}

RingReader AttachedReader(Block& block, std::uint32_t abandonAfterDrains = kAbandonAfterDrains) {
    RingReader reader(abandonAfterDrains);
    EXPECT_EQ(reader.Attach(block.data(), block.size(), kSession), RingCheck::Ok);
    return reader;
}

struct Read {
    std::uint64_t position;
    std::vector<std::byte> payload;
};

std::vector<Read> DrainAll(RingReader& reader) {
    std::vector<Read> records;
    reader.Drain([&](const RingRecord& record) {
        records.push_back({record.position, {record.payload.begin(), record.payload.end()}});
    });
    return records;
}

// Writer and sequence number up front, then bytes derived from both, at a length that varies.
std::vector<std::byte> Payload(std::uint32_t writer, std::uint32_t index) {
    std::vector<std::byte> bytes(8 + (index * 13 + writer * 5) % (kMaxPayloadSize - 7));
    std::memcpy(bytes.data(), &writer, 4);
    std::memcpy(bytes.data() + 4, &index, 4);
    for (std::size_t i = 8; i < bytes.size(); ++i)
        bytes[i] = static_cast<std::byte>(writer * 7 + index + i);
    return bytes;
}

TEST(MessageRing, ConcurrentWritersAndAReaderAccountForEveryRecordInEachWritersOrder) {
    constexpr std::uint32_t kWriters = 8, kRecords = 20000;
    // A patient reader, and one that gives a slot up after a single drain, so that writers suspended
    // between claim and publish really are given up on, and publish late, while the others run.
    for (const std::uint32_t abandonAfterDrains : {std::numeric_limits<std::uint32_t>::max(), 1u}) {
        SCOPED_TRACE(testing::Message() << "abandoning after " << abandonAfterDrains << " drains");
        Block block(512); // small, so the writers lap it often and find it full at times
        RingReader reader = AttachedReader(block, abandonAfterDrains);

        std::vector<std::vector<char>> written(kWriters, std::vector<char>(kRecords));
        std::atomic<std::uint32_t> finished = 0;
        std::vector<std::thread> threads;
        for (std::uint32_t w = 0; w < kWriters; ++w) {
            threads.emplace_back([&, w] {
                RingWriter writer = AttachedWriter(block);
                for (std::uint32_t i = 0; i < kRecords; ++i) {
                    const std::vector<std::byte> payload = Payload(w, i);
                    std::uint64_t position = 0;
                    if (!writer.Claim(position)) {
                        std::this_thread::yield(); // as a hooked thread goes on with its message
                        continue;
                    }
                    if (i % 64 == 0)
                        std::this_thread::yield();
                    written[w][i] = writer.Publish(position, payload.data(), payload.size());
                }
                ++finished;
            });
        }

        std::vector<std::vector<char>> read(kWriters, std::vector<char>(kRecords));
        std::vector<std::int64_t> last(kWriters, -1);
        std::uint64_t faults = 0, nextPosition = 0;
        const auto sink = [&](const RingRecord& record) {
            std::uint32_t w = 0, i = 0;
            std::memcpy(&w, record.payload.data(), 4); // every payload has at least 8 bytes
            std::memcpy(&i, record.payload.data() + 4, 4);
            if (w >= kWriters || i >= kRecords || !std::ranges::equal(record.payload, Payload(w, i)) ||
                i <= last[w] || record.position < nextPosition) {
                ++faults;
                return;
            }
            last[w] = i;
            read[w][i] = 1;
            nextPosition = record.position + 1;
        };
        while (finished < kWriters) {
            reader.Drain(sink);
            std::this_thread::yield();
        }
        for (std::thread& thread : threads)
            thread.join();
        reader.Drain(sink);

        const RingCounts counts = reader.Counts();
        EXPECT_EQ(faults, 0u) << "a record torn or out of order";
        // Drops happen before a position is claimed; every claimed position is read or counted.
        EXPECT_EQ(counts.read + counts.rejected + counts.abandoned, block.header().claimed.load());
        EXPECT_EQ(counts.read + counts.rejected + counts.abandoned + counts.dropped,
                  std::uint64_t{kWriters} * kRecords);
        EXPECT_EQ(counts.latePublishes, counts.abandoned) << "each writer given up on publishes late";
        if (abandonAfterDrains == 1) {
            for (std::uint32_t w = 0; w < kWriters; ++w)
                for (std::uint32_t i = 0; i < kRecords; ++i)
                    faults += read[w][i] && !written[w][i];
            EXPECT_EQ(faults, 0u) << "a record read although its publish failed";
        } else {
            EXPECT_EQ(counts.rejected + counts.abandoned, 0u);
            EXPECT_EQ(read, written) << "a record is read exactly when its publish succeeded";
        }
    }
}

TEST(MessageRing, RecordsOfEveryLengthComeOutWholeAcrossManyLaps) {
    Block block(8);
    RingWriter writer = AttachedWriter(block);
    RingReader reader = AttachedReader(block);
    std::mt19937 random(7);
    std::uint64_t position = 0;
    std::size_t length = 0;
    for (int round = 0; round < 2000; ++round) { // some 1,000 laps
        std::vector<std::vector<std::byte>> batch(1 + random() % 8);
        for (std::vector<std::byte>& payload : batch) {
            payload.resize(length++ % (kMaxPayloadSize + 1));
            for (std::byte& b : payload)
                b = static_cast<std::byte>(random());
            ASSERT_TRUE(writer.Write(payload.data(), payload.size()));
        }
        const std::vector<Read> records = DrainAll(reader);
        ASSERT_EQ(records.size(), batch.size());
        for (std::size_t i = 0; i < batch.size(); ++i) {
            EXPECT_EQ(records[i].position, position++);
            EXPECT_EQ(records[i].payload, batch[i]);
        }
    }
    // Refused before a position is claimed: counted, and no gap in the positions.
    const std::byte tooLong[kMaxPayloadSize + 1] = {};
    EXPECT_FALSE(writer.Write(tooLong, sizeof tooLong));
    EXPECT_FALSE(writer.Write(nullptr, 1));
    EXPECT_TRUE(writer.Write(nullptr, 0));
    const std::vector<Read> records = DrainAll(reader);
    ASSERT_EQ(records.size(), 1u);
    EXPECT_EQ(records[0].position, position);
    EXPECT_TRUE(records[0].payload.empty());
    EXPECT_EQ(reader.Counts().dropped, 2u);
    EXPECT_EQ(reader.Counts().rejected, 0u);
}

TEST(MessageRing, AFullRingDropsAndCountsUntilTheReaderMakesRoom) {
    Block block(4);
    RingWriter writer = AttachedWriter(block);
    RingReader reader = AttachedReader(block);
    for (int i = 0; i < 6; ++i)
        EXPECT_EQ(writer.Write("abc", 3), i < 4);
    EXPECT_EQ(reader.Counts().dropped, 2u);
    EXPECT_EQ(DrainAll(reader).size(), 4u);
    EXPECT_TRUE(writer.Write("abc", 3));
    EXPECT_EQ(DrainAll(reader).size(), 1u);
}

// A drain as one stream: the positions read, and "lost N" where the reader says records went missing.
std::vector<std::string> Stream(RingReader& reader) {
    std::vector<std::string> stream;
    reader.Drain([&](const RingRecord& record) { stream.push_back(std::to_string(record.position)); },
                 [&](std::uint64_t count) { stream.push_back("lost " + std::to_string(count)); });
    return stream;
}

TEST(MessageRing, LossesAreToldWhereTheyHappenedAndAReaderHeldUpByGarbageCountsAsStalled) {
    Block block(8);
    RingWriter writer = AttachedWriter(block), suspended = AttachedWriter(block);
    RingReader reader = AttachedReader(block, 2);
    using Lines = std::vector<std::string>;
    // Dropped by a full ring: after the lap it held, before what came once there was room.
    for (int i = 0; i < 10; ++i)
        writer.Write("abc", 3);
    EXPECT_EQ(Stream(reader), (Lines{"0", "1", "2", "3", "4", "5", "6", "7", "lost 2"}));
    writer.Write("abc", 3);
    EXPECT_EQ(Stream(reader), Lines{"8"});
    // Given up: between the records around it.
    std::uint64_t stuck = 0;
    ASSERT_TRUE(suspended.Claim(stuck));
    writer.Write("abc", 3);
    EXPECT_EQ(Stream(reader), Lines{});
    EXPECT_EQ(Stream(reader), (Lines{"lost 1", "10"}));

    // A writer merely slow, with nothing behind it, and a ring with nothing in it, do not stall it.
    ASSERT_TRUE(suspended.Claim(stuck));
    for (int i = 0; i < 20; ++i)
        EXPECT_TRUE(Stream(reader).empty());
    EXPECT_FALSE(reader.Stalled());
    ASSERT_TRUE(suspended.Publish(stuck, "abc", 3));
    EXPECT_EQ(Stream(reader), Lines{"11"});

    // `claimed` moved ahead inside the lap: writers go on past a gap the reader would give up a slot
    // at a time, for as long as it is wide.
    block.header().claimed = 12 + 7;
    int drains = 0;
    for (; !reader.Stalled() && drains < 20; ++drains) {
        writer.Write("abc", 3);
        for (const std::string& line : Stream(reader))
            EXPECT_EQ(line.rfind("lost ", 0), 0u) << "nothing read while it is held up";
    }
    EXPECT_EQ(drains, static_cast<int>(kStalledAfterAbandonWaits * 2));
}

TEST(MessageRing, AStaleOrForeignMappingIsRefused) {
    struct Case {
        const char* what;
        void (*spoil)(RingHeader&);
        RingCheck check;
    };
    const Case cases[] = {
        {"wrong magic", [](RingHeader& h) { h.magic = kRingMagic ^ 1; }, RingCheck::ForeignMagic},
        {"never initialised", [](RingHeader& h) { h.magic = 0; }, RingCheck::ForeignMagic},
        {"other version", [](RingHeader& h) { h.version = kRingVersion + 1; }, RingCheck::OtherVersion},
        {"other session", [](RingHeader& h) { h.session = kSession + 1; }, RingCheck::OtherSession},
        {"other slot size", [](RingHeader& h) { h.slotSize = kSlotSize * 2; }, RingCheck::BadGeometry},
        {"more slots than the block", [](RingHeader& h) { h.capacity = 32; }, RingCheck::BadGeometry},
        {"capacity not a power of two", [](RingHeader& h) { h.capacity = 12; }, RingCheck::BadGeometry},
        {"capacity of one", [](RingHeader& h) { h.capacity = 1; }, RingCheck::BadGeometry},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Block block(16);
        RingWriter writer = AttachedWriter(block); // attached first, so a refusal must detach it
        c.spoil(block.header());
        EXPECT_EQ(writer.Attach(block.data(), block.size(), kSession), c.check);
        EXPECT_FALSE(writer.Attached());
        EXPECT_FALSE(writer.Write("x", 1));
        RingReader reader;
        EXPECT_EQ(reader.Attach(block.data(), block.size(), kSession), c.check);
    }

    Block block(16);
    RingWriter writer;
    EXPECT_EQ(writer.Attach(block.data(), block.size(), std::nullopt), RingCheck::Ok) << "any session";
    EXPECT_EQ(writer.Attach(block.data(), block.size() - 1, kSession), RingCheck::BadGeometry);
    EXPECT_EQ(writer.Attach(block.data(), sizeof(RingHeader) - 1, kSession), RingCheck::BadBlock);
    EXPECT_EQ(writer.Attach(nullptr, block.size(), kSession), RingCheck::BadBlock);
    EXPECT_EQ(writer.Attach(static_cast<std::byte*>(block.data()) + 4, block.size() - 8, kSession),
              RingCheck::BadBlock);

    for (std::uint32_t capacity : {32u, 12u, 1u})
        EXPECT_FALSE(InitializeRing(block.data(), block.size(), kSession, capacity));
    EXPECT_EQ(CheckRing(block.data(), block.size(), kSession), RingCheck::Ok) << "a refusal leaves it be";
}

TEST(MessageRing, TheReaderRejectsGarbageAndTornRecordsAndReadsOn) {
    Block block(8);
    RingWriter writer = AttachedWriter(block);
    RingReader reader = AttachedReader(block);
    const char text[] = "a record of twenty-nine bytes";
    for (int i = 0; i < 6; ++i)
        writer.Write(text, sizeof text);
    block.slot(0).length = kMaxPayloadSize + 1;
    block.slot(1).length = 0xFFFFFFFF;
    block.slot(2).checksum = block.slot(2).checksum ^ 1;
    // A whole, consistent record of the slot's next lap: what a late writer leaves when its writes
    // land last. Only the stamped position tells it apart.
    Block other(8);
    RingWriter otherWriter = AttachedWriter(other);
    RingReader otherReader = AttachedReader(other);
    for (int i = 0; i < 12; ++i) {
        otherWriter.Write(text, sizeof text);
        if (i == 7)
            DrainAll(otherReader);
    }
    RingSlot &late = other.slot(11), &slot = block.slot(3);
    slot.position = late.position.load();
    slot.checksum = late.checksum.load();
    block.slot(4).payload[1] = block.slot(4).payload[1] ^ 0x100;
    const std::vector<Read> records = DrainAll(reader);
    ASSERT_EQ(records.size(), 1u);
    EXPECT_EQ(records[0].position, 5u);
    EXPECT_EQ(reader.Counts().rejected, 5u);

    // Random bytes over every slot, some made to look published: rejected, and the ring works on.
    std::mt19937_64 random(11);
    for (std::uint64_t position = 6; position < 6 + 8; ++position) {
        RingSlot& slot = block.slot(position);
        for (std::size_t i = 0; i < sizeof slot / 8; ++i)
            reinterpret_cast<std::atomic<std::uint64_t>*>(&slot)[i] = random();
        if (position % 2)
            slot.sequence = position + 1;
    }
    for (int round = 0; round < 20; ++round) {
        writer.Write(text, sizeof text);
        for (const Read& record : DrainAll(reader))
            EXPECT_EQ(std::memcmp(record.payload.data(), text, sizeof text), 0);
    }
    EXPECT_GE(reader.Counts().read, 1u + 20 - 8);
    EXPECT_GE(reader.Counts().rejected, 5u + 8);
}

TEST(MessageRing, AnAbandonedSlotIsGivenUpAfterItsDrainsAndItsLatePublishFailsHarmlessly) {
    Block block(8);
    RingWriter writer = AttachedWriter(block), suspended = AttachedWriter(block);
    RingReader reader = AttachedReader(block);
    const char text[] = "later";

    // A writer that is merely slow, with nothing behind it, is waited for however long it takes.
    std::uint64_t slow = 0;
    ASSERT_TRUE(suspended.Claim(slow));
    for (std::uint32_t i = 0; i < 3 * kAbandonAfterDrains; ++i)
        EXPECT_TRUE(DrainAll(reader).empty());
    EXPECT_TRUE(suspended.Publish(slow, text, sizeof text));
    EXPECT_EQ(DrainAll(reader).size(), 1u);

    // One whose later records are published is given up on the stated drain, not before.
    std::uint64_t stuck = 0;
    ASSERT_TRUE(suspended.Claim(stuck));
    writer.Write(text, sizeof text);
    writer.Write(text, sizeof text);
    for (std::uint32_t i = 1; i < kAbandonAfterDrains; ++i)
        EXPECT_TRUE(DrainAll(reader).empty());
    const std::vector<Read> records = DrainAll(reader);
    ASSERT_EQ(records.size(), 2u);
    EXPECT_EQ(records[0].position, stuck + 1);
    EXPECT_EQ(reader.Counts().abandoned, 1u);

    // Its slot serves the next lap, and the late writer, waking up then, leaves that record alone.
    for (int i = 0; i < 8; ++i)
        EXPECT_TRUE(writer.Write(text, sizeof text));
    EXPECT_FALSE(suspended.Publish(stuck, "torn", 4));
    EXPECT_EQ(reader.Counts().latePublishes, 1u);
    for (const Read& record : DrainAll(reader))
        EXPECT_EQ(std::memcmp(record.payload.data(), text, sizeof text), 0);
    EXPECT_EQ(reader.Counts().read, 1u + 2 + 8);
    EXPECT_EQ(reader.Counts().rejected, 0u);
}

TEST(MessageRing, GarbagePositionsAreMendedWithoutStarvingTheWriters) {
    Block block(8);
    RingWriter writer = AttachedWriter(block);
    RingReader reader = AttachedReader(block);
    // A lap of garbage, some of it looking published though nobody claimed it: mended in one drain.
    for (std::uint64_t position = 0; position < 8; ++position)
        if (position != 3)
            block.slot(position).sequence = position % 2 ? position + 1 : position * 977 + 3;
    DrainAll(reader);
    EXPECT_EQ(reader.Counts().rejected, 7u);
    for (int i = 0; i < 8; ++i)
        EXPECT_TRUE(writer.Write("ab", 2)) << i;
    EXPECT_EQ(DrainAll(reader).size(), 8u);

    // `claimed` exactly a lap ahead, nothing published: given back after a stuck slot's drains.
    block.header().claimed = 8 + 8;
    for (std::uint32_t i = 1; i < kAbandonAfterDrains; ++i)
        DrainAll(reader);
    EXPECT_FALSE(writer.Write("ab", 2)) << "not before its drains";
    DrainAll(reader);
    EXPECT_TRUE(writer.Write("ab", 2));
    const std::vector<Read> records = DrainAll(reader);
    ASSERT_EQ(records.size(), 1u);
    EXPECT_EQ(records[0].position, 8u);
}

TEST(MessageRing, WritersCountersThatJumpOrFallAreNotBelieved) {
    Block block(4);
    RingWriter writer = AttachedWriter(block);
    RingReader reader = AttachedReader(block);
    const auto overflow = [&] { // the first drain takes up whatever the counters say by then
        DrainAll(reader);
        for (int i = 0; i < 6; ++i)
            writer.Write("ab", 2);
        DrainAll(reader);
    };
    overflow();
    EXPECT_EQ(reader.Counts().dropped, 2u);
    block.header().dropped = std::numeric_limits<std::uint64_t>::max() - 3;
    block.header().latePublishes = std::uint64_t{1} << 40;
    EXPECT_EQ(reader.Counts().dropped, 2u);
    overflow();
    EXPECT_EQ(reader.Counts().dropped, 4u) << "counted on from the value found";
    block.header().dropped = 3; // fallen, though a wrap-around would take it for a rise
    overflow();
    EXPECT_EQ(reader.Counts().dropped, 6u);
    EXPECT_EQ(reader.Counts().latePublishes, 0u);
}

} // namespace
