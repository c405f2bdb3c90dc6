#include "dialogs/common/display_controls.h"

#include <algorithm>
#include <array>

#include "platform/forms/control.h"

namespace orbweave {
namespace {

static_assert(kSingleDisplayControl == kNoIndex, "a single control is addressed without an index");

using enum DisplayControl;
constexpr DisplayDialog kAdvanced = DisplayDialog::Advanced;
constexpr DisplayDialog kProperties = DisplayDialog::Properties;

constexpr std::array<DisplayControlName, 11> kDisplayControlNames{{
    {AdvancedBox, kAdvanced, "txtAdv", "spnAdv"},
    {MessageBox, kAdvanced, "txtMessage", "spnMessage"},
    {FontList, kAdvanced, "cboFont", ""},
    {MouseMoveCheck, kAdvanced, "chkMouseM", ""},
    {RandomCheck, kAdvanced, "chkRandom", ""},
    {HueWheelBox, kAdvanced, "txtHueWheel", ""},
    {ResolutionList, kProperties, "cboResolution", ""},
    {CustomSizeBox, kProperties, "txtDXRes", ""},
    {VertOffsetList, kProperties, "cboVertOffset", ""},
    {LayoutList, kProperties, "cboRGB16bbp", ""},
    {BlendBox, kProperties, "txtBlend", ""},
}};

}  // namespace

const DisplayControlName* DisplayControlNameOf(DisplayControl control) {
    const auto found = std::ranges::find(kDisplayControlNames, control, &DisplayControlName::control);
    return found == kDisplayControlNames.end() ? nullptr : &*found;
}

}  // namespace orbweave
