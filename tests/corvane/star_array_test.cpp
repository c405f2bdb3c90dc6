// The star-array engine: lifetimes, emission shapes and drawing.
#include <cmath>

#include "corvane/corvane.h"
#include "corvane/plotter_fixture.h"

namespace orbweave::corvane::testing {
namespace {

class StarArray : public PlotterTest {
protected:
    static constexpr int kStars = 16;

    void SetUp() override {
        PlotterTest::SetUp();
        InitRandomArray();
    }

    CorvaneStarArrayFrame Frame() {
        CorvaneStarArrayFrame frame{};
        frame.centreX = kSize / 2;
        frame.centreY = kSize / 2;
        frame.xLimit = kSize;
        frame.pitch = kSize;
        frame.minY = 0;
        frame.maxY = kSize;
        frame.colourTable = colours.data();
        frame.pixelBuffer = pixels.data();
        frame.starCount = kStars;
        frame.stars = stars.data();
        frame.framesLeft = framesLeft.data();
        frame.colour = starColours.data();
        frame.splineX = path.data();
        frame.splineY = path.data();
        frame.splineZ = path.data();
        frame.splineProbability = 1.0f;
        frame.splinePointCount = 4;
        frame.splineSegments = 4;
        frame.splineBiasExp = 1;
        frame.emitSpeed = 1;
        return frame;
    }

    // Re-creates every star with the frame's settings.
    void Rebirth(const CorvaneStarArrayFrame& frame) {
        framesLeft.assign(kStars, 0);
        SetPlotCycleStarArray(frame);
    }

    std::vector<CorvaneStar> stars = std::vector<CorvaneStar>(kStars);
    std::vector<int32_t> framesLeft = std::vector<int32_t>(kStars, 0);
    std::vector<uint32_t> starColours = std::vector<uint32_t>(kStars, 0);
    std::vector<float> path = {0, 1, 2, 3, 0, 1, 2};
};

TEST_F(StarArray, LifetimeTableFollowsTheKeepProbability) {
    CorvaneStarArrayFrame frame = Frame();
    frame.keepProbability = 1.0f;
    Rebirth(frame);
    EXPECT_EQ(framesLeft, std::vector<int32_t>(kStars, 1000000));
    // Within 32 / 32768 of the probability the table was built for: kept.
    frame.keepProbability = (32768.0f - 31) / 32768;
    Rebirth(frame);
    EXPECT_EQ(framesLeft, std::vector<int32_t>(kStars, 1000000));
    frame.keepProbability = 0.5f;
    Rebirth(frame);
    for (int32_t lifetime : framesLeft) {
        EXPECT_GE(lifetime, 1);
        EXPECT_LE(lifetime, 4096);
    }
    frame.keepProbability = 0;
    Rebirth(frame);
    EXPECT_EQ(framesLeft, std::vector<int32_t>(kStars, 1));
}

TEST_F(StarArray, LivingStarsCountDownAndAreDrawn) {
    CorvaneStarArrayFrame frame = Frame();
    stars[0] = CorvaneStar{0, 0, 2, 0, 0, 0, {0, 0}};
    framesLeft.assign(kStars, 3);
    starColours[0] = 77;
    frame.starCount = 1;
    SetPlotCycleStarArray(frame);
    EXPECT_EQ(framesLeft[0], 2);
    EXPECT_EQ(Pixel(32, 32), 77u);
}

TEST_F(StarArray, ShapeSixSplitsVelocitiesBetweenRingsAndMeridians) {
    CorvaneStarArrayFrame frame = Frame();
    frame.shapeType = 6;
    int onRings = 0;
    int total = 0;
    for (int i = 0; i < 100; ++i) {
        Rebirth(frame);
        for (const CorvaneStar& star : stars) {
            const double height = std::fabs(star.vy);
            const bool ring = height < 1e-6 || std::fabs(height - 1) < 1e-6;
            const bool meridian = std::fabs(star.vx) < 1e-6 || std::fabs(star.vz) < 1e-6;
            EXPECT_TRUE(ring || meridian);
            onRings += ring ? 1 : 0;
            ++total;
        }
    }
    EXPECT_NEAR(onRings, total / 2, total / 10);
}

TEST_F(StarArray, ShapesOutsideTheTableLeaveTheVelocityAlone) {
    for (int shape : {14, 99, -1}) {
        CorvaneStarArrayFrame frame = Frame();
        frame.shapeType = shape;
        for (CorvaneStar& star : stars) {
            star.vx = 7;
            star.vy = 8;
            star.vz = 9;
        }
        Rebirth(frame);
        for (const CorvaneStar& star : stars) {
            EXPECT_EQ(star.vx, 7.0f) << shape;
            EXPECT_EQ(star.vy, 8.0f) << shape;
            EXPECT_EQ(star.vz, 9.0f) << shape;
        }
    }
}

TEST_F(StarArray, APathWithoutPointsEmitsNothing) {
    CorvaneStarArrayFrame frame = Frame();
    frame.splinePointCount = 0;
    for (CorvaneStar& star : stars) {
        star.x = 5;
    }
    Rebirth(frame);
    for (const CorvaneStar& star : stars) {
        EXPECT_EQ(star.x, 5.0f);
    }
    EXPECT_EQ(LitPixels(), 0);
}

}  // namespace
}  // namespace orbweave::corvane::testing
