// The library's random generator, table and draws.
#include <gtest/gtest.h>

#include <algorithm>

#include "corvane/corvane.h"
#include "corvane/random.h"

namespace orbweave::corvane {
namespace {

class RandomTableTest : public ::testing::Test {
protected:
    void SetUp() override { ResetRandomState(); }
};

TEST_F(RandomTableTest, StartsWithTheGeneratorsFirstValues) {
    InitRandomArray();
    const auto& table = RandomTable();
    EXPECT_EQ(table[0], 41);
    EXPECT_EQ(table[1], 18467);
    EXPECT_EQ(table[2], 6334);
    EXPECT_EQ(table[3], 26500);
    EXPECT_TRUE(std::all_of(table.begin(), table.end(), [](int32_t value) { return value >= 0 && value <= 32767; }));
}

TEST_F(RandomTableTest, IsTheSameInEveryFreshProcessAndContinuesLater) {
    InitRandomArray();
    const auto first = RandomTable();
    ResetRandomState();
    InitRandomArray();
    EXPECT_EQ(RandomTable(), first);
    InitRandomArray();
    EXPECT_NE(RandomTable(), first);
}

TEST_F(RandomTableTest, IntegerDrawMixesAndReturnsTheNextEntry) {
    InitRandomArray();
    const auto before = RandomTable();
    EXPECT_EQ(NextRandomInt(), before[1]);
    EXPECT_EQ(RandomTable()[0], before[0] ^ before[1]);
    EXPECT_EQ(NextRandomInt(), before[2]);
    EXPECT_EQ(RandomTable()[1], before[1] ^ before[2]);
}

TEST_F(RandomTableTest, FloatDrawKeepsItsOwnIndex) {
    InitRandomArray();
    const auto before = RandomTable();
    NextRandomInt();
    // Its own index starts at 0 again: entry 0, mixed once already, is mixed
    // back, and entry 1 is the draw.
    EXPECT_DOUBLE_EQ(NextRandomFloat(), before[1] / 32768.0);
    EXPECT_EQ(RandomTable()[0], before[0]);
}

TEST_F(RandomTableTest, PeekReadsOnWithoutChangingTheTable) {
    InitRandomArray();
    const auto before = RandomTable();
    EXPECT_EQ(PeekRandomInt(), before[1]);
    EXPECT_EQ(PeekRandomInt(), before[2]);
    EXPECT_EQ(RandomTable(), before);
}

TEST_F(RandomTableTest, DrawsWrapAroundTheTable) {
    InitRandomArray();
    const auto before = RandomTable();
    for (int i = 0; i < kRandomTableSize - 1; ++i) {
        NextRandomInt();
    }
    const int32_t last = RandomTable()[kRandomTableSize - 1];
    EXPECT_EQ(NextRandomInt(), RandomTable()[0]);
    EXPECT_EQ(RandomTable()[kRandomTableSize - 1], last ^ RandomTable()[0]);
    EXPECT_NE(RandomTable(), before);
}

TEST(TimingLoop, ReturnsZeroOrTheCount) {
    EXPECT_EQ(TestingPerformance(1000, 0), 0);
    EXPECT_EQ(TestingPerformance(0, 0), 0);
    EXPECT_EQ(TestingPerformance(-3, 0), -3);
}

}  // namespace
}  // namespace orbweave::corvane
