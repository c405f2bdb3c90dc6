#include "core/colour.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <limits>

#include "core/colour_tables.h"
#include "core/random.h"

namespace orbweave {
namespace {

constexpr std::int32_t Rgb(int r, int g, int b) { return r + 256 * g + 65536 * b; }

// Puts the process-wide wheel back to its defaults for every test.
class HueWheelTest : public ::testing::Test {
protected:
    void SetUp() override { SetStops(kDefaultHueStops, 16); }
    void TearDown() override { SetStops(kDefaultHueStops, 0); }
    static void SetStops(const HueStops& stops, std::int16_t bpp) {
        colourTables.HueWheel = stops;
        colourTables.HueSpan = HueSpansOf(stops);
        colourTables.DisplayBpp = bpp;
    }
};

TEST(HueToRGB, FollowsTheSixSectors) {
    EXPECT_EQ(HueToRGB(0), Rgb(255, 55, 55));
    EXPECT_EQ(HueToRGB(60), Rgb(255, 255, 55));
    EXPECT_EQ(HueToRGB(120), Rgb(55, 255, 55));
    EXPECT_EQ(HueToRGB(180), Rgb(55, 255, 255));
    EXPECT_EQ(HueToRGB(240), Rgb(55, 55, 255));
    EXPECT_EQ(HueToRGB(300), Rgb(255, 55, 255));
}

TEST(HueToRGB, UsesTheSinglePrecisionSixtieth) {
    EXPECT_EQ(HueToRGB(30), Rgb(255, 154, 55));
    EXPECT_EQ(HueToRGB(59), Rgb(255, 251, 55));
}

TEST(HueToRGB, NormalisesAnyHue) {
    EXPECT_EQ(HueToRGB(-1), HueToRGB(359));
    EXPECT_EQ(HueToRGB(360), HueToRGB(0));
    EXPECT_EQ(HueToRGB(-32768), HueToRGB(-32768 % 360 + 360));
    EXPECT_EQ(HueToRGB(std::numeric_limits<int>::min()), HueToRGB(NormaliseHue(std::numeric_limits<int>::min())));
}

TEST_F(HueWheelTest, DefaultStopsGiveTheSameColourInEitherPixelOrder) {
    EXPECT_EQ(HueToPixelColor(0), Rgb(255, 55, 55));
    // 170 lies two thirds into the short span 150..180: a teal green, which
    // a wheel mirrored about 120 degrees would turn azure on deep displays.
    EXPECT_EQ(HueToPixelColor(170), Rgb(55, 255, 188));
    colourTables.DisplayBpp = 24;
    EXPECT_EQ(HueToPixelColor(0), Rgb(55, 55, 255));
    EXPECT_EQ(HueToPixelColor(170), Rgb(188, 255, 55));
    EXPECT_EQ(HueToWheelRGB(170), Rgb(55, 255, 188));
    EXPECT_EQ(ToDisplayOrder(ToDisplayOrder(Rgb(1, 2, 3))), Rgb(1, 2, 3));
}

TEST_F(HueWheelTest, ComputesEachSectorFromItsSpan) {
    // 125 lies half-way through the span 100..150 of sector 1 (falling red).
    EXPECT_EQ(HueToPixelColor(125), Rgb(155, 255, 55));
    EXPECT_EQ(HueToPixelColor(50), Rgb(255, 155, 55));
    EXPECT_EQ(HueToPixelColor(330), Rgb(255, 55, 155));
}

TEST_F(HueWheelTest, AStopAtZeroSendsHueZeroToSectorOne) {
    SetStops({0, 150, 180, 240, 300}, 16);
    EXPECT_EQ(HueToPixelColor(0), Rgb(255, 255, 55));
}

TEST_F(HueWheelTest, EqualStopsNeverDivideByZero) {
    SetStops({360, 360, 360, 360, 360}, 16);
    EXPECT_EQ(HueToPixelColor(180), Rgb(255, 155, 55));
    SetStops({0, 0, 0, 0, 0}, 16);
    EXPECT_EQ(HueToPixelColor(0), Rgb(255, 55, 255));
}

TEST(HueWheelDefaults, StartWithTheDefaultStopsBeforeAnySettingsLoad) {
    EXPECT_EQ(colourTables.HueWheel, (HueStops{100, 150, 180, 240, 300}));
    EXPECT_EQ(colourTables.HueSpan, (HueStops{50, 30, 60, 60, 60}));
}

TEST_F(HueWheelTest, BuildHueTableFillsEveryDegree) {
    BuildHueTable();
    for (int hue = 0; hue < kHueCount; ++hue) ASSERT_EQ(colourTables.HueTable[hue], HueToPixelColor(hue)) << hue;
}

TEST(HueStopsToRGB, IgnoresTheDisplayAndTheProcessStops) {
    const HueStops stops{0, 150, 180, 240, 300};
    EXPECT_EQ(HueStopsToRGB(0, stops), Rgb(255, 255, 55));
    EXPECT_EQ(HueStopsToRGB(-360, stops), Rgb(255, 255, 55));
    // Descending stops still only divide by a positive span.
    EXPECT_EQ(HueStopsToRGB(250, {200, 100, 400, 300, 50}), Rgb(55, 255, 155));
}

TEST(ScaleRGB, WithFactorOneOrZero) {
    EXPECT_EQ(ScaleRGB(Rgb(12, 34, 56), 1.0f), Rgb(12, 34, 56));
    EXPECT_EQ(ScaleRGB(Rgb(12, 34, 56), 0.0f), 0.0);
}

TEST(ScaleRGB, LeavesRedUnroundedAndDropsGreenAndBlueOverflow) {
    EXPECT_DOUBLE_EQ(ScaleRGB(Rgb(3, 0, 0), 0.5f), 1.5);
    // Red 200 doubled carries into green; green 128 doubled overflows its field.
    EXPECT_DOUBLE_EQ(ScaleRGB(Rgb(200, 128, 0), 2.0f), 400.0);
}

TEST(ScaleRGB, SurvivesAFactorThatIsNotFinite) {
    EXPECT_TRUE(std::isnan(ScaleRGB(Rgb(1, 1, 1), std::numeric_limits<float>::quiet_NaN())));
}

TEST(BuildHueRamp, RunsFromWhiteToTheStartColour) {
    std::array<std::int32_t, 81> ramp{};
    BuildHueRamp(ramp, 0, 120, false);
    EXPECT_EQ(ramp[0], Rgb(255, 255, 255));
    EXPECT_EQ(ramp[7], HueToRGB(0));
    EXPECT_EQ(ramp[1], Rgb(255, 226, 226));
    EXPECT_EQ(ramp[8], HueToRGB(0));
    EXPECT_EQ(ramp[80], 0);  // left for the caller
}

TEST(BuildHueRamp, SweepsTowardsButNotToTheEndHue) {
    std::array<std::int32_t, 80> ramp{};
    BuildHueRamp(ramp, 0, 72, false);
    // Entry 79 shows hue 71, dimmed by 0.8225.
    EXPECT_EQ(ramp[79], static_cast<std::int32_t>(std::nearbyint(ScaleRGB(HueToRGB(71), 0.8225f))));
    EXPECT_EQ(ramp[44], static_cast<std::int32_t>(std::nearbyint(ScaleRGB(HueToRGB(36), 364.0f / 400.0f))));
}

TEST(BuildHueRamp, WithEqualHuesDimsOneColour) {
    std::array<std::int32_t, 80> ramp{};
    BuildHueRamp(ramp, 200, 200, false);
    for (int i = 8; i < kHueRampLength; ++i) {
        const float factor = static_cast<float>(408 - i) / 400.0f;
        ASSERT_EQ(ramp[i], static_cast<std::int32_t>(std::nearbyint(ScaleRGB(HueToRGB(200), factor)))) << i;
    }
}

TEST_F(HueWheelTest, BuildHueRampUsesTheDisplayWheelWhenAsked) {
    colourTables.DisplayBpp = 32;
    std::array<std::int32_t, 80> ramp{};
    BuildHueRamp(ramp, -360, -360, true);
    EXPECT_EQ(ramp[7], HueToPixelColor(0));
}

TEST(BuildHueRamp, FillsOnlyWhatAShortRampHolds) {
    std::array<std::int32_t, 10> ramp{};
    ramp.fill(-1);
    BuildHueRamp(ramp, 0, 359, false);
    EXPECT_EQ(ramp[9], static_cast<std::int32_t>(std::nearbyint(ScaleRGB(HueToRGB(5), 399.0f / 400.0f))));
}

TEST_F(HueWheelTest, WhitenHueColorMovesTheTableColourTowardsWhite) {
    BuildHueTable();
    SeedRandomTable(3);
    EXPECT_EQ(WhitenHueColor(0, 0.0f), colourTables.HueTable[0]);
    EXPECT_EQ(WhitenHueColor(-1, 1.0f), Rgb(255, 255, 255));
    EXPECT_EQ(WhitenHueColor(0, 0.5f), Rgb(255, 155, 155));
    EXPECT_EQ(RandomFractionCursor(), 3);
}

}  // namespace
}  // namespace orbweave
