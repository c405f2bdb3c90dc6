// Hooks through which the properties dialog opens the windows built apart
// from it; a hook that is not set does nothing.
#pragma once

#include <functional>

namespace orbweave {

struct DialogLaunchers {
    std::function<void(int)> levels, molecule, userIfs;
    std::function<void()> welcome;
};

DialogLaunchers& Launchers();

}  // namespace orbweave
