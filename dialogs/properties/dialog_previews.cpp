#include "dialogs/properties/dialog_previews.h"

#include <algorithm>
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

std::optional<double> BoxNumber(const std::string& text, Reading reading) {
    switch (reading) {
    case Reading::Int16:
        if (const auto value = TextToInt16(text)) return *value;
        return std::nullopt;
    case Reading::Int32:
        if (const auto value = TextToInt32(text)) return *value;
        return std::nullopt;
    case Reading::Single:
        if (const auto value = TextToSingle(text)) return *value;
        return std::nullopt;
    case Reading::None: break;
    }
    return std::nullopt;
}

// The number a row's control holds, as the preview reads it and clamped into
// the row's run range; nothing for a row the preview does not read, a
// missing control or a box without a number.
std::optional<double> PreviewNumber(const Form& dialog, const UniverseValue& v) {
    if (v.preview == Reading::None) return std::nullopt;
    const ControlRef c = ControlOf(v.control);
    std::optional<double> number;
    switch (v.type) {
    case UniverseValueType::Flag:
        if (const auto value = dialog.GetValue(c.name, c.index)) number = *value;
        break;
    case UniverseValueType::Int16:
        if (const auto item = dialog.GetListIndex(c.name, c.index)) number = *item;
        break;
    case UniverseValueType::Int32:
    case UniverseValueType::Single:
        if (const auto text = dialog.GetText(c.name, c.index)) number = BoxNumber(*text, v.preview);
        break;
    case UniverseValueType::Text: break;
    }
    if (!number) return std::nullopt;
    return std::clamp(*number, v.run.low, v.run.high);
}

// The universe's hue wheel from its two boxes; both must hold numbers.
std::optional<PreviewHues> DialogHues(const Form& dialog) {
    const auto start = PreviewNumber(dialog, kHueStartValue);
    const auto end = PreviewNumber(dialog, kHueEndValue);
    if (!start || !end) return std::nullopt;
    return PreviewHues{static_cast<std::int16_t>(*start), static_cast<std::int16_t>(*end)};
}

template <std::size_t N>
void TakePreviewValues(const Form& dialog, const std::array<UniverseValue, N>& rows, UniverseSettings& u) {
    for (const UniverseValue& v : rows) {
        if (const auto number = PreviewNumber(dialog, v)) SetUniverseField(u, v, *number);
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
    const UniverseValue& stars = *FindUniverseValue("Universe_Stars");
    const auto count = PreviewNumber(dialog, stars);
    UniverseSettings& universe = PreviewUniverseInputs().values;
    const std::int32_t starCount = count ? static_cast<std::int32_t>(*count) : universe.Universe_Stars;
    const auto index = ToInt16(*selected);
    if (!index) return;
    PreviewGalaxy(pic, ReadDisplayChoices(dialog), universe, *index, composite, starCount, DialogHues(dialog));
}

void PreviewUniverseFromDialog(const Form& dialog, const DrawingTarget& pic) {
    UniverseInputs inputs = PreviewUniverseInputs();
    TakePreviewValues(dialog, kUniverseValues, inputs.values);
    TakePreviewValues(dialog, kUniverseBlendLevels, inputs.values);
    // Without the box the tour stays as the last preview left it.
    if (const std::optional<std::string> tour = TourText(dialog)) inputs.tour = ParseTourSequence(*tour);
    if (PreviewUniverse(pic, ReadDisplayChoices(dialog), inputs, DialogHues(dialog))) PreviewUniverseInputs() = inputs;
}

}  // namespace orbweave
