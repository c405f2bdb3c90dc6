#include "settings/user_marks.h"

#include <cstdint>

#include "settings/display_values.h"

namespace orbweave {

namespace {

// What a read of a missing or non-numeric mark gives.
constexpr std::int16_t kMissing = -1;

bool Marked(std::string_view name, int hive) {
    return GetSettingInteger(kSectionGeneral, name, kMissing, hive) != kMissing;
}

}  // namespace

bool HasStoredSettings(int hive) { return Marked(kAnimationTypeName, hive); }

bool FirstRunBegun() { return Marked(kResetSettingsName, kHiveUser); }

}  // namespace orbweave
