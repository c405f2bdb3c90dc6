#include "settings/number_text.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "core/convert.h"

namespace orbweave {
namespace {

TEST(NumberTextTest, DoublesPrintTheirShortestPlainText) {
    const struct {
        double value;
        const char* text;
    } cases[] = {
        {12345678, "12345678"},  // seven significant digits would give 12345680
        {0.985, "0.985"},
        {-5, "-5"},
        {-0.0, "0"},
        {0.0000001, "0.0000001"},  // never an exponent
        {1e20, "100000000000000000000"},
        {std::numeric_limits<double>::infinity(), ""},
        {std::numeric_limits<double>::quiet_NaN(), ""},
    };
    for (const auto& c : cases) EXPECT_EQ(ShortestText(c.value), c.text) << c.value;
}

TEST(NumberTextTest, FloatsPrintTheShortestTextThatReadsBackAsThemselves) {
    EXPECT_EQ(ShortestText(0.985f), "0.985");
    EXPECT_EQ(ShortestText(12345678.0f), "12345678");
    EXPECT_EQ(ShortestText(0.9999f), "0.9999");
    // A float that needs nine digits, and neighbours of values that do not.
    for (const float value : {1.0f / 3.0f, 16777216.0f, std::nextafter(0.1f, 1.0f), std::nextafter(0.985f, 0.0f),
                              std::numeric_limits<float>::max(), std::numeric_limits<float>::denorm_min()}) {
        EXPECT_EQ(TextToSingle(ShortestText(value)), value) << ShortestText(value);
    }
}

}  // namespace
}  // namespace orbweave
