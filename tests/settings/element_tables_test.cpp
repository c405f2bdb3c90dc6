#include "settings/element_tables.h"

#include <gtest/gtest.h>

namespace orbweave {
namespace {

TEST(GetElementInfo, PropertyNamesIgnoreCase) {
    EXPECT_EQ(GetElementInfo(8, "COLOR"), ElementInfo(std::int16_t{0}));
    EXPECT_EQ(GetElementInfo(17, "Radius"), ElementInfo(50.0f));
    EXPECT_EQ(GetElementInfo(4, "name"), ElementInfo(std::string("Beryllim")));
    EXPECT_EQ(GetElementInfo(1, "Symbol"), ElementInfo(std::string("H")));
    EXPECT_EQ(GetElementInfo(11, "sHeLLs"), ElementInfo(std::string("2,8,1")));
    EXPECT_EQ(GetElementInfo(1, "Color"), ElementInfo(std::int16_t{180}));
}

TEST(GetElementInfo, ElementOutsideTheTableGivesEmptyValues) {
    EXPECT_EQ(GetElementInfo(18, "name"), ElementInfo(std::string()));
    EXPECT_EQ(GetElementInfo(0, "symbol"), ElementInfo(std::string()));
    EXPECT_EQ(GetElementInfo(-3, "color"), ElementInfo(std::int16_t{0}));
    EXPECT_EQ(GetElementInfo(18, "radius"), ElementInfo(0.0f));
}

TEST(GetElementInfo, UnknownPropertyGivesNothing) {
    EXPECT_TRUE(std::holds_alternative<std::monostate>(GetElementInfo(1, "weight")));
}

TEST(GetStructurePointCount, CountsPointsOfEachStructureType) {
    EXPECT_EQ(GetStructurePointCount(0), 1);
    EXPECT_EQ(GetStructurePointCount(5), 38);
    EXPECT_EQ(GetStructurePointCount(6), 1);
    EXPECT_EQ(GetStructurePointCount(13), 1);
}

TEST(GetStructurePointCount, TypeWithoutAnEntryGivesNoCount) {
    EXPECT_EQ(GetStructurePointCount(-1), std::nullopt);
    EXPECT_EQ(GetStructurePointCount(14), std::nullopt);
}

}  // namespace
}  // namespace orbweave
