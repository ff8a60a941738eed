#include "process/Reach.h"

namespace orvex {

Reach CompareReach(std::optional<std::uint32_t> ours, std::optional<std::uint32_t> theirs,
                   bool appContainer) {
    if (appContainer)
        return Reach::AppContainer;
    if (!ours || !theirs)
        return Reach::Reachable;
    if (*theirs > *ours)
        return Reach::Elevated;
    if (*theirs < *ours)
        return Reach::LowIntegrity;
    return Reach::Reachable;
}

} // namespace orvex
