// One galaxy on its own.
#include "renderer/galaxy/galaxy_display.h"
#include "renderer/universe_test_support.h"

namespace orbweave::testing {
namespace {

// --- The galaxy display ---

TEST_F(UniverseTest, AFrameLimitDrawsExactlyThatManyFrames) {
    RunGalaxyDisplay(4, 1, 30, 100, false, 1.0f);
    EXPECT_EQ(window->PresentCount(), 30);
    EXPECT_EQ(pumps, 29);  // the last frame returns without pacing
    EXPECT_FALSE(StopRequested);
}

TEST_F(UniverseTest, AFrameLimitOfZeroIsNoLimit) {
    StopAfter(12);
    RunGalaxyDisplay(4, 1, 0, 100, false, 1.0f);
    EXPECT_EQ(pumps, 12);
}

TEST_F(UniverseTest, StarCountIsScaledAndAtLeastOne) {
    RunGalaxyDisplay(2, 1, 1, 7, true, 1.5f);
    EXPECT_EQ(Universe.Universe_Stars, 10);  // 10.5, halves to even
    EXPECT_EQ(Universe.Universe_Galaxy, 1);
    RunGalaxyDisplay(2, 1, 1, 0, false, 1.0f);
    EXPECT_EQ(Universe.Universe_Stars, 1);
    EXPECT_EQ(window->PresentCount(), 2);
}

}  // namespace
}  // namespace orbweave::testing
