#include "dialogs/common/display_choices.h"

#include <cmath>
#include <cstdint>

#include "core/convert.h"
#include "dialogs/common/display_controls.h"
#include "platform/forms/form.h"

namespace orbweave {
namespace {

using R = DisplayRecord;

// A number taken from a control, rounded and kept in its value's range, so
// that it fits the value's type.
std::int16_t WithinRange(const DisplayValue& row, double number) {
    return static_cast<std::int16_t>(std::nearbyint(ClampIntoRange(number, *row.storedRange, {})));
}

std::string_view NameOf(const DisplayValue& row) {
    const DisplayControlName* names = DisplayControlNameOf(row.control);
    return names != nullptr ? names->name : std::string_view();
}

}  // namespace

DisplayChoices ReadDisplayChoices(const Form& dialog) {
    constexpr const DisplayValue& offset = RowOf(&R::DX_VertOffset);
    constexpr const DisplayValue& layout = RowOf(&R::DX_RGB16bbp);
    DisplayChoices choices{ReadDisplayValue<&R::DX_VertOffset>(), ReadDisplayValue<&R::DX_RGB16bbp>()};
    if (const auto text = dialog.GetText(NameOf(offset), offset.controlIndex)) {
        choices.vertOffset = WithinRange(offset, LeadingNumber(*text));
    }
    if (const auto index = dialog.GetListIndex(NameOf(layout), layout.controlIndex)) {
        choices.rgb16Layout = WithinRange(layout, *index);
    }
    return choices;
}

}  // namespace orbweave
