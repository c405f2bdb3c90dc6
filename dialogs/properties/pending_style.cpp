// Stand-ins until the galaxy frame and the dialog transfers join this
// branch: a galaxy frame holding only the controls the dialog itself
// addresses, and procedures that do nothing. Deleted when the real ones merge.
#include "dialogs/common/galaxy_transfers.h"
#include "dialogs/common/launchers.h"
#include "dialogs/common/props_cycles.h"
#include "dialogs/properties/galaxy_frame.h"
#include "dialogs/properties/galaxy_frame_controls.h"
#include "dialogs/properties/preset_controls.h"
#include "dialogs/properties/style_controls.h"
#include "platform/forms/control_rows.h"

namespace orbweave {
namespace {

constexpr ControlSpec kStandInGalaxyFrame[] = {
    FrameRow("fraAni", 0, {4080, 60, 4800, 6492}, "Galaxy Properties"),
    ButtonRow("cmdAcceptGalProps", kNoIndex, {3780, 240, 900, 300}, "Accept").In("fraAni", 0),
    ComboRow("cboGalTheme", kNoIndex, {840, 240, 2820, 315}).In("fraAni", 0),
    ComboRow("cboGalStyle", kNoIndex, {120, 600, 4455, 315}).In("fraAni", 0),
    ComboRow("cboGalPlane", kNoIndex, {120, 960, 1000, 315}).In("fraAni", 0),
    ComboRow("cboGalaxExtras", kNoIndex, {840, 1950, 3852, 315}).In("fraAni", 0),
    FrameRow("fraGalProp", 0, {120, 2010, 4572, 4410}, "Extras:").In("fraAni", 0),
    FrameRow("fraGalProp", 1, {120, 2010, 4572, 4410}, "Extras:").In("fraAni", 0),
    FrameRow("fraGalProp", 2, {120, 2010, 4572, 4410}, "Extras:").In("fraAni", 0),
    ComboRow("cboGalColor", kNoIndex, {120, 300, 2000, 315}).In("fraGalProp", 0),
    ComboRow("cboGalProfile", kNoIndex, {120, 700, 2000, 315}).In("fraGalProp", 0),
    ComboRow("cboPulsarShape", kNoIndex, {120, 300, 2000, 315}).In("fraGalProp", 1),
    ButtonRow("cmdIFS_Chem", kNoIndex, {120, 3990, 4335, 315}, "User Defined Molecular Structure...")
        .In("fraGalProp", 0),
    ButtonRow("cmdGalLevels", kNoIndex, {4100, 1100, 300, 300}, "...").In("fraGalProp", 0),
    TextRow("txtGalaxy", 0, {120, 1500, 600, 285}).In("fraGalProp", 0),
    SpinRow("spnGalaxy", 0, {720, 1500, 192, 285}).In("fraGalProp", 0),
    TextRow("txtGalaxy", 1, {1000, 1500, 600, 285}).In("fraGalProp", 0),
    SpinRow("spnGalaxy", 1, {1600, 1500, 192, 285}).In("fraGalProp", 0),
    TextRow("txtGalaxy", 2, {1900, 1500, 600, 285}).In("fraGalProp", 0),
    SpinRow("spnGalaxy", 2, {2500, 1500, 192, 285}).In("fraGalProp", 0),
    TextRow("txtGalaxy", 7, {2800, 1500, 600, 285}).In("fraGalProp", 0),
    SpinRow("spnGalaxy", 7, {3400, 1500, 192, 285}).In("fraGalProp", 0),
    TextRow("txtGalaxy", 95, {120, 1900, 600, 285}).In("fraGalProp", 0),
    SpinRow("spnGalaxy", 95, {720, 1900, 192, 285}).In("fraGalProp", 0),
    TextRow("txtGalaxy", 47, {120, 1900, 600, 285}).In("fraGalProp", 2),
    SpinRow("spnGalaxy", 47, {720, 1900, 192, 285}).In("fraGalProp", 2),
    TextRow("txtGalaxy", 48, {1000, 1900, 600, 285}).In("fraGalProp", 2),
    SpinRow("spnGalaxy", 48, {1600, 1900, 192, 285}).In("fraGalProp", 2),
    TextRow("txtPixHue", 0, {120, 2300, 500, 285}).In("fraGalProp", 0),
    SpinRow("spnPixHue", 0, {620, 2300, 192, 285}).In("fraGalProp", 0),
    TextRow("txtPixHue", 1, {900, 2300, 500, 285}).In("fraGalProp", 0),
    SpinRow("spnPixHue", 1, {1400, 2300, 192, 285}).In("fraGalProp", 0),
    TextRow("txtPixHue", 2, {1700, 2300, 500, 285}).In("fraGalProp", 0),
    SpinRow("spnPixHue", 2, {2200, 2300, 192, 285}).In("fraGalProp", 0),
    TextRow("txtPixHue", 3, {2500, 2300, 500, 285}).In("fraGalProp", 0),
    SpinRow("spnPixHue", 3, {3000, 2300, 192, 285}).In("fraGalProp", 0),
    TextRow("txtPixHue", 4, {3300, 2300, 500, 285}).In("fraGalProp", 0),
    SpinRow("spnPixHue", 4, {3800, 2300, 192, 285}).In("fraGalProp", 0),
};

}  // namespace

std::span<const ControlSpec> GalaxyFrameControls() { return kStandInGalaxyFrame; }

void SetupGalaxyStyleControls(Form&, std::int16_t) {}
void GalaxyPresetToControls(Form&, std::string, std::int16_t) {}
void UniversePresetToControls(Form&, std::string) {}
void ShowUniverseFrame(Form&, bool) {}
void cboGalStyle_Click(Form&) {}
void cboGalTheme_Click(Form&) {}
void cboCompMajor_Click(Form&) {}

void ControlsToUniGalaxy(Form&, int) {}
void UniGalaxyToControls(Form&, int) {}
bool CyclePropsRegToArrays(Form&) { return true; }
bool CyclePropsArraysToReg(Form&) { return true; }
void ResetAdvancedPropsToFactory(Form&) {}
void RunFirstTimeSetup(Form&) {}

DialogLaunchers& Launchers() {
    static DialogLaunchers launchers;
    return launchers;
}

}  // namespace orbweave
