#include "dialogs/common/control_enabling.h"

#include <algorithm>
#include <array>

#include "platform/forms/control.h"
#include "platform/forms/form.h"

namespace orbweave {

namespace {

// The menus that stay usable while a preview runs.
constexpr std::array<std::string_view, 4> kAlwaysEnabledMenus = {"mnuFileArray", "mnuEditArray", "mnuHelpArray",
                                                                 "mnuResetSettings"};

}  // namespace

void EnableFormControls(Form& form, bool disable, std::string_view keepName) {
    for (Control* control : form.Controls()) {
        if (std::find(kAlwaysEnabledMenus.begin(), kAlwaysEnabledMenus.end(), control->Name()) !=
            kAlwaysEnabledMenus.end())
            continue;
        control->SetEnabled(control->Name() == keepName || control->Kind() == ControlKind::Frame || !disable);
    }
}

}  // namespace orbweave
