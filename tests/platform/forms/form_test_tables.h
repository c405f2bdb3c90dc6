// The control tables of the forms tests, one per suite. The generic table
// test (tests/dialogs/common/form_tables_test.cpp) builds each of them with
// the product tables and expects every row to be built.
#pragma once

#include "platform/forms/control_rows.h"
#include "platform/forms/numeric_boxes.h"

namespace orbweave::testing {

inline constexpr ControlSpec kFormTable[] = {
    FrameRow("fraMain", kNoIndex, {60, 60, 3945, 960}, "Main"),
    TextRow("txtGalaxy", 0, {120, 240, 600, 300}, "1").In("fraMain"),
    TextRow("txtGalaxy", 12, {120, 600, 600, 300}, "2").In("fraMain"),
    TextRow("txtGalaxy", 90, {900, 240, 600, 300}, "3").In("fraMain"),
    ButtonRow("cmdAccept", kNoIndex, {60, 6240, 1572, 345}, "&Accept Settings"),
    CheckRow("chkTour", kNoIndex, {60, 1200, 2000, 300}, "Tour"),
    ComboRow("cboStyle", kNoIndex, {60, 1600, 2000, 300}),
};

inline constexpr ControlSpec kTextBoxTable[] = {
    TextRow("txtBox", 0, {60, 60, 1500, 300}, "12"),
    TextRow("txtBox", 1, {60, 600, 1500, 300}, "5"),
    ButtonRow("cmdOK", kNoIndex, {60, 1200, 900, 330}, "OK"),
    TextRow("txtLines", kNoIndex, {1700, 60, 1500, 900}, "one\r\ntwo").Styled(kStyleMultiLine),
};

inline constexpr ControlSpec kListTable[] = {
    ComboRow("cboStyle", kNoIndex, {60, 60, 2000, 300}),
    ComboRow("cboTour", kNoIndex, {60, 500, 2000, 300}, "1 2 3").Styled(kStyleEditable),
    ListRow("lstTypes", kNoIndex, {60, 900, 2000, 900}),
    ListRow("lstMinor", kNoIndex, {2200, 900, 2000, 900}).Styled(kStyleMultiSelect),
};

inline constexpr ControlSpec kSimpleControlsTable[] = {
    CheckRow("chkTour", kNoIndex, {60, 60, 2000, 300}, "Tour"),
    TextRow("txtValue", kNoIndex, {60, 400, 900, 300}, "7"),
    SpinRow("spnValue", kNoIndex, {960, 400, 195, 300}),
    ButtonRow("cmdOK", kNoIndex, {60, 800, 900, 330}, "OK"),
    ButtonRow("cmdCancel", kNoIndex, {1000, 800, 900, 330}, "Cancel"),
    ButtonRow("cmdPreview", kNoIndex, {2000, 800, 900, 330}, "Preview"),
    LabelRow("lblNote", kNoIndex, {60, 1200, 3000, 600}, "Note:  first\r\nsecond"),
    FrameRow("fraPage", 0, {60, 2000, 3000, 1500}, "Page 0"),
    FrameRow("fraPage", 1, {60, 2000, 3000, 1500}, "Page 1"),
    TextRow("txtInside", kNoIndex, {120, 240, 900, 300}).In("fraPage", 1),
    MenuRow("mnuFile", kNoIndex, "&File"),
    MenuRow("mnuFileArray", 0, "&Open Template...", {"mnuFile"}),
    SeparatorRow("mnuFileArray", 1, {"mnuFile"}),
    MenuRow("mnuFileArray", 2, "E&xit", {"mnuFile"}),
};

// 40 by 20 pixels.
inline constexpr ControlSpec kPictureBoxTable[] = {
    PictureRow("picPreview", kNoIndex, {60, 60, 600, 300}),
};

inline constexpr ControlSpec kWindowUtilsTable[] = {
    FrameRow("fraOuter", kNoIndex, {60, 60, 4000, 3000}, "Outer"),
    FrameRow("fraInner", kNoIndex, {60, 240, 3000, 2000}, "Inner").In("fraOuter"),
    TextRow("txtDeep", kNoIndex, {60, 240, 900, 300}).In("fraInner"),
    TextRow("txtNumber", kNoIndex, {60, 2400, 900, 300}, "0").In("fraOuter"),
    SpinRow("spnNumber", kNoIndex, {960, 2400, 195, 300}).In("fraOuter"),
    ButtonRow("cmdPreview", kNoIndex, {4200, 60, 900, 330}, "Preview"),
    ButtonRow("cmdOK", kNoIndex, {4200, 500, 900, 330}, "OK"),
    ListRow("lstTypes", kNoIndex, {4200, 1000, 3000, 1500}),
    ComboRow("cboFonts", kNoIndex, {4200, 2600, 3000, 300}),
    MenuRow("mnuFile", kNoIndex, "&File"),
    MenuRow("mnuFileArray", 0, "E&xit", {"mnuFile"}),
};

inline constexpr ControlSpec kNumericBoxTable[] = {
    TextRow("txtGalaxy", 0, {60, 60, 900, 300}, "500"),       SpinRow("spnGalaxy", 0, {960, 60, 195, 300}),
    TextRow("txtGalaxy", 8, {60, 400, 900, 300}, "1.5"),      TextRow("txtPct", kNoIndex, {60, 800, 900, 300}, "100"),
    SpinRow("spnPct", kNoIndex, {960, 800, 195, 300}),        TextRow("txtUni", 0, {60, 1200, 900, 300}, "18000"),
    ButtonRow("cmdOK", kNoIndex, {1500, 60, 900, 330}, "OK"),
};

// Each box's spin, arrow and clamp limits differ, as they do in the dialogs.
inline constexpr NumericBoxRow kNumericBoxRows[] = {
    {{"txtGalaxy", 0}, LongBox(1, 30000, 10), {"spnGalaxy", 0}},
    {{"txtGalaxy", 8}, SingleBox(0, 99.9)},
    {{"txtPct"}, DigitsBox(BoxClamp::None, 0, 0, {1, 0, 999}), {"spnPct"}},
    {{"txtUni", 0}, DigitsBox(BoxClamp::Long, 10, 99999, {100, 100, 99999})},
};

}  // namespace orbweave::testing
