#pragma once

// The first start of a user on a machine with installed settings: the
// machine-wide values and galaxy tables become the user's own.

#include <string_view>

namespace orbweave {

// Stores the machine-wide value of key in section (the default when the
// machine has none) as the current user's value.
bool CopyMachineSettingToUser(std::string_view section, std::string_view key, std::string_view defaultText);

// When the machine holds settings ("General\AnimationType") and the current
// user holds none, copies the window placement of the properties dialog, the
// advanced values a saver needs, the universe values and both galaxy tables
// to the user, and marks the user as having settings. Everything is stored in
// one transaction, so a failed copy is tried again at the next start.
void MigrateMachineSettings();

}  // namespace orbweave
