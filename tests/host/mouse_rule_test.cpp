#include "host/mouse_rule.h"

#include <gtest/gtest.h>

namespace orbweave {
namespace {

class MouseMoveRuleTest : public ::testing::Test {
protected:
    std::int64_t now = 0;
    MouseMoveRule rule{[this] { return now; }};

    // A counted move 100 pixels to the right of the last one, at `ms`.
    bool MoveOnAt(std::int64_t ms) {
        now = ms;
        x += 100;
        return rule.Move(x, 0);
    }
    double x = 0;
};

TEST_F(MouseMoveRuleTest, JitterOf75PixelsOrLessIsNeverCounted) {
    for (int i = 0; i < 20; ++i) {
        EXPECT_FALSE(rule.Move(75, 0));
        EXPECT_FALSE(rule.Move(45, 60));
        EXPECT_FALSE(rule.Move(0, 0));
    }
    EXPECT_EQ(rule.CountedMoves(), 0);
}

TEST_F(MouseMoveRuleTest, TheFirstPositionCountsFromTheTopLeftCorner) {
    EXPECT_FALSE(rule.Move(50, 50));  // 70.7 pixels away
    EXPECT_EQ(rule.CountedMoves(), 0);
    EXPECT_FALSE(rule.Move(60, 60));  // 84.9 pixels away
    EXPECT_EQ(rule.CountedMoves(), 1);
    // Distances count from the last counted position.
    EXPECT_FALSE(rule.Move(120, 60));
    EXPECT_EQ(rule.CountedMoves(), 1);
}

TEST_F(MouseMoveRuleTest, TheFourthCountedMoveCloses) {
    EXPECT_FALSE(MoveOnAt(1000));
    EXPECT_FALSE(MoveOnAt(2000));
    EXPECT_FALSE(MoveOnAt(3000));
    EXPECT_TRUE(MoveOnAt(4000));
}

TEST_F(MouseMoveRuleTest, ASecondMoveAfterTenSecondsStartsTheCountAgain) {
    EXPECT_FALSE(MoveOnAt(1000));
    EXPECT_FALSE(MoveOnAt(11001));  // dropped: the series was too slow
    EXPECT_EQ(rule.CountedMoves(), 0);
    EXPECT_FALSE(MoveOnAt(12000));
    EXPECT_FALSE(MoveOnAt(13000));
    EXPECT_FALSE(MoveOnAt(14000));
    EXPECT_TRUE(MoveOnAt(15000));
}

TEST_F(MouseMoveRuleTest, AThirdMoveAfterTenSecondsStartsTheCountAgain) {
    EXPECT_FALSE(MoveOnAt(0));
    EXPECT_FALSE(MoveOnAt(5000));
    EXPECT_FALSE(MoveOnAt(10001));
    EXPECT_EQ(rule.CountedMoves(), 0);
}

TEST_F(MouseMoveRuleTest, ExactlyTenSecondsStillBelongsToTheSeries) {
    EXPECT_FALSE(MoveOnAt(500));
    EXPECT_FALSE(MoveOnAt(10500));
    EXPECT_EQ(rule.CountedMoves(), 2);
}

TEST_F(MouseMoveRuleTest, OnceThreeAreCountedTheFourthClosesAfterAnyPause) {
    EXPECT_FALSE(MoveOnAt(0));
    EXPECT_FALSE(MoveOnAt(1000));
    EXPECT_FALSE(MoveOnAt(2000));
    EXPECT_TRUE(MoveOnAt(600000));
}

// A series that starts at clock 0 is a series like any other.
TEST_F(MouseMoveRuleTest, ASeriesMayStartAtClockZero) {
    EXPECT_FALSE(MoveOnAt(0));
    EXPECT_FALSE(MoveOnAt(20000));
    EXPECT_EQ(rule.CountedMoves(), 0);
}

TEST_F(MouseMoveRuleTest, TheClockIsSixtyFourBits) {
    const std::int64_t start = std::int64_t{1} << 40;
    EXPECT_FALSE(MoveOnAt(start));
    EXPECT_FALSE(MoveOnAt(start + 1000));
    EXPECT_FALSE(MoveOnAt(start + 2000));
    EXPECT_TRUE(MoveOnAt(start + 3000));
}

}  // namespace
}  // namespace orbweave
