#pragma once

// Where a saved value lives in the properties dialog (or the advanced
// settings dialog) and how its numeric box behaves, written without naming a
// control: the dialog layer holds the one
// table that turns a DialogControl into its control name. The value tables
// carry these as columns, so that the dialog's transfers and box bindings
// walk the same rows as the store and the renderer.

#include <cstdint>
#include <optional>

#include "core/arrow_step.h"

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

enum class BoxKeys : std::uint8_t {
    Digits,   // "0" to "9" and Backspace
    Decimal,  // as Digits, plus one "."
};

// The clamp a box applies when it loses the focus, by the type its value is
// converted to. A box of the galaxy frame's radial fields takes its range from
// the galaxy style shown, so its row gives none.
enum class BoxClamp : std::uint8_t { None, Integer, Single, Long, ByStyle };

// The spin control beside a box, which shows the box's value divided by
// scale. A scale of 0: the box has no spin control. A box whose range follows
// the galaxy style has a spin whose range the style sets (0..0 here).
struct SpinRange {
    int low = 0;
    int high = 0;
    int scale = 0;
};

struct BoxRule {
    BoxKeys keys = BoxKeys::Digits;
    BoxClamp clamp = BoxClamp::None;
    double low = 0;
    double high = 0;
    ArrowStep arrows{};
    SpinRange spin{};
};

// A row's box, or none for a value shown in a list or a check box (or in a
// box whose rule another row of the table gives).
using OptionalBox = std::optional<BoxRule>;

constexpr BoxRule DigitsBox(BoxClamp clamp, double low, double high, ArrowStep arrows = {}, SpinRange spin = {}) {
    return {BoxKeys::Digits, clamp, low, high, arrows, spin};
}
constexpr BoxRule DecimalBox(BoxClamp clamp, double low, double high) {
    return {BoxKeys::Decimal, clamp, low, high, {}, {}};
}
constexpr SpinRange Spin(int low, int high, int scale = 1) { return {low, high, scale}; }

}  // namespace orbweave
