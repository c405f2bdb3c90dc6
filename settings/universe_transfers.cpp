#include "settings/universe_transfers.h"

#include <string>

#include "core/convert.h"
#include "platform/forms/form.h"
#include "settings/dialog_lists.h"
#include "settings/display_values.h"
#include "settings/galaxy_template_transfers.h"
#include "settings/template_file.h"
#include "settings/template_transfers.h"
#include "settings/universe_values.h"

namespace orbweave {
namespace {

static_assert(kSingleControl == kNoIndex);

constexpr std::string_view kChecked = "1";

void TempToControl(Form& dialog, const UniverseValue& v) {
    const std::string text = ReadTemplateValue(kSectionUniverse, v.name, v.defaultText);
    switch (v.type) {
        case UniverseValueType::Int32:
        case UniverseValueType::Single:
        case UniverseValueType::Text:
            dialog.SetText(v.control, v.controlIndex, text);
            break;
        case UniverseValueType::Flag:
            dialog.SetValue(v.control, v.controlIndex, text == kChecked ? 1 : 0);
            break;
        case UniverseValueType::Int16:
            if (const auto item = TextToInt16("0" + text)) dialog.SetListIndex(v.control, v.controlIndex, *item);
            break;
    }
}

// The text a control's value is saved as; nothing when the control is missing.
std::optional<std::string> ControlText(const Form& dialog, const UniverseValue& v) {
    switch (v.type) {
        case UniverseValueType::Int32:
        case UniverseValueType::Single:
            if (const auto text = dialog.GetText(v.control, v.controlIndex)) return NumberToText(LeadingNumber(*text));
            return std::nullopt;
        case UniverseValueType::Text:
            if (const auto text = dialog.GetText(v.control, v.controlIndex)) return Trim(*text);
            return std::nullopt;
        case UniverseValueType::Flag:
            if (const auto value = dialog.GetValue(v.control, v.controlIndex)) return NumberToText(*value);
            return std::nullopt;
        case UniverseValueType::Int16:
            if (const auto item = dialog.GetListIndex(v.control, v.controlIndex)) return NumberToText(*item);
            return std::nullopt;
    }
    return std::nullopt;
}

}  // namespace

void TempToUniverseControls(Form& dialog) {
    for (const UniverseValue& v : kUniverseValues) TempToControl(dialog, v);
}

bool UniverseControlsToTemp(const Form& dialog) {
    bool ok = true;
    for (const UniverseValue& v : kUniverseValues) {
        if (const auto text = ControlText(dialog, v)) ok = WriteTemplateEntry(kSectionUniverse, v.name, *text) && ok;
    }
    return ok;
}

bool TempToUniverseSettings(Form& dialog) {
    if (!LoadTemplateText()) return false;
    for (const TemplateSetting& s : kTemplateRandomSettings) {
        CopyTemplateToSetting(kSectionAdvanced, s.name, s.defaultText);
    }
    TempToUniverseControls(dialog);
    TempToUniGalaxies();
    TempToCompGalaxies();
    // The lists show the tables just read, not the settings store.
    FillUniGalaxyList(dialog, false);
    FillCompGalaxyLists(dialog, false);
    return true;
}

bool UniverseSettingsToTemp(const Form& dialog) {
    bool ok = UniverseControlsToTemp(dialog);
    ok = UniGalaxiesToTemp() && ok;
    return CompGalaxiesToTemp() && ok;
}

}  // namespace orbweave
