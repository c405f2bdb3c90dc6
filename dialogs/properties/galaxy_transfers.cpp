#include "dialogs/properties/galaxy_transfers.h"

#include <algorithm>
#include <array>
#include <concepts>
#include <cstdint>
#include <optional>
#include <string>
#include <type_traits>
#include <variant>

#include "core/convert.h"
#include "dialogs/common/control_names.h"
#include "platform/forms/form.h"
#include "renderer/galaxy/galaxy_constants.h"
#include "renderer/galaxy/star_generators.h"
#include "settings/galaxy_tables.h"
#include "settings/galaxy_values.h"
#include "settings/number_text.h"

namespace orbweave {
namespace {

using C = DialogControl;

constexpr std::int16_t kRecordTrue = -1;  // true as a record holds a flag
constexpr int kChecked = 1;
constexpr int kNoSelection = -1;

// The colour computation of a style whose stars take their colours in a way
// of their own, which the colour list has no entry for.
struct StyleColour {
    std::int16_t style;
    std::int16_t colour;
};
constexpr std::array<StyleColour, 2> kStyleColours{{
    {kStyleNebula, kColourNebula},
    {kStyleMolecule, kColourMolecule},
}};

// How a control of the galaxy frame holds its value. The list editor's name
// and percent boxes, and values no control shows, are not exchanged.
enum class Holder { None, Text, ListIndex, CheckValue };

constexpr Holder HolderOf(DialogControl control) {
    switch (control) {
    case C::GalaxyBoxes:
    case C::HueBoxes: return Holder::Text;
    case C::PulsarShapeList:
    case C::GalaxyStyleList:
    case C::GalaxyPlaneList:
    case C::GalaxyColourList:
    case C::GalaxyProfileList: return Holder::ListIndex;
    case C::CometVectorCheck:
    case C::ClosedPathCheck:
    case C::AdvanceHueCheck: return Holder::CheckValue;
    default: return Holder::None;
    }
}

// The frame's four choice lists are set after every box, in table order
// (style first): choosing the style re-lays and re-clamps the boxes, which
// must then hold the type's values already.
constexpr bool IsSetLast(DialogControl control) {
    return control == C::GalaxyStyleList || control == C::GalaxyPlaneList || control == C::GalaxyColourList ||
           control == C::GalaxyProfileList;
}

ControlPlace PlaceOf(const GalaxyValue& value) {
    return std::visit([](const auto& v) { return v.control; }, value);
}

bool HasBoxRule(const GalaxyValue& value) {
    return std::visit(
        [](const auto& v) {
            if constexpr (requires { v.box; }) {
                return v.box.has_value();
            } else {
                return false;
            }
        },
        value);
}

bool SamePlace(ControlPlace a, ControlPlace b) { return a.control == b.control && a.index == b.index; }

// A galaxy box named by two rows: the row without a box rule is the nebula
// style's control-point value, shown in the box in the other row's place.
bool IsNebulaReading(const GalaxyValue& value) {
    return PlaceOf(value).control == C::GalaxyBoxes && !HasBoxRule(value);
}

bool GivesWayToNebula(const GalaxyValue& value) {
    const ControlPlace place = PlaceOf(value);
    return !IsNebulaReading(value) && std::ranges::any_of(kGalaxyValues, [&](const GalaxyValue& other) {
        return IsNebulaReading(other) && SamePlace(PlaceOf(other), place);
    });
}

bool ShownForStyle(const GalaxyValue& value, std::int16_t style) {
    return style == kStyleNebula ? !GivesWayToNebula(value) : !IsNebulaReading(value);
}

std::string BoxText(float value) { return ShortestText(value); }
template <std::integral T>
std::string BoxText(T value) {
    return NumberToText(value);
}

// A box's leading number in the field's type; empty when it does not fit.
template <class T>
std::optional<T> BoxNumber(std::string_view text) {
    const double number = LeadingNumber(text);
    if constexpr (std::is_same_v<T, float>) {
        return ToSingle(number);
    } else if constexpr (std::is_same_v<T, std::int16_t>) {
        return ToInt16(number);
    } else {
        return ToInt32(number);
    }
}

// The colour computation the style list's style stores, if it has its own.
std::optional<std::int16_t> OwnColourOfStyle(const Form& dialog) {
    const ControlRef style = ControlOf({C::GalaxyStyleList, kSingleControl});
    const std::optional<int> shown = dialog.GetListIndex(style.name, style.index);
    for (const StyleColour& row : kStyleColours) {
        if (shown == row.style) return row.colour;
    }
    return std::nullopt;
}

// The value a numeric row's control holds, in the field's type; empty when
// the control is missing, a list has no selection, or the number does not fit.
template <class T>
std::optional<T> ControlNumber(const Form& dialog, ControlPlace place) {
    const ControlRef c = ControlOf(place);
    switch (HolderOf(place.control)) {
    case Holder::Text:
        if (const auto text = dialog.GetText(c.name, c.index)) return BoxNumber<T>(*text);
        return std::nullopt;
    case Holder::ListIndex:
        if constexpr (std::integral<T>) {
            if (place.control == C::GalaxyColourList) {
                if (const auto colour = OwnColourOfStyle(dialog)) return *colour;
            }
            const std::optional<int> item = dialog.GetListIndex(c.name, c.index);
            if (item && *item != kNoSelection) return static_cast<T>(*item);
        }
        return std::nullopt;
    case Holder::CheckValue:
        if constexpr (std::integral<T>) {
            if (const auto value = dialog.GetValue(c.name, c.index)) return static_cast<T>(*value);
        }
        return std::nullopt;
    case Holder::None: return std::nullopt;
    }
    return std::nullopt;
}

template <class T>
void NumberToControl(Form& dialog, ControlPlace place, T value) {
    const ControlRef c = ControlOf(place);
    switch (HolderOf(place.control)) {
    case Holder::Text: dialog.SetText(c.name, c.index, BoxText(value)); break;
    case Holder::ListIndex:
        if constexpr (std::integral<T>) dialog.SetListIndex(c.name, c.index, value);
        break;
    case Holder::CheckValue:
        if constexpr (std::integral<T>) dialog.SetValue(c.name, c.index, value);
        break;
    case Holder::None: break;
    }
}

void ControlToField(const Form& dialog, UniGalaxy& g, const GalaxyValue& value) {
    std::visit(
        [&](const auto& v) {
            using Row = std::decay_t<decltype(v)>;
            if constexpr (std::is_same_v<Row, GalaxyFlagValue>) {
                const ControlRef c = ControlOf(v.control);
                if (const auto checked = dialog.GetValue(c.name, c.index)) {
                    g.*v.field = *checked == kChecked ? kRecordTrue : std::int16_t{0};
                }
            } else if constexpr (!std::is_same_v<Row, GalaxyNameValue>) {
                using T = std::remove_reference_t<decltype(g.*v.field)>;
                if (const auto number = ControlNumber<T>(dialog, v.control)) g.*v.field = *number;
            }
        },
        value);
}

void FieldToControl(Form& dialog, const UniGalaxy& g, const GalaxyValue& value) {
    std::visit(
        [&](const auto& v) {
            using Row = std::decay_t<decltype(v)>;
            if constexpr (std::is_same_v<Row, GalaxyFlagValue>) {
                const ControlRef c = ControlOf(v.control);
                dialog.SetValue(c.name, c.index, g.*v.field != 0 ? kChecked : 0);
            } else if constexpr (!std::is_same_v<Row, GalaxyNameValue>) {
                NumberToControl(dialog, v.control, g.*v.field);
            }
        },
        value);
}

bool IsExchanged(const GalaxyValue& value) { return HolderOf(PlaceOf(value).control) != Holder::None; }

}  // namespace

void ControlsToUniGalaxy(Form& dialog, int galaxyType) {
    if (!IsGalaxyType(galaxyType)) return;
    UniGalaxy& g = UniGalaxies[static_cast<std::size_t>(galaxyType)];
    for (const GalaxyValue& value : kGalaxyValues) {
        if (IsExchanged(value)) ControlToField(dialog, g, value);
    }
}

void UniGalaxyToControls(Form& dialog, int galaxyType) {
    if (!IsGalaxyType(galaxyType)) return;
    const UniGalaxy& g = UniGalaxies[static_cast<std::size_t>(galaxyType)];
    const auto shown = [&](const GalaxyValue& value) {
        return IsExchanged(value) && ShownForStyle(value, g.Galaxy_GalStyle);
    };
    for (const GalaxyValue& value : kGalaxyValues) {
        if (shown(value) && !IsSetLast(PlaceOf(value).control)) FieldToControl(dialog, g, value);
    }
    for (const GalaxyValue& value : kGalaxyValues) {
        if (shown(value) && IsSetLast(PlaceOf(value).control)) FieldToControl(dialog, g, value);
    }
}

}  // namespace orbweave
