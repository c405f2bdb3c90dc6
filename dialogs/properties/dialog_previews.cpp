#include "dialogs/properties/dialog_previews.h"

#include <array>
#include <optional>
#include <string>

#include "core/convert.h"
#include "dialogs/common/control_names.h"
#include "dialogs/common/preview_universe.h"
#include "dialogs/properties/display_choices.h"
#include "platform/forms/form.h"
#include "renderer/galaxy/galaxy_display.h"
#include "renderer/universe/universe_run.h"
#include "settings/universe_values.h"

namespace orbweave {
namespace {

constexpr std::string_view kGalaxyTypeList = "lstUniGalaxy";
constexpr std::string_view kCompositeList = "lstCompGalaxy";
// The dialog's own previews take a box's number only when its whole text is one.
constexpr BoxTextReading kRowReading = BoxTextReading::AsRow;

template <std::size_t N>
void TakePreviewValues(const Form& dialog, const std::array<UniverseValue, N>& rows, UniverseSettings& u) {
    for (const UniverseValue& v : rows) {
        if (const auto number = PreviewNumber(dialog, v, kRowReading)) SetUniverseField(u, v, *number);
    }
}

std::optional<std::string> TourText(const Form& dialog) {
    const ControlRef c = ControlOf(kTourSequenceValue.control);
    return dialog.GetText(c.name, c.index);
}

}  // namespace

void PreviewGalaxyFromDialog(const Form& dialog, const DrawingTarget& pic, bool composite) {
    const auto selected = dialog.GetListIndex(composite ? kCompositeList : kGalaxyTypeList);
    if (!selected) return;
    const auto index = ToInt16(*selected);
    if (!index) return;
    PreviewGalaxy(pic, ReadDisplayChoices(dialog), PreviewUniverseInputs().values, *index, composite,
                  PreviewStarCount(dialog, kRowReading), PreviewHueWheel(dialog, kRowReading));
}

void PreviewUniverseFromDialog(const Form& dialog, const DrawingTarget& pic) {
    UniverseInputs inputs = PreviewUniverseInputs();
    TakePreviewValues(dialog, kUniverseValues, inputs.values);
    TakePreviewValues(dialog, kUniverseBlendLevels, inputs.values);
    // Without the box the tour stays as the last preview left it.
    if (const std::optional<std::string> tour = TourText(dialog)) inputs.tour = ParseTourSequence(*tour);
    if (PreviewUniverse(pic, ReadDisplayChoices(dialog), inputs, PreviewHueWheel(dialog, kRowReading)))
        PreviewUniverseInputs() = inputs;
}

}  // namespace orbweave
