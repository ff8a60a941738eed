#pragma once
// How far Orvex reaches into another program, by integrity level. The window system refuses hooks
// into a program of a higher level and changes to its windows; a program of a lower level, or in an
// app container, cannot open Orvex's mapping for writing, so the hook library loaded into it could
// not report. Pure logic.

#include <cstdint>
#include <optional>

namespace orvex {

enum class Reach {
    Reachable,
    Elevated,     // the program runs above Orvex's integrity level
    LowIntegrity, // below it: the hook could not write into Orvex's mapping (its windows can be changed)
    AppContainer, // sandboxed: the same
};

// From the integrity levels (the mandatory label's RID) and the program's app-container flag; a
// level that could not be read decides nothing, and the hooking itself will tell.
Reach CompareReach(std::optional<std::uint32_t> ours, std::optional<std::uint32_t> theirs, bool appContainer);

} // namespace orvex
