#pragma once

// What the windows beside the properties dialog may ask of it while it is
// open, without including it: the dialog sets these when it loads and clears
// them when it unloads, so a request made with no dialog open does nothing.

#include <functional>

namespace orbweave {

struct PropertiesDialogLink {
    // Both universe blend levels and every galaxy type's blend level to 0,
    // in the dialog's working store (stored when the dialog is accepted).
    std::function<void()> removeBlending;
};

inline PropertiesDialogLink& PropertiesLink() {
    static PropertiesDialogLink link;
    return link;
}

}  // namespace orbweave
