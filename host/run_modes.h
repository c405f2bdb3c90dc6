#pragma once

// What start-up and the modes it dispatches to share: the exit statuses, the
// colour-depth check every drawing mode makes first, and the saver's entry
// points that start-up calls.

#include <cstdint>

#include "core/product.h"

namespace orbweave {

inline constexpr int kExitSuccess = 0;
inline constexpr int kExitFailure = 1;

// Below this desktop depth nothing is drawn.
inline constexpr std::int16_t kLeastColourDepth = 16;

// True when the desktop has at least 16 bits per pixel. Otherwise writes the
// colour-depth message on standard error when asked, releases the display
// and returns false.
bool CheckColorDepth(bool showMessage);

// A user without settings ("General\AnimationType" missing) gets the factory
// galaxy types and composites in the store; "AnimationType" itself is left
// to the properties dialog. The store's lock is not waited for. False when
// the store could not take them: the factory tables are then only in memory,
// and the run must keep them there rather than read the store's placeholders.
bool SeedNewUserGalaxyTables();

// The whole full-screen run; ends the process.
void RunSaver();

}  // namespace orbweave
