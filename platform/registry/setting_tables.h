// The values of the "Advanced" and "DirectX" sections: name, how a reader
// converts them, and the default used when a value is missing or not numeric.
#pragma once

#include <array>
#include <string_view>

namespace orbweave {

inline constexpr std::string_view kSectionGeneral = "General";
inline constexpr std::string_view kSectionAdvanced = "Advanced";
inline constexpr std::string_view kSectionDirectX = "DirectX";

enum class SettingType { Text, Int16, Int32, Single };

struct SettingDefault {
    std::string_view name;
    SettingType type;
    double number;          // the default of a numeric value
    std::string_view text;  // the default of a text value
};

inline constexpr std::array<SettingDefault, 26> kAdvancedSettings = {{
    {"FocalLength", SettingType::Single, 1.0, ""},
    {"Adv_TimeDelay", SettingType::Int32, 25, ""},
    {"Adv_ZarvCycle", SettingType::Int16, 1, ""},
    {"Adv_PerfMult", SettingType::Single, 1.0, ""},
    {"Adv_EffectFPC", SettingType::Int32, 0, ""},
    {"Adv_PickZarv", SettingType::Int16, 0, ""},
    {"Adv_ThemeFlags", SettingType::Int16, 0, ""},
    {"Adv_CycleStyle", SettingType::Int16, 1, ""},
    {"LockMessage", SettingType::Text, 0, ""},
    {"Adv_FontName", SettingType::Text, 0, "Arial"},
    {"Adv_FontSize", SettingType::Int16, 12, ""},
    {"Adv_FontHueV", SettingType::Int16, 180, ""},
    {"Adv_FontTOff", SettingType::Int16, 5, ""},
    {"Adv_FontHInc", SettingType::Int16, 10, ""},
    {"Adv_CMinutes", SettingType::Int16, 0, ""},
    {"Adv_TimeText", SettingType::Text, 0, ""},
    {"Adv_ZeroText", SettingType::Text, 0, ""},
    {"Adv_MouseMove", SettingType::Int16, 0, ""},
    {"Adv_Randomize", SettingType::Int16, 0, ""},
    {"Adv_RandomMag", SettingType::Int16, 5, ""},
    {"Adv_RandomExp", SettingType::Int16, 2, ""},
    {"Adv_HueWheel0", SettingType::Int16, 100, ""},
    {"Adv_HueWheel1", SettingType::Int16, 150, ""},
    {"Adv_HueWheel2", SettingType::Int16, 180, ""},
    {"Adv_HueWheel3", SettingType::Int16, 240, ""},
    {"Adv_HueWheel4", SettingType::Int16, 300, ""},
}};

inline constexpr std::array<SettingDefault, 9> kDirectXSettings = {{
    {"CustomRes", SettingType::Int32, 0, ""},
    {"DX_WinWidth", SettingType::Int32, 640, ""},
    {"DX_WinHeight", SettingType::Int32, 480, ""},
    {"DX_VertOffset", SettingType::Int16, 0, ""},
    {"DX_RGB16bbp", SettingType::Int16, 2, ""},
    {"DX_UseFlip", SettingType::Int16, 1, ""},
    {"DX_WriteLog", SettingType::Int16, 0, ""},
    {"DX_BlendUniBurst", SettingType::Int32, 100, ""},
    {"DX_BlendUniTravel", SettingType::Int32, 35, ""},
}};

// The entry of a table with the given name (compared without regard to
// case), or nullptr.
const SettingDefault* FindSettingDefault(std::string_view section, std::string_view name);

}  // namespace orbweave
