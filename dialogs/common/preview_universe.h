// The universe values and tour list the dialogs' previews run with, and how a
// preview reads the properties dialog's universe controls. The values belong
// to the process rather than to one dialog: a preview leaves the values it ran
// with, so after a universe preview with gravity a galaxy preview shows no
// comets, and a box a preview cannot read keeps the value the previous preview
// used.
#pragma once

#include <cstdint>
#include <optional>

#include "renderer/galaxy/galaxy_display.h"
#include "renderer/universe/universe_settings.h"
#include "settings/universe_values.h"

namespace orbweave {

class Form;

UniverseInputs& PreviewUniverseInputs();

// How a preview turns a box's text into a number. AsRow: the whole text must
// be a number, read as the row's preview column says (the properties dialog's
// own previews). ZeroFirst: "0" is put in front of the text, so that an empty
// box reads 0 (the element editors, which read every box so).
enum class BoxTextReading : std::uint8_t { AsRow, ZeroFirst };

// The number a row's control of the properties dialog holds, clamped into
// the row's run range; nothing for a row no preview reads, a missing control
// or a box without a number.
std::optional<double> PreviewNumber(const Form& props, const UniverseValue& row, BoxTextReading reading);

// The star count of a galaxy preview; a box without a number keeps the count
// of the previews' universe.
std::int32_t PreviewStarCount(const Form& props, BoxTextReading reading);

// The universe's hue wheel; none unless both hue boxes hold numbers.
std::optional<PreviewHues> PreviewHueWheel(const Form& props, BoxTextReading reading);

}  // namespace orbweave
