#include "host/machine_settings.h"

#include <array>

#include "platform/registry/setting_tables.h"
#include "platform/registry/settings.h"
#include "settings/registry_transfers.h"
#include "settings/universe_values.h"

namespace orbweave {
namespace {

struct MachineSetting {
    std::string_view section;
    std::string_view name;
    std::string_view defaultText;
};

// Copied besides the universe values; no display value and no other
// advanced value is.
constexpr std::array<MachineSetting, 9> kMachineSettings{{
    {"General\\Main", "WindowState", "0"},
    {"General\\Main", "WindowSize", ""},
    {kSectionAdvanced, "FocalLength", "1.0"},
    {kSectionAdvanced, "Adv_TimeDelay", "25"},
    {kSectionAdvanced, "Adv_FontName", "Arial"},
    {kSectionAdvanced, "Adv_FontSize", "12"},
    {kSectionAdvanced, "Adv_FontHueV", "180"},
    {kSectionAdvanced, "LockMessage", ""},
    {kSectionAdvanced, "Adv_MouseMove", "0"},
}};

constexpr std::string_view kAnimationType = "AnimationType";
// A stored value that is not numeric counts as missing too.
constexpr std::int16_t kNoSettings = -1;

bool HasSettings(int hive) {
    return GetSettingInteger(kSectionGeneral, kAnimationType, kNoSettings, hive) != kNoSettings;
}

}  // namespace

bool CopyMachineSettingToUser(std::string_view section, std::string_view key, std::string_view defaultText) {
    const std::string value = GetSettingString(section, key, defaultText, kHiveMachine);
    return SaveSettingValue(section, key, std::string_view(value), kHiveUser);
}

void MigrateMachineSettings() {
    if (!HasSettings(kHiveMachine) || HasSettings(kHiveUser)) return;
    SettingsTransaction transaction(kHiveUser);
    bool ok = true;
    for (const MachineSetting& s : kMachineSettings) {
        ok = CopyMachineSettingToUser(s.section, s.name, s.defaultText) && ok;
    }
    for (const UniverseValue& v : kUniverseValues) {
        ok = CopyMachineSettingToUser(kSectionUniverse, v.name, DefaultText(v)) && ok;
    }
    RegToUniGalaxies(kHiveMachine);
    RegToCompGalaxies(kHiveMachine);
    ok = UniGalaxiesToReg() && ok;
    ok = CompGalaxiesToReg() && ok;
    // The mark goes last and only with everything else: a user left without
    // it is copied again at the next start.
    ok = ok && SaveSettingValue(kSectionGeneral, kAnimationType, 0, kHiveUser);
    if (ok) transaction.Commit();
}

}  // namespace orbweave
