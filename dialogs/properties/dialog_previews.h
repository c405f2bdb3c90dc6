// The properties dialog's two previews, run from the dialog's unsaved control
// values: the controls are read here and handed to the renderer as values.
#pragma once

namespace orbweave {

class DrawingTarget;
class Form;

// The galaxy type (or, with composite, the composite) selected in the
// dialog's list, drawn into `pic` with the dialog's display choices, its
// star count (clamped to 10..99999; a box without a number keeps the current
// count) and its universe hue wheel (kept as it is unless both hue boxes hold
// numbers). Nothing without a selection.
void PreviewGalaxyFromDialog(const Form& dialog, const DrawingTarget& pic, bool composite);

// The universe of the dialog's universe controls and blend levels, each read
// and clamped as its row says, drawn into `pic` with the dialog's display
// choices. A box whose text is not a
// number leaves its value as it was; the camera ramp and rotation are not
// taken from the dialog.
void PreviewUniverseFromDialog(const Form& dialog, const DrawingTarget& pic);

}  // namespace orbweave
