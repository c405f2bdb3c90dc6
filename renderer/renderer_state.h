// The renderer's process-wide state lives in a few named records: the run
// state, the colour tables, the display state, the display settings with the
// drawing geometry, and the frame statistics. This puts those records back
// to the values the process starts with. It leaves the scale of the last
// display load, the message overlay (ResetMessageOverlay), the frame pacer
// (SetFramePacer) and the pause slices (ResetPauseSlices) as they are.
#pragma once

namespace orbweave {

void ResetRendererState();

}  // namespace orbweave
