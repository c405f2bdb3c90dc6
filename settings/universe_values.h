#pragma once

// The 28 universe settings: star and galaxy counts, the creation burst, new
// and ambient stars, the camera tour and gravity. They have no record in
// memory; they live in the settings section "Universe", in a template's
// section "Universe" and, while the properties dialog is open, in its
// controls. Every transfer uses this one table.

#include <array>
#include <string_view>

namespace orbweave {

inline constexpr std::string_view kSectionUniverse = "Universe";

// How a value is read from the settings store, and so which control holds it.
enum class UniverseValueType {
    Int32,   // a txtUni box
    Single,  // a txtUni box
    Text,    // the tour sequence combo box's text
    Flag,    // a check box's value, 1 checked
    Int16,   // the profile list's selected index
};

// The index of a control that is not an element of a control array.
inline constexpr int kSingleControl = -1;

struct UniverseValue {
    std::string_view name;
    UniverseValueType type;
    std::string_view defaultText;
    std::string_view control;
    int controlIndex;  // the element of txtUni, or kSingleControl
};

inline constexpr int kUniverseValueCount = 28;

// In the order of a template's "Universe" section.
inline constexpr std::array<UniverseValue, kUniverseValueCount> kUniverseValues{{
    {"Universe_Stars", UniverseValueType::Int32, "18000", "txtUni", 0},
    {"Universe_Galaxy", UniverseValueType::Int32, "200", "txtUni", 1},
    {"Universe_Expand", UniverseValueType::Single, "3000", "txtUni", 10},
    {"Universe_ESteps", UniverseValueType::Single, "500", "txtUni", 11},
    {"Universe_Persist", UniverseValueType::Single, "0.985", "txtUni", 12},
    {"Universe_Damping", UniverseValueType::Single, "0.01", "txtUni", 14},
    {"Universe_HW_Start", UniverseValueType::Int32, "170", "txtUni", 16},
    {"Universe_HW_End", UniverseValueType::Int32, "250", "txtUni", 17},
    {"Universe_Recycle", UniverseValueType::Int32, "30", "txtUni", 18},
    {"Universe_NewFreq", UniverseValueType::Int32, "3500", "txtUni", 20},
    {"Universe_NewPctStEx", UniverseValueType::Int32, "85", "txtUni", 21},
    {"Universe_GSteps", UniverseValueType::Int32, "200", "txtUni", 30},
    {"Universe_GPCtrl", UniverseValueType::Int32, "2", "txtUni", 31},
    {"Universe_GCCtrl", UniverseValueType::Int32, "4", "txtUni", 32},
    {"Universe_DstCen", UniverseValueType::Single, "4000", "txtUni", 33},
    {"Universe_C_Ramp", UniverseValueType::Int32, "750", "txtUni", 34},
    {"Universe_GS_Idx", UniverseValueType::Text, "", "cboTourGalaxies", kSingleControl},
    {"Universe_Tour", UniverseValueType::Flag, "1", "chkUniTour", kSingleControl},
    {"Universe_GVisit", UniverseValueType::Flag, "0", "chkVisitSeq", kSingleControl},
    {"Universe_RotCam", UniverseValueType::Flag, "0", "chkRotCamera", kSingleControl},
    {"Universe_AmStar", UniverseValueType::Int32, "2000", "txtUni", 40},
    {"Universe_AmPers", UniverseValueType::Single, "0.999", "txtUni", 41},
    {"Universe_AmCAge", UniverseValueType::Single, "0.1", "txtUni", 42},
    {"Universe_AmFrames", UniverseValueType::Int32, "15", "txtUni", 43},
    {"Universe_AmMaxExt", UniverseValueType::Single, "600", "txtUni", 44},
    {"Universe_GravForce", UniverseValueType::Int32, "0", "txtUni", 50},
    {"Universe_GravFrame", UniverseValueType::Int32, "1", "txtUni", 51},
    {"Universe_Profile", UniverseValueType::Int16, "51", "cboUniProfile", kSingleControl},
}};

}  // namespace orbweave
