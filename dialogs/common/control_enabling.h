// Switching a dialog's controls off while a preview runs, and on again.
#pragma once

#include <string_view>

namespace orbweave {

class Form;

// With disable set, every control except frames, the one named keepName and
// the File, Edit and Help menu arrays and "mnuResetSettings" is switched off;
// with it cleared every control is switched on.
void EnableFormControls(Form& form, bool disable, std::string_view keepName);

}  // namespace orbweave
