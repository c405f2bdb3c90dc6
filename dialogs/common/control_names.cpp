#include "dialogs/common/control_names.h"

#include <algorithm>
#include <array>
#include <string_view>

namespace orbweave {
namespace {

using C = DialogControl;

struct ControlName {
    DialogControl control;
    std::string_view name;
    std::string_view spin;  // the spin array beside a box array, if any
};

constexpr std::array<ControlName, 29> kControlNames{{
    {C::UniverseBoxes, "txtUni", "spnUni"},
    {C::GalaxyBoxes, "txtGalaxy", "spnGalaxy"},
    {C::HueBoxes, "txtPixHue", "spnPixHue"},
    {C::BlendBoxes, "txtBlend", ""},
    {C::GalaxyPercentBox, "txtUniGalPct", "spnUniGalPct"},
    {C::GalaxyNameBox, "txtUniGalName", ""},
    {C::TourSequence, "cboTourGalaxies", ""},
    {C::TourCheck, "chkUniTour", ""},
    {C::VisitSequenceCheck, "chkVisitSeq", ""},
    {C::RotateCameraCheck, "chkRotCamera", ""},
    {C::UniverseProfileList, "cboUniProfile", ""},
    {C::GalaxyStyleList, "cboGalStyle", ""},
    {C::GalaxyPlaneList, "cboGalPlane", ""},
    {C::GalaxyColourList, "cboGalColor", ""},
    {C::GalaxyProfileList, "cboGalProfile", ""},
    {C::PulsarShapeList, "cboPulsarShape", ""},
    {C::CometVectorCheck, "chkCometVector", ""},
    {C::ClosedPathCheck, "chkCP_Closed", ""},
    {C::AdvanceHueCheck, "chkCP_AdvHW", ""},
    {C::ResolutionList, "cboResolution", ""},
    {C::CustomSizeBoxes, "txtDXRes", ""},
    {C::VertOffsetList, "cboVertOffset", ""},
    {C::LayoutList, "cboRGB16bbp", ""},
    {C::AdvancedBoxes, "txtAdv", "spnAdv"},
    {C::MessageBoxes, "txtMessage", "spnMessage"},
    {C::FontList, "cboFont", ""},
    {C::MouseMoveCheck, "chkMouseM", ""},
    {C::RandomCheck, "chkRandom", ""},
    {C::HueWheelBoxes, "txtHueWheel", ""},
}};

const ControlName* NameRow(DialogControl control) {
    const auto found = std::find_if(kControlNames.begin(), kControlNames.end(),
                                    [&](const ControlName& row) { return row.control == control; });
    return found != kControlNames.end() ? &*found : nullptr;
}

}  // namespace

ControlRef ControlOf(ControlPlace place) {
    const ControlName* row = NameRow(place.control);
    return row != nullptr ? ControlRef{row->name, place.index} : ControlRef{};
}

ControlRef SpinOf(ControlPlace place) {
    const ControlName* row = NameRow(place.control);
    return row != nullptr && !row->spin.empty() ? ControlRef{row->spin, place.index} : ControlRef{};
}

}  // namespace orbweave
