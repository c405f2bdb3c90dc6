// The properties dialog's "Copy Galaxy Props to All Types" frame: one of 68
// galaxy-type properties is given one value, which goes into every galaxy
// type whose style has that property, in the tables in memory only.
#pragma once

#include <array>
#include <cstdint>
#include <initializer_list>
#include <span>
#include <string_view>
#include <variant>

#include "platform/forms/window_utils.h"
#include "settings/galaxy_records.h"

namespace orbweave {

class Form;

// The editor the frame shows for a property.
enum class CopyEditor : std::uint8_t {
    Digits,   // txtPropCopy taking digits
    Decimal,  // txtPropCopy taking digits and one "."
    Combo,    // cboPropCopy with the items of one of the galaxy frame's lists
    Check,    // chkPropCopy
};

using CopyField = std::variant<std::int16_t UniGalaxy::*, std::int32_t UniGalaxy::*, float UniGalaxy::*>;

// Galaxy styles 0..9 as bits.
using StyleSet = std::uint16_t;
inline constexpr StyleSet kAllStyles = 0x3FF;
constexpr StyleSet Styles(std::initializer_list<int> styles) {
    StyleSet set = 0;
    for (int style : styles) set = static_cast<StyleSet>(set | (1u << style));
    return set;
}
constexpr StyleSet AllStylesBut(std::initializer_list<int> styles) {
    return static_cast<StyleSet>(kAllStyles & ~Styles(styles));
}

struct PropCopyRow {
    std::string_view entry;  // the text in cboPropCopyList
    CopyEditor editor;
    int maxLength = 0;         // text editors
    std::string_view caption;  // lblPropCopy for a text editor, chkPropCopy for the check box
    BoxClamp clamp;            // the box's leave clamp; the range every copied value is held to
    float low = 0;
    float high = 0;
    CopyField field;  // also names the control set to the value in universe mode, and a combo's list
    bool firstSelected = false;
    StyleSet styles = kAllStyles;
};

inline constexpr int kPropCopyCount = 68;

namespace prop_copy_rows {

using G = UniGalaxy;
constexpr BoxClamp I = BoxClamp::Integer;
constexpr BoxClamp S = BoxClamp::Single;
constexpr BoxClamp L = BoxClamp::Long;

constexpr PropCopyRow Digits(std::string_view entry, int length, std::string_view caption, BoxClamp clamp, float low,
                             float high, CopyField field, StyleSet styles = kAllStyles) {
    return {entry, CopyEditor::Digits, length, caption, clamp, low, high, field, false, styles};
}
constexpr PropCopyRow Decimal(std::string_view entry, int length, std::string_view caption, BoxClamp clamp, float low,
                              float high, CopyField field, StyleSet styles = kAllStyles) {
    return {entry, CopyEditor::Decimal, length, caption, clamp, low, high, field, false, styles};
}
// A list property: its value is an index of the list (count items).
constexpr PropCopyRow Combo(std::string_view entry, int count, CopyField field, bool firstSelected = false) {
    return {entry, CopyEditor::Combo, 0, {}, I, 0, static_cast<float>(count - 1), field, firstSelected, kAllStyles};
}

constexpr std::string_view kHundred = "Range (0 - 100):";
constexpr std::string_view kLong = "Range (0 - 30000):";
constexpr std::string_view k99 = "Range (1 - 99):";
constexpr std::string_view k999 = "Range (1 - 999):";
constexpr std::string_view k9999 = "Range (0 - 9999):";
constexpr std::string_view kTo9999 = "Range (1 - 9999):";
constexpr std::string_view kFloat = "Range (0 - 99.9):";
constexpr std::string_view kPersist = "Range (0.1 - 0.9999):";
constexpr std::string_view kTurn = "Range (0 - 360.0):";

inline constexpr std::array<PropCopyRow, kPropCopyCount> kRows{{
    Digits("Galaxy Hue:  Red", 3, kHundred, I, 0, 100, &G::Galaxy_HueRed),
    Digits("Galaxy Hue:  Green", 3, kHundred, I, 0, 100, &G::Galaxy_HueGrn),
    Digits("Galaxy Hue:  Blue", 3, kHundred, I, 0, 100, &G::Galaxy_HueBlu),
    Digits("Galaxy Hue:  Base", 3, kHundred, I, 0, 100, &G::Galaxy_HueBase),
    Digits("Galaxy DirextX Blend", 3, kHundred, I, 0, 100, &G::Galaxy_DX_Blend),
    Digits("Galaxy Radius", 5, "Range (1 - 30000):", L, 1, 30000, &G::Galaxy_Radius, AllStylesBut({7})),
    Digits("Galaxy Rotation Speed", 5, kLong, L, 0, 30000, &G::Galaxy_Rotation),
    Digits("Galaxy Core Distance from Eye", 5, kLong, L, 0, 30000, &G::Galaxy_Distance),
    Digits("Galaxy Radial Arms", 2, k99, I, 1, 99, &G::Galaxy_RadSegs, Styles({0, 4, 5, 6, 7, 8, 9})),
    Digits("Galaxy Radial Arm Fill %", 3, kHundred, I, 0, 100, &G::Galaxy_RadFill, Styles({0, 4, 5, 6, 7, 8, 9})),
    Digits("Galaxy Radial Bands", 2, k99, I, 1, 99, &G::Galaxy_RadBands, AllStylesBut({1, 2, 7})),
    Digits("Galaxy Radial Band Fill %", 3, kHundred, I, 0, 100, &G::Galaxy_RadBFill, AllStylesBut({7})),
    Combo("Galaxy Style", 10, &G::Galaxy_GalStyle),
    Combo("Galaxy Axial Plane of Rotation", 2, &G::Galaxy_AxisPlane, true),
    Combo("Galaxy Shape Profile", 7, &G::Galaxy_Profile),
    Decimal("Galaxy Height/Width Ratio", 8, kFloat, S, 0, 99.9f, &G::Galaxy_GHW_Ratio),
    Decimal("Galaxy Radius Exponent", 8, kFloat, S, 0, 99.9f, &G::Galaxy_RadiusExp, AllStylesBut({4, 7})),
    Decimal("Galaxy Height Exponent", 8, kFloat, S, 0, 99.9f, &G::Galaxy_HeightExp, AllStylesBut({4})),
    Decimal("Galaxy Angular Tilt", 3, "Range (0 - 359):", I, 0, 359, &G::Galaxy_AngleTilt),
    Decimal("Galaxy Angular Tilt Increment", 8, kTurn, S, 0, 360, &G::Galaxy_AngleTInc),
    Combo("Galaxy Color Computation Index", 5, &G::Galaxy_ColorComp),
    Digits("Galaxy Color Multiplier", 5, kLong, L, 0, 30000, &G::Galaxy_ColorMult),
    Digits("Galaxy Hue Wheel Start", 3, "Range (0 - 359):", I, 0, 359, &G::Galaxy_HueStart),
    Decimal("Galaxy Hue Wheel Increment", 8, kTurn, S, 0, 360, &G::Galaxy_HWheelInc),
    Digits("New Star Frequency", 4, k9999, I, 0, 9999, &G::Galaxy_NewFreq),
    Digits("New Star Frames", 3, k999, I, 1, 999, &G::Galaxy_NewFrames),
    Digits("New Star Extension Multiplier", 4, kTo9999, I, 1, 9999, &G::Galaxy_NewExtMult),
    Digits("Nova Star Frequency", 4, k9999, I, 0, 9999, &G::Galaxy_NovaFreq),
    Digits("Nova Star Frames", 3, k999, I, 1, 999, &G::Galaxy_NovaFrames),
    Digits("Nova Star Extension Multiplier", 4, kTo9999, I, 1, 9999, &G::Galaxy_NovaExtMult),
    Digits("Pulsar Star Frequency", 4, k9999, I, 0, 9999, &G::Galaxy_PulsarFreq),
    Digits("Pulsar Star Z-Depth", 4, k9999, I, 0, 9999, &G::Galaxy_PulsarDepth),
    Digits("Pulsar Star Cycles", 2, k99, I, 1, 99, &G::Galaxy_PulsarCycles),
    Digits("Pulsar Star Frames per Cycle", 2, k99, I, 1, 99, &G::Galaxy_PulsarFrames),
    Digits("Pulsar Star Radius Start", 4, kTo9999, I, 1, 9999, &G::Galaxy_PulsarMinExt),
    Digits("Pulsar Star Radius End", 4, kTo9999, I, 1, 9999, &G::Galaxy_PulsarMaxExt),
    Combo("Pulsar Star General Shape", 5, &G::Galaxy_PulsarShape),
    Digits("Comet Frequency", 4, k9999, I, 0, 9999, &G::Galaxy_CometFreq),
    Digits("Comet Stars", 3, k999, I, 1, 999, &G::Galaxy_CometStars),
    Digits("Comet Orbital Speed", 4, k9999, I, 0, 9999, &G::Galaxy_CometOrbit),
    Digits("Comet Emit Speed", 4, k9999, I, 0, 9999, &G::Galaxy_CometSpeed),
    Digits("Comet Solar Wind", 4, k9999, I, 0, 9999, &G::Galaxy_CometSWind),
    Decimal("Comet Persistence", 8, kPersist, S, 0.1f, 0.9999f, &G::Galaxy_CometCPersist),
    Decimal("Comet Star Persistence", 8, kPersist, S, 0.1f, 0.9999f, &G::Galaxy_CometSPersist),
    Digits("Comet Hue Wheel Start", 3, "Range (0 - 999):", I, 0, 999, &G::Galaxy_HWC_Start),
    Digits("Comet Hue Wheel End", 3, "Range (0 - 999):", I, 0, 999, &G::Galaxy_HWC_End),
    Digits("Attractor Iteration Points", 2, k99, I, 1, 99, &G::Galaxy_RadSegs, Styles({1})),
    Digits("Attractor Iteration Scale %", 3, kHundred, I, 0, 100, &G::Galaxy_RadFill, Styles({1})),
    Digits("Attractor Rotation Angle", 3, "Range (0 - 360):", I, 0, 360, &G::Galaxy_RadBands, Styles({1})),
    Digits("Wireframe Vertices", 2, "Range (4 - 10):", I, 4, 10, &G::Galaxy_RadSegs, Styles({2})),
    Digits("Wireframe Scale %", 3, kHundred, I, 0, 100, &G::Galaxy_RadFill, Styles({2})),
    Digits("Wireframe Iteration Levels", 2, k99, I, 1, 99, &G::Galaxy_RadBands, Styles({2})),
    Digits("Fractal Iteration Points", 2, "Range (4 - 10):", I, 4, 10, &G::Galaxy_RadSegs, Styles({3})),
    Digits("Fractal Iteration Scale %", 3, kHundred, I, 0, 100, &G::Galaxy_RadFill, Styles({3})),
    Digits("Nebula Control Points", 2, "Range (1 - 20):", I, 1, 20, &G::Galaxy_CP_Points, Styles({4})),
    Digits("Nebula Control Point Steps", 4, kTo9999, I, 1, 9999, &G::Galaxy_CP_Steps, Styles({4})),
    Digits("Nebula Bias Points", 2, k99, I, 1, 99, &G::Galaxy_CP_B_Pts, Styles({4})),
    Digits("Nebula Bias Exponent", 3, kHundred, I, 0, 100, &G::Galaxy_CP_B_Exp, Styles({4})),
    Digits("Nebula Bias Travel Speed", 3, "Range (0 - 999):", I, 0, 999, &G::Galaxy_CP_B_Spd, Styles({4})),
    Decimal("Nebula Expansion Speed", 8, kFloat, S, 0, 99.9f, &G::Galaxy_RadiusExp, Styles({4})),
    Decimal("Nebula Solar Wind Magnitude", 8, kFloat, S, 0, 99.9f, &G::Galaxy_HeightExp, Styles({4})),
    {"Nebula Control Points Closed", CopyEditor::Check, 0, "Control Point Loop is Closed?", I, 0, 1,
     &G::Galaxy_CP_Close, false, Styles({4})},
    Decimal("Quasar Emit Speed", 8, kFloat, S, 0, 99.9f, &G::Galaxy_QG_Force, Styles({5})),
    Decimal("Graviton Force", 8, kFloat, S, 0, 99.9f, &G::Galaxy_QG_Force, Styles({6})),
    Digits("Starwave Expansion Rate", 5, "Range (1 - 30000):", L, 1, 30000, &G::Galaxy_Radius, Styles({7})),
    Digits("Starwave Interleaved Waves", 2, k99, I, 1, 99, &G::Galaxy_RadBands, Styles({7})),
    // The caption says 1, yet the box has always taken 0.
    Digits("Starwave Amplitude Persistence", 3, k999, I, 0, 999, &G::Galaxy_RadBFill, Styles({7})),
    Decimal("Starwave Particle Angle Increment", 8, kFloat, S, 0, 99.9f, &G::Galaxy_RadiusExp, Styles({7})),
}};

// The entries of cboPropCopyList, in list order.
inline constexpr std::array<std::string_view, kPropCopyCount> kEntries = [] {
    std::array<std::string_view, kPropCopyCount> entries{};
    for (std::size_t i = 0; i < kRows.size(); ++i) entries[i] = kRows[i].entry;
    return entries;
}();

}  // namespace prop_copy_rows

// The 68 copyable properties, by their index in cboPropCopyList.
inline constexpr std::span<const PropCopyRow, kPropCopyCount> kPropCopyRows = prop_copy_rows::kRows;
inline constexpr std::span<const std::string_view, kPropCopyCount> kPropCopyEntries = prop_copy_rows::kEntries;

// The copy into the tables. editedType is the galaxy type shown in
// galaxy-properties mode, or -1 in universe mode, where each row's control is
// set to the value as the types take it. In galaxy-properties mode the type's
// controls are stored into its record first and shown again from it at the
// end, so that a control shared by several styles never carries one style's
// value into a type of another. The value is held to the row's range first;
// an index outside 0..67 or a value that is not a number copies nothing.
// The hue tables are rebuilt after every copy.
void CopyPropValueToAllGalaxyTypes(Form& props, int editedType, std::int16_t iProp, float fValue);

// The frame's handlers on the properties dialog's form.
void cboPropCopyList_Click(Form& props);
void txtPropCopy_KeyPress(Form& props, int& keyAscii);
void txtPropCopy_LostFocus(Form& props);
// Checks that a property and a value are given, then copies.
void cmdPropCopy_Click(Form& props, int editedType);

}  // namespace orbweave
