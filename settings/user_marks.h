// The two values in a store's "General" section that say what it holds.
#pragma once

#include <string_view>

#include "platform/registry/settings.h"

namespace orbweave {

// Stored with the galaxy tables: a hive holding it has settings of its own.
inline constexpr std::string_view kAnimationTypeName = "AnimationType";
// Stored when a user's first configuration run begins (the welcome window).
inline constexpr std::string_view kResetSettingsName = "ResetSettings";

// Whether the hive holds settings of its own ("AnimationType" is there and
// numeric: a value that is not counts as missing).
bool HasStoredSettings(int hive = kHiveUser);

// Whether the user's first configuration run has begun.
bool FirstRunBegun();

}  // namespace orbweave
