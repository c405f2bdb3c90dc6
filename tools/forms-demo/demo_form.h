// The forms demo's control table and numeric box rows, kept apart from its
// main() so that the table tests build and bind them too.
#pragma once

#include "platform/forms/control_rows.h"
#include "platform/forms/numeric_boxes.h"

namespace orbweave::demo {

inline constexpr ControlSpec kDemoControls[] = {
    MenuRow("mnuFile", kNoIndex, "&File"),
    MenuRow("mnuFileArray", 0, "&Open Template...", {"mnuFile"}),
    SeparatorRow("mnuFileArray", 1, {"mnuFile"}),
    MenuRow("mnuFileArray", 2, "E&xit", {"mnuFile"}),
    MenuRow("mnuHelp", kNoIndex, "&Help"),
    LabelRow("lblTitle", kNoIndex, {300, 150, 5000, 400}, "Orbweave forms"),
    FrameRow("fraProps", kNoIndex, {300, 600, 4200, 3300}, "Universe Properties"),
    LabelRow("lblUni", 0, {150, 330, 1800, 300}, "Stars (1 - 9999):").In("fraProps"),
    TextRow("txtUni", 0, {2000, 300, 900, 315}, "500").In("fraProps").Tab(0),
    SpinRow("spnUni", 0, {2910, 300, 240, 315}).In("fraProps"),
    LabelRow("lblUni", 1, {150, 730, 1800, 300}, "Galaxies (1 - 999):").In("fraProps"),
    TextRow("txtUni", 1, {2000, 700, 900, 315}, "200").In("fraProps").Tab(1),
    SpinRow("spnUni", 1, {2910, 700, 240, 315}).In("fraProps"),
    ComboRow("cboUniTheme", kNoIndex, {150, 1150, 3900, 315}).In("fraProps").Tab(2),
    CheckRow("chkUniTour", kNoIndex, {150, 1600, 3000, 300}, "Tour the Universe").In("fraProps").Tab(3),
    ListRow("lstUniGalaxy", kNoIndex, {150, 2000, 3900, 1150}).In("fraProps").Tab(4),
    PictureRow("picPreview", kNoIndex, {4800, 750, 2700, 2700}),
    LabelRow("lblStatus", kNoIndex, {4800, 3550, 2700, 300}, ""),
    ButtonRow("cmdAccept", kNoIndex, {300, 4100, 1800, 400}, "&Accept Settings").Tab(5),
    ButtonRow("cmdDismiss", kNoIndex, {2700, 4100, 1800, 400}, "Cancel").Tab(6),
};

// The stars box steps by 10 with the arrows; the galaxies box by 1.
inline constexpr NumericBoxRow kDemoNumericBoxes[] = {
    {{"txtUni", 0}, IntegerBox(1, 9999, 10), {"spnUni", 0}},
    {{"txtUni", 1}, IntegerBox(1, 999, 1), {"spnUni", 1}},
};

}  // namespace orbweave::demo
