#pragma once

// The two galaxy tables, the settings model's process-wide state. They are
// created zero at start, never resized, and read and changed in place through
// an index by every subsystem.

#include <array>

#include "settings/galaxy_records.h"

namespace orbweave {

// Galaxy types 0..49 are saved; slots 50..65 stand for the 16 composites while
// a universe or a composite preview runs (slot 50 + k for composite k).
inline constexpr int kGalaxyTypeCount = 50;
inline constexpr int kUniGalaxySlots = 66;
inline constexpr int kCompGalaxyCount = 16;

extern std::array<UniGalaxy, kUniGalaxySlots> UniGalaxies;
extern std::array<CompGalaxy, kCompGalaxyCount> CompGalaxies;

// Index tests: a saved galaxy type (0..49), a slot of UniGalaxies (0..65), a
// composite (0..15).
constexpr bool IsGalaxyType(int index) { return index >= 0 && index < kGalaxyTypeCount; }
constexpr bool IsUniGalaxySlot(int index) { return index >= 0 && index < kUniGalaxySlots; }
constexpr bool IsCompGalaxy(int index) { return index >= 0 && index < kCompGalaxyCount; }

}  // namespace orbweave
