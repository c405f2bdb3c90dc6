#pragma once

// How the properties dialog and the first-run set-up open the windows that
// live in higher layers (the welcome window and the editors of one galaxy
// type): each is a hook that the application sets when it builds those
// windows, so that this layer never includes them.

#include <functional>

namespace orbweave {

struct DialogLaunchers {
    // The editors of one galaxy type, each shown modally for the type's index.
    std::function<void(int)> levels = [](int) {};
    std::function<void(int)> molecule = [](int) {};
    std::function<void(int)> userIfs = [](int) {};
    // The welcome window of a user's first run, shown modally.
    std::function<void()> welcome = [] {};
};

// The process's hooks. A hook that is not set does nothing.
DialogLaunchers& Launchers();

}  // namespace orbweave
