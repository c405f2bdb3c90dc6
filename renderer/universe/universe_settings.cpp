#include "renderer/universe/universe_settings.h"

#include "core/colour.h"
#include "core/convert.h"
#include "platform/registry/settings.h"
#include "renderer/galaxy/hue_tables.h"
#include "renderer/universe/tour.h"
#include "settings/display_values.h"
#include "settings/galaxy_tables.h"
#include "settings/registry_transfers.h"

namespace orbweave {

UniverseSettings Universe;
std::array<std::int32_t, kHueRampEntries> UniverseHueRamp{};
std::array<std::array<std::int32_t, kHueRampEntries>, 51> TypeHueRamps{};

namespace {

constexpr std::string_view kUniverse = "Universe";
constexpr std::int16_t kReadFromSettings = -1;
constexpr double kPreviewStarShare = 0.65;
constexpr double kPreviewAmbientShare = 0.5;

std::int32_t Long(std::string_view name, std::int32_t fallback) {
    return GetSettingLong(kUniverse, name, fallback, kHiveUser);
}
std::int16_t Integer(std::string_view name, std::int16_t fallback) {
    return GetSettingInteger(kUniverse, name, fallback, kHiveUser);
}
float Single(std::string_view name, float fallback) { return GetSettingSingle(kUniverse, name, fallback, kHiveUser); }

std::int32_t Scaled(std::int32_t count, double share) {
    return ToInt32(count * share).value_or(count);
}

void ReadUniverseValues() {
    UniverseSettings& u = Universe;
    u.Universe_Stars = Long("Universe_Stars", 18000);
    u.Universe_Galaxy = Integer("Universe_Galaxy", 200);
    u.Universe_Expand = Single("Universe_Expand", 3000);
    u.Universe_ESteps = Integer("Universe_ESteps", 500);
    u.Universe_Persist = Single("Universe_Persist", 0.985f);
    u.Universe_Damping = Single("Universe_Damping", 0.01f);
    u.Universe_Recycle = Integer("Universe_Recycle", 30);
    u.Universe_Profile = Integer("Universe_Profile", 51);
    u.Universe_NewFreq = Integer("Universe_NewFreq", 3500);
    u.Universe_NewPctStEx = Integer("Universe_NewPctStEx", 85);
    u.Universe_Tour = Integer("Universe_Tour", 1) != 0;
    u.Universe_GSteps = Integer("Universe_GSteps", 200);
    u.Universe_GPCtrl = Integer("Universe_GPCtrl", 2);
    u.Universe_GCCtrl = Integer("Universe_GCCtrl", 4);
    u.Universe_DstCen = static_cast<float>(Long("Universe_DstCen", 4000));
    u.Universe_C_Ramp = Integer("Universe_C_Ramp", 750);
    u.Universe_GVisit = Integer("Universe_GVisit", 0) != 0;
    u.Universe_RotCam = Integer("Universe_RotCam", 0) != 0;
    u.Universe_AmStar = Long("Universe_AmStar", 2000);
    u.Universe_AmFrames = Integer("Universe_AmFrames", 15);
    u.Universe_AmMaxExt = Single("Universe_AmMaxExt", 600);
    u.Universe_AmPers = Single("Universe_AmPers", 0.999f);
    u.Universe_AmCAge = Single("Universe_AmCAge", 0.1f);
    u.Universe_GravForce = Single("Universe_GravForce", 0);
    u.Universe_GravFrame = Integer("Universe_GravFrame", 1);
    u.DX_BlendUniBurst = static_cast<float>(ReadDisplayValue<&DisplayRecord::DX_BlendUniBurst>(kHiveUser));
    u.DX_BlendUniTravel = static_cast<float>(ReadDisplayValue<&DisplayRecord::DX_BlendUniTravel>(kHiveUser));
}

}  // namespace

void LoadUniverseSettings(bool preview) {
    ReadUniverseValues();
    ParseTourSequence(GetSettingString(kUniverse, "Universe_GS_Idx", "", kHiveUser));
    Universe.Universe_Stars = Scaled(Universe.Universe_Stars, preview ? kPreviewStarShare : 1.0);
    Universe.Universe_AmStar = Scaled(Universe.Universe_AmStar, preview ? kPreviewAmbientShare : 1.0);
    RegToUniGalaxies(kHiveUser);
    RegToCompGalaxies(kHiveUser);
    BuildHueColorTables();
    BuildHueWheels(kReadFromSettings, kReadFromSettings);
}

void BuildHueWheels(std::int16_t hueStart, std::int16_t hueEnd) {
    if (hueStart == kReadFromSettings) hueStart = Integer("Universe_HW_Start", 170);
    if (hueEnd == kReadFromSettings) hueEnd = Integer("Universe_HW_End", 250);
    BuildHueRamp(UniverseHueRamp, hueStart, hueEnd, true);
    for (int t = 0; t < kGalaxyTypeCount; ++t) {
        const UniGalaxy& g = UniGalaxies[t];
        BuildHueRamp(TypeHueRamps[t], g.Galaxy_HWC_Start, g.Galaxy_HWC_End, true);
    }
}

}  // namespace orbweave
