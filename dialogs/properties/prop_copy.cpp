#include "dialogs/properties/prop_copy.h"

#include <algorithm>
#include <cmath>
#include <optional>
#include <string>
#include <type_traits>
#include <variant>

#include "core/convert.h"
#include "dialogs/common/control_names.h"
#include "dialogs/properties/galaxy_transfers.h"
#include "platform/forms/controls.h"
#include "platform/forms/form.h"
#include "platform/system/services.h"
#include "renderer/galaxy/hue_tables.h"
#include "settings/galaxy_tables.h"
#include "settings/galaxy_values.h"

namespace orbweave {
namespace {

constexpr std::string_view kSelectPropertyMessage = "Please select a Property to copy.";
constexpr std::string_view kEnterValueMessage = "Please enter a Property value.";
constexpr std::string_view kSelectValueMessage = "Please select a Property value.";

const PropCopyRow* RowAt(int index) {
    return index >= 0 && index < kPropCopyCount ? &kPropCopyRows[static_cast<std::size_t>(index)] : nullptr;
}

const PropCopyRow* ChosenRow(const Form& props) { return RowAt(props.Get<ComboBox>("cboPropCopyList").ListIndex()); }

bool TakesText(const PropCopyRow& row) { return row.editor == CopyEditor::Digits || row.editor == CopyEditor::Decimal; }

bool StyleAdmits(const PropCopyRow& row, int style) {
    return style >= 0 && style < 16 && (row.styles & (1u << style)) != 0;
}

// The value as a field of the row's width takes it: whole numbers rounded,
// halves to even. The value is within the row's range, so it always fits.
void Store(UniGalaxy& type, const CopyField& field, float value) {
    std::visit(
        [&](auto member) {
            using T = std::remove_reference_t<decltype(type.*member)>;
            if constexpr (std::is_same_v<T, float>) {
                type.*member = value;
            } else if constexpr (std::is_same_v<T, std::int16_t>) {
                if (const auto whole = ToInt16(value)) type.*member = *whole;
            } else {
                if (const auto whole = ToInt32(value)) type.*member = *whole;
            }
        },
        field);
}

// The control of the galaxy frame that shows the row's field, as the
// field's galaxy value row places it.
ControlRef ControlOfField(const PropCopyRow& row) {
    for (const GalaxyValue& value : kGalaxyValues) {
        const auto place = std::visit(
            [&](const auto& v) -> std::optional<ControlPlace> {
                if constexpr (requires { v.field; }) {
                    if (CopyField(v.field) == row.field) return v.control;
                }
                return std::nullopt;
            },
            value);
        if (place) return ControlOf(*place);
    }
    return {};
}

// The row's control shows the value: a box its text, a list its index, the
// check box its state.
void ShowInControl(Form& props, const PropCopyRow& row, float value) {
    const ControlRef ref = ControlOfField(row);
    Control* control = props.Find(ref.name, ref.index);
    if (control == nullptr) return;
    if (TakesText(row)) {
        control->SetText(NumberToText(static_cast<double>(value)));
        return;
    }
    const std::optional<std::int16_t> whole = ToInt16(value);
    if (!whole) return;
    if (auto* list = dynamic_cast<ListControl*>(control))
        list->SetListIndex(*whole);
    else if (auto* check = dynamic_cast<CheckBox*>(control))
        check->SetValue(*whole);
}

void Inform(std::string_view text) {
    ShowMessage(text, kMessageTitle, {MessageIcon::Information, MessageButtons::Ok, 0});
}

void FillValueList(Form& props, const PropCopyRow& row) {
    auto& values = props.Get<ComboBox>("cboPropCopy");
    const ControlRef list = ControlOfField(row);
    const auto& source = props.Get<ComboBox>(list.name, list.index);
    for (int item = 0; item < source.ListCount(); ++item) values.AddItem(source.List(item));
    if (row.firstSelected) values.SetListIndex(0);
}

// The number the frame's editors hold for the chosen row, or none when the
// shown editor holds no value.
std::optional<double> GivenValue(const Form& props, const PropCopyRow& row) {
    switch (row.editor) {
    case CopyEditor::Check: return props.Get<CheckBox>("chkPropCopy").Value();
    case CopyEditor::Combo: {
        const int item = props.Get<ComboBox>("cboPropCopy").ListIndex();
        if (item < 0) return std::nullopt;
        return item;
    }
    case CopyEditor::Digits:
    case CopyEditor::Decimal: {
        const std::string text = props.Get<TextBox>("txtPropCopy").Text();
        if (Trim(text).empty()) return std::nullopt;
        return LeadingNumber(text);
    }
    }
    return std::nullopt;
}

}  // namespace

void CopyPropValueToAllGalaxyTypes(Form& props, int editedType, std::int16_t iProp, float fValue) {
    const PropCopyRow* row = RowAt(iProp);
    if (row == nullptr || std::isnan(fValue)) return;
    const float value = ClampSng(fValue, row->low, row->high);
    const bool galaxyPropsMode = IsGalaxyType(editedType);
    if (galaxyPropsMode) ControlsToUniGalaxy(props, editedType);
    for (int type = 0; type < kGalaxyTypeCount; ++type) {
        UniGalaxy& galaxy = UniGalaxies[static_cast<std::size_t>(type)];
        if (!StyleAdmits(*row, galaxy.Galaxy_GalStyle)) continue;
        Store(galaxy, row->field, value);
        if (!galaxyPropsMode) ShowInControl(props, *row, value);
    }
    if (galaxyPropsMode) UniGalaxyToControls(props, editedType);
    BuildHueColorTables(colourTables, UniGalaxies);
}

void cboPropCopyList_Click(Form& props) {
    auto& box = props.Get<TextBox>("txtPropCopy");
    auto& values = props.Get<ComboBox>("cboPropCopy");
    auto& check = props.Get<CheckBox>("chkPropCopy");
    box.SetText("");
    box.SetVisible(false);
    values.SetVisible(false);
    check.SetVisible(false);
    values.Clear();
    check.SetValue(CheckBox::kUnchecked);

    const PropCopyRow* row = ChosenRow(props);
    const bool showText = row == nullptr || TakesText(*row);
    check.SetVisible(row != nullptr && row->editor == CopyEditor::Check);
    values.SetVisible(row != nullptr && row->editor == CopyEditor::Combo);
    box.SetVisible(showText);
    props.Get("lblPropCopy").SetVisible(showText);
    if (row == nullptr) return;

    switch (row->editor) {
    case CopyEditor::Digits:
    case CopyEditor::Decimal:
        box.SetMaxLength(row->maxLength);
        props.Get("lblPropCopy").SetCaption(row->caption);
        break;
    case CopyEditor::Combo: FillValueList(props, *row); break;
    case CopyEditor::Check: check.SetCaption(row->caption); break;
    }
}

void txtPropCopy_KeyPress(Form& props, int& keyAscii) {
    const PropCopyRow* row = ChosenRow(props);
    if (row != nullptr && row->editor == CopyEditor::Decimal)
        KeyPressDecimal(props.Get<TextBox>("txtPropCopy"), keyAscii);
    else
        KeyPressDigitsOnly(keyAscii);
}

void txtPropCopy_LostFocus(Form& props) {
    const PropCopyRow* row = ChosenRow(props);
    if (row == nullptr || !TakesText(*row)) return;
    auto& box = props.Get<TextBox>("txtPropCopy");
    // A blank box holds no value: clamped, it would become the lowest value
    // and "Copy" would write that into every type instead of asking for one.
    if (Trim(box.Text()).empty()) return;
    ValidateNumericText(box, row->clamp, row->low, row->high);
}

void cmdPropCopy_Click(Form& props, int editedType) {
    const int chosen = props.Get<ComboBox>("cboPropCopyList").ListIndex();
    const PropCopyRow* row = RowAt(chosen);
    if (row == nullptr) {
        Inform(kSelectPropertyMessage);
        props.Get("cboPropCopyList").SetFocus();
        return;
    }
    const std::optional<double> given = GivenValue(props, *row);
    if (!given) {
        const bool list = row->editor == CopyEditor::Combo;
        Inform(list ? kSelectValueMessage : kEnterValueMessage);
        props.Get(list ? "cboPropCopy" : "txtPropCopy").SetFocus();
        return;
    }
    // Held to the row's range while still a double, so that a huge number never overflows a float.
    const double value = std::clamp(*given, static_cast<double>(row->low), static_cast<double>(row->high));
    CopyPropValueToAllGalaxyTypes(props, editedType, static_cast<std::int16_t>(chosen), static_cast<float>(value));
}

}  // namespace orbweave
