#include "dialogs/properties/display_choices.h"

#include <cmath>
#include <cstdint>

#include "core/convert.h"
#include "dialogs/common/control_names.h"
#include "platform/forms/form.h"

namespace orbweave {
namespace {

using R = DisplayRecord;

// A number taken from a control, rounded and kept in its value's range, so
// that it fits the value's type.
std::int16_t WithinRange(const DisplayValue& row, double number) {
    return static_cast<std::int16_t>(std::nearbyint(ClampIntoRange(number, *row.storedRange, {})));
}

}  // namespace

DisplayChoices ReadDisplayChoices(const Form& dialog) {
    constexpr const DisplayValue& offset = RowOf(&R::DX_VertOffset);
    constexpr const DisplayValue& layout = RowOf(&R::DX_RGB16bbp);
    DisplayChoices choices{ReadDisplayValue<&R::DX_VertOffset>(), ReadDisplayValue<&R::DX_RGB16bbp>()};
    const ControlRef offsetList = ControlOf(offset.control);
    const ControlRef layoutList = ControlOf(layout.control);
    if (const auto text = dialog.GetText(offsetList.name, offsetList.index)) {
        choices.vertOffset = WithinRange(offset, LeadingNumber(*text));
    }
    if (const auto index = dialog.GetListIndex(layoutList.name, layoutList.index)) {
        choices.rgb16Layout = WithinRange(layout, *index);
    }
    return choices;
}

}  // namespace orbweave
