#include "core/colour_tables.h"

namespace orbweave {

constinit ColourTables colourTables;

void ResetColourTables() { colourTables = ColourTables{}; }

}  // namespace orbweave
