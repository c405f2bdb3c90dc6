#include "renderer/universe/universe_settings.h"

#include "core/colour.h"
#include "platform/registry/scoped_config.h"
#include "platform/registry/settings.h"
#include "renderer/galaxy/hue_tables.h"
#include "renderer/star_test_support.h"
#include "renderer/universe/tour.h"
#include "renderer/universe/universe_steps.h"
#include "settings/galaxy_tables.h"
#include "settings/universe_values.h"

namespace orbweave {
namespace {

class UniverseSettingsTest : public testing::StarTest {
protected:
    void SetUp() override {
        testing::StarTest::SetUp();
        colourTables.HueWheel = kDefaultHueStops;
        colourTables.HueSpan = HueSpansOf(colourTables.HueWheel);
    }
    testing::ScopedConfig config;
};

TEST_F(UniverseSettingsTest, DefaultsWhenNothingIsStored) {
    const UniverseInputs loaded = LoadUniverseSettings(false);
    const UniverseSettings& u = loaded.values;
    EXPECT_EQ(u.Universe_Stars, 18000);
    EXPECT_EQ(u.Universe_Galaxy, 200);
    EXPECT_EQ(u.Universe_AmStar, 2000);
    EXPECT_FLOAT_EQ(u.Universe_Persist, 0.985f);
    EXPECT_FLOAT_EQ(u.DX_BlendUniTravel, 35);
    EXPECT_TRUE(u.Universe_Tour);
    EXPECT_EQ(loaded.tour.TourCount, 0);
}

TEST_F(UniverseSettingsTest, StoredValuesAreTakenAsTheyStand) {
    SaveSettingValue("Universe", "Universe_Tour", "2");
    SaveSettingValue("Universe", "Universe_GVisit", "0");
    SaveSettingValue("Universe", "Universe_NewPctStEx", "85");
    SaveSettingValue("Universe", "Universe_Galaxy", "5000");  // no range check here
    SaveSettingValue("Universe", "Universe_GS_Idx", "4 9");
    SaveSettingValue("DirectX", "DX_BlendUniBurst", "60");
    const UniverseInputs loaded = LoadUniverseSettings(false);
    const UniverseSettings& u = loaded.values;
    EXPECT_TRUE(u.Universe_Tour);
    EXPECT_FALSE(u.Universe_GVisit);
    EXPECT_FLOAT_EQ(u.Universe_NewPctStEx, 85.0f);
    EXPECT_EQ(u.Universe_Galaxy, 5000);
    EXPECT_FLOAT_EQ(u.DX_BlendUniBurst, 60);
    EXPECT_EQ(loaded.tour.TourCount, 2);
    EXPECT_EQ(loaded.tour.TourSequence[1], "8");
}

// A run clamps each loaded value into its row's range: a stored value
// beyond a bound runs exactly as the bound itself. (A switch is on for any
// stored number but 0, so it has no range to test.)
TEST_F(UniverseSettingsTest, ValuesBeyondTheirRunRangeRunAsTheNearerBound) {
    const auto runOf = [](auto pick) {
        const auto store = [&](std::string_view section, const UniverseValue& v) {
            const bool clamped = v.run.clamp != RunClamp::None && v.field.index() != 0 &&
                                 !std::holds_alternative<bool UniverseSettings::*>(v.field);
            if (clamped) SaveSettingValue(section, v.name, pick(v));
        };
        for (const UniverseValue& v : kUniverseValues) store(kSectionUniverse, v);
        for (const UniverseValue& v : kUniverseBlendLevels) store(kSectionDirectX, v);
        UniverseSettings u;
        ReadUniverseRecord(u);
        ClampUniverseSettings(u);
        return u;
    };
    const auto above = runOf([](const UniverseValue& v) { return v.run.high + 1; });
    EXPECT_EQ(above, runOf([](const UniverseValue& v) { return v.run.high; }));
    const auto below = runOf([](const UniverseValue& v) { return v.run.low - 1; });
    EXPECT_EQ(below, runOf([](const UniverseValue& v) { return v.run.low; }));
    EXPECT_NE(above, below);
}

TEST_F(UniverseSettingsTest, HueWheelsReadTheStoredHuesOnlyWhenAsked) {
    SaveSettingValue("Universe", "Universe_HW_Start", "10");
    SaveSettingValue("Universe", "Universe_HW_End", "20");
    UniGalaxies[3].Galaxy_HWC_Start = 200;
    UniGalaxies[3].Galaxy_HWC_End = 300;

    BuildHueWheels(colourTables, UniGalaxies, 100, 200);
    EXPECT_EQ(colourTables.UniverseHueRamp[7], HueToPixelColor(100));
    EXPECT_EQ(colourTables.TypeHueRamps[3][7], HueToPixelColor(200));
    EXPECT_EQ(colourTables.UniverseHueRamp[80], 0);
    EXPECT_EQ(colourTables.TypeHueRamps[3][80], 0);

    BuildStoredHueWheels(colourTables, UniGalaxies);
    EXPECT_EQ(colourTables.UniverseHueRamp[7], HueToPixelColor(10));
}

}  // namespace
}  // namespace orbweave
