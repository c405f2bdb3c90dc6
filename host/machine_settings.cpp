#include "host/machine_settings.h"

#include <array>

#include "platform/registry/settings.h"
#include "settings/display_values.h"
#include "settings/registry_transfers.h"
#include "settings/universe_values.h"
#include "settings/user_marks.h"

namespace orbweave {
namespace {

struct MachineSetting {
    std::string_view section;
    std::string_view name;
    std::string_view defaultText;
};

// The properties dialog's placement, copied besides the values below.
constexpr std::array<MachineSetting, 2> kPlacementSettings{{
    {"General\\Main", "WindowState", "0"},
    {"General\\Main", "WindowSize", ""},
}};

// The advanced values a saver needs; no display value and no other advanced
// value is copied.
constexpr std::array<const DisplayValue*, 7> kCopiedDisplayValues{
    &RowOf(&DisplayRecord::FocalLength),   &RowOf(&DisplayRecord::Adv_TimeDelay), &RowOf(&DisplayRecord::Adv_FontName),
    &RowOf(&DisplayRecord::Adv_FontSize),  &RowOf(&DisplayRecord::Adv_FontHueV),  &RowOf(&DisplayRecord::LockMessage),
    &RowOf(&DisplayRecord::Adv_MouseMove),
};


}  // namespace

bool CopyMachineSettingToUser(std::string_view section, std::string_view key, std::string_view defaultText) {
    const std::string value = GetSettingString(section, key, defaultText, kHiveMachine);
    return SaveSettingValue(section, key, std::string_view(value), kHiveUser);
}

void MigrateMachineSettings() {
    if (!HasStoredSettings(kHiveMachine) || HasStoredSettings(kHiveUser)) return;
    SettingsTransaction transaction(kHiveUser);
    bool ok = true;
    for (const MachineSetting& s : kPlacementSettings) {
        ok = CopyMachineSettingToUser(s.section, s.name, s.defaultText) && ok;
    }
    for (const DisplayValue* v : kCopiedDisplayValues) {
        ok = CopyMachineSettingToUser(v->section, v->name, v->defaultText) && ok;
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
    ok = ok && SaveSettingValue(kSectionGeneral, kAnimationTypeName, 0, kHiveUser);
    if (ok) transaction.Commit();
}

}  // namespace orbweave
