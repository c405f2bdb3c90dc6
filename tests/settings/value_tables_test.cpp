// The value tables walked end to end: what the store, a template and
// validation make of each row's default and of values beyond its range.
#include <gtest/gtest.h>

#include <string>
#include <type_traits>
#include <variant>

#include "platform/registry/settings.h"
#include "settings/galaxy_template_transfers.h"
#include "settings/galaxy_values.h"
#include "settings/number_text.h"
#include "settings/registry_transfers.h"
#include "settings/template_transfers.h"
#include "settings/templates/template_fixture.h"
#include "settings/universe_values.h"

namespace orbweave {
namespace {

class ValueTablesTest : public TemplateTest {
protected:
    // Calls f with every galaxy row that has a field of its own.
    template <class F>
    static void ForEachNumberRow(F f) {
        int rows = 0;
        for (const GalaxyValue& value : kGalaxyValues) {
            std::visit(
                [&](const auto& v) {
                    if constexpr (requires { v.stored; }) f(v), ++rows;
                },
                value);
        }
        EXPECT_GT(rows, 0);
    }

    static UniGalaxy& First() { return UniGalaxies[0]; }
};

TEST_F(ValueTablesTest, GalaxyDefaultsComeFromAFreshStoreAndBackThroughATemplate) {
    RegToUniGalaxies(kHiveUser);
    ForEachNumberRow([](const auto& v) { EXPECT_EQ(First().*v.field, v.fallback) << v.name << " from the store"; });

    const std::string path = PathOf("defaults.owv");
    TemplateWriter writer(path);
    ASSERT_TRUE(UniGalaxiesToTemp(writer));
    ASSERT_TRUE(writer.Commit());
    UniGalaxies.fill(UniGalaxy{});
    TempToUniGalaxies(ImportFile(path));
    ForEachNumberRow([](const auto& v) { EXPECT_EQ(First().*v.field, v.fallback) << v.name << " from a template"; });
}

TEST_F(ValueTablesTest, GalaxyValuesBeyondTheirStoredRangeTakeTheNearerBound) {
    for (const bool above : {true, false}) {
        SCOPED_TRACE(above ? "above" : "below");
        std::string text = "\r\n[UniGal0]\r\n";
        int clampedRows = 0;
        ForEachNumberRow([&](const auto& v) {
            if (v.stored.clamp != StoredClamp::InType) return;
            ++clampedRows;
            const std::string beyond = ShortestText(above ? v.stored.high + 1 : v.stored.low - 1);
            SaveSettingValue(UniGalaxySection(0), v.name, std::string_view(beyond));
            text += std::string(v.name) + "=" + beyond + "\r\n";
        });
        ASSERT_GT(clampedRows, 0);
        const auto expectBounds = [&](bool fromTemplate) {
            ForEachNumberRow([&](const auto& v) {
                if (v.stored.clamp != StoredClamp::InType) return;
                // A template's percent reads as "0" put before its text: "-1" is no number there.
                if (fromTemplate && !above && v.name == "_UniGalPct") return;
                using T = std::remove_reference_t<decltype(First().*v.field)>;
                EXPECT_EQ(First().*v.field, static_cast<T>(above ? v.stored.high : v.stored.low))
                    << v.name << (fromTemplate ? " from a template" : " from the store");
            });
        };
        UniGalaxies.fill(UniGalaxy{});
        RegToUniGalaxies(kHiveUser);
        expectBounds(false);

        UniGalaxies.fill(UniGalaxy{});
        TempToUniGalaxies(ImportFile(WriteFile("beyond.owv", text)));
        expectBounds(true);
    }
}

// The record a load gives when nothing is stored: each row's default.
UniverseSettings DefaultRecord() {
    UniverseSettings u;
    for (const UniverseValue& v : kUniverseValues) SetUniverseField(u, v, v.fallback);
    for (const UniverseValue& v : kUniverseBlendLevels) SetUniverseField(u, v, v.fallback);
    return u;
}

// An imported template stores each missing value's default text, which must
// read back as the default itself.
TEST_F(ValueTablesTest, UniverseDefaultsComeFromAFreshStoreAndATemplateWithoutValues) {
    UniverseSettings fresh;
    ReadUniverseRecord(fresh);
    EXPECT_EQ(fresh, DefaultRecord());

    ASSERT_EQ(CyclePropsTempToRegArrays(WriteFile("universe.owv", "\r\n[Universe]\r\n")), TemplateImport::Imported);
    for (const UniverseValue& v : kUniverseValues) {
        EXPECT_EQ(GetSettingString(kSectionUniverse, v.name, "<missing>", kHiveUser), DefaultText(v)) << v.name;
    }
    UniverseSettings imported;
    ReadUniverseRecord(imported);
    EXPECT_EQ(imported, DefaultRecord());
}

}  // namespace
}  // namespace orbweave
