#pragma once

// Transfers between the current user's settings and a template file for the
// values that have no record in memory: the general, advanced and display
// values, and the import of a whole template into the settings store.

#include <array>
#include <string_view>

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
    {"Product", "Orbweave"},
    {"Version", "5.0g"},
    {"Copyright", "Copyright (C) Velmor.  All rights reserved."},
}};

// Section "General": its one value marks a user as having settings.
inline constexpr TemplateSetting kTemplateAnimationType{"AnimationType", "0"};

// The advanced values a template carries, in the order of its "Advanced" section.
inline constexpr std::array<TemplateSetting, 16> kTemplateAdvancedSettings{{
    {"FocalLength", "1.0"},
    {"Adv_TimeDelay", "25"},
    {"Adv_EffectFPC", "0"},
    {"Adv_PerfMult", "1.0"},
    {"Adv_PickZarv", "0"},
    {"Adv_ZarvCycle", "1"},
    {"LockMessage", ""},
    {"Adv_FontName", "Arial"},
    {"Adv_FontSize", "12"},
    {"Adv_FontHueV", "180"},
    {"Adv_FontTOff", "5"},
    {"Adv_FontHInc", "10"},
    {"Adv_CMinutes", "0"},
    {"Adv_TimeText", ""},
    {"Adv_ZeroText", ""},
    {"Adv_MouseMove", "0"},
}};

// Advanced values no template carries: every import stores their defaults.
inline constexpr std::array<TemplateSetting, 3> kTemplateRandomSettings{{
    {"Adv_Randomize", "0"},
    {"Adv_RandomMag", "5"},
    {"Adv_RandomExp", "2"},
}};

// The display values of section "DirectX", in file order.
inline constexpr std::array<TemplateSetting, 5> kTemplateDisplaySettings{{
    {"CustomRes", "0"},
    {"DX_WinWidth", "640"},
    {"DX_WinHeight", "480"},
    {"DX_VertOffset", "0"},
    {"DX_RGB16bbp", "2"},
}};

// Writes the entry key of section with the current user's stored value (the
// default when it is missing) to the template being saved.
bool CopySettingToTemplate(std::string_view section, std::string_view key, std::string_view defaultText);

// Stores the template's value of key in section (the default when the entry
// is missing) as the current user's value. Nothing is stored when the
// template file cannot be read. The file matters only when no template text
// is loaded yet.
bool CopyTemplateToSetting(std::string_view section, std::string_view key, std::string_view defaultText,
                           std::string_view file);

// The first sections of every save, from constants and the current user's
// settings: "Admin", "General" and "Advanced".
bool WritePreambleToTemplate();

// Imports the template file straight into the current user's settings: the
// display, general, advanced and universe values (all in one transaction)
// and the galaxy types into memory. A file that is missing or cannot be read
// (not a regular file, or larger than kTemplateSizeLimit) imports nothing; a
// readable file stores each missing value's default.
// True when the file was read and every value stored. The cache is emptied
// at the end.
bool CyclePropsTempToRegArrays(std::string_view file);

// Receives the name of each finished bulk transfer; it does nothing.
inline void TraceProc(std::string_view) {}

}  // namespace orbweave
