// The bridge from the value tables to the dialog's controls: every place a
// table names has a control, and each numeric box is bound once.
#include "dialogs/common/value_boxes.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <utility>
#include <variant>

#include "dialogs/common/control_names.h"
#include "settings/display_values.h"
#include "settings/galaxy_values.h"
#include "settings/universe_values.h"

namespace orbweave {
namespace {

std::vector<ControlPlace> PlacesInTables() {
    std::vector<ControlPlace> places;
    for (const UniverseValue& v : kUniverseValues) places.push_back(v.control);
    for (const UniverseValue& v : kUniverseBlendLevels) places.push_back(v.control);
    for (const DisplayValue& v : kDisplayValues) places.push_back(v.control);
    for (const GalaxyValue& value : kGalaxyValues) {
        std::visit([&](const auto& v) { places.push_back(v.control); }, value);
    }
    return places;
}

// A place without a name would make every transfer of its value do nothing.
TEST(ControlNamesTest, EveryPlaceTheTablesNameHasAControl) {
    int placed = 0;
    for (const ControlPlace& place : PlacesInTables()) {
        if (place.control == DialogControl::None) continue;
        ++placed;
        EXPECT_FALSE(ControlOf(place).name.empty()) << static_cast<int>(place.control);
        EXPECT_EQ(ControlOf(place).index, place.index);
    }
    EXPECT_GT(placed, 0);
    EXPECT_TRUE(ControlOf({}).name.empty());
}

TEST(ValueBoxesTest, EachBoxIsBoundOnceWithItsSpinWhereItHasOne) {
    for (const auto& specs :
         {UniverseBoxRows(), BlendBoxRows(), GalaxyBoxRows(), AdvancedBoxRows(), CustomSizeBoxRows({})}) {
        std::set<std::pair<std::string, int>> seen;
        for (const NumericBoxRow& row : specs) {
            const std::string name(row.box.name);
            EXPECT_TRUE(seen.insert({name, row.box.index}).second) << name << row.box.index;
            // A spin control stands beside a box of the same index.
            EXPECT_EQ(row.spin.name.empty(), row.rule.spin.scale == 0) << name << row.box.index;
            if (!row.spin.name.empty()) {
                EXPECT_EQ(row.spin.index, row.box.index);
            }
            // Arrows step within their own limits.
            if (row.rule.arrows.step != 0) {
                EXPECT_LE(row.rule.arrows.low, row.rule.arrows.high);
            }
        }
    }
}

// The nebula style shows its control points in the radial and tilt boxes:
// those boxes take the radial values' rules, by style.
TEST(ValueBoxesTest, BoxesSharedByTheNebulaStyleClampByStyle) {
    for (const NumericBoxRow& row : GalaxyBoxRows()) {
        const bool shared =
            row.box.name == "txtGalaxy" && ((row.box.index >= 3 && row.box.index <= 6) || row.box.index == 93);
        EXPECT_EQ(row.rule.clamp == BoxClamp::ByStyle, shared) << row.box.index;
    }
}

// A stored custom size ends at the largest display mode, so the boxes do too.
TEST(ValueBoxesTest, TheCustomSizeBoxesEndAtTheLargestDisplayMode) {
    const std::vector<NumericBoxRow> shown = CustomSizeBoxRows({1024, 768});
    ASSERT_EQ(shown.size(), 2u);
    EXPECT_EQ(std::pair(shown[0].rule.low, shown[0].rule.high), std::pair(16.0, 1024.0));
    EXPECT_EQ(std::pair(shown[1].rule.low, shown[1].rule.high), std::pair(12.0, 768.0));
    // Without a display they end at the largest surface the saver builds.
    for (const NumericBoxRow& row : CustomSizeBoxRows({})) EXPECT_EQ(row.rule.high, kLargestDrawingSide);
}

}  // namespace
}  // namespace orbweave
