// One galaxy type, or one composite galaxy, animated on its own (the
// dialogs' previews and the About box's demonstration), and the set-up every
// dialog preview shares.
#pragma once

#include <cstdint>
#include <optional>

#include "renderer/galaxy/run_context.h"
#include "settings/universe_record.h"

namespace orbweave {

class DrawingTarget;
struct DisplayChoices;

// Animates galaxy type `index` (0..49), or composite `index` (0..15), with
// starCount x scale stars (at least one) until the frame pacing reports a
// stop, or after frameLimit frames when limitFrames is 1 and frameLimit is
// above 0. Refused while another animation runs. The display runs with the
// values of `universe` as one galaxy of that many stars without rebirths
// from elsewhere, and leaves them so in the record. Its types and colours are
// those of `tables`.
void RunGalaxyDisplay(UniverseSettings& universe, const RunTables& tables, std::int16_t index, std::int16_t limitFrames,
                      std::int32_t frameLimit, std::int32_t starCount, bool composite, float scale);

// The universe's hue wheel a preview draws with, as its boxes hold it.
struct PreviewHues {
    std::int16_t start;
    std::int16_t end;
};

// A dialog preview's display in the picture box `pic`: its geometry (with
// the dialog's display choices), the colour tables of `tables` and, given
// hues, the universe's hue ramps.
void PrepareDialogPreview(const RunTables& tables, const DrawingTarget& pic, const DisplayChoices& display,
                          std::optional<PreviewHues> hues);

// A preview in the picture box `pic`, prepared as above, of the stored galaxy type
// `index` (composite `index` when composite) with starCount stars. Nothing
// while another animation runs, or for an index outside the tables.
void PreviewGalaxy(const DrawingTarget& pic, const DisplayChoices& display, UniverseSettings& universe,
                   std::int16_t index, bool composite, std::int32_t starCount, std::optional<PreviewHues> hues);

}  // namespace orbweave
