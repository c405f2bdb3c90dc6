// A stand-in for the properties dialog in the transfer tests: every control
// the value tables name, made from their control columns, plus the galaxy and
// composite lists, the theme and page lists, each list filled with as many
// entries as the dialog's. No handlers: a test binds the ones it watches.
#pragma once

#include <memory>
#include <optional>
#include <string>
#include <variant>
#include <vector>

#include "dialogs/common/control_names.h"
#include "dialogs/properties/display_options.h"
#include "platform/forms/controls.h"
#include "platform/forms/form.h"
#include "settings/display_values.h"
#include "settings/galaxy_values.h"
#include "settings/universe_values.h"

namespace orbweave::testing {

// The kind of control the dialog uses for a place; none for the advanced
// settings dialog's controls.
inline std::optional<ControlKind> PropsKindOf(DialogControl control) {
    using C = DialogControl;
    switch (control) {
    case C::UniverseBoxes:
    case C::GalaxyBoxes:
    case C::HueBoxes:
    case C::BlendBoxes:
    case C::GalaxyPercentBox:
    case C::GalaxyNameBox:
    case C::CustomSizeBoxes: return ControlKind::TextBox;
    case C::TourSequence:
    case C::UniverseProfileList:
    case C::GalaxyStyleList:
    case C::GalaxyPlaneList:
    case C::GalaxyColourList:
    case C::GalaxyProfileList:
    case C::PulsarShapeList:
    case C::ResolutionList:
    case C::VertOffsetList:
    case C::LayoutList: return ControlKind::ComboBox;
    case C::TourCheck:
    case C::VisitSequenceCheck:
    case C::RotateCameraCheck:
    case C::CometVectorCheck:
    case C::ClosedPathCheck:
    case C::AdvanceHueCheck: return ControlKind::CheckBox;
    default: return std::nullopt;
    }
}

struct ListEntries {
    const char* name;
    int count;
};

// As many entries as the dialog's lists have; the texts do not matter here.
inline constexpr ListEntries kPropsListEntries[] = {
    {"cboUniProfile", 52}, {"cboGalStyle", 10},   {"cboGalPlane", 2}, {"cboGalColor", 5},
    {"cboGalProfile", 7},  {"cboPulsarShape", 5}, {"cboUniTheme", 9}, {"cboUniExtras", 6},
};

// The lists the galaxy and composite lists are filled into.
inline constexpr const char* kPropsGalaxyLists[] = {"lstUniGalaxy", "lstCompGalaxy", "lstCompMinor"};

// The two display modes the test display lists (besides the custom entry).
inline constexpr const char* kTestDisplayModes[] = {"640 * 480", "800 * 600"};

inline void AddPropsControl(Form& form, ControlPlace place) {
    const std::optional<ControlKind> kind = PropsKindOf(place.control);
    if (!kind) return;
    const ControlRef c = ControlOf(place);
    ControlSpec row{c.name, c.index, *kind, {}, 0, 0, 1200, 300, ""};
    if (place.control == DialogControl::TourSequence) row.style = kStyleEditable;
    form.AddControl(row);  // a box two rows share is added once
}

inline void FillDisplayLists(Form& form) {
    auto& resolutions = form.Get<ComboBox>("cboResolution");
    resolutions.AddItem(kCustomResolutionText);
    for (const char* mode : kTestDisplayModes) resolutions.AddItem(mode);
    for (int offset = -9; offset <= 9; ++offset) form.Get<ComboBox>("cboVertOffset").AddItem(std::to_string(offset));
    for (const char* layout : {"5-6-5", "5-5-5", "Hardware"}) form.Get<ComboBox>("cboRGB16bbp").AddItem(layout);
}

inline std::unique_ptr<Form> MakePropsTestForm() {
    auto form = std::make_unique<Form>("frmProps");
    for (const GalaxyValue& v : kGalaxyValues) {
        AddPropsControl(*form, std::visit([](const auto& row) { return row.control; }, v));
    }
    for (const UniverseValue& v : kUniverseValues) AddPropsControl(*form, v.control);
    for (const UniverseValue& v : kUniverseBlendLevels) AddPropsControl(*form, v.control);
    for (const DisplayValue& v : kDisplayValues) AddPropsControl(*form, v.control);
    for (const ListEntries& list : kPropsListEntries) {
        form->AddControl({list.name, kNoIndex, ControlKind::ComboBox, {}, 0, 0, 1200, 300, ""});
        for (int i = 0; i < list.count; ++i) form->Get<ComboBox>(list.name).AddItem("Entry " + std::to_string(i));
    }
    for (const char* name : kPropsGalaxyLists) {
        form->AddControl({name, kNoIndex, ControlKind::ListBox, {}, 0, 0, 3000, 3000, ""});
    }
    form->AddControl({"cboCompMajor", kNoIndex, ControlKind::ComboBox, {}, 0, 0, 3000, 300, ""});
    FillDisplayLists(*form);
    return form;
}

// Every control's state as one text per control, to compare two forms.
inline std::vector<std::string> ControlStates(const Form& form) {
    std::vector<std::string> states;
    for (const Control* control : form.Controls()) {
        std::string state = control->Name() + "(" + std::to_string(control->Index()) + ")";
        if (const auto text = form.GetText(control->Name(), control->Index())) state += " text=" + *text;
        if (const auto item = form.GetListIndex(control->Name(), control->Index())) {
            state += " item=" + std::to_string(*item);
        }
        if (const auto value = form.GetValue(control->Name(), control->Index())) {
            state += " value=" + std::to_string(*value);
        }
        if (const auto* list = dynamic_cast<const ListControl*>(control)) {
            for (int i = 0; i < list->ListCount(); ++i) state += " | " + list->List(i);
        }
        states.push_back(std::move(state));
    }
    return states;
}

}  // namespace orbweave::testing
