#include "settings/template_transfers.h"

#include <functional>
#include <initializer_list>
#include <string>

#include "platform/registry/settings.h"
#include "settings/display_values.h"
#include "settings/galaxy_tables.h"
#include "settings/galaxy_template_transfers.h"
#include "settings/template_file.h"
#include "settings/universe_values.h"

namespace orbweave {
namespace {

bool CopyTemplateUniverse(std::string_view file) {
    if (!TemplateHoldsSection(kSectionUniverse)) return true;
    bool ok = true;
    for (const UniverseValue& v : kUniverseValues) {
        ok = CopyTemplateToSetting(kSectionUniverse, v.name, DefaultText(v), file) && ok;
    }
    return ok;
}

bool HoldsTemplateSection(const TemplateText& text) {
    for (const std::string_view name :
         {kTemplateSectionAdmin, kSectionGeneral, kSectionAdvanced, kSectionDirectX, kSectionUniverse}) {
        if (text.HasSection(name)) return true;
    }
    for (int i = 0; i < kGalaxyTypeCount; ++i) {
        if (text.HasSection(UniGalaxyTemplateSection(i))) return true;
    }
    for (int c = 0; c < kCompGalaxyCount; ++c) {
        if (text.HasSection(CompGalaxyTemplateSection(c))) return true;
    }
    return false;
}

}  // namespace

bool LoadTemplateForImport(std::string_view file) {
    ClearTemplateTextCache();
    if (!LoadTemplateText(file)) return false;
    if (HoldsTemplateSection(*TemplateTextCache())) return true;
    ClearTemplateTextCache();
    return false;
}

bool CopyTemplateSection(std::string_view section, std::span<const TemplateSetting> settings,
                         std::string_view file) {
    if (!TemplateHoldsSection(section)) return true;
    bool ok = true;
    for (const TemplateSetting& s : settings) ok = CopyTemplateToSetting(section, s.name, s.defaultText, file) && ok;
    return ok;
}

bool CopySettingToTemplate(std::string_view section, std::string_view key, std::string_view defaultText) {
    return WriteTemplateEntry(section, key, GetSettingString(section, key, defaultText, kHiveUser));
}

bool CopyTemplateToSetting(std::string_view section, std::string_view key, std::string_view defaultText,
                           std::string_view file) {
    if (!LoadTemplateText(file)) return false;
    return SaveSettingValue(section, key, std::string_view(ReadTemplateValue(section, key, defaultText, file)),
                            kHiveUser);
}

bool WritePreambleToTemplate() {
    bool ok = true;
    for (const TemplateSetting& s : kTemplateAdminEntries) {
        ok = WriteTemplateEntry(kTemplateSectionAdmin, s.name, s.defaultText) && ok;
    }
    ok = WriteTemplateEntry(kSectionGeneral, kTemplateAnimationType.name, kTemplateAnimationType.defaultText) && ok;
    for (const TemplateSetting& s : kTemplateAdvancedSettings) {
        ok = CopySettingToTemplate(kSectionAdvanced, s.name, s.defaultText) && ok;
    }
    return ok;
}

bool CopyTemplateAdvancedValues(std::string_view file) {
    const bool ok = CopyTemplateSection(kSectionAdvanced, kTemplateAdvancedSettings, file);
    return CopyTemplateSection(kSectionAdvanced, kTemplateRandomSettings, file) && ok;
}

TemplateImport StoreTemplateValues(std::string_view file, const std::function<bool(std::string_view)>& store) {
    if (!LoadTemplateForImport(file)) return TemplateImport::NotTemplate;
    SettingsTransaction transaction(kHiveUser);
    // All or nothing: a value that was not stored undoes the import.
    const bool ok = store(file);
    return ok && transaction.Commit() ? TemplateImport::Imported : TemplateImport::NotStored;
}

TemplateImport CyclePropsTempToRegArrays(std::string_view file) {
    const TemplateImport result = StoreTemplateValues(file, [](std::string_view name) {
        bool ok = CopyTemplateSection(kSectionDirectX, kTemplateDisplaySettings, name);
        ok = CopyTemplateToSetting(kSectionGeneral, kTemplateAnimationType.name, kTemplateAnimationType.defaultText,
                                   name) &&
             ok;
        ok = CopyTemplateAdvancedValues(name) && ok;
        return CopyTemplateUniverse(name) && ok;
    });
    if (result == TemplateImport::NotTemplate) return result;
    TempToUniGalaxies();
    ClearTemplateTextCache();
    return result;
}

}  // namespace orbweave
