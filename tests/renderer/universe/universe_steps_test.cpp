// The universe run's small steps: its clamps and units, the epoch profile,
// composite members, the blend along the tour, gravity and star rebirth.
#include <array>
#include <vector>

#include "renderer/galaxy/star_rebirth.h"
#include "renderer/galaxy/star_tables.h"
#include "renderer/galaxy/transition_blend.h"
#include "renderer/star_test_support.h"
#include "renderer/universe/universe_steps.h"

namespace orbweave::testing {
namespace {

class UniverseStepsTest : public StarTest {
protected:
    void SetUp() override { StarTest::SetUp(); }
    UniverseSettings universe;
};

// --- Clamps and units ---

TEST_F(UniverseStepsTest, DefaultsTurnIntoRunUnits) {
    UniverseSettings u{18000, 200, 3000,  500,   0.985f, 0.01f, 30,  51,     3500, 85, true, 200, 2, 4,
                       4000,  750, false, false, 2000,   15,    600, 0.999f, 0.1f, 0,  1,    100, 35};
    ClampUniverseSettings(u);
    EXPECT_EQ(u.Universe_Stars, 18000);
    EXPECT_FLOAT_EQ(u.Universe_Expand, 3.0f);
    EXPECT_FLOAT_EQ(u.Universe_Damping, 0.995f);
    EXPECT_FLOAT_EQ(u.Universe_NewPctStEx, 0.85f);
    EXPECT_FLOAT_EQ(u.Universe_DstCen, 40.0f);
    EXPECT_FLOAT_EQ(u.Universe_AmMaxExt, 6.0f);
    EXPECT_EQ(u.Universe_GravForce, 0.0f);
    EXPECT_EQ(u.DX_BlendUniBurst, 100.0f);
}

TEST_F(UniverseStepsTest, OutOfRangeValuesTakeTheNearerBound) {
    UniverseSettings u;
    u.Universe_Stars = 3;
    u.Universe_Galaxy = 5000;
    u.Universe_Damping = -2;
    u.Universe_NewPctStEx = 84.5f;  // rounds to the even 84
    u.Universe_AmMaxExt = 0.2f;
    u.Universe_GravForce = 2e6f;
    u.Universe_GravFrame = 0;
    u.DX_BlendUniBurst = 900;  // would wrap the blend's colours
    u.DX_BlendUniTravel = -5;
    ClampUniverseSettings(u);
    EXPECT_EQ(u.Universe_Stars, 10);
    EXPECT_EQ(u.Universe_Galaxy, 999);
    EXPECT_FLOAT_EQ(u.Universe_Damping, 1.0f);
    EXPECT_FLOAT_EQ(u.Universe_NewPctStEx, 0.84f);
    EXPECT_FLOAT_EQ(u.Universe_AmMaxExt, 0.01f);
    EXPECT_FLOAT_EQ(u.Universe_GravForce, 0.0999999f);
    EXPECT_EQ(u.Universe_GravFrame, 1);
    EXPECT_EQ(u.Universe_GSteps, 1);
    EXPECT_EQ(u.DX_BlendUniBurst, 100.0f);
    EXPECT_EQ(u.DX_BlendUniTravel, 0.0f);
}

TEST_F(UniverseStepsTest, EpochProfileIsFixedInTurnOrRandom) {
    universe.Universe_Profile = 51;
    EXPECT_EQ(ChooseEpochProfile(universe, -1), 0);
    EXPECT_EQ(ChooseEpochProfile(universe, 0), 1);
    EXPECT_EQ(ChooseEpochProfile(universe, 49), 0);
    universe.Universe_Profile = 7;
    EXPECT_EQ(ChooseEpochProfile(universe, 3), 7);
    universe.Universe_Profile = 50;
    PrescribeRandoms({32767});
    EXPECT_EQ(ChooseEpochProfile(universe, 3), 49);
}

// --- Composite members ---

TEST_F(UniverseStepsTest, MembersArePickedInProportionToTheirLevels) {
    CompGalaxies[2].CompGal_Count = 2;
    CompGalaxies[2].CompGal_Type = {3, 7};
    CompGalaxies[2].Run_CumLevels = {1, 4};
    PrescribeRandoms({8191, 8192});  // 0.99 and 1.0 of the four levels
    EXPECT_EQ(PickCompositeMember(52), 3);
    EXPECT_EQ(PickCompositeMember(52), 7);
    EXPECT_EQ(PickCompositeMember(12), 12);
}

TEST_F(UniverseStepsTest, EveryPickIsAGalaxyType) {
    EXPECT_EQ(PickCompositeMember(50), 0);  // no members
    CompGalaxies[1].CompGal_Count = 2;
    CompGalaxies[1].CompGal_Type = {5, 6};  // neither has levels
    EXPECT_EQ(PickCompositeMember(51), 0);
    CompGalaxies[3].CompGal_Count = 1;
    CompGalaxies[3].CompGal_Type = {77};
    CompGalaxies[3].Run_CumLevels = {2};
    EXPECT_EQ(PickCompositeMember(53), 0);
    EXPECT_EQ(PickCompositeMember(66), 0);
    EXPECT_EQ(PickCompositeMember(-1), 0);
}

// --- Blend and new-star rate along the tour ---

class TransitionTest : public UniverseStepsTest {
protected:
    void SetUp() override {
        UniverseStepsTest::SetUp();
        universe.DX_BlendUniTravel = 35;
        universe.Universe_NewFreq = 3500;
        universe.Universe_GPCtrl = 2;
        UniGalaxies[4].Galaxy_DX_Blend = 75;
        UniGalaxies[4].Galaxy_NewFreq = 500;
        UniGalaxies[9].Galaxy_DX_Blend = 95;
        UniGalaxies[9].Galaxy_NewFreq = 1500;
    }
    struct Result {
        std::int16_t rate;
        float level;
        float mix;
    };
    Result At(std::int16_t g, std::int16_t step, float t, bool active = true, std::int16_t show = kShowUniverse) {
        const TourFrame tour{g, 0, step, t, active, show};
        const TransitionBlend blend = GetTransitionBlend(StoredRunContext(universe), types, tour);
        return {blend.newRate, blend.level, blend.mix};
    }
    std::vector<std::int16_t> types{4, 9};
};

TEST_F(TransitionTest, LeavingAGalaxyEasesFromItsValuesToTravel) {
    const Result start = At(1, 1, 0.0f);
    EXPECT_EQ(start.mix, 1.0f);
    EXPECT_EQ(start.level, 75.0f);
    EXPECT_EQ(start.rate, 500);
    const Result middle = At(1, 1, 0.5f);
    EXPECT_NEAR(middle.level, 55.0f, 1e-4);
    EXPECT_EQ(middle.rate, 2000);
    const Result end = At(1, 1, 1.0f);
    EXPECT_EQ(end.level, 35.0f);
    EXPECT_EQ(end.rate, 3500);
}

TEST_F(TransitionTest, ArrivingEasesToTheGalaxyAndHoldsIt) {
    EXPECT_EQ(At(1, 2, 0.5f).level, 35.0f);  // still an approach point
    EXPECT_EQ(At(1, 3, 0.0f).level, 35.0f);
    EXPECT_EQ(At(1, 3, 1.0f).level, 95.0f);
    EXPECT_EQ(At(1, 3, 1.0f).rate, 1500);
    EXPECT_EQ(At(1, 4, 0.3f).level, 95.0f);
    EXPECT_EQ(At(1, 4, 0.3f, false).level, 35.0f);  // the closing leg travels
}

TEST_F(TransitionTest, ASingleGalaxyTypeShowsItsOwnValues) {
    const Result r = At(0, 32000, 0.0f, true, kShowGalaxyType);
    EXPECT_EQ(r.level, 75.0f);
    EXPECT_EQ(r.rate, 500);
}

// --- Gravity ---

TEST_F(UniverseStepsTest, GalaxiesPullSequentiallyAsOneOverDistance) {
    universe.Universe_GravForce = 2.0f;
    universe.Universe_GravFrame = 1;
    GalaxyTable g;
    g.Allocate(2);
    g.GalX = {0.0f, 4.0f};
    std::int16_t counter = 0;
    ApplyGalaxyGravity(universe, g, counter);
    // Galaxy 0 is pulled by 2 / 16 x 4 and moves; galaxy 1 by its new place.
    EXPECT_FLOAT_EQ(g.GalVX[0], 0.5f);
    EXPECT_FLOAT_EQ(g.GalX[0], 0.5f);
    EXPECT_NEAR(g.GalVX[1], -2.0 / 3.5, 1e-6);
    EXPECT_NEAR(g.GalX[1], 4.0 - 2.0 / 3.5, 1e-6);
}

TEST_F(UniverseStepsTest, GalaxiesCoastBetweenPulls) {
    universe.Universe_GravForce = 1.0f;
    universe.Universe_GravFrame = 5;
    GalaxyTable g;
    g.Allocate(2);
    g.GalX = {0.0f, 10.0f};
    g.GalVX = {1.0f, 0.0f};
    std::int16_t counter = 0;
    for (int frame = 0; frame < 4; ++frame) ApplyGalaxyGravity(universe, g, counter);
    EXPECT_EQ(g.GalVX[0], 1.0f);
    EXPECT_EQ(g.GalX[0], 4.0f);
    EXPECT_EQ(g.GalX[1], 10.0f);
    ApplyGalaxyGravity(universe, g, counter);
    EXPECT_EQ(counter, 0);
    EXPECT_FLOAT_EQ(g.GalVX[0], 1.0f + 1.0f / 6.0f);
}

// --- Rebirth ---

class SpawnTest : public UniverseStepsTest {
protected:
    void SetUp() override {
        UniverseStepsTest::SetUp();
        UseWorkImage(64, 48);
        galaxies.Allocate(1);
        galaxies.GalType[0] = kType;
        stars.Allocate(1);
        paths.Allocate(1);
        UniGalaxy& t = UniGalaxies[kType];
        t.Run_LevelCos[0] = 1;
        t.Galaxy_PulsarCycles = 3;
        t.Galaxy_PulsarFrames = 10;
        t.Galaxy_NovaFrames = 12;
        t.Run_NovaExtK = 0.5f;
        t.Galaxy_NewFrames = 6;
        t.Run_NewExtK = 0.25f;
        t.Run_NewColorRamp[6] = 0x123456;
    }
    // The star is born at the galaxy's core, 20 in front of the camera.
    void Spawn() { SpawnStar(StoredRun(), stars, 0, galaxies, paths, 0, 0, 20, 0, kShowUniverse); }
    static constexpr std::int16_t kType = 3;
    GalaxyTable galaxies;
    StarTable stars;
    GalaxyPathTables paths;
};

TEST_F(SpawnTest, PulsarStartsUnseen) {
    UniGalaxies[kType].Run_PulsarFreqP = 1;
    Spawn();
    EXPECT_EQ(stars.StarMember[0], kType);
    EXPECT_EQ(stars.PulsarCountdown[0], 30);
    EXPECT_EQ(stars.EventFrames[0], 10);
    EXPECT_EQ(LitPixels(), 0);
}

TEST_F(SpawnTest, NovaFlashesWhiteAtOnce) {
    UniGalaxies[kType].Run_NovaFreqP = 1;
    Spawn();
    EXPECT_EQ(stars.NovaCountdown[0], 12);
    EXPECT_EQ(stars.EventExt[0], 0.5f);
    EXPECT_EQ(PixelAt(32, 24), 0xFFFFFF);
}

TEST_F(SpawnTest, NewStarShowsItsFirstFrameInTheRampsLastColour) {
    Spawn();
    EXPECT_EQ(stars.NewCountdown[0], 6);
    EXPECT_EQ(stars.EventExt[0], 0.25f);
    EXPECT_EQ(PixelAt(32, 24), 0x123456);
}

TEST_F(SpawnTest, NewStarWithoutFramesShowsNothing) {
    UniGalaxies[kType].Galaxy_NewFrames = 0;
    Spawn();
    EXPECT_EQ(stars.NewCountdown[0], 0);
    EXPECT_EQ(LitPixels(), 0);
}

}  // namespace
}  // namespace orbweave::testing
