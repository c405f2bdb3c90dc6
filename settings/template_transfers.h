#pragma once

// Transfers between the current user's settings and a template file for the
// values that have no record in memory: the general, advanced and display
// values, and the import of a whole template into the settings store.

#include <algorithm>
#include <array>
#include <cstddef>
#include <span>
#include <string_view>

#include "core/product.h"
#include "settings/display_values.h"
#include "settings/template_file.h"
#include "settings/user_marks.h"

namespace orbweave {

// A value a template carries as text, with the text a transfer takes when
// the value is missing.
struct TemplateSetting {
    std::string_view name;
    std::string_view defaultText;
};

inline constexpr std::string_view kTemplateSectionAdmin = "Admin";

// The entries of section "Admin": written by every save, never read.
inline constexpr std::array<TemplateSetting, 3> kTemplateAdminEntries{{
    {"Product", kProductName},
    {"Version", kProductVersion},
    {"Copyright", kCopyrightLine},
}};

// Section "General": its one value marks a user as having settings.
inline constexpr TemplateSetting kTemplateAnimationType{kAnimationTypeName, "0"};

// The values of `section` whose template use is `use`, as name and default,
// in table order.
template <const std::string_view& section, TemplateUse use>
constexpr auto TemplateSettingsOf() {
    constexpr auto matches = [](const DisplayValue& v) { return v.section == section && v.templateUse == use; };
    std::array<TemplateSetting, std::ranges::count_if(kDisplayValues, matches)> settings{};
    std::size_t next = 0;
    for (const DisplayValue& v : kDisplayValues) {
        if (matches(v)) settings[next++] = {v.name, v.defaultText};
    }
    return settings;
}

// The advanced values a template carries, in the order of its "Advanced" section.
inline constexpr auto kTemplateAdvancedSettings = TemplateSettingsOf<kSectionAdvanced, TemplateUse::Carried>();

// Advanced values no template carries: every import stores their defaults.
inline constexpr auto kTemplateRandomSettings = TemplateSettingsOf<kSectionAdvanced, TemplateUse::DefaultOnImport>();

// The display values of section "DirectX", in file order.
inline constexpr auto kTemplateDisplaySettings = TemplateSettingsOf<kSectionDirectX, TemplateUse::Carried>();

// Writes the entry key of section with the current user's stored value (the
// default when it is missing) to the template being saved.
bool CopySettingToTemplate(TemplateWriter& writer, std::string_view section, std::string_view key,
                           std::string_view defaultText);

// Stores the template's value of key in section (the default when the entry
// is missing) as the current user's value. Nothing is stored when the
// template file could not be read.
bool CopyTemplateToSetting(const TemplateReader& reader, std::string_view section, std::string_view key,
                           std::string_view defaultText);

// Stores the template's values of settings in section, each missing entry
// as its default, when the template holds that section. A section the
// template does not hold leaves the stored values as they were (true).
bool CopyTemplateSection(const TemplateReader& reader, std::string_view section,
                         std::span<const TemplateSetting> settings);

// The first sections of every save, from constants and the current user's
// settings: "Admin", "General" and "Advanced".
bool WritePreambleToTemplate(TemplateWriter& writer);

// Whether a file read for an import is a template. A file that could not be
// read, or holds none of the sections a template has ("Admin", "General",
// "Advanced", "DirectX", "Universe", "UniGal0" to "UniGal49", "CompGal0" to
// "CompGal15"), is none: a letter, an empty file or random bytes would
// otherwise import every default.
bool IsImportableTemplate(const TemplateReader& reader);

// What an import of a template file came to.
enum class TemplateImport {
    Imported,     // every value the file holds was stored
    NotTemplate,  // the file cannot be read or is no template: nothing changed
    NotStored,    // the store refused a value: nothing was stored
};

// Stores a template's advanced values: the "Advanced" section's settings
// and its random values.
bool CopyTemplateAdvancedValues(const TemplateReader& reader);

// Every import's order: the file is checked first (nothing is stored from a
// file that is no template), then `store` writes the values it takes in one
// transaction, kept only when every one of them is stored.
TemplateImport StoreTemplateValues(const TemplateReader& reader, bool (*store)(const TemplateReader&));

// Imports the template file straight into the current user's settings: the
// display, general, advanced and universe values (all in one transaction)
// and the galaxy types into memory. A part whose section the file does not
// hold stays as it was; a value missing from a section the file holds is
// stored as its default. The general value is stored in every case: it marks
// the user as having settings.
TemplateImport CyclePropsTempToRegArrays(std::string_view file);

}  // namespace orbweave
