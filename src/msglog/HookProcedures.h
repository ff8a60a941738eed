#pragma once
// The names of the hook library's log hooks. The library exports each of the three in
// kHookVariants copies that differ only in the number they pass on, and Orvex hooks a thread with
// one copy, named in the thread's mapping. A hook that is called knows by that number which
// hooking it was called through: once the Orvex it wrote for has ended without closing its log, a
// call through another copy can only come from another Orvex having hooked the thread since, while
// the copy the ended Orvex left behind keeps writing nothing, whoever takes the mapping's name.

#include <cstdint>
#include <cstdio>
#include <string>

namespace orvex {

inline constexpr std::uint32_t kHookVariants = 16;

// The three chains a thread is hooked on, in the order Orvex installs them.
enum class HookChain { Sent = 0, Returned = 1, Posted = 2 };

// "OrvexCallWndProc07": the exported name of `chain`'s procedure in copy `variant`.
inline std::string HookProcedureName(HookChain chain, std::uint32_t variant) {
    static constexpr const char* kStems[] = {"OrvexCallWndProc", "OrvexCallWndRetProc", "OrvexGetMsgProc"};
    char name[40] = {};
    std::snprintf(name, sizeof(name), "%s%02u", kStems[static_cast<int>(chain)],
                  static_cast<unsigned>(variant % kHookVariants));
    return name;
}

// The copy a new log of a thread hooks with: drawn from `random`, and never `taken`, the copy of a
// log whose mapping the new one takes over (kHookVariants when there is none).
inline std::uint32_t ChooseHookVariant(std::uint64_t random, std::uint32_t taken = kHookVariants) {
    if (taken >= kHookVariants)
        return static_cast<std::uint32_t>(random % kHookVariants);
    return (taken + 1 + static_cast<std::uint32_t>(random % (kHookVariants - 1))) % kHookVariants;
}

} // namespace orvex
