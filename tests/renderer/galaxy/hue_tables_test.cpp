#include "renderer/galaxy/hue_tables.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>

namespace orbweave {
namespace {

// Hues brought onto the wheel: halves rounded to even, whole turns taken off
// in both directions, the edges of the wheel, and values that are no number.
TEST(WholeHue, RoundsAndWrapsOntoTheWheel) {
    struct Case {
        double hue;
        std::int16_t expected;
    };
    constexpr double kInfinity = std::numeric_limits<double>::infinity();
    const Case kCases[] = {
        {0.0, 0},        {-0.0, 0},     {-0.4, 0},     {0.5, 0},       {1.5, 2},
        {358.6, 359},    {359.4, 359},  {359.5, 0},    {360.0, 0},     {-0.6, 359},
        {-360.0, 0},     {725.2, 5},    {-725.2, 355}, {1e12 + 7, 287}, {kInfinity, 0},
        {-kInfinity, 0}, {std::numeric_limits<double>::quiet_NaN(), 0},
    };
    for (const Case& c : kCases) {
        EXPECT_EQ(WholeHue(c.hue), c.expected) << c.hue;
    }
}

}  // namespace
}  // namespace orbweave
