#pragma once

// The factory galaxy-type rows as stored text; read through GetUniGalaxyPreset.

#include <array>
#include <string_view>

#include "settings/galaxy_tables.h"

namespace orbweave {

extern const std::array<std::string_view, kGalaxyTypeCount> kFactoryGalaxyRows;

}  // namespace orbweave
