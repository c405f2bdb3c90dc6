#pragma once

// The 28 universe settings: star and galaxy counts, the creation burst, new
// and ambient stars, the camera tour and gravity. They live in the settings
// section "Universe", in a template's section "Universe" and, while the
// properties dialog is open, in its controls; the renderer holds them in a
// UniverseSettings record while it runs. One row per value says everything
// known about it, and every transfer, clamp and box binding walks the rows.

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <variant>

#include "settings/display_values.h"
#include "settings/universe_record.h"
#include "settings/value_controls.h"

namespace orbweave {

inline constexpr std::string_view kSectionUniverse = "Universe";

// How a value is read from the settings store by the dialog's transfers, and
// so which kind of control holds it.
enum class UniverseValueType {
    Int32,   // a numeric box
    Single,  // a numeric box
    Text,    // the tour sequence combo box's text
    Flag,    // a check box's value, 1 checked
    Int16,   // the profile list's selected index
};

// How a number is read: from the store (a 16-bit reading floors, a 32-bit one
// rounds halves to even) or from a box's text (both round). None: not read.
enum class Reading : std::uint8_t { None, Int16, Int32, Single };

// The record field that holds a value during a run, if any.
using UniverseField = std::variant<std::monostate, std::int32_t UniverseSettings::*, std::int16_t UniverseSettings::*,
                                   float UniverseSettings::*, bool UniverseSettings::*>;

enum class RunClamp : std::uint8_t {
    None,
    InType,        // clamped in the field's own type
    RoundedFirst,  // rounded to a whole number (halves to even), then clamped
};

// What a run makes of a loaded value: clamped into low..high, then multiplied
// by unit into the units a frame uses. The dialog's universe preview clamps
// what it reads from a control into the same range before the run clamps
// again; a switch is clamped only there, since a run takes any stored number
// but 0 as on.
struct RunRule {
    RunClamp clamp = RunClamp::None;
    double low = 0;
    double high = 0;
    double unit = 1;
};

struct UniverseValue {
    std::string_view name;  // the stored value; also its key in a template
    UniverseValueType type;
    double fallback;  // the default; the text row's default is empty
    UniverseField field;
    Reading load;  // how the renderer reads the stored value
    RunRule run;
    Reading preview;  // how the dialog preview reads the control; a check box or list gives its value
    ControlPlace control;
    OptionalBox box;
};

namespace universe_rows {

using U = UniverseSettings;

constexpr RunRule Run(double low, double high, double unit = 1) { return {RunClamp::InType, low, high, unit}; }
constexpr RunRule RunRounded(double low, double high, double unit) { return {RunClamp::RoundedFirst, low, high, unit}; }
constexpr ControlPlace Box(int index) { return {DialogControl::UniverseBoxes, index}; }
constexpr ControlPlace OneControl(DialogControl control) { return {control, kSingleControl}; }

// A value whose box keeps the range a run keeps it in, so the range is written
// once, in the run rule. A step other than 0 gives the box arrows within it;
// a spinning box has a spin control over the whole range.
enum class Spinning : bool { No, Yes };
constexpr UniverseValue Kept(UniverseValue row, BoxClamp clamp, int step = 0, Spinning spinning = Spinning::No) {
    const double low = row.run.low;
    const double high = row.run.high;
    const SpinRange spin =
        spinning == Spinning::Yes ? Spin(static_cast<int>(low), static_cast<int>(high)) : SpinRange{};
    row.box = clamp == BoxClamp::Single ? SingleBox(low, high)
                                        : DigitsBox(clamp, low, high, StepWithin(step, low, high), spin);
    return row;
}

using T = UniverseValueType;
using R = Reading;
using C = DialogControl;

}  // namespace universe_rows

inline constexpr int kUniverseValueCount = 28;

// In the order of a template's "Universe" section. The universe's hue wheel
// has no field: the renderer reads it when it builds the wheels, and the
// preview clamps it into 0..999. The camera ramp and the camera rotation are
// loaded but no run reads them, so neither is clamped nor previewed.
inline constexpr std::array<UniverseValue, kUniverseValueCount> kUniverseValues = [] {
    using namespace universe_rows;
    return std::array<UniverseValue, kUniverseValueCount>{{
        {"Universe_Stars", T::Int32, 18000, &U::Universe_Stars, R::Int32, Run(10, 99999), R::Int32, Box(0),
         DigitsBox(BoxClamp::Long, 10, 99999, {100, 100, 99999}, Spin(1, 9999, 10))},
        Kept({"Universe_Galaxy", T::Int32, 200, &U::Universe_Galaxy, R::Int16, Run(1, 999), R::Int16, Box(1), {}},
             BoxClamp::Integer, 1, Spinning::Yes),
        Kept({"Universe_Expand", T::Single, 3000, &U::Universe_Expand, R::Single, Run(0, 99999, 0.001), R::Int32,
              Box(10), {}}, BoxClamp::Long),
        Kept({"Universe_ESteps", T::Single, 500, &U::Universe_ESteps, R::Int16, Run(1, 9999), R::Int16, Box(11), {}},
             BoxClamp::Integer),
        Kept({"Universe_Persist", T::Single, 0.985, &U::Universe_Persist, R::Single, Run(0.25, 1), R::Single, Box(12),
              {}}, BoxClamp::Single),
        Kept({"Universe_Damping", T::Single, 0.01, &U::Universe_Damping, R::Single, Run(0, 1), R::Single, Box(14), {}},
             BoxClamp::Single),
        Kept({"Universe_HW_Start", T::Int32, 170, {}, R::Int16, Run(0, 999), R::Int16, Box(16), {}},
             BoxClamp::Integer, 1, Spinning::Yes),
        Kept({"Universe_HW_End", T::Int32, 250, {}, R::Int16, Run(0, 999), R::Int16, Box(17), {}},
             BoxClamp::Integer, 1, Spinning::Yes),
        Kept({"Universe_Recycle", T::Int32, 30, &U::Universe_Recycle, R::Int16, Run(1, 999), R::Int16, Box(18), {}},
             BoxClamp::Integer),
        Kept({"Universe_NewFreq", T::Int32, 3500, &U::Universe_NewFreq, R::Int16, Run(0, 9999), R::Int16, Box(20), {}},
             BoxClamp::Integer),
        Kept({"Universe_NewPctStEx", T::Int32, 85, &U::Universe_NewPctStEx, R::Int16, RunRounded(0, 100, 0.01),
              R::Int16, Box(21), {}}, BoxClamp::Integer),
        Kept({"Universe_GSteps", T::Int32, 200, &U::Universe_GSteps, R::Int16, Run(1, 9999), R::Int16, Box(30), {}},
             BoxClamp::Integer),
        Kept({"Universe_GPCtrl", T::Int32, 2, &U::Universe_GPCtrl, R::Int16, Run(1, 999), R::Int16, Box(31), {}},
             BoxClamp::Integer),
        Kept({"Universe_GCCtrl", T::Int32, 4, &U::Universe_GCCtrl, R::Int16, Run(0, 999), R::Int16, Box(32), {}},
             BoxClamp::Integer),
        Kept({"Universe_DstCen", T::Single, 4000, &U::Universe_DstCen, R::Int32, Run(0, 999999, 0.01), R::Int32,
              Box(33), {}}, BoxClamp::Long),
        {"Universe_C_Ramp",
         T::Int32,
         750,
         &U::Universe_C_Ramp,
         R::Int16,
         {},
         R::None,
         Box(34),
         DecimalBox(BoxClamp::Integer, 0, 999)},
        {"Universe_GS_Idx", T::Text, 0, {}, R::None, {}, R::None, OneControl(C::TourSequence), {}},
        {"Universe_Tour", T::Flag, 1, &U::Universe_Tour, R::Int16, Run(0, 1), R::Int16, OneControl(C::TourCheck), {}},
        {"Universe_GVisit",
         T::Flag,
         0,
         &U::Universe_GVisit,
         R::Int16,
         Run(0, 1),
         R::Int16,
         OneControl(C::VisitSequenceCheck),
         {}},
        {"Universe_RotCam",
         T::Flag,
         0,
         &U::Universe_RotCam,
         R::Int16,
         {},
         R::None,
         OneControl(C::RotateCameraCheck),
         {}},
        Kept({"Universe_AmStar", T::Int32, 2000, &U::Universe_AmStar, R::Int32, Run(0, 9999), R::Int32, Box(40), {}},
             BoxClamp::Integer),
        Kept({"Universe_AmPers", T::Single, 0.999, &U::Universe_AmPers, R::Single, Run(0.25, 1), R::Single, Box(41),
              {}}, BoxClamp::Single),
        Kept({"Universe_AmCAge", T::Single, 0.1, &U::Universe_AmCAge, R::Single, Run(0, 10), R::Single, Box(42), {}},
             BoxClamp::Single),
        Kept({"Universe_AmFrames", T::Int32, 15, &U::Universe_AmFrames, R::Int16, Run(0, 999), R::Int16, Box(43), {}},
             BoxClamp::Integer),
        // The box takes up to 99999; a run, and the preview's 16-bit reading, stop at 9999.
        {"Universe_AmMaxExt", T::Single, 600, &U::Universe_AmMaxExt, R::Single, RunRounded(1, 9999, 0.01), R::Int16,
         Box(44), LongBox(1, 99999)},
        Kept({"Universe_GravForce", T::Int32, 0, &U::Universe_GravForce, R::Single, Run(0, 999999, 0.0000001),
              R::Int32, Box(50), {}}, BoxClamp::Long),
        Kept({"Universe_GravFrame", T::Int32, 1, &U::Universe_GravFrame, R::Int16, Run(1, 999), R::Int16, Box(51), {}},
             BoxClamp::Integer),
        {"Universe_Profile",
         T::Int16,
         51,
         &U::Universe_Profile,
         R::Int16,
         Run(0, 51),
         R::Int16,
         OneControl(C::UniverseProfileList),
         {}},
    }};
}();

// The two blend levels of a universe run, kept in section "DirectX"
// (kSectionDirectX) and in the display page's blend boxes. Levels far above
// 100 would make the blend wrap its colours.
inline constexpr std::array<UniverseValue, 2> kUniverseBlendLevels = [] {
    using namespace universe_rows;
    return std::array<UniverseValue, 2>{{
        Kept({"DX_BlendUniBurst", T::Int32, 100, &U::DX_BlendUniBurst, R::Int32, Run(0, 100), R::Int16, {C::BlendBoxes,
              0}, {}}, BoxClamp::Integer),
        Kept({"DX_BlendUniTravel", T::Int32, 35, &U::DX_BlendUniTravel, R::Int32, Run(0, 100), R::Int16,
              {C::BlendBoxes, 1}, {}}, BoxClamp::Integer),
    }};
}();

// The row of a universe value by its name, or nullptr.
constexpr const UniverseValue* FindUniverseValue(std::string_view name) {
    for (const UniverseValue& v : kUniverseValues) {
        if (v.name == name) return &v;
    }
    return nullptr;
}

// The rows that some readers take apart from the walks: the tour sequence,
// parsed rather than stored in a field, and the universe's hue wheel.
inline constexpr const UniverseValue& kTourSequenceValue = *FindUniverseValue("Universe_GS_Idx");
inline constexpr const UniverseValue& kHueStartValue = *FindUniverseValue("Universe_HW_Start");
inline constexpr const UniverseValue& kHueEndValue = *FindUniverseValue("Universe_HW_End");

// The default as a store or template holds it: the shortest text of the
// number ("0.985", "18000"), empty for the tour sequence.
std::string DefaultText(const UniverseValue& v);

// The current user's stored value of a row, read as its load column says
// (the default when it is missing or not numeric); 0 for a row not loaded.
double ReadStoredUniverseValue(const UniverseValue& v, std::string_view section = kSectionUniverse);

// Puts a number into the row's field, converted to the field's type (a
// switch is on for any number but 0). A row without a field, or a number the
// field cannot hold, changes nothing.
void SetUniverseField(UniverseSettings& u, const UniverseValue& v, double value);

// Every row with a field, universe values and blend levels, from the current
// user's store into the record as stored: no range is applied.
void ReadUniverseRecord(UniverseSettings& u);

}  // namespace orbweave
