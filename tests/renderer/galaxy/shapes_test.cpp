#include "renderer/galaxy/shapes.h"

#include <cmath>
#include <limits>
#include <set>

#include "core/colour.h"
#include "core/colour_tables.h"
#include "renderer/galaxy/galaxy_constants.h"
#include "renderer/galaxy/projection.h"
#include "renderer/star_test_support.h"
#include "settings/galaxy_tables.h"

namespace orbweave {
namespace {

using testing::LitPixels;
using testing::PixelAt;
using testing::StarTest;
using testing::UseWorkImage;

constexpr std::int32_t kWhite = 0xFFFFFF;

// A 200 x 200 work image: centre (100, 100), focal distance 100, focal length 1.
class ShapesTest : public StarTest {
protected:
    void SetUp() override {
        StarTest::SetUp();
        UseWorkImage(200, 200);
    }
    void UsePulsar(std::int16_t shape, std::int16_t depth = 0) {
        UniGalaxies[kType].Galaxy_PulsarShape = shape;
        UniGalaxies[kType].Galaxy_PulsarDepth = depth;
        PrecomputeGalaxyConstants(UniGalaxies);
    }
    static constexpr std::int16_t kType = 3;
};

TEST_F(ShapesTest, PixelsOnThePlotBoundsAreNeverWritten) {
    PlotPixel(0, 50, kWhite);
    PlotPixel(199, 50, kWhite);
    PlotPixel(50, 1, kWhite);
    PlotPixel(50, 198, kWhite);
    EXPECT_EQ(LitPixels(), 0);
    PlotPixel(1, 2, kWhite);
    EXPECT_EQ(PixelAt(1, 2), kWhite);
}

TEST_F(ShapesTest, PixelWithoutAWorkImageIsDropped) {
    displayState.PixelBuffer.clear();
    PlotPixel(10, 10, kWhite);
    EXPECT_TRUE(displayState.PixelBuffer.empty());
}

TEST_F(ShapesTest, NewStarAtFullSizeDrawsTwentyFivePixels) {
    PlotNewStar(100, 100, 1.0f, 30, 30, 1.0f, kWhite);
    EXPECT_EQ(LitPixels(), 25);
    EXPECT_EQ(PixelAt(132, 100), kWhite);
    EXPECT_EQ(PixelAt(108, 108), kWhite);
    EXPECT_EQ(PixelAt(101, 100), kWhite);
}

TEST_F(ShapesTest, NewStarInnerCrossRoundsHalvesToEven) {
    PlotNewStar(100, 100, 1.0f, 15, 30, 1.0f, kWhite);  // e = 0.5: 100 ± 0.5 both round to 100
    EXPECT_EQ(LitPixels(), 21);
    std::fill(displayState.PixelBuffer.begin(), displayState.PixelBuffer.end(), 0);
    PlotNewStar(101, 101, 1.0f, 15, 30, 1.0f, kWhite);  // 101 ± 0.5 round to 100 and 102
    EXPECT_EQ(LitPixels(), 25);
}

TEST_F(ShapesTest, NewStarOffTheImageDrawsNothing) {
    PlotNewStar(0, 100, 1.0f, 30, 30, 1.0f, kWhite);
    EXPECT_EQ(LitPixels(), 0);
}

TEST_F(ShapesTest, NewStarOfUnboundedScaleDrawsOnlyItsCentre) {
    PlotNewStar(100, 100, 1e-30f, 30, 30, 1.0f, kWhite);
    PlotNewStar(50, 50, 1.0f, 30, 0, 1.0f, kWhite);  // an event of no frames
    EXPECT_EQ(LitPixels(), 2);
}

TEST_F(ShapesTest, NovaAtTheSmallestScaleIsItsCentre) {
    PlotNovaStar(0, 0, 1.0f, 20, 20, 0.0078125f, kWhite);
    EXPECT_EQ(LitPixels(), 1);
}

TEST_F(ShapesTest, NovaOfUnitScaleDrawsItsFiveLayers) {
    // Far away with a long countdown: every layer at scale 1 around the centre.
    PlotNovaStar(0, 0, 100.0f, 1, 1370, 1.0f, kWhite);
    EXPECT_EQ(LitPixels(), 65);
}

TEST_F(ShapesTest, NovaAtANonFinitePlaceDrawsNothing) {
    PlotNovaStar(std::numeric_limits<float>::quiet_NaN(), 0, 1.0f, 1, 30, 1.0f, kWhite);
    PlotNovaStar(1e20f, 0, 1.0f, 1, 30, 1.0f, kWhite);
    EXPECT_EQ(LitPixels(), 0);
}

TEST_F(ShapesTest, PulsarShapesDrawTheirPatterns) {
    // Without depth all layers coincide; the pixel counts are those of the
    // union of each shape's point groups at scale 1.
    const int expected[] = {65, 17, 29, 37, 57};
    for (std::int16_t shape = 0; shape < 5; ++shape) {
        std::fill(displayState.PixelBuffer.begin(), displayState.PixelBuffer.end(), 0);
        UsePulsar(shape);
        PlotPulsarStar(testing::StoredRun(), 0, 0, 1.0f, 1.0f, kType, kWhite);
        EXPECT_EQ(LitPixels(), expected[shape]) << shape;
    }
}

TEST_F(ShapesTest, TinyPulsarsShowTheCentreOnlyForTheFlatShapes) {
    const int expected[] = {1, 1, 1, 0, 0};
    for (std::int16_t shape = 0; shape < 5; ++shape) {
        std::fill(displayState.PixelBuffer.begin(), displayState.PixelBuffer.end(), 0);
        UsePulsar(shape);
        PlotPulsarStar(testing::StoredRun(), 0, 0, 1.0f, 0.0078125f, kType, kWhite);
        EXPECT_EQ(LitPixels(), expected[shape]) << shape;
    }
    UsePulsar(5);
    PlotPulsarStar(testing::StoredRun(), 0, 0, 1.0f, 1.0f, kType, kWhite);
    EXPECT_EQ(LitPixels(), 0);
}

TEST_F(ShapesTest, PulsarSkipsLayersBehindTheCameraAndDrawsTheRest) {
    UsePulsar(1, 1000);  // layers one size unit apart per factor
    PlotPulsarStar(testing::StoredRun(), 0.5f, 0, 0.3f, 1.0f, kType, kWhite);
    EXPECT_EQ(PixelAt(138, 100), kWhite);  // the back layer at depth 1.3
    EXPECT_EQ(PixelAt(29, 100), 0);        // no mirror of the layer at depth -0.7
}

TEST_F(ShapesTest, StarGlyphGrowsAsItNears) {
    colourTables.HueWheel = kDefaultHueStops;
    colourTables.HueSpan = HueSpansOf(colourTables.HueWheel);
    BuildHueTable();
    PlotStarGlyph(colourTables, 50, 50, 1.0f, 10, 15);
    EXPECT_EQ(LitPixels(), 1);
    PlotStarGlyph(colourTables, 100, 100, 0.1f, 350, 15);
    EXPECT_EQ(LitPixels(), 18);
    std::set<std::int32_t> colours;
    for (std::int32_t c : displayState.PixelBuffer) {
        if (c != 0) colours.insert(c);
    }
    EXPECT_EQ(PixelAt(102, 102), colourTables.HueTable[35]);  // 350 + 3 x 15, taken mod 360
    EXPECT_GE(colours.size(), 4u);
}

TEST(Projection, StarPlacementFollowsTheAxisPlane) {
    const CameraPoint flat = PlaceInCamera(1, 2, 3, 1, 0, 0, 10, 20, 30);
    EXPECT_FLOAT_EQ(flat.u, 11);
    EXPECT_FLOAT_EQ(flat.v, 18);
    EXPECT_FLOAT_EQ(flat.depth, 33);
    const CameraPoint turned = PlaceInCamera(1, 2, 3, 1, 0, 1, 10, 20, 30);
    EXPECT_FLOAT_EQ(turned.u, 8);
    EXPECT_FLOAT_EQ(turned.v, 21);
}

TEST(Projection, OnlyPointsInFrontAndWithinReachAreOnScreen) {
    testing::UseWorkImage(200, 200);
    EXPECT_FALSE(ProjectToScreen({1, 1, 0}));
    EXPECT_FALSE(ProjectToScreen({1, 1, -2}));
    EXPECT_FALSE(ProjectToScreen({1e30f, 0, 1}));
    EXPECT_FALSE(ProjectToScreen({std::numeric_limits<float>::infinity(), 0, 1}));
    const auto pixel = ProjectToScreen({0.5f, -0.25f, 2});
    ASSERT_TRUE(pixel);
    EXPECT_EQ(pixel->x, 125);
    EXPECT_EQ(pixel->y, 88);  // 87.5 rounds to the even 88
}

}  // namespace
}  // namespace orbweave
