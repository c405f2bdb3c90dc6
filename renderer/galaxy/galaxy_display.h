// One galaxy type, or one composite galaxy, animated on its own (the
// dialogs' previews and the About box's demonstration), and the two previews
// of the properties dialog, which the dialog runs with the values it holds.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

#include "settings/universe_record.h"

namespace orbweave {

class DrawingTarget;
struct DisplayChoices;

// Animates galaxy type `index` (0..49), or composite `index` (0..15), with
// starCount x scale stars (at least one) until the frame pacing reports a
// stop, or after frameLimit frames when limitFrames is 1 and frameLimit is
// above 0. Refused while another animation runs.
void RunGalaxyDisplay(std::int16_t index, std::int16_t limitFrames, std::int32_t frameLimit, std::int32_t starCount,
                      bool composite, float scale);

// The universe's hue wheel a preview draws with, as its boxes hold it.
struct PreviewHues {
    std::int16_t start;
    std::int16_t end;
};

// A preview in the picture box `pic`: its geometry (with the dialog's
// display choices), the colour tables and, given hues, the universe's hue
// ramps; then galaxy type `index` (composite `index` when composite) with
// starCount stars. Nothing while another animation runs, or for an index
// outside the tables.
void PreviewGalaxy(const DrawingTarget& pic, const DisplayChoices& display, std::int16_t index, bool composite,
                   std::int32_t starCount, std::optional<PreviewHues> hues);

// As above, then the universe run with `settings` (which stay the run's
// values afterwards) and the tour sequence text `tour` (without one the tour
// stays as it was).
void PreviewUniverse(const DrawingTarget& pic, const DisplayChoices& display, const UniverseSettings& settings,
                     std::optional<std::string_view> tour, std::optional<PreviewHues> hues);

}  // namespace orbweave
