#pragma once

// Where a saved value lives in the properties dialog (or the advanced
// settings dialog) and how its numeric box behaves, written without naming a
// control: the dialog layer holds the one
// table that turns a DialogControl into its control name. The value tables
// carry these as columns, so that the dialog's transfers and box bindings
// walk the same rows as the store and the renderer.

#include <cstdint>
#include <optional>

#include "core/box_rule.h"

namespace orbweave {

enum class DialogControl : std::uint8_t {
    None,  // not shown in the properties dialog
    // Numeric box arrays, addressed by index.
    UniverseBoxes,
    GalaxyBoxes,
    HueBoxes,    // a galaxy type's colour percentages and blend level
    BlendBoxes,  // the universe's burst and travel blend levels
    // Single controls.
    GalaxyPercentBox,
    GalaxyNameBox,
    TourSequence,
    TourCheck,
    VisitSequenceCheck,
    RotateCameraCheck,
    UniverseProfileList,
    GalaxyStyleList,
    GalaxyPlaneList,
    GalaxyColourList,
    GalaxyProfileList,
    PulsarShapeList,
    CometVectorCheck,
    ClosedPathCheck,
    AdvanceHueCheck,
    // The display page's resolution choice, custom size and 16-bit options.
    ResolutionList,
    CustomSizeBoxes,
    VertOffsetList,
    LayoutList,
    // The advanced settings dialog.
    AdvancedBoxes,  // delay, focal length and the hidden randomisation boxes
    MessageBoxes,   // the on-screen message's size, offset, hue and countdown, and its texts
    FontList,
    MouseMoveCheck,
    RandomCheck,    // hidden
    HueWheelBoxes,  // hidden
};

// The index of a control that is not an element of an array.
inline constexpr int kSingleControl = -1;

struct ControlPlace {
    DialogControl control = DialogControl::None;
    int index = kSingleControl;
};

// A row's box, or none for a value shown in a list or a check box (or in a
// box whose rule another row of the table gives).
using OptionalBox = std::optional<BoxRule>;

}  // namespace orbweave
