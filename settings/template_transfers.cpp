#include "settings/template_transfers.h"

#include <initializer_list>
#include <string>

#include "platform/registry/settings.h"
#include "settings/display_values.h"
#include "settings/galaxy_tables.h"
#include "settings/galaxy_template_transfers.h"
#include "settings/universe_values.h"

namespace orbweave {
namespace {

bool CopyTemplateUniverse(const TemplateReader& reader) {
    if (!reader.HoldsSection(kSectionUniverse)) return true;
    bool ok = true;
    for (const UniverseValue& v : kUniverseValues) {
        ok = CopyTemplateToSetting(reader, kSectionUniverse, v.name, DefaultText(v)) && ok;
    }
    return ok;
}

}  // namespace

bool IsImportableTemplate(const TemplateReader& reader) {
    for (const std::string_view name :
         {kTemplateSectionAdmin, kSectionGeneral, kSectionAdvanced, kSectionDirectX, kSectionUniverse}) {
        if (reader.HoldsSection(name)) return true;
    }
    for (int i = 0; i < kGalaxyTypeCount; ++i) {
        if (reader.HoldsSection(UniGalaxyTemplateSection(i))) return true;
    }
    for (int c = 0; c < kCompGalaxyCount; ++c) {
        if (reader.HoldsSection(CompGalaxyTemplateSection(c))) return true;
    }
    return false;
}

bool CopyTemplateSection(const TemplateReader& reader, std::string_view section,
                         std::span<const TemplateSetting> settings) {
    if (!reader.HoldsSection(section)) return true;
    bool ok = true;
    for (const TemplateSetting& s : settings) {
        ok = CopyTemplateToSetting(reader, section, s.name, s.defaultText) && ok;
    }
    return ok;
}

bool CopySettingToTemplate(TemplateWriter& writer, std::string_view section, std::string_view key,
                           std::string_view defaultText) {
    return writer.Write(section, key, GetSettingString(section, key, defaultText, kHiveUser));
}

bool CopyTemplateToSetting(const TemplateReader& reader, std::string_view section, std::string_view key,
                           std::string_view defaultText) {
    if (!reader.Loaded()) return false;
    return SaveSettingValue(section, key, std::string_view(reader.Value(section, key, defaultText)), kHiveUser);
}

bool WritePreambleToTemplate(TemplateWriter& writer) {
    bool ok = true;
    for (const TemplateSetting& s : kTemplateAdminEntries) {
        ok = writer.Write(kTemplateSectionAdmin, s.name, s.defaultText) && ok;
    }
    ok = writer.Write(kSectionGeneral, kTemplateAnimationType.name, kTemplateAnimationType.defaultText) && ok;
    for (const TemplateSetting& s : kTemplateAdvancedSettings) {
        ok = CopySettingToTemplate(writer, kSectionAdvanced, s.name, s.defaultText) && ok;
    }
    return ok;
}

bool CopyTemplateAdvancedValues(const TemplateReader& reader) {
    const bool ok = CopyTemplateSection(reader, kSectionAdvanced, kTemplateAdvancedSettings);
    return CopyTemplateSection(reader, kSectionAdvanced, kTemplateRandomSettings) && ok;
}

TemplateImport StoreTemplateValues(const TemplateReader& reader, bool (*store)(const TemplateReader&)) {
    if (!IsImportableTemplate(reader)) return TemplateImport::NotTemplate;
    SettingsTransaction transaction(kHiveUser);
    // All or nothing: a value that was not stored undoes the import.
    const bool ok = store(reader);
    return ok && transaction.Commit() ? TemplateImport::Imported : TemplateImport::NotStored;
}

TemplateImport CyclePropsTempToRegArrays(std::string_view file) {
    const TemplateReader reader(file);
    const TemplateImport result = StoreTemplateValues(reader, [](const TemplateReader& values) {
        bool ok = CopyTemplateSection(values, kSectionDirectX, kTemplateDisplaySettings);
        ok = CopyTemplateToSetting(values, kSectionGeneral, kTemplateAnimationType.name,
                                   kTemplateAnimationType.defaultText) &&
             ok;
        ok = CopyTemplateAdvancedValues(values) && ok;
        return CopyTemplateUniverse(values) && ok;
    });
    if (result == TemplateImport::NotTemplate) return result;
    TempToUniGalaxies(reader);
    return result;
}

}  // namespace orbweave
