#include "core/random.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

namespace orbweave {
namespace {

class RandomTable : public ::testing::Test {
protected:
    void SetUp() override { SeedRandomTable(12345); }
};

TEST_F(RandomTable, FilledEntriesLieBelow32767) {
    EXPECT_TRUE(std::ranges::all_of(RandTable, [](std::int32_t v) { return v >= 0 && v <= 32766; }));
}

TEST_F(RandomTable, TheSameSeedReplaysTheSameTable) {
    const auto first = RandTable;
    const double fraction = RandomFraction();
    SeedRandomTable(12345);
    EXPECT_EQ(RandTable, first);
    EXPECT_EQ(RandomFraction(), fraction);
    EXPECT_EQ(RandomFractionCursor(), 1);
}

TEST_F(RandomTable, TheFirstFractionCombinesEntriesZeroAndOne) {
    const std::int32_t expected = RandTable[0] ^ RandTable[1];
    EXPECT_EQ(RandomFraction(), expected / 32768.0);
    EXPECT_EQ(RandTable[0], expected);
    EXPECT_EQ(RandomFractionCursor(), 1);
    EXPECT_EQ(RandomIntegerCursor(), 0);
}

TEST_F(RandomTable, TheCursorWrapsAfterAFullTurn) {
    for (int i = 0; i < kRandTableSize - 1; ++i) RandomInteger();
    EXPECT_EQ(RandomIntegerCursor(), kRandTableSize - 1);
    const std::int32_t expected = RandTable[kRandTableSize - 1] ^ RandTable[0];
    EXPECT_EQ(RandomInteger(), expected);
    EXPECT_EQ(RandomIntegerCursor(), 0);
}

TEST_F(RandomTable, CursorsAreIndependentButShareTheTable) {
    const std::int32_t first = RandTable[0] ^ RandTable[1];
    EXPECT_EQ(RandomInteger(), first);
    // The fraction cursor still stands at 0 and now sees the changed entry.
    EXPECT_EQ(RandomFraction(), (first ^ RandTable[1]) / 32768.0);
}

TEST_F(RandomTable, DrawsStayInRange) {
    double lowest = 1.0;
    double highest = 0.0;
    for (int i = 0; i < 4 * kRandTableSize; ++i) {
        const double f = RandomFraction();
        lowest = std::min(lowest, f);
        highest = std::max(highest, f);
        const std::int16_t n = RandomInteger();
        ASSERT_GE(n, 0);
    }
    EXPECT_GE(lowest, 0.0);
    EXPECT_LE(highest, 32767.0 / 32768.0);
}

TEST(RandomFractionLimits, ReachesZeroAndNeverOne) {
    SeedRandomTable(1);
    RandTable[0] = 5;
    RandTable[1] = 5;
    EXPECT_EQ(RandomFraction(), 0.0);
    RandTable[1] = 32767;
    RandTable[2] = 0;
    EXPECT_EQ(RandomFraction(), 32767.0 / 32768.0);
}

TEST(RandomShellPoint, WithRadiusZeroIsTheOrigin) {
    SeedRandomTable(7);
    float x = 1, y = 1, z = 1;
    RandomShellPoint(x, y, z, 0.0f);
    EXPECT_EQ(x, 0.0f);
    EXPECT_EQ(y, 0.0f);
    EXPECT_EQ(z, 0.0f);
}

TEST(RandomShellPoint, LiesOnTheSphereWithHeightsSpreadEvenly) {
    SeedRandomTable(7);
    constexpr float kRadius = 50.0f;
    constexpr int kPoints = 20000;
    int below = 0;
    for (int i = 0; i < kPoints; ++i) {
        float x = 0, y = 0, z = 0;
        RandomShellPoint(x, y, z, kRadius);
        const double distance = std::sqrt(double(x) * x + double(y) * y + double(z) * z);
        ASSERT_NEAR(distance, kRadius, kRadius * 1e-6);
        below += y < 0 ? 1 : 0;
    }
    EXPECT_NEAR(below, kPoints / 2, kPoints / 50);
}

TEST(RandomShellPoint, BeforeTheTableIsFilledLiesAtTheBottom) {
    SeedRandomTable(0);
    RandTable.fill(0);
    float x = 1, y = 1, z = 1;
    RandomShellPoint(x, y, z, 3.0f);
    EXPECT_EQ(y, -3.0f);
    EXPECT_EQ(x, 0.0f);
    EXPECT_EQ(z, 0.0f);
}

}  // namespace
}  // namespace orbweave
