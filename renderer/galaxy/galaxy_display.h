// One galaxy type, or one composite galaxy, animated on its own (the
// dialogs' previews and the About box's demonstration), and the properties
// dialog's two previews, which run from the dialog's unsaved control values.
#pragma once

#include <cstdint>

namespace orbweave {

class DrawingTarget;

// Animates galaxy type `index` (0..49), or composite `index` (0..15), with
// starCount x scale stars (at least one) until the frame pacing reports a
// stop, or after frameLimit frames when limitFrames is 1 and frameLimit is
// above 0. Refused while another animation runs.
void RunGalaxyDisplay(std::int16_t index, std::int16_t limitFrames, std::int32_t frameLimit, std::int32_t starCount,
                      bool composite, float scale);

// The galaxy type or composite selected in the dialog that holds `pic`,
// drawn into `pic`; nothing without a selection.
void PreviewGalaxyFromDialog(const DrawingTarget& pic, bool composite);

// The universe of the dialog's universe controls, drawn into `pic`. A box
// whose text is not a number leaves its value as it was.
void PreviewUniverseFromDialog(const DrawingTarget& pic);

}  // namespace orbweave
