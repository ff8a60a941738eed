// Whether the message log's hook can reach a program, from the integrity levels.
#include "process/Reach.h"

#include <gtest/gtest.h>

namespace {

using orvex::CompareReach;
using orvex::Reach;

TEST(Reach, HigherLowerAndSandboxedProgramsAreOutOfReach) {
    constexpr std::uint32_t kLow = 0x1000, kMedium = 0x2000, kHigh = 0x3000;
    EXPECT_EQ(CompareReach(kMedium, kMedium, false), Reach::Reachable);
    EXPECT_EQ(CompareReach(kMedium, kHigh, false), Reach::Elevated);
    EXPECT_EQ(CompareReach(kMedium, kLow, false), Reach::LowIntegrity);
    EXPECT_EQ(CompareReach(kMedium, kMedium, true), Reach::AppContainer);
    EXPECT_EQ(CompareReach(std::nullopt, kHigh, false), Reach::Reachable) << "unreadable: the hooking tells";
}

} // namespace
