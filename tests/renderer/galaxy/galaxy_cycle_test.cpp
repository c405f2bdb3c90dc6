// One frame of the galaxy stars: events, rebirth, placement on screen, and
// the comets and comet hues that run with it.
#include <algorithm>
#include <cmath>

#include "renderer/display/display.h"
#include "renderer/galaxy/comets.h"
#include "renderer/galaxy/galaxy_cycle.h"
#include "renderer/galaxy/star_tables.h"
#include "renderer/star_test_support.h"

namespace orbweave::testing {
namespace {

constexpr std::int16_t kType = 2;

class GalaxyCycleTest : public StarTest {
protected:
    void SetUp() override {
        StarTest::SetUp();
        UseWorkImage(64, 48);
        universe.Universe_GPCtrl = 2;
        colourTables.TypeHueRamps = {};
        UniGalaxy& t = UniGalaxies[kType];
        t.Run_PlotMode = 1;  // straight: a star at rest stays where it is
        t.Run_LevelCos[0] = 1;
        t.Galaxy_PulsarFrames = 1;
        comets.AllocateParticles();
        comets.AllocateHeads();
        Make(1, 1);
    }
    void Make(std::int32_t starCount, std::int32_t galaxyCount) {
        stars.Allocate(starCount);
        std::fill(stars.StarMember.begin(), stars.StarMember.end(), kType);
        stars.StarColor.assign(stars.StarColor.size(), 0x0000FF);
        galaxies.Allocate(galaxyCount);
        std::fill(galaxies.GalType.begin(), galaxies.GalType.end(), kType);
        std::fill(galaxies.GalRelZ.begin(), galaxies.GalRelZ.end(), 20.0f);
        paths.Allocate(galaxyCount);
    }
    // One comet of `particles` particles that launches on the first chance
    // and, with both persistences 1, emits and moves for ever.
    void UseOneComet(std::int16_t particles) {
        UniGalaxy& t = UniGalaxies[kType];
        t.Galaxy_CometStars = particles;
        t.Run_CometFreqP = 1;
        t.Galaxy_CometCPersist = 1;
        t.Galaxy_CometSPersist = 1;
        comets.CometCount = 1;
    }
    // One frame into a cleared work image.
    void Frame(const TourFrame& tour = {0, kType, 32000, 0.0f, true, kShowGalaxyType}) {
        displayState.PixelBuffer.assign(displayState.PixelBuffer.size(), 0);
        CycleGalaxyStars(StoredRunContext(universe), galaxies, stars, comets, paths, tour, 0);
    }
    UniverseSettings universe;
    GalaxyTable galaxies;
    StarTable stars;
    CometTable comets;
    GalaxyPathTables paths;
};

TEST_F(GalaxyCycleTest, NewStarOfNFramesIsDrawnHereOnNMinus1Frames) {
    UniGalaxies[kType].Run_NewColorRamp = {0, 0x111111, 0x222222};
    stars.NewCountdown[0] = 3;
    stars.EventFrames[0] = 3;
    stars.StarVX[0] = 1;
    Frame();
    EXPECT_EQ(PixelAt(33, 24), 0x222222);
    Frame();
    EXPECT_EQ(PixelAt(35, 24), 0x111111);
    Frame();  // the countdown ends: the star neither moves nor shows
    EXPECT_EQ(stars.StarX[0], 2.0f);
    EXPECT_EQ(LitPixels(), 0);
    Frame();  // from now on a plain star
    EXPECT_EQ(PixelAt(36, 24), 0x0000FF);
}

TEST_F(GalaxyCycleTest, NovaIsRebornWhenItsCountdownEnds) {
    UniGalaxies[kType].Galaxy_NewFrames = 7;
    colourTables.TypeHueRamps[kType][40] = 0x654321;
    stars.NovaCountdown[0] = 2;
    stars.EventFrames[0] = 2;
    Frame();
    EXPECT_EQ(stars.NovaCountdown[0], 1);
    EXPECT_EQ(PixelAt(32, 24), 0x654321);  // halfway through the type's ramp
    Frame();
    EXPECT_EQ(stars.NovaCountdown[0], 0);
    EXPECT_EQ(stars.NewCountdown[0], 7);  // reborn as a new star
    EXPECT_EQ(stars.EventFrames[0], 7);
}

TEST_F(GalaxyCycleTest, LongNovaKeepsItsColours) {
    colourTables.TypeHueRamps[kType][72] = 0x0A0B0C;
    stars.NovaCountdown[0] = 51;
    stars.EventFrames[0] = 500;  // 450 x 80 does not fit in 16 bits
    Frame();
    EXPECT_EQ(PixelAt(32, 24), 0x0A0B0C);
}

TEST_F(GalaxyCycleTest, HundredthsOfAStarAreRebornEachFrame) {
    Make(50000, 1);
    UniGalaxies[kType].Galaxy_NewFrames = 1;  // each birth lasts one frame
    UniGalaxies[kType].Galaxy_NewFreq = 3500;
    SeedRandomTable(5);
    auto born = [&] { return std::count(stars.NewCountdown.begin(), stars.NewCountdown.end(), std::int16_t{1}); };
    Frame();
    EXPECT_EQ(born(), 35);

    UniGalaxies[kType].Galaxy_NewFreq = 3520;
    int frames36 = 0;
    for (int frame = 0; frame < 200; ++frame) {
        Frame();
        // A pick that lands on a star born this frame is lost.
        const auto n = born();
        EXPECT_TRUE(n >= 33 && n <= 36) << n;
        frames36 += n == 36 ? 1 : 0;
    }
    EXPECT_GT(frames36, 20);  // about one frame in five
    EXPECT_LT(frames36, 60);
}

TEST_F(GalaxyCycleTest, AxisPlaneTurnsTheGalaxyAQuarter) {
    stars.StarX[0] = 5;
    Frame();
    EXPECT_EQ(PixelAt(39, 24), 0x0000FF);
    UniGalaxies[kType].Galaxy_AxisPlane = 1;
    Frame();
    EXPECT_EQ(PixelAt(32, 31), 0x0000FF);
}

TEST_F(GalaxyCycleTest, StarExactlyAtDepthZeroIsNotDrawn) {
    galaxies.GalRelZ[0] = 0;
    Frame();
    EXPECT_EQ(LitPixels(), 0);
}

TEST_F(GalaxyCycleTest, NoCometFliesWhileGravityPulls) {
    UseOneComet(10);
    universe.Universe_GravForce = 0.0001f;
    Frame();
    EXPECT_EQ(comets.CometLive[0], 0);
    universe.Universe_GravForce = 0;
    Frame();
    EXPECT_EQ(comets.CometLive[0], 10);
}

TEST_F(GalaxyCycleTest, CometHuesSlideAndFallBackTogether) {
    UniGalaxy& t = UniGalaxies[kType];
    t.Galaxy_HWC_Inc = 0.6f;
    t.Run_CometHueStart = 1080;
    t.Run_CometHueEnd = 1200;
    Frame();
    EXPECT_EQ(t.Run_CometHueStart, 1080);
    Frame();  // the phase passes 1: both move on and both exceed 1080
    EXPECT_EQ(t.Run_CometHuePhase, 0.0f);
    EXPECT_EQ(t.Run_CometHueStart, 1);
    EXPECT_EQ(t.Run_CometHueEnd, 121);
    EXPECT_EQ(colourTables.TypeHueRamps[kType][0], 0xFFFFFF);  // the ramp was rebuilt
}

// --- Comets ---

class CometTest : public GalaxyCycleTest {
protected:
    void SetUp() override {
        GalaxyCycleTest::SetUp();
        UseOneComet(4);
        SeedRandomTable(3);
    }
    void Cycle(std::int16_t step = 3) { CycleComets(StoredRun(), comets, paths, 0, 0, 20, 0, kType, step); }
};

TEST_F(CometTest, CometCountSharesFiveThousandParticles) {
    UniGalaxies[kType].Galaxy_CometStars = 0;
    EXPECT_EQ(CometCountFor(StoredRun(), kType), 200);
    UniGalaxies[kType].Galaxy_CometStars = 30;
    EXPECT_EQ(CometCountFor(StoredRun(), kType), 166);
    comets.CometActive[7] = 1;
    InitComets(StoredRun(), comets, 0, kType);
    EXPECT_EQ(comets.CometActive[7], 1);
    InitComets(StoredRun(), comets, 1, kType);
    EXPECT_EQ(comets.CometActive[7], 0);
    EXPECT_EQ(comets.CometCount, 166);
}

TEST_F(CometTest, NoLaunchBeforeTheThirdStepAndEmittingStops) {
    Cycle(2);
    EXPECT_EQ(comets.CometLive[0], 0);
    Cycle(3);
    EXPECT_EQ(comets.CometLive[0], 4);
    EXPECT_EQ(comets.CometEmitting[0], 1);  // a persistence of 1 emits for ever
    Cycle(1);
    EXPECT_EQ(comets.CometEmitting[0], 0);
}

TEST_F(CometTest, ParticlesWithoutPersistenceNeverMove) {
    UniGalaxies[kType].Galaxy_CometSPersist = 0;
    UniGalaxies[kType].Run_CometSpeedK = 1;
    Cycle();
    for (int j = 0; j < 4; ++j) EXPECT_EQ(comets.ParticleAge[j], 0);  // re-emitted at the head
    Cycle(1);                                                         // stops emitting at the end of this frame
    EXPECT_EQ(comets.CometLive[0], 4);
    Cycle(1);
    EXPECT_EQ(comets.CometLive[0], 0);  // every particle died at once
}

TEST_F(CometTest, EscapingHeadAtTheCentreStaysPut) {
    UniGalaxy& t = UniGalaxies[kType];
    t.Galaxy_GalStyle = 9;  // a molecule without atoms: the head at the very centre
    t.Galaxy_CometVector = 1;
    t.Run_CometSWindK = 2;
    Cycle();
    ASSERT_EQ(comets.CometLive[0], 4);
    EXPECT_EQ(comets.CometHeadVX[0], 0.0f);
    EXPECT_EQ(comets.CometHeadVY[0], 0.0f);
    EXPECT_EQ(comets.CometHeadVZ[0], 0.0f);
    EXPECT_TRUE(std::isfinite(comets.CometHeadX[0]));
}

TEST_F(CometTest, ParticleAgeStopsAtEighty) {
    for (int frame = 0; frame < 100; ++frame) Cycle();
    EXPECT_EQ(comets.ParticleAge[0], 80);
    displayState.PixelBuffer.assign(displayState.PixelBuffer.size(), 0);
    Cycle();
    EXPECT_EQ(LitPixels(), 0);  // alive, moving, no longer drawn
    EXPECT_EQ(comets.CometActive[0], 1);
}

}  // namespace
}  // namespace orbweave::testing
