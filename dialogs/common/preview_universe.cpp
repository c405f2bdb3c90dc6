#include "dialogs/common/preview_universe.h"

#include <algorithm>
#include <string>

#include "core/convert.h"
#include "dialogs/common/control_names.h"
#include "platform/forms/form.h"

namespace orbweave {
namespace {

std::optional<double> TextNumber(const std::string& text, Reading reading) {
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

std::optional<double> BoxNumber(const std::string& text, const UniverseValue& row, BoxTextReading reading) {
    if (reading == BoxTextReading::ZeroFirst) return TextToDouble("0" + text);
    return TextNumber(text, row.preview);
}

}  // namespace

UniverseInputs& PreviewUniverseInputs() {
    static UniverseInputs inputs;
    return inputs;
}

std::optional<double> PreviewNumber(const Form& props, const UniverseValue& row, BoxTextReading reading) {
    if (row.preview == Reading::None) return std::nullopt;
    const ControlRef c = ControlOf(row.control);
    std::optional<double> number;
    switch (row.type) {
    case UniverseValueType::Flag:
        if (const auto value = props.GetValue(c.name, c.index)) number = *value;
        break;
    case UniverseValueType::Int16:
        if (const auto item = props.GetListIndex(c.name, c.index)) number = *item;
        break;
    case UniverseValueType::Int32:
    case UniverseValueType::Single:
        if (const auto text = props.GetText(c.name, c.index)) number = BoxNumber(*text, row, reading);
        break;
    case UniverseValueType::Text: break;
    }
    if (!number) return std::nullopt;
    return std::clamp(*number, row.run.low, row.run.high);
}

// Clamped first, then rounded: a number too large for its type still reads
// as the top of its range.
std::int32_t PreviewStarCount(const Form& props, BoxTextReading reading) {
    const auto stars = PreviewNumber(props, *FindUniverseValue("Universe_Stars"), reading);
    const auto count = stars ? ToInt32(*stars) : std::nullopt;
    return count.value_or(PreviewUniverseInputs().values.Universe_Stars);
}

std::optional<PreviewHues> PreviewHueWheel(const Form& props, BoxTextReading reading) {
    const auto start = PreviewNumber(props, kHueStartValue, reading);
    const auto end = PreviewNumber(props, kHueEndValue, reading);
    const auto startHue = start ? ToInt16(*start) : std::nullopt;
    const auto endHue = end ? ToInt16(*end) : std::nullopt;
    if (!startHue || !endHue) return std::nullopt;
    return PreviewHues{*startHue, *endHue};
}

}  // namespace orbweave
