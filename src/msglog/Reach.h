#pragma once
// Whether the hook library, loaded into another program, can reach the mapping Orvex makes for it:
// the window system refuses hooks into a program of a higher integrity level, and a program of a
// lower one, or in an app container, cannot open Orvex's mapping for writing. Pure logic.

#include <cstdint>
#include <optional>

namespace orvex {

enum class Reach {
    Reachable,
    Elevated,     // the program runs above Orvex's integrity level
    LowIntegrity, // below it: the hook could not write into Orvex's mapping
    AppContainer, // sandboxed: the same
};

// From the integrity levels (the mandatory label's RID) and the program's app-container flag; a
// level that could not be read decides nothing, and the hooking itself will tell.
Reach CompareReach(std::optional<std::uint32_t> ours, std::optional<std::uint32_t> theirs, bool appContainer);

} // namespace orvex
