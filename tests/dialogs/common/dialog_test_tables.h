// The control tables of the dialog-layer tests. The generic table test builds
// each of them with the product tables and expects every row to be built.
#pragma once

#include "platform/forms/control_rows.h"

namespace orbweave::testing {

inline constexpr ControlSpec kDisplayControls[] = {
    ComboRow("cboResolution", kNoIndex, {0, 0, 1500, 300}), ComboRow("cboVertOffset", kNoIndex, {0, 400, 1500, 300}),
    ComboRow("cboRGB16bbp", kNoIndex, {0, 800, 1500, 300}), TextRow("txtDXRes", 0, {0, 1200, 900, 300}),
    TextRow("txtDXRes", 1, {1000, 1200, 900, 300}),         PictureRow("picPreview", kNoIndex, {0, 1600, 1200, 900}),
};

inline constexpr ControlSpec kProbeControls[] = {
    TextRow("txtValue", kNoIndex, {60, 60, 900, 300}, "design"),
    ButtonRow("cmdOK", kNoIndex, {1200, 60, 900, 330}, "OK"),
};

}  // namespace orbweave::testing
