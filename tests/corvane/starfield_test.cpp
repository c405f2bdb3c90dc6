// The starfield plotter and the spline path it emits stars along.
#include <cmath>

#include "corvane/corvane.h"
#include "corvane/plotter_fixture.h"

namespace orbweave::corvane::testing {
namespace {

class Starfield : public PlotterTest {
protected:
    static constexpr int kStars = 8;

    CorvaneStarfieldFrame Frame() {
        CorvaneStarfieldFrame frame{};
        frame.starCount = kStars;
        frame.x = x.data();
        frame.y = y.data();
        frame.z = z.data();
        frame.vx = vx.data();
        frame.vy = vy.data();
        frame.vz = vz.data();
        frame.colour = colour.data();
        frame.hue = hue.data();
        frame.splineX = pathX.data();
        frame.splineY = pathY.data();
        frame.splineZ = pathZ.data();
        frame.splinePointCount = 4;
        frame.splineSegments = 2;
        frame.splineBiasExp = 2;
        frame.emitSpeed = 0.01f;
        return frame;
    }

    void SetUp() override {
        PlotterTest::SetUp();
        SetGlobalStarfield(0, kSize / 2, kSize / 2, 0, kSize, kSize, 0, kSize, colours.data(), pixels.data());
    }

    std::vector<float> x = std::vector<float>(kStars, 0), y = x, z = std::vector<float>(kStars, 1), vx = x, vy = x,
                       vz = x;
    std::vector<uint32_t> colour = std::vector<uint32_t>(kStars, 0);
    std::vector<int16_t> hue = std::vector<int16_t>(kStars, 0);
    // A closed square path of four points, repeated three more for the spline.
    std::vector<float> pathX = {-0.5f, 0.5f, 0.5f, -0.5f, -0.5f, 0.5f, 0.5f};
    std::vector<float> pathY = {-0.5f, -0.5f, 0.5f, 0.5f, -0.5f, -0.5f, 0.5f};
    std::vector<float> pathZ = std::vector<float>(7, 2.0f);
};

// One star at the centre of the view, kept and not moving.
class HaloStar : public Starfield {
protected:
    void Draw(float depth) {
        SetGlobalStarfield(100, kSize / 2, kSize / 2, 0, kSize, kSize, 0, kSize, colours.data(), pixels.data());
        CorvaneStarfieldFrame frame = Frame();
        frame.starCount = 1;
        frame.keepProbability = 1.0f;
        z[0] = depth;
        hue[0] = 5;
        PlotCycleStarfield(frame);
    }
};

TEST_F(HaloStar, GrowsFromOnePixelToSeventeenInFourRings) {
    struct Case {
        float depth;
        int pixels;
        int x;
        int y;
        uint32_t ring;  // the probed pixel's colour is Hue + ring * HaloHueStep
    };
    for (const Case& c : {Case{0.95f, 1, 32, 32, 0}, Case{0.5f, 9, 33, 32, 0}, Case{0.5f, 9, 32, 30, 1},
                          Case{0.1f, 17, 36, 32, 2}, Case{0.1f, 17, 30, 34, 3}}) {
        pixels.assign(pixels.size(), 0);
        Draw(c.depth);
        EXPECT_EQ(LitPixels(), c.pixels) << c.depth;
        EXPECT_EQ(Pixel(c.x, c.y), kColourBase + 5 + 100 * c.ring) << c.depth;
    }
}

TEST_F(Starfield, KeepProbabilityOneNeverRecreatesAStar) {
    CorvaneStarfieldFrame frame = Frame();
    frame.keepProbability = 1.0f;
    frame.cameraSpeedZ = 0.001f;
    vx.assign(kStars, 0.01f);
    float expectedX = 0;
    float expectedZ = 1;
    for (int i = 0; i < 100; ++i) {
        PlotCycleStarfield(frame);
        expectedX = static_cast<float>(expectedX + double{0.01f});
        expectedZ = static_cast<float>(expectedZ + (0.0 - double{0.001f}));
    }
    EXPECT_EQ(x, std::vector<float>(kStars, expectedX));
    EXPECT_EQ(z, std::vector<float>(kStars, expectedZ));
}

TEST_F(Starfield, ScatteredStarsDrawOnFromTheGenerator) {
    CorvaneStarfieldFrame frame = Frame();
    frame.starCount = 1;
    frame.spread = 0.5f;
    frame.hueSpread = 100;
    frame.hueOffset = 40;
    PlotCycleStarfield(frame);
    // Keep and spline probability 0: re-created from the next three values.
    const auto rand = RandValues(kRandomTableSize, 3);
    EXPECT_EQ(x[0], static_cast<float>((rand[0] - 16384) * (0.5 / 32768)));
    EXPECT_EQ(y[0], static_cast<float>((rand[1] - 16384) * (0.5 / 32768)));
    EXPECT_EQ(z[0], 1.0f);
    const double expectedHue = (rand[2] / 32768.0 - 0.5) * 100 + 40 + 360;
    EXPECT_EQ(colour[0], kColourBase + static_cast<int>(expectedHue) % 360);
}

TEST_F(Starfield, NegativeHuesWrapIntoTheCircle) {
    CorvaneStarfieldFrame frame = Frame();
    frame.hueSpread = 100;
    frame.hueOffset = -500;  // every hue lands in -190..-91
    PlotCycleStarfield(frame);
    for (uint32_t c : colour) {
        EXPECT_GE(c, kColourBase + 170);
        EXPECT_LE(c, kColourBase + 270);
    }
}

TEST_F(Starfield, PhasesOutsideThePathWrapRoundIt) {
    CorvaneStarfieldFrame frame = Frame();
    frame.splineProbability = 1.0f;
    frame.splinePhase = 1.5f;
    PlotCycleStarfield(frame);
    const std::vector<float> inRange[] = {x, y, z};
    for (float phase : {-10.5f, 13.5f}) {
        SetUp();
        frame.splinePhase = phase;
        PlotCycleStarfield(frame);
        const std::vector<float> wrapped[] = {x, y, z};
        for (int axis = 0; axis < 3; ++axis) {
            for (int k = 0; k < kStars; ++k) {
                EXPECT_NEAR(wrapped[axis][k], inRange[axis][k], 1e-5) << phase;
            }
        }
    }
}

TEST_F(Starfield, APathWithoutPointsOrSegmentsEmitsNothing) {
    for (auto [points, segments] : {std::pair{0, 2}, std::pair{-4, 2}, std::pair{4, 0}}) {
        CorvaneStarfieldFrame frame = Frame();
        frame.splineProbability = 1.0f;
        frame.splinePointCount = points;
        frame.splineSegments = segments;
        x.assign(kStars, 7.0f);
        PlotCycleStarfield(frame);
        EXPECT_EQ(x, std::vector<float>(kStars, 7.0f));
        EXPECT_EQ(LitPixels(), 0);
    }
}

TEST_F(Starfield, StarsOutsideTheNumberRangeAreNotDrawn) {
    CorvaneStarfieldFrame frame = Frame();
    frame.keepProbability = 1.0f;
    x = {NAN, INFINITY, 1e30f, -1e30f, 0, 0, 0, 0};
    y = {0, 0, 0, 0, NAN, INFINITY, 1e30f, 0};
    z[7] = 0;
    PlotCycleStarfield(frame);
    EXPECT_EQ(LitPixels(), 0);
}

TEST(SplinePosition, WrapsWithAFloorModulo) {
    const auto at = [](double position) { return *WrapSplinePosition(position, 4); };
    EXPECT_EQ(at(2.25).first, 2);
    EXPECT_EQ(at(5.25).first, 1);
    EXPECT_DOUBLE_EQ(at(5.25).t, 0.25);
    EXPECT_EQ(at(-0.75).first, 3);
    EXPECT_DOUBLE_EQ(at(-0.75).t, 0.25);
    EXPECT_EQ(at(-1e-20).first, 0);  // rounds up to the end, which is the start
    EXPECT_FALSE(WrapSplinePosition(1.0, 0));
    EXPECT_FALSE(WrapSplinePosition(NAN, 4));
}

}  // namespace
}  // namespace orbweave::corvane::testing
