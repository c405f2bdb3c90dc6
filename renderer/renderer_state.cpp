#include "renderer/renderer_state.h"

#include "core/colour_tables.h"
#include "renderer/display/display.h"
#include "renderer/display/display_settings.h"
#include "renderer/display/presentation.h"
#include "renderer/display/run_state.h"

namespace orbweave {

void ResetRendererState() {
    ResetRunState();
    ResetColourTables();
    ResetDisplayState();
    ResetDisplaySettings();
    ResetFrameStatistics();
}

}  // namespace orbweave
