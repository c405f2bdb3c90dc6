#include "settings/point_text.h"

#include <gtest/gtest.h>

namespace orbweave {
namespace {

TEST(FormatPointText, RightAlignsSevenNumbersInFiveCharacters) {
    EXPECT_EQ(FormatPointText({5000, 5000, 0, 50, 2, 90, 33}), "* 5000 5000    0   50    2   90   33");
}

TEST(FormatPointText, WritesALongerNumberWhole) {
    EXPECT_EQ(FormatPointText({-12345, 0, 0, 0, 0, 0, 1}), "*-12345    0    0    0    0    0    1");
}

TEST(ParsePointText, ReadsEachFieldAtItsPosition) {
    PointValues v{};
    ParsePointText("* 5000 5000    0   50    2   90   33", v);
    EXPECT_EQ(v, (PointValues{5000, 5000, 0, 50, 2, 90, 33}));
}

TEST(ParsePointText, ShortTextGivesZeroForTheMissingFields) {
    PointValues v{9, 9, 9, 9, 9, 9, 9};
    ParsePointText("*   12", v);
    EXPECT_EQ(v, (PointValues{12, 0, 0, 0, 0, 0, 0}));
}

TEST(ParsePointText, FieldWithoutANumberGivesZero) {
    PointValues v{9, 9, 9, 9, 9, 9, 9};
    ParsePointText("*  abc   7x", v);
    EXPECT_EQ(v[0], 0);
    EXPECT_EQ(v[1], 7);
}

TEST(ParsePointText, RoundsHalvesToEven) {
    PointValues v{};
    ParsePointText("*  2.5  3.5 -0.5", v);
    EXPECT_EQ(v[0], 2);
    EXPECT_EQ(v[1], 4);
    EXPECT_EQ(v[2], 0);
}

TEST(ParsePointText, NumberBeyondSixteenBitsKeepsTheOldValue) {
    PointValues v{1, 2, 3, 4, 5, 6, 7};
    ParsePointText("*99999 1e309e999", v);
    EXPECT_EQ(v[0], 1);
    EXPECT_EQ(v[1], 2);
    EXPECT_EQ(v[2], 3);  // beyond even a double
    EXPECT_EQ(v[3], 0);
}

TEST(ParsePointText, IgnoresTheMarkAndAnythingPast36Characters) {
    PointValues v{};
    ParsePointText("#    1    2    3    4    5    6    7    8", v);
    EXPECT_EQ(v, (PointValues{1, 2, 3, 4, 5, 6, 7}));
}

}  // namespace
}  // namespace orbweave
