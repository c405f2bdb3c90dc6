#pragma once

// The values of the sections "Advanced" and "DirectX": what every animation
// loads before it starts (frame delay, focal length, the on-screen message,
// the hue wheel) and the display choices (drawing size, vertical drift,
// 16-bit layout, page flipping, the performance report). One row per value
// holds everything known about it; the store and template transfers, the
// readers' clamps and the dialogs' boxes all walk this one table. The
// universe's two blend levels, kept in "DirectX" too, are rows of the
// universe table (kUniverseBlendLevels).

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <variant>

#include "platform/registry/settings.h"
#include "settings/value_controls.h"

namespace orbweave {

inline constexpr std::string_view kSectionGeneral = "General";
inline constexpr std::string_view kSectionAdvanced = "Advanced";
inline constexpr std::string_view kSectionDirectX = "DirectX";
// In "DirectX": the full-screen run appends its performance report when it is 1.
inline constexpr std::string_view kWriteLogName = "DX_WriteLog";

// Drawing surfaces are never smaller than this, and a stored custom size
// never larger, so that a surface stays allocatable.
inline constexpr std::int32_t kSmallestDrawingWidth = 16;
inline constexpr std::int32_t kSmallestDrawingHeight = 12;
inline constexpr std::int32_t kLargestDrawingSide = 16384;

// The values as stored, one field per value, named like it.
struct DisplayRecord {
    float FocalLength = 0;
    std::int32_t Adv_TimeDelay = 0;
    std::int32_t Adv_EffectFPC = 0;
    float Adv_PerfMult = 0;
    std::int16_t Adv_PickZarv = 0;
    std::int16_t Adv_ZarvCycle = 0;
    std::string LockMessage;
    std::string Adv_FontName;
    std::int16_t Adv_FontSize = 0;
    std::int16_t Adv_FontHueV = 0;
    std::int16_t Adv_FontTOff = 0;
    std::int16_t Adv_FontHInc = 0;
    std::int16_t Adv_CMinutes = 0;
    std::string Adv_TimeText;
    std::string Adv_ZeroText;
    std::int16_t Adv_MouseMove = 0;
    std::int16_t Adv_ThemeFlags = 0;
    std::int16_t Adv_CycleStyle = 0;
    std::int16_t Adv_Randomize = 0;
    std::int16_t Adv_RandomMag = 0;
    std::int16_t Adv_RandomExp = 0;
    std::int16_t Adv_HueWheel0 = 0;
    std::int16_t Adv_HueWheel1 = 0;
    std::int16_t Adv_HueWheel2 = 0;
    std::int16_t Adv_HueWheel3 = 0;
    std::int16_t Adv_HueWheel4 = 0;
    std::int32_t CustomRes = 0;
    std::int32_t DX_WinWidth = 0;
    std::int32_t DX_WinHeight = 0;
    std::int16_t DX_VertOffset = 0;
    std::int16_t DX_RGB16bbp = 0;
    std::int16_t DX_UseFlip = 0;
    std::int16_t DX_WriteLog = 0;
};

// The field that holds a value; its type is how the stored text is read:
// 16-bit (the whole part), 32-bit (rounded, halves to even), single, text.
using DisplayField = std::variant<std::int16_t DisplayRecord::*, std::int32_t DisplayRecord::*, float DisplayRecord::*,
                                  std::string DisplayRecord::*>;

// A bound only the display knows: the largest listed display mode's side.
enum class DisplayBound { None, LargestModeWidth, LargestModeHeight };

// low..high; a display bound, when the display is known, lowers high to it.
struct ValueRange {
    double low = 0;
    double high = 0;
    DisplayBound highFromDisplay = DisplayBound::None;
};

// The largest width and height among the listed display modes; 0 when no
// display is known.
struct DisplayLimits {
    std::int32_t largestWidth = 0;
    std::int32_t largestHeight = 0;
};

// How a template file treats a value.
enum class TemplateUse {
    Never,            // never in a template
    Carried,          // written to and read from the template's section of the same name, under its name
    DefaultOnImport,  // not in a template; every import stores its default
};

struct DisplayValue {
    std::string_view name;
    std::string_view section;
    DisplayField field;
    std::string_view defaultText;           // as the store and templates spell it
    std::optional<ValueRange> storedRange;  // what every reader clamps a stored value into
    ControlPlace control;
    OptionalBox box;  // a box with a display bound ends where the stored value does
    TemplateUse templateUse = TemplateUse::Never;
};

inline constexpr int kDisplayValueCount = 33;

// Each section in the order of its part of a template file.
inline constexpr std::array<DisplayValue, kDisplayValueCount> kDisplayValues = [] {
    using R = DisplayRecord;
    using C = DialogControl;
    using enum TemplateUse;
    constexpr std::string_view A = kSectionAdvanced;
    constexpr std::string_view X = kSectionDirectX;
    constexpr std::nullopt_t kNoRange = std::nullopt;
    constexpr ControlPlace kNoControl{};
    constexpr auto One = [](DialogControl control) { return ControlPlace{control, kSingleControl}; };
    // A whole-number box whose arrows and spin share its clamp's range.
    constexpr auto Stepped = [](int low, int high, int step) { return IntegerBox(low, high, step, Spin(low, high)); };
    constexpr ValueRange kHueStop{0, 360};
    constexpr ValueRange kFocalLength{0.01, 10.0};
    constexpr ValueRange kMessageHue{0, 359};
    constexpr ValueRange kWidth{kSmallestDrawingWidth, kLargestDrawingSide, DisplayBound::LargestModeWidth};
    constexpr ValueRange kHeight{kSmallestDrawingHeight, kLargestDrawingSide, DisplayBound::LargestModeHeight};
    return std::array<DisplayValue, kDisplayValueCount>{{
        {"FocalLength",
         A,
         &R::FocalLength,
         "1.0",
         kFocalLength,
         {C::AdvancedBoxes, 1},
         SingleBox(kFocalLength.low, kFocalLength.high),
         Carried},
        {"Adv_TimeDelay", A, &R::Adv_TimeDelay, "25", kNoRange, {C::AdvancedBoxes, 0}, Stepped(0, 999, 10), Carried},
        {"Adv_EffectFPC", A, &R::Adv_EffectFPC, "0", kNoRange, kNoControl, {}, Carried},
        {"Adv_PerfMult", A, &R::Adv_PerfMult, "1.0", kNoRange, kNoControl, {}, Carried},
        {"Adv_PickZarv", A, &R::Adv_PickZarv, "0", kNoRange, kNoControl, {}, Carried},
        {"Adv_ZarvCycle", A, &R::Adv_ZarvCycle, "1", kNoRange, kNoControl, {}, Carried},
        {"LockMessage", A, &R::LockMessage, "", kNoRange, {C::MessageBoxes, 4}, {}, Carried},
        {"Adv_FontName", A, &R::Adv_FontName, "Arial", kNoRange, One(C::FontList), {}, Carried},
        // The saver draws the message at 10 to 24 points, whatever the box allowed.
        {"Adv_FontSize",
         A,
         &R::Adv_FontSize,
         "12",
         ValueRange{10, 24},
         {C::MessageBoxes, 0},
         Stepped(8, 80, 1),
         Carried},
        {"Adv_FontHueV",
         A,
         &R::Adv_FontHueV,
         "180",
         kMessageHue,
         {C::MessageBoxes, 2},
         Stepped(static_cast<int>(kMessageHue.low), static_cast<int>(kMessageHue.high), 1),
         Carried},
        {"Adv_FontTOff", A, &R::Adv_FontTOff, "5", kNoRange, {C::MessageBoxes, 1}, Stepped(0, 99, 1), Carried},
        {"Adv_FontHInc", A, &R::Adv_FontHInc, "10", kNoRange, {C::MessageBoxes, 3}, Stepped(0, 99, 1), Carried},
        {"Adv_CMinutes", A, &R::Adv_CMinutes, "0", kNoRange, {C::MessageBoxes, 5}, Stepped(0, 60, 1), Carried},
        {"Adv_TimeText", A, &R::Adv_TimeText, "", kNoRange, {C::MessageBoxes, 6}, {}, Carried},
        {"Adv_ZeroText", A, &R::Adv_ZeroText, "", kNoRange, {C::MessageBoxes, 7}, {}, Carried},
        {"Adv_MouseMove", A, &R::Adv_MouseMove, "0", kNoRange, One(C::MouseMoveCheck), {}, Carried},
        // Written by the factory reset only.
        {"Adv_ThemeFlags", A, &R::Adv_ThemeFlags, "0", kNoRange, kNoControl, {}, Never},
        {"Adv_CycleStyle", A, &R::Adv_CycleStyle, "1", kNoRange, kNoControl, {}, Never},
        {"Adv_Randomize", A, &R::Adv_Randomize, "0", kNoRange, One(C::RandomCheck), {}, DefaultOnImport},
        {"Adv_RandomMag", A, &R::Adv_RandomMag, "5", kNoRange, {C::AdvancedBoxes, 9}, {}, DefaultOnImport},
        {"Adv_RandomExp", A, &R::Adv_RandomExp, "2", kNoRange, {C::AdvancedBoxes, 10}, {}, DefaultOnImport},
        // Each stop also lies at or above the one before; the renderer keeps that order.
        {"Adv_HueWheel0", A, &R::Adv_HueWheel0, "100", kHueStop, {C::HueWheelBoxes, 0}, {}, Never},
        {"Adv_HueWheel1", A, &R::Adv_HueWheel1, "150", kHueStop, {C::HueWheelBoxes, 1}, {}, Never},
        {"Adv_HueWheel2", A, &R::Adv_HueWheel2, "180", kHueStop, {C::HueWheelBoxes, 2}, {}, Never},
        {"Adv_HueWheel3", A, &R::Adv_HueWheel3, "240", kHueStop, {C::HueWheelBoxes, 3}, {}, Never},
        {"Adv_HueWheel4", A, &R::Adv_HueWheel4, "300", kHueStop, {C::HueWheelBoxes, 4}, {}, Never},

        // 1: the custom size in a window; 0: the full-screen mode of that size.
        {"CustomRes", X, &R::CustomRes, "0", kNoRange, One(C::ResolutionList), {}, Carried},
        {"DX_WinWidth",
         X,
         &R::DX_WinWidth,
         "640",
         kWidth,
         {C::CustomSizeBoxes, 0},
         IntegerBox(kWidth.low, kWidth.high),
         Carried},
        {"DX_WinHeight",
         X,
         &R::DX_WinHeight,
         "480",
         kHeight,
         {C::CustomSizeBoxes, 1},
         IntegerBox(kHeight.low, kHeight.high),
         Carried},
        {"DX_VertOffset", X, &R::DX_VertOffset, "0", ValueRange{-9, 9}, One(C::VertOffsetList), {}, Carried},
        // 0: 5-6-5, 1: 5-5-5, 2: as the surface says.
        {"DX_RGB16bbp", X, &R::DX_RGB16bbp, "2", ValueRange{0, 2}, One(C::LayoutList), {}, Carried},
        {"DX_UseFlip", X, &R::DX_UseFlip, "1", kNoRange, kNoControl, {}, Never},
        {kWriteLogName, X, &R::DX_WriteLog, "0", kNoRange, kNoControl, {}, Never},
    }};
}();

// No two rows hold the same field or the same stored value.
static_assert([] {
    for (std::size_t i = 0; i < kDisplayValues.size(); ++i) {
        for (std::size_t j = i + 1; j < kDisplayValues.size(); ++j) {
            const DisplayValue& a = kDisplayValues[i];
            const DisplayValue& b = kDisplayValues[j];
            if (a.field == b.field || (a.name == b.name && a.section == b.section)) return false;
        }
    }
    return true;
}());

// The row of a field, found while the program is compiled: a field without
// a row does not compile.
consteval const DisplayValue& RowOf(DisplayField field) {
    for (const DisplayValue& row : kDisplayValues) {
        if (row.field == field) return row;
    }
    throw "a field without a row";
}

template <class Field>
struct FieldTypeOf;
template <class T>
struct FieldTypeOf<T DisplayRecord::*> {
    using type = T;
};

// A row's default as T (the type of its field), converted as a stored text
// would be.
template <class T>
T DefaultValue(const DisplayValue& row);

// A row's value in the hive as T (the type of its field): the stored value,
// or the default when the value is missing or not numeric. Not clamped.
template <class T>
T ReadStoredValue(const DisplayValue& row, int hive = kHiveUser);

// One field's default and stored value, the field named as
// &DisplayRecord::FocalLength.
template <auto Field>
auto DefaultOf() {
    return DefaultValue<typename FieldTypeOf<decltype(Field)>::type>(RowOf(Field));
}

template <auto Field>
auto ReadDisplayValue(int hive = kHiveUser) {
    return ReadStoredValue<typename FieldTypeOf<decltype(Field)>::type>(RowOf(Field), hive);
}

// Every value of the hive, as ReadStoredValue reads it.
DisplayRecord ReadDisplayValues(int hive = kHiveUser);

// A range's high bound, lowered to the display's bound when it has one and
// the display is known; never below low.
double HighBoundOf(const ValueRange& range, const DisplayLimits& limits);

// value clamped into range, display bounds taken from limits.
double ClampIntoRange(double value, const ValueRange& range, const DisplayLimits& limits);

// Clamps every value that has a stored range into it.
void ClampDisplayValues(DisplayRecord& record, const DisplayLimits& limits);

}  // namespace orbweave
