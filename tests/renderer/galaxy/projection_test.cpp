// Screen coordinates: rounding halves to even and the range beyond which a
// point is off-screen whatever is added to it.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "renderer/galaxy/projection.h"

namespace orbweave {
namespace {

TEST(ScreenCoordinate, RoundsHalvesToEvenAndRefusesWhatLiesBeyondTwoToTheThirty) {
    constexpr double kEdge = 1073741824.0;  // 2^30
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double inf = std::numeric_limits<double>::infinity();
    struct Case {
        double value;
        std::optional<std::int64_t> expected;
    };
    const Case cases[] = {
        {0.5, 0},
        {1.5, 2},
        {2.5, 2},
        {-0.5, 0},
        {-2.5, -2},
        {-3.5, -4},
        {639.49999999999994, 639},
        {kEdge, 1073741824},
        {kEdge + 0.5, 1073741824},  // rounds to the even edge itself
        {-kEdge - 0.5, -1073741824},
        {std::nextafter(kEdge + 0.5, inf), std::nullopt},
        {kEdge + 1, std::nullopt},
        {-kEdge - 1, std::nullopt},
        {1e300, std::nullopt},
        {inf, std::nullopt},
        {-inf, std::nullopt},
        {nan, std::nullopt},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ScreenCoordinate(c.value), c.expected) << c.value;
    }
}

}  // namespace
}  // namespace orbweave
