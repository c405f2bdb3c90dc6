#include "renderer/universe/universe_settings.h"

#include "core/colour.h"
#include "core/convert.h"
#include "platform/registry/settings.h"
#include "renderer/galaxy/hue_tables.h"
#include "renderer/universe/tour.h"
#include "settings/galaxy_tables.h"
#include "settings/registry_transfers.h"
#include "settings/universe_values.h"

namespace orbweave {

UniverseSettings Universe;

void ResetUniverseSettings() {
    Universe = UniverseSettings{};
    tourList = TourList{};
}

namespace {

constexpr std::int16_t kReadFromSettings = -1;
constexpr double kPreviewStarShare = 0.65;
constexpr double kPreviewAmbientShare = 0.5;

std::int32_t Scaled(std::int32_t count, double share) { return ToInt32(count * share).value_or(count); }

std::int16_t StoredHue(const UniverseValue& row) { return static_cast<std::int16_t>(ReadStoredUniverseValue(row)); }

}  // namespace

void LoadUniverseSettings(bool preview, GalaxyTablesSource tables) {
    ReadUniverseRecord(Universe);
    ParseTourSequence(GetSettingString(kSectionUniverse, kTourSequenceValue.name, "", kHiveUser));
    Universe.Universe_Stars = Scaled(Universe.Universe_Stars, preview ? kPreviewStarShare : 1.0);
    Universe.Universe_AmStar = Scaled(Universe.Universe_AmStar, preview ? kPreviewAmbientShare : 1.0);
    // Both tables from one saved state: a dialog saving meanwhile never
    // leaves the run with the types of one save and the composites of another.
    if (tables == GalaxyTablesSource::Store) {
        RegToGalaxyTables(kHiveUser);
    }
    BuildHueColorTables();
    BuildHueWheels(kReadFromSettings, kReadFromSettings);
}

void BuildHueWheels(std::int16_t hueStart, std::int16_t hueEnd) {
    if (hueStart == kReadFromSettings) hueStart = StoredHue(kHueStartValue);
    if (hueEnd == kReadFromSettings) hueEnd = StoredHue(kHueEndValue);
    BuildHueRamp(colourTables.UniverseHueRamp, hueStart, hueEnd, true);
    for (int t = 0; t < kGalaxyTypeCount; ++t) {
        const UniGalaxy& g = UniGalaxies[t];
        BuildHueRamp(colourTables.TypeHueRamps[t], g.Galaxy_HWC_Start, g.Galaxy_HWC_End, true);
    }
}

}  // namespace orbweave
