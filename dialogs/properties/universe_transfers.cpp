#include "dialogs/properties/universe_transfers.h"

#include <string>

#include "core/convert.h"
#include "dialogs/common/control_names.h"
#include "dialogs/properties/dialog_lists.h"
#include "platform/forms/form.h"
#include "platform/registry/settings.h"
#include "settings/display_values.h"
#include "settings/galaxy_template_transfers.h"
#include "settings/number_text.h"
#include "settings/template_file.h"
#include "settings/template_transfers.h"
#include "settings/universe_values.h"

namespace orbweave {
namespace {

static_assert(kSingleControl == kNoIndex);

constexpr std::string_view kChecked = "1";

// A value's text as a template holds it into the value's control.
void TextToControl(Form& dialog, const UniverseValue& v, const std::string& text) {
    const ControlRef c = ControlOf(v.control);
    switch (v.type) {
    case UniverseValueType::Int32:
    case UniverseValueType::Single:
    case UniverseValueType::Text: dialog.SetText(c.name, c.index, text); break;
    case UniverseValueType::Flag: dialog.SetValue(c.name, c.index, text == kChecked ? 1 : 0); break;
    case UniverseValueType::Int16:
        if (const auto item = TextToInt16("0" + text)) dialog.SetListIndex(c.name, c.index, *item);
        break;
    }
}

// A box's number in the shortest text that reads back as the value its row
// holds: a single-precision value as that float ("0.9850" -> "0.985"), any
// other as the number read.
std::string BoxNumberText(std::string_view text, UniverseValueType type) {
    const double number = LeadingNumber(text);
    if (type == UniverseValueType::Single) {
        if (const auto single = ToSingle(number)) return ShortestText(*single);
    }
    return ShortestText(number);
}

// The text a control's value is saved as; nothing when the control is missing.
std::optional<std::string> ControlText(const Form& dialog, const UniverseValue& v) {
    const ControlRef c = ControlOf(v.control);
    switch (v.type) {
    case UniverseValueType::Int32:
    case UniverseValueType::Single:
        if (const auto text = dialog.GetText(c.name, c.index)) return BoxNumberText(*text, v.type);
        return std::nullopt;
    case UniverseValueType::Text:
        if (const auto text = dialog.GetText(c.name, c.index)) return Trim(*text);
        return std::nullopt;
    case UniverseValueType::Flag:
        if (const auto value = dialog.GetValue(c.name, c.index)) return NumberToText(*value);
        return std::nullopt;
    case UniverseValueType::Int16:
        if (const auto item = dialog.GetListIndex(c.name, c.index)) return NumberToText(*item);
        return std::nullopt;
    }
    return std::nullopt;
}

// The stored value of a row into its control, read as the row's type says.
bool RegToControl(Form& dialog, const UniverseValue& v) {
    const ControlRef c = ControlOf(v.control);
    const std::string_view section = kSectionUniverse;
    switch (v.type) {
    case UniverseValueType::Int32: {
        const auto fallback = static_cast<std::int32_t>(v.fallback);
        return dialog.SetText(c.name, c.index, NumberToText(GetSettingLong(section, v.name, fallback)));
    }
    case UniverseValueType::Single: {
        const auto fallback = static_cast<float>(v.fallback);
        return dialog.SetText(c.name, c.index, ShortestText(GetSettingSingle(section, v.name, fallback)));
    }
    case UniverseValueType::Text:
        return dialog.SetText(c.name, c.index, GetSettingString(section, v.name, DefaultText(v)));
    case UniverseValueType::Flag: {
        const auto fallback = static_cast<std::int16_t>(v.fallback);
        return dialog.SetValue(c.name, c.index, GetSettingInteger(section, v.name, fallback) == 1 ? 1 : 0);
    }
    case UniverseValueType::Int16: {
        const auto fallback = static_cast<std::int16_t>(v.fallback);
        return dialog.SetListIndex(c.name, c.index, GetSettingInteger(section, v.name, fallback));
    }
    }
    return false;
}

}  // namespace

bool RegToUniverseControls(Form& dialog) {
    bool ok = true;
    for (const UniverseValue& v : kUniverseValues) ok = RegToControl(dialog, v) && ok;
    return ok;
}

bool UniverseControlsToReg(const Form& dialog) {
    SettingsTransaction transaction(kHiveUser);
    bool ok = true;
    for (const UniverseValue& v : kUniverseValues) {
        if (const auto text = ControlText(dialog, v)) {
            ok = SaveSettingValue(kSectionUniverse, v.name, std::string_view(*text), kHiveUser) && ok;
        }
    }
    // All or nothing: a value that was not stored undoes the others.
    return ok && transaction.Commit();
}

void TempToUniverseControls(Form& dialog, const TemplateReader& reader) {
    for (const UniverseValue& v : kUniverseValues) {
        TextToControl(dialog, v, reader.Value(kSectionUniverse, v.name, DefaultText(v)));
    }
}

void UniverseDefaultsToControls(Form& dialog) {
    for (const UniverseValue& v : kUniverseValues) TextToControl(dialog, v, DefaultText(v));
}

bool UniverseControlsToTemp(const Form& dialog, TemplateWriter& writer) {
    bool ok = true;
    for (const UniverseValue& v : kUniverseValues) {
        if (const auto text = ControlText(dialog, v)) ok = writer.Write(kSectionUniverse, v.name, *text) && ok;
    }
    return ok;
}

bool TempToUniverseSettings(Form& dialog, const TemplateReader& reader) {
    if (!reader.Loaded()) return false;
    if (reader.HoldsSection(kSectionUniverse)) TempToUniverseControls(dialog, reader);
    TempToUniGalaxies(reader);
    TempToCompGalaxies(reader);
    // The lists show the tables just read, not the settings store.
    FillUniGalaxyList(dialog, false);
    FillCompGalaxyLists(dialog, false);
    return true;
}

bool UniverseSettingsToTemp(const Form& dialog, TemplateWriter& writer) {
    bool ok = UniverseControlsToTemp(dialog, writer);
    ok = UniGalaxiesToTemp(writer) && ok;
    return CompGalaxiesToTemp(writer) && ok;
}

}  // namespace orbweave
