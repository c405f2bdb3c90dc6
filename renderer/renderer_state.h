// The renderer's process-wide state lives in a few named records: the run
// state, the colour tables, the display state and the drawing geometry.
// This puts every one of them back to the values the process starts with.
#pragma once

namespace orbweave {

void ResetRendererState();

}  // namespace orbweave
