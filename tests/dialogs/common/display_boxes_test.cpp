// The numeric box rows the dialogs bind, made from the value table.
#include "dialogs/common/display_boxes.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <utility>

#include "core/convert.h"

namespace orbweave {
namespace {

const NumericBoxRow* Find(const std::vector<NumericBoxRow>& rows, std::string_view box, int index)
{
    for (const NumericBoxRow& row : rows) {
        if (row.box == box && row.index == index) return &row;
    }
    return nullptr;
}

// Every box can hold its own bounds: a length limit never cuts the text of
// either bound, a spin (16-bit) carries the whole range, and no box is bound
// twice.
TEST(DisplayNumericBoxes, EveryBoxCanHoldItsBounds)
{
    for (const DisplayDialog dialog : {DisplayDialog::Advanced, DisplayDialog::Properties}) {
        const std::vector<NumericBoxRow> rows = DisplayNumericBoxes(dialog, {});
        EXPECT_FALSE(rows.empty());
        std::set<std::pair<std::string, int>> seen;
        for (const NumericBoxRow& row : rows) {
            const std::string name = std::string(row.box) + "(" + std::to_string(row.index) + ")";
            EXPECT_TRUE(seen.emplace(row.box, row.index).second) << name;
            EXPECT_LE(row.low, row.high) << name;
            if (row.maxLength > 0) {
                EXPECT_LE(NumberToText(row.low).size(), static_cast<std::size_t>(row.maxLength)) << name;
                EXPECT_LE(NumberToText(row.high).size(), static_cast<std::size_t>(row.maxLength)) << name;
            }
            if (!row.spin.empty()) {
                EXPECT_EQ(row.keys, BoxKeys::Digits) << name;
                EXPECT_GE(row.low, -32768) << name;
                EXPECT_LE(row.high, 32767) << name;
            }
            EXPECT_LT(row.arrowStep, row.high - row.low) << name;
        }
    }
}

TEST(DisplayNumericBoxes, TheCustomSizeBoxesEndAtTheLargestDisplayMode)
{
    const std::vector<NumericBoxRow> shown = DisplayNumericBoxes(DisplayDialog::Properties, {1024, 768});
    const NumericBoxRow* width = Find(shown, "txtDXRes", 0);
    const NumericBoxRow* height = Find(shown, "txtDXRes", 1);
    ASSERT_NE(width, nullptr);
    ASSERT_NE(height, nullptr);
    EXPECT_EQ(std::pair(width->low, width->high), std::pair(16.0, 1024.0));
    EXPECT_EQ(std::pair(height->low, height->high), std::pair(12.0, 768.0));

    // Without a display the boxes keep the largest surface the saver builds.
    const std::vector<NumericBoxRow> unknown = DisplayNumericBoxes(DisplayDialog::Properties, {});
    EXPECT_EQ(Find(unknown, "txtDXRes", 0)->high, kLargestDrawingSide);
    EXPECT_EQ(Find(unknown, "txtDXRes", 1)->high, kLargestDrawingSide);
}

}  // namespace
}  // namespace orbweave
