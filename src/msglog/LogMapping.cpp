#include "msglog/LogMapping.h"

#include <algorithm>
#include <string_view>
#include <new>

namespace orvex {

std::size_t WriteLogMappingName(std::uint32_t threadId, wchar_t (&buffer)[kLogMappingNameSize]) noexcept {
    constexpr std::wstring_view prefix = L"Local\\Orvex.MessageLog.";
    std::size_t length = prefix.copy(buffer, prefix.size());
    wchar_t digits[10];
    std::size_t count = 0;
    do {
        digits[count++] = static_cast<wchar_t>(L'0' + threadId % 10);
        threadId /= 10;
    } while (threadId != 0);
    while (count > 0)
        buffer[length++] = digits[--count];
    buffer[length] = L'\0';
    return length;
}

std::wstring LogMappingName(std::uint32_t threadId) {
    wchar_t name[kLogMappingNameSize];
    return std::wstring(name, WriteLogMappingName(threadId, name));
}

bool InitializeLogMapping(void* block, std::size_t size, std::uint64_t session, LogScope scope,
                          std::uint64_t target, std::uint64_t now, LogOwner owner, std::uint32_t capacity) {
    if (!block || size < LogMappingSize(capacity) ||
        reinterpret_cast<std::uintptr_t>(block) % alignof(LogControl) != 0)
        return false;
    auto* bytes = static_cast<std::byte*>(block);
    if (!InitializeRing(bytes + kLogRingOffset, size - kLogRingOffset, session, capacity))
        return false;
    auto* control = new (block) LogControl{};
    control->version.store(kLogControlVersion, std::memory_order_relaxed);
    control->scope.store(static_cast<std::uint32_t>(scope), std::memory_order_relaxed);
    control->target.store(target, std::memory_order_relaxed);
    control->heartbeat.store(now, std::memory_order_relaxed);
    control->filter.shownCategories.store(kAllCategories, std::memory_order_relaxed);
    control->ownerProcessId.store(owner.processId, std::memory_order_relaxed);
    control->key.store(owner.key, std::memory_order_relaxed);
    control->hookVariant.store(owner.hookVariant, std::memory_order_relaxed);
    control->open.store(1, std::memory_order_relaxed);
    // Last, so a hook that sees the magic sees the rest.
    control->magic.store(kLogControlMagic, std::memory_order_release);
    return true;
}

LogControl* FindLogControl(void* block, std::size_t size) noexcept {
    if (!block || size < LogMappingSize(kMinRingCapacity) ||
        reinterpret_cast<std::uintptr_t>(block) % alignof(LogControl) != 0)
        return nullptr;
    auto* control = static_cast<LogControl*>(block);
    if (control->magic.load(std::memory_order_acquire) != kLogControlMagic ||
        control->version.load(std::memory_order_relaxed) != kLogControlVersion)
        return nullptr;
    return control;
}

void WriteLogFilter(LogControl& control, const MessageFilter& filter) noexcept {
    LogFilterBlock& block = control.filter;
    const std::size_t count = std::min(filter.excluded.size(), kMaxExcludedMessages);
    // The count goes down before the numbers change and up after, so a hook reading meanwhile
    // scans only numbers of the old list or the new one.
    block.excludedCount.store(0, std::memory_order_release);
    for (std::size_t i = 0; i < count; ++i)
        block.excluded[i].store(filter.excluded[i], std::memory_order_relaxed);
    block.excludedCount.store(static_cast<std::uint32_t>(count), std::memory_order_release);
    block.shownCategories.store(filter.shownCategories, std::memory_order_release);
    control.filterMode.store(static_cast<std::uint32_t>(filter.mode), std::memory_order_release);
}

bool LogFilterShows(const LogControl& control, std::uint32_t message) noexcept {
    const LogFilterBlock& block = control.filter;
    const auto mode = static_cast<FilterMode>(control.filterMode.load(std::memory_order_acquire));
    const bool checked =
        (block.shownCategories.load(std::memory_order_acquire) & CategoryBit(CategoryOf(message))) != 0;
    return FilterShows(mode, checked, [&]() noexcept {
        const std::uint32_t count = std::min<std::uint32_t>(
            block.excludedCount.load(std::memory_order_acquire), kMaxExcludedMessages);
        for (std::uint32_t i = 0; i < count; ++i)
            if (block.excluded[i].load(std::memory_order_relaxed) == message)
                return true;
        return false;
    });
}

bool ReaderSilent(const LogControl& control, std::uint64_t now) noexcept {
    // A beat from far in the future is as untrustworthy as an old one; one a moment ahead was
    // written while the hook was reading the clock.
    const std::uint64_t beat = control.heartbeat.load(std::memory_order_relaxed);
    return (now > beat ? now - beat : beat - now) > kReaderSilenceMs;
}

bool LogMappingIntact(const void* block, std::size_t size, const LogMappingFacts& facts) noexcept {
    if (!block || size < LogMappingSize(facts.capacity) ||
        reinterpret_cast<std::uintptr_t>(block) % alignof(LogControl) != 0)
        return false;
    const auto* control = static_cast<const LogControl*>(block);
    const auto* ring =
        reinterpret_cast<const RingHeader*>(static_cast<const std::byte*>(block) + kLogRingOffset);
    return control->magic.load(std::memory_order_acquire) == kLogControlMagic &&
           control->version.load(std::memory_order_relaxed) == kLogControlVersion &&
           control->scope.load(std::memory_order_relaxed) == static_cast<std::uint32_t>(facts.scope) &&
           control->open.load(std::memory_order_relaxed) == 1 &&
           control->target.load(std::memory_order_relaxed) == facts.target &&
           control->heartbeat.load(std::memory_order_relaxed) == facts.heartbeat &&
           control->ownerProcessId.load(std::memory_order_relaxed) == facts.owner.processId &&
           control->key.load(std::memory_order_relaxed) == facts.owner.key &&
           control->hookVariant.load(std::memory_order_relaxed) == facts.owner.hookVariant &&
           CheckRing(ring, size - kLogRingOffset, facts.session) == RingCheck::Ok &&
           ring->capacity.load(std::memory_order_relaxed) == facts.capacity;
}

} // namespace orvex
