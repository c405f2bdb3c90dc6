// The universe run: its epochs, its stops and its creation phase.
#include <algorithm>
#include <cmath>

#include "renderer/galaxy/galaxy_constants.h"
#include "renderer/galaxy/galaxy_display.h"
#include "renderer/universe/universe_creation.h"
#include "renderer/universe/universe_run.h"
#include "renderer/universe/universe_steps.h"
#include "renderer/universe_test_support.h"

namespace orbweave::testing {
namespace {

// --- Epochs and stops ---

TEST_F(UniverseTest, EachEpochIsCreationVisitsAndAClosingLeg) {
    for (UniGalaxy& t : UniGalaxies) t.Galaxy_DX_Blend = 50;
    std::vector<int> levels;
    onPump = [this, &levels] {
        levels.push_back(LastBlend().factor - 720);
        if (pumps >= 2 * kSmallEpochFrames + 1) runState.StopRequested = true;
    };
    RunUniverse(inputs);
    ASSERT_EQ(pumps, 2 * kSmallEpochFrames + 1);
    // Each epoch opens with the burst level and eases to the travel level.
    std::vector<int> bursts;
    for (std::size_t i = 0; i < levels.size(); ++i) {
        if (levels[i] == 77) bursts.push_back(static_cast<int>(i));
    }
    EXPECT_EQ(bursts, (std::vector<int>{0, kSmallEpochFrames, 2 * kSmallEpochFrames}));
    EXPECT_EQ(levels[1], 70);
    EXPECT_EQ(levels[kSmallEpochFrames - 1], 35);  // the closing leg travels
}

TEST_F(UniverseTest, TheSameSeedDrawsTheSameFrames) {
    StopAfter(80);
    RunUniverse(inputs);
    const std::uint64_t first = WorkImageChecksum();
    Prepare();
    runState.StopRequested = false;
    pumps = 0;
    RunUniverse(inputs);
    EXPECT_EQ(WorkImageChecksum(), first);

    Prepare(12);
    runState.StopRequested = false;
    pumps = 0;
    RunUniverse(inputs);
    EXPECT_NE(WorkImageChecksum(), first);
}

TEST_F(UniverseTest, StopSetInAFrameEndsTheRunAtThatFrame) {
    StopAfter(20);  // a tour frame
    RunUniverse(inputs);
    EXPECT_EQ(pumps, 20);
    EXPECT_TRUE(runState.StopRequested);
}

TEST_F(UniverseTest, SetUpFailureStillStopsTheRun) {
    ReleaseDirectX();
    RunUniverse(inputs);
    EXPECT_TRUE(runState.StopRequested);
    EXPECT_EQ(pumps, 0);
}

TEST_F(UniverseTest, NoSecondAnimationStartsInsideAFrame) {
    int nestedPumps = -1;
    onPump = [this, &nestedPumps] {
        if (pumps != 3) return;
        const int before = pumps;
        RunGalaxyDisplay(inputs.values, StoredRunTables(), 0, 1, 5, 100, false, 1.0f);
        RunUniverse(inputs);
        nestedPumps = pumps - before;
    };
    RunUniverse(inputs);
    EXPECT_EQ(nestedPumps, 0);
    EXPECT_EQ(pumps, 3);  // the refused run asked the host's loop to stop
}

TEST_F(UniverseTest, PreviewWithoutItsHostWindowStopsAtTheFirstFrame) {
    runState.RunMode = kRunModePreview;
    runState.HostWindowHandle = 0;
    RunUniverse(inputs);
    EXPECT_EQ(pumps, 1);
}

// --- Creation phase ---

class CreationTest : public UniverseTest {
protected:
    void Create() {
        UniverseSettings& u = inputs.values;
        ClampUniverseSettings(u);
        PrecomputeGalaxyConstants(UniGalaxies);
        tables.galaxies.Allocate(u.Universe_Galaxy);
        tables.stars.Allocate(u.Universe_Stars);
        tables.ambient.Allocate(u.Universe_AmStar);
        float speed = u.Universe_Expand;
        float extent = 0;
        RunUniverseCreation(Context(), inputs.tour, tables, speed, extent, 0, blend);
    }
    void NoWeights() {
        for (int t = 0; t < kGalaxyTypeCount; ++t) UniGalaxies[t]._UniGalPct = 0;
        for (CompGalaxy& c : CompGalaxies) c._CompGalPct = 0;
    }
    UniverseTables tables;
    std::int32_t blend = 0;
};

TEST_F(CreationTest, WithoutWeightsEveryGalaxyShowsTypeZero) {
    NoWeights();
    Create();
    EXPECT_EQ(tables.galaxies.GalType, (std::vector<std::int16_t>{0, 0, 0, 0}));
    EXPECT_EQ(pumps, 6);
    // Every star has found a galaxy of the universe.
    EXPECT_TRUE(std::all_of(tables.stars.StarGalaxy.begin(), tables.stars.StarGalaxy.end(),
                            [](std::int16_t g) { return g >= 0 && g < 4; }));
}

TEST_F(CreationTest, InSequenceTheWeightedSlotsTakeTurns) {
    NoWeights();
    UniGalaxies[3]._UniGalPct = 10;
    UniGalaxies[7]._UniGalPct = 90;
    inputs.values.Universe_GVisit = true;
    Create();
    EXPECT_EQ(tables.galaxies.GalType, (std::vector<std::int16_t>{3, 7, 3, 7}));
}

TEST_F(CreationTest, TheTourListNamesTheFirstGalaxies) {
    inputs.tour = ParseTourSequence("5 6 7 8 9 10");
    Create();
    EXPECT_EQ(tables.galaxies.GalType, (std::vector<std::int16_t>{4, 5, 6, 7}));
}

TEST_F(CreationTest, ATourCompositeCountsWhateverItsPercentUnlessEmpty) {
    NoWeights();
    CompGalaxies[1].CompGal_Count = 2;
    CompGalaxies[1].CompGal_Type = {8, 9};
    CompGalaxies[2].CompGal_Count = 0;
    inputs.tour = ParseTourSequence("52 53");
    Create();
    EXPECT_EQ(tables.galaxies.GalType[0], 51);
    EXPECT_EQ(UniGalaxies[51].Run_IsComposite, -1);
    EXPECT_EQ(tables.galaxies.GalType[1], 0);  // the empty composite is passed over
}

TEST_F(CreationTest, OneCreationFrameShowsTheBurstLevel) {
    inputs.values.Universe_ESteps = 1;
    Create();
    EXPECT_EQ(pumps, 1);
    EXPECT_EQ(blend, 77);
    EXPECT_EQ(displayState.CurrentBlend, 77);
}

TEST_F(CreationTest, AmbientStarsOfAStillUniverseAreRebornAtRest) {
    inputs.values.Universe_Expand = 0;
    inputs.values.Universe_AmPers = 0.25f;
    Create();
    const AmbientTable& a = tables.ambient;
    for (std::int32_t i = 0; i < a.Count(); ++i) {
        EXPECT_EQ(a.AmbVX[i], 0.0f);
        EXPECT_TRUE(std::isfinite(a.AmbX[i]));
    }
    // Still no velocity when reborn during creation with no extent at all.
    CycleUniverseStars(Context(), tables.ambient, tables.cloud, tables.paths, {0, 0, -40}, 0, 0, kAmbientCreation, 0);
    EXPECT_TRUE(std::all_of(a.AmbVZ.begin(), a.AmbVZ.end(), [](float v) { return v == 0.0f; }));
}

}  // namespace
}  // namespace orbweave::testing
