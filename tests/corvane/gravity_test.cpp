// The gravity-well plotters: parallel arrays (with module state) and star
// arrays (with every value passed in).
#include <cmath>

#include "corvane/corvane.h"
#include "corvane/plotter_fixture.h"

namespace orbweave::corvane::testing {
namespace {

// One particle and one well; the particle ends each frame at (0, 0, 10),
// which a focal length of 10 shows at the centre.
class GravityWells : public PlotterTest {
protected:
    void Configure(int mode, int dual) {
        SetGlobalGravWells(1, mode, dual, 10.0f, 4.0f, 3, kSize / 2, kSize / 2, 0, kSize, kSize, 0, kSize,
                           colours.data(), pixels.data());
    }

    void Run(int32_t colourScale, int32_t colourOffset) {
        PlotCycleGravWells(1, &x, &y, &z, &vx, &vy, &vz, &prevSpeed, &wellX, &wellY, &wellZ, &strength, colourScale,
                           colourOffset);
    }

    void Restart() {
        SetUp();
        pixels.assign(pixels.size(), 0);
        x = -3, y = -4, z = 10, vx = 3, vy = 4, vz = 0, prevSpeed = 2;
    }

    float x = -3, y = -4, z = 10, vx = 3, vy = 4, vz = 0, prevSpeed = 2;
    float wellX = 0, wellY = 0, wellZ = 1e6f, strength = 0;
};

TEST_F(GravityWells, ColoursByDistanceSpeedOrChangeOfSpeed) {
    struct Case {
        int mode;
        int32_t scale;
        uint32_t index;
    };
    // Distance 10 * 0.01, speed 5, change of speed |5 - 2| * 20.
    for (const Case& c : {Case{0, 100, 15}, Case{1, 2, 15}, Case{2, 1, 65}}) {
        Restart();
        Configure(c.mode, 0);
        Run(c.scale, 5);
        EXPECT_EQ(Pixel(32, 32), kColourBase + c.index) << c.mode;
        EXPECT_EQ(LitPixels(), 1);
    }
    EXPECT_EQ(prevSpeed, 5.0f);  // the third mode remembers the speed
}

TEST_F(GravityWells, DualPlotShiftsTheSecondCopyAndItsColour) {
    Configure(1, 1);
    Run(2, 5);
    EXPECT_EQ(Pixel(32, 32), kColourBase + 15);
    EXPECT_EQ(Pixel(28, 32), kColourBase + 18);  // x - 4 world units, hue + 3
}

TEST_F(GravityWells, AParticleOnAWellFeelsNoDirection) {
    Configure(0, 0);
    x = wellX = 1;
    y = wellY = 2;
    z = wellZ = 3;
    vx = 0.5f;
    vy = vz = 0;
    strength = 1;
    Run(1, 0);
    EXPECT_EQ(vx, 0.5f);
    EXPECT_EQ(vy, 0.0f);
    EXPECT_EQ(x, 1.5f);
}

TEST_F(GravityWells, AWellPullsWithItsStrengthOverTheSquaredDistance) {
    Configure(0, 0);
    x = y = z = 0;
    vx = vy = vz = 0;
    wellX = 2;
    wellY = wellZ = 0;
    strength = 8;
    Run(1, 0);
    EXPECT_FLOAT_EQ(vx, 4.0f);  // 2 * 8 / 4
    EXPECT_FLOAT_EQ(x, 4.0f);
}

TEST_F(GravityWells, ParticlesOutsideTheNumberRangeAreNotDrawn) {
    Configure(0, 1);
    for (float bad : {NAN, INFINITY, 1e30f}) {
        x = bad;
        vx = vy = vz = 0;
        y = 0;
        z = 10;
        Run(1, 0);
    }
    x = 0;
    y = -3e30f;
    Run(1, 0);
    EXPECT_EQ(LitPixels(), 0);
}

class StarArrayWells : public PlotterTest {
protected:
    void Run(int mode, int dual) {
        SetPlotGravWellsArray(1, mode, dual, 10.0f, 4.0f, 3, kSize / 2, kSize / 2, 0, kSize, kSize, 0, kSize,
                              colours.data(), pixels.data(), 1, &star, &well, 10, 5);
    }

    CorvaneStar star{0, 0, 9, 0, 0, 1, {0, 0}};
    CorvaneWell well{0, 0, 1e6f, 0};
};

TEST_F(StarArrayWells, ColoursByHowMuchFartherTheStarMoved) {
    Run(3, 0);  // at (0, 0, 10), one unit farther than before
    EXPECT_EQ(Pixel(32, 32), kColourBase + 15);
}

TEST_F(StarArrayWells, ColoursBySpeedLessRecession) {
    star.vx = 0;
    Run(2, 1);  // speed 1 less recession 1
    EXPECT_EQ(Pixel(32, 32), kColourBase + 5);
    EXPECT_EQ(Pixel(28, 32), kColourBase + 8);
}

TEST_F(StarArrayWells, AStarOnAWellKeepsAFiniteVelocity) {
    star = CorvaneStar{1, 2, 3, 0, 0, 0, {0, 0}};
    well = CorvaneWell{1, 2, 3, 5};
    Run(0, 0);
    EXPECT_EQ(star.vx, 0.0f);
    EXPECT_EQ(star.vz, 0.0f);
    EXPECT_EQ(star.z, 3.0f);
}

}  // namespace
}  // namespace orbweave::corvane::testing
