#include "renderer/universe/universe_settings.h"

#include "core/convert.h"
#include "platform/registry/settings.h"
#include "renderer/galaxy/hue_tables.h"
#include "renderer/galaxy/run_context.h"
#include "settings/registry_transfers.h"
#include "settings/universe_values.h"

namespace orbweave {
namespace {

constexpr double kPreviewStarShare = 0.65;
constexpr double kPreviewAmbientShare = 0.5;

std::int32_t Scaled(std::int32_t count, double share) { return ToInt32(count * share).value_or(count); }

std::int16_t StoredHue(const UniverseValue& row) { return static_cast<std::int16_t>(ReadStoredUniverseValue(row)); }

}  // namespace

UniverseInputs LoadUniverseSettings(bool preview, GalaxyTablesSource tables) {
    // Every value from one saved state: a dialog saving meanwhile never
    // leaves the run with the universe values, tour or hues of one save and
    // the galaxy tables of another.
    const SettingsSnapshot snapshot(kHiveUser);
    UniverseInputs inputs;
    UniverseSettings& u = inputs.values;
    ReadUniverseRecord(u);
    inputs.tour = ParseTourSequence(GetSettingString(kSectionUniverse, kTourSequenceValue.name, "", kHiveUser));
    u.Universe_Stars = Scaled(u.Universe_Stars, preview ? kPreviewStarShare : 1.0);
    u.Universe_AmStar = Scaled(u.Universe_AmStar, preview ? kPreviewAmbientShare : 1.0);
    if (tables == GalaxyTablesSource::Store) {
        RegToGalaxyTables(kHiveUser);
    }
    const RunTables stored = StoredRunTables();
    BuildHueColorTables(stored.colours, stored.types);
    BuildStoredHueWheels(stored.colours, stored.types);
    return inputs;
}

void BuildStoredHueWheels(ColourTables& colours, const std::array<UniGalaxy, kUniGalaxySlots>& types) {
    BuildHueWheels(colours, types, StoredHue(kHueStartValue), StoredHue(kHueEndValue));
}

}  // namespace orbweave
