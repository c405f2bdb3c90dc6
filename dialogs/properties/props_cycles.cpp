#include "dialogs/properties/props_cycles.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>

#include "core/convert.h"
#include "dialogs/common/control_names.h"
#include "dialogs/common/launchers.h"
#include "dialogs/properties/dialog_lists.h"
#include "dialogs/properties/display_options.h"
#include "dialogs/properties/universe_transfers.h"
#include "platform/forms/controls.h"
#include "platform/forms/form.h"
#include "platform/forms/window_utils.h"
#include "platform/registry/settings.h"
#include "settings/display_values.h"
#include "settings/factory_presets.h"
#include "settings/galaxy_tables.h"
#include "settings/registry_transfers.h"
#include "settings/template_file.h"
#include "settings/template_transfers.h"
#include "settings/universe_values.h"
#include "settings/user_marks.h"

namespace orbweave {

TemplateFileState& CurrentTemplate() {
    static TemplateFileState state;
    return state;
}
namespace {

using R = DisplayRecord;
using C = DialogControl;

// The resolution list's first entry stands for the custom window size.
constexpr int kCustomEntry = 0;

// The page, theme and galaxy type the factory reset shows. Selecting the
// theme list's "none" entry first makes selecting theme 1 a change, which
// applies it even when theme 1 was selected already.
constexpr int kFirstUniversePage = 0;
constexpr int kNoUniverseTheme = 0;
constexpr int kFactoryUniverseTheme = 1;
constexpr int kFirstGalaxyType = 0;

constexpr const DisplayValue& kCustomResRow = RowOf(&R::CustomRes);
constexpr const DisplayValue& kWidthRow = RowOf(&R::DX_WinWidth);
constexpr const DisplayValue& kHeightRow = RowOf(&R::DX_WinHeight);
constexpr const DisplayValue& kVertOffsetRow = RowOf(&R::DX_VertOffset);
constexpr const DisplayValue& kLayoutRow = RowOf(&R::DX_RGB16bbp);

// The vertical offset list holds the offsets from the lowest up.
constexpr int kLowestVertOffset = static_cast<int>(RowOf(&R::DX_VertOffset).storedRange->low);

// The display and advanced values a factory reset writes: the custom window
// size and every advanced value but "Adv_ZarvCycle" and the hue wheel stops.
// The universe blend levels are reset with them (kUniverseBlendLevels).
constexpr std::array<const DisplayValue*, 23> kFactoryResetRows{
    &RowOf(&R::CustomRes),      &RowOf(&R::DX_WinWidth),    &RowOf(&R::DX_WinHeight),  &RowOf(&R::FocalLength),
    &RowOf(&R::Adv_TimeDelay),  &RowOf(&R::Adv_PickZarv),   &RowOf(&R::Adv_PerfMult),  &RowOf(&R::Adv_EffectFPC),
    &RowOf(&R::Adv_ThemeFlags), &RowOf(&R::Adv_CycleStyle), &RowOf(&R::LockMessage),   &RowOf(&R::Adv_FontName),
    &RowOf(&R::Adv_FontSize),   &RowOf(&R::Adv_FontHueV),   &RowOf(&R::Adv_FontTOff),  &RowOf(&R::Adv_FontHInc),
    &RowOf(&R::Adv_CMinutes),   &RowOf(&R::Adv_TimeText),   &RowOf(&R::Adv_ZeroText),  &RowOf(&R::Adv_MouseMove),
    &RowOf(&R::Adv_Randomize),  &RowOf(&R::Adv_RandomMag),  &RowOf(&R::Adv_RandomExp),
};

// The display choices the dialog holds are the display values a template
// carries: resolution choice, custom size, vertical offset, 16-bit layout.
bool IsDisplayChoice(const DisplayValue& row) {
    return row.section == kSectionDirectX && row.templateUse == TemplateUse::Carried;
}

ControlRef ControlOfRow(const DisplayValue& row) { return ControlOf(row.control); }

std::string StoredText(const DisplayValue& row) {
    return GetSettingString(row.section, row.name, row.defaultText, kHiveUser);
}

std::string TemplateText(const TemplateReader& reader, const DisplayValue& row) {
    return reader.Value(row.section, row.name, row.defaultText);
}

bool SetRowText(Form& dialog, const DisplayValue& row, std::string_view text) {
    const ControlRef c = ControlOfRow(row);
    return dialog.SetText(c.name, c.index, text);
}

bool SetRowItem(Form& dialog, const DisplayValue& row, int item) {
    const ControlRef c = ControlOfRow(row);
    return dialog.SetListIndex(c.name, c.index, item);
}

void SelectResolution(Form& dialog, bool isCustom, std::int32_t width, std::int32_t height) {
    const ControlRef c = ControlOfRow(kCustomResRow);
    if (auto* list = dialog.Find<ComboBox>(c.name, c.index)) SelectResolutionItem(*list, isCustom, width, height);
}

// The resolution choice and the custom size texts from the current user's
// settings (a full-screen mode the list lacks as the size the saver draws at).
bool RegToResolutionControls(Form& dialog) {
    SelectResolution(dialog, ReadDisplayValue<&R::CustomRes>() != 0, ReadDisplayValue<&R::DX_WinWidth>(),
                     ReadDisplayValue<&R::DX_WinHeight>());
    const ControlRef c = ControlOfRow(kCustomResRow);
    const auto* list = dialog.Find<ComboBox>(c.name, c.index);
    const CustomSizeTexts size =
        list != nullptr ? CustomEntrySize(*list) : CustomSizeTexts{StoredText(kWidthRow), StoredText(kHeightRow)};
    const bool width = SetRowText(dialog, kWidthRow, size.width);
    return SetRowText(dialog, kHeightRow, size.height) && width;
}

bool RegToDisplayControls(Form& dialog) {
    bool ok = RegToResolutionControls(dialog);
    ok = SetRowItem(dialog, kVertOffsetRow, ReadDisplayValue<&R::DX_VertOffset>() - kLowestVertOffset) && ok;
    return SetRowItem(dialog, kLayoutRow, ReadDisplayValue<&R::DX_RGB16bbp>()) && ok;
}

// A template's display values; a value that does not convert, or a
// template without display values, leaves the controls as they were.
void TempToDisplayControls(Form& dialog, const TemplateReader& reader) {
    if (!reader.HoldsSection(kSectionDirectX)) return;
    const auto custom = TextToInt32(TemplateText(reader, kCustomResRow));
    const auto width = TextToInt32(TemplateText(reader, kWidthRow));
    const auto height = TextToInt32(TemplateText(reader, kHeightRow));
    if (custom && width && height) SelectResolution(dialog, *custom != 0, *width, *height);
    SetRowText(dialog, kWidthRow, TemplateText(reader, kWidthRow));
    SetRowText(dialog, kHeightRow, TemplateText(reader, kHeightRow));
    if (const auto offset = TextToDouble(TemplateText(reader, kVertOffsetRow))) {
        if (const auto item = ToInt16(*offset - kLowestVertOffset)) SetRowItem(dialog, kVertOffsetRow, *item);
    }
    if (const auto layout = TextToInt16(TemplateText(reader, kLayoutRow))) SetRowItem(dialog, kLayoutRow, *layout);
}

// A display choice as it is saved: "1" for the custom entry and "0" for a
// listed mode, a custom size box's text, the offset list's text, the layout
// list's index. Nothing when the control is missing.
std::optional<std::string> DisplayChoiceText(const Form& dialog, const DisplayValue& row) {
    const ControlRef c = ControlOfRow(row);
    switch (row.control.control) {
    case C::ResolutionList:
        if (const auto item = dialog.GetListIndex(c.name, c.index)) return *item == kCustomEntry ? "1" : "0";
        return std::nullopt;
    case C::CustomSizeBoxes:
    case C::VertOffsetList: return dialog.GetText(c.name, c.index);
    case C::LayoutList:
        if (const auto item = dialog.GetListIndex(c.name, c.index)) return NumberToText(*item);
        return std::nullopt;
    default: return std::nullopt;
    }
}

bool DisplayControlsToReg(const Form& dialog) {
    bool ok = true;
    for (const DisplayValue& row : kDisplayValues) {
        if (!IsDisplayChoice(row)) continue;
        if (const auto text = DisplayChoiceText(dialog, row)) {
            ok = SaveSettingValue(row.section, row.name, std::string_view(*text), kHiveUser) && ok;
        }
    }
    return ok;
}

bool DisplayControlsToTemp(const Form& dialog, TemplateWriter& writer) {
    bool ok = true;
    for (const DisplayValue& row : kDisplayValues) {
        if (!IsDisplayChoice(row)) continue;
        if (const auto text = DisplayChoiceText(dialog, row)) ok = writer.Write(row.section, row.name, *text) && ok;
    }
    return ok;
}

bool RegToBlendControls(Form& dialog) {
    bool ok = true;
    for (const UniverseValue& v : kUniverseBlendLevels) {
        const ControlRef c = ControlOf(v.control);
        const std::string text = GetSettingString(kSectionDirectX, v.name, DefaultText(v), kHiveUser);
        ok = dialog.SetText(c.name, c.index, text) && ok;
    }
    return ok;
}

// The blend boxes' texts as they stand (the store trims blanks).
bool BlendControlsToReg(const Form& dialog) {
    bool ok = true;
    for (const UniverseValue& v : kUniverseBlendLevels) {
        const ControlRef c = ControlOf(v.control);
        if (const auto text = dialog.GetText(c.name, c.index)) {
            ok = SaveSettingValue(kSectionDirectX, v.name, std::string_view(*text), kHiveUser) && ok;
        }
    }
    return ok;
}

// Whether a factory load replaces the display and advanced values the user
// has stored, or only fills in those missing.
enum class StoredValues { Replace, Keep };

bool StoreFactoryValue(std::string_view section, std::string_view name, std::string_view text, StoredValues stored) {
    if (stored == StoredValues::Keep && HasSettingValue(section, name, kHiveUser)) return true;
    return SaveSettingValue(section, name, text, kHiveUser);
}

bool StoreFactoryDisplayValues(StoredValues stored) {
    SettingsTransaction transaction(kHiveUser);
    bool ok = true;
    for (const DisplayValue* row : kFactoryResetRows) {
        ok = StoreFactoryValue(row->section, row->name, row->defaultText, stored) && ok;
    }
    for (const UniverseValue& v : kUniverseBlendLevels) {
        ok = StoreFactoryValue(kSectionDirectX, v.name, DefaultText(v), stored) && ok;
    }
    return ok && transaction.Commit();
}

// The factory galaxy types into the table and the type list, the first selected.
void LoadFactoryGalaxyTypes(Form& dialog) {
    auto* list = dialog.Find<ListControl>("lstUniGalaxy");
    if (list != nullptr) list->Clear();
    for (int i = 0; i < kGalaxyTypeCount; ++i) {
        const auto index = static_cast<std::size_t>(i);
        if (list != nullptr) AddPaddedListItem(*list, UniGalDefaultNames[index], UniGalDefaultPcts[index], true);
        LoadFactoryUniGalaxy(static_cast<std::int16_t>(i));
    }
    dialog.SetListIndex("lstUniGalaxy", kNoIndex, kFirstGalaxyType);
}

}  // namespace

bool CyclePropsRegToArrays(Form& dialog) {
    bool ok = RegToDisplayControls(dialog);
    ok = RegToBlendControls(dialog) && ok;
    ok = RegToUniverseControls(dialog) && ok;
    RegToCompGalaxies(kHiveUser);
    FillCompGalaxyLists(dialog, true);
    return ok;
}

bool CyclePropsArraysToReg(Form& dialog) {
    if (!TestRegistryWrite()) return false;
    bool stored = false;
    {
        SettingsTransaction transaction(kHiveUser);
        bool ok = SaveSettingValue(kSectionGeneral, kTemplateAnimationType.name, kTemplateAnimationType.defaultText,
                                   kHiveUser);
        ok = DisplayControlsToReg(dialog) && ok;
        ok = BlendControlsToReg(dialog) && ok;
        ok = UniverseControlsToReg(dialog) && ok;
        ok = GalaxyTablesToReg() && ok;
        stored = ok && transaction.Commit();
    }
    // The test write passed, yet the settings were not stored (another
    // process kept the store locked, or it became read-only): say so rather
    // than let the dialog close as if they were.
    if (!stored) ShowSettingsWriteFailure();
    return stored;
}

TemplateImport CyclePropsTempToArrays(Form& dialog, std::string_view file) {
    const TemplateReader reader(file);
    const TemplateImport result = StoreTemplateValues(reader, CopyTemplateAdvancedValues);
    if (result == TemplateImport::Imported) {
        TempToDisplayControls(dialog, reader);
        TempToUniverseSettings(dialog, reader);
    }
    return result;
}

bool CyclePropsArraysToTemp(Form& dialog, std::string_view file) {
    TemplateWriter writer(file);
    if (writer.Failed()) return false;
    bool ok = WritePreambleToTemplate(writer);
    ok = DisplayControlsToTemp(dialog, writer) && ok;
    ok = UniverseSettingsToTemp(dialog, writer) && ok;
    return writer.Commit() && ok;
}

namespace {

void LoadFactoryProps(Form& dialog, StoredValues stored) {
    StoreFactoryDisplayValues(stored);
    RegToResolutionControls(dialog);
    SetRowItem(dialog, kLayoutRow, DefaultOf<&R::DX_RGB16bbp>());
    SetRowItem(dialog, kVertOffsetRow, DefaultOf<&R::DX_VertOffset>() - kLowestVertOffset);
    LoadFactoryCompGalaxies();
    LoadFactoryGalaxyTypes(dialog);
    dialog.SetListIndex("cboUniTheme", kNoIndex, kNoUniverseTheme);
    dialog.SetListIndex("cboUniTheme", kNoIndex, kFactoryUniverseTheme);
    dialog.SetListIndex("cboUniExtras", kNoIndex, kFirstUniversePage);
    RegToBlendControls(dialog);
    // The composite lists show the factory composites and type names too.
    FillCompGalaxyLists(dialog, false);
}

}  // namespace

void ResetAdvancedPropsToFactory(Form& dialog) { LoadFactoryProps(dialog, StoredValues::Replace); }

void LoadFactoryPropsKeepingStored(Form& dialog) { LoadFactoryProps(dialog, StoredValues::Keep); }

void RunFirstTimeSetup(Form& dialog) {
    SaveSettingValue(kSectionGeneral, kResetSettingsName, 1, kHiveUser);
    if (const auto& welcome = Launchers().welcome) welcome();
    // Another program may have taken the store while the welcome showed.
    const SettingsReadWatch reads;
    const bool stored = HasStoredSettings();
    if (reads.ReadsKeptOut()) return;
    if (stored) {
        CyclePropsRegToArrays(dialog);
    } else {
        LoadFactoryPropsKeepingStored(dialog);
    }
}

}  // namespace orbweave
