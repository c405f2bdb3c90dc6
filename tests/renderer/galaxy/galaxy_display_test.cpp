// One galaxy on its own.
#include "renderer/galaxy/galaxy_display.h"

#include <algorithm>
#include <vector>

#include "renderer/universe_test_support.h"

namespace orbweave::testing {
namespace {

// --- The galaxy display ---

TEST_F(UniverseTest, AFrameLimitDrawsExactlyThatManyFrames) {
    RunGalaxyDisplay(inputs.values, StoredRunTables(), 4, 1, 30, 100, false, 1.0f);
    EXPECT_EQ(window->PresentCount(), 30);
    EXPECT_EQ(pumps, 29);  // the last frame returns without pacing
    EXPECT_FALSE(runState.StopRequested);
}

TEST_F(UniverseTest, AFrameLimitOfZeroIsNoLimit) {
    StopAfter(12);
    RunGalaxyDisplay(inputs.values, StoredRunTables(), 4, 1, 0, 100, false, 1.0f);
    EXPECT_EQ(pumps, 12);
}

TEST_F(UniverseTest, StarCountIsScaledAndAtLeastOne) {
    RunGalaxyDisplay(inputs.values, StoredRunTables(), 2, 1, 1, 7, true, 1.5f);
    EXPECT_EQ(inputs.values.Universe_Stars, 10);  // 10.5, halves to even
    EXPECT_EQ(inputs.values.Universe_Galaxy, 1);
    RunGalaxyDisplay(inputs.values, StoredRunTables(), 2, 1, 1, 0, false, 1.0f);
    EXPECT_EQ(inputs.values.Universe_Stars, 1);
    EXPECT_EQ(window->PresentCount(), 2);
}

// A display runs on the universe record it is handed and leaves the stored
// tables' composite stand-ins as they were.
TEST_F(UniverseTest, ADisplayChangesOnlyTheRecordItIsHanded) {
    struct Case {
        const char* name;
        std::int16_t index;
        bool composite;
    };
    for (const Case& c : {Case{"galaxy type", 7, false}, Case{"composite", 3, true}}) {
        SCOPED_TRACE(c.name);
        Prepare();
        UniGalaxies[kGalaxyTypeCount + c.index].Run_IsComposite = 0;
        const auto standIns = std::vector<UniGalaxy>(UniGalaxies.begin() + kGalaxyTypeCount, UniGalaxies.end());
        UniverseSettings handed = inputs.values;
        RunGalaxyDisplay(handed, StoredRunTables(), c.index, 1, 2, 40, c.composite, 1.0f);
        EXPECT_EQ(inputs.values, SmallUniverse());
        EXPECT_EQ(handed.Universe_Stars, 40);
        EXPECT_EQ(handed.Universe_Galaxy, 1);
        EXPECT_EQ(handed.Universe_NewPctStEx, 0.0f);
        EXPECT_TRUE(std::equal(standIns.begin(), standIns.end(), UniGalaxies.begin() + kGalaxyTypeCount));
    }
}

}  // namespace
}  // namespace orbweave::testing
