#include "dialogs/properties/props_controls.h"

#include <vector>

#include "core/product.h"
#include "dialogs/properties/galaxy_frame_controls.h"
#include "platform/forms/control_rows.h"

namespace orbweave {
namespace {

// The system's sans-serif family at the size the layout was made for.
constexpr double kFontPoints = 8.0;

// A label that may take two lines where Qt's font is wider than the box allows.
constexpr ControlSpec WrapRow(std::string_view name, int index, Place at, std::string_view caption) {
    return LabelRow(name, index, at, caption).Styled(kStyleWordWrap);
}

// A button two lines tall whose caption shows one word per line.
constexpr ControlSpec TallButtonRow(std::string_view name, Place at, std::string_view caption) {
    return ButtonRow(name, kNoIndex, at, caption).Styled(kStyleWordWrap);
}

// Tab positions: the left column from 0, the universe frame from 100; the
// galaxy frame's own rows come after both.
constexpr ControlSpec kLeftColumn[] = {
    FrameRow("fraUniverseProps", kNoIndex, {60, 60, 3945, 960}, "Universe Properties"),
    WrapRow("lblUni", 0, {120, 210, 2790, 390}, "Stars in all the Galaxies (10 - 99,999):")
        .In("fraUniverseProps")
        .Styled(kStyleWordWrap | kStyleAlignMiddle),
    TextRow("txtUni", 0, {2940, 240, 720, 300}).In("fraUniverseProps").Tab(0),
    SpinRow("spnUni", 0, {3660, 240, 192, 300}).In("fraUniverseProps"),
    WrapRow("lblUni", 1, {120, 570, 2790, 390}, "Galaxies in the Universe (1- 999):")
        .In("fraUniverseProps")
        .Styled(kStyleWordWrap | kStyleAlignMiddle),
    TextRow("txtUni", 1, {2940, 600, 720, 300}).In("fraUniverseProps").Tab(1),
    SpinRow("spnUni", 1, {3660, 600, 192, 300}).In("fraUniverseProps"),

    FrameRow("fraDirectX", kNoIndex, {60, 1050, 3945, 1365}, "DirectX Properties"),
    LabelRow("lblDirectX", 0, {120, 255, 1200, 255}, "Resolution:").In("fraDirectX"),
    ComboRow("cboResolution", kNoIndex, {1320, 240, 2505, 270}).In("fraDirectX").Tab(2),
    LabelRow("lblDirectX", 1, {120, 525, 2040, 255}, "Custom Width, Height:").In("fraDirectX"),
    TextRow("txtDXRes", 0, {2160, 510, 780, 270}).In("fraDirectX").Tab(3),
    TextRow("txtDXRes", 1, {3000, 510, 825, 270}).In("fraDirectX").Tab(4),
    LabelRow("lblDirectX", 2, {120, 795, 900, 255}, "Offset:").In("fraDirectX"),
    ComboRow("cboVertOffset", kNoIndex, {1020, 780, 720, 270}).In("fraDirectX").Tab(5),
    LabelRow("lblDirectX", 3, {1800, 795, 720, 255}, "16-bit:").In("fraDirectX"),
    ComboRow("cboRGB16bbp", kNoIndex, {2520, 780, 1305, 270}).In("fraDirectX").Tab(6),
    LabelRow("lblDirectX", 4, {120, 1065, 2520, 255}, "Blend Burst, Travel (0 - 100):").In("fraDirectX"),
    TextRow("txtBlend", 0, {2640, 1050, 560, 270}).In("fraDirectX").Tab(7),
    TextRow("txtBlend", 1, {3240, 1050, 585, 270}).In("fraDirectX").Tab(8),

    // A list value takes the whole width of its row, the longest galaxy style
    // included; the button has a row of its own below.
    FrameRow("fraPropCopy", kNoIndex, {60, 2460, 3945, 1340}, "Copy Galaxy Props to All Types"),
    LabelRow("lblPropCopyPick", kNoIndex, {120, 300, 540, 255}, "Props:").In("fraPropCopy"),
    ComboRow("cboPropCopyList", kNoIndex, {660, 270, 3165, 300}).In("fraPropCopy").Tab(9),
    LabelRow("lblPropCopy", kNoIndex, {120, 660, 1800, 255}, "Value:").In("fraPropCopy"),
    TextRow("txtPropCopy", kNoIndex, {1965, 630, 1000, 285}).In("fraPropCopy").Tab(10),
    ComboRow("cboPropCopy", kNoIndex, {120, 630, 3705, 300}).In("fraPropCopy").Tab(11),
    CheckRow("chkPropCopy", kNoIndex, {120, 630, 3705, 285}, "Property Check Box").In("fraPropCopy").Tab(12),
    ButtonRow("cmdPropCopy", kNoIndex, {3060, 975, 765, 315}, "Copy").In("fraPropCopy").Tab(13),

    FrameRow("fraPreview", kNoIndex, {60, 3840, 3930, 2340}, "Galaxy / Composite / Universe Preview"),
    PictureRow("picPreview", kNoIndex, {120, 240, 3690, 1980}).In("fraPreview"),
    ButtonRow("cmdAccept", kNoIndex, {60, 6240, 1572, 345}, "&Accept Settings").Tab(14),
    ButtonRow("cmdDismiss", kNoIndex, {3060, 6240, 900, 345}, "Cancel").Tab(15),
};

// The boxes of the universe pages end where the page's buttons do; the
// widest takes six digits.
constexpr int kPageRight = 4440;
constexpr int kPageBoxLeft = 3840;

// A universe box with its label on a page: the label at the left, the box at
// the right edge of the page.
constexpr ControlSpec PageLabel(int index, int top, std::string_view caption, int height = 255) {
    return WrapRow("lblUni", index, {120, top + 30, kPageBoxLeft - 150, height}, caption);
}
constexpr ControlSpec PageBox(int index, int top, int tab, int height = 285) {
    return TextRow("txtUni", index, {kPageBoxLeft, top, kPageRight - kPageBoxLeft, height}).Tab(tab);
}
// The tour page stacks its rows closer, 270 twips apart; its boxes are two
// pixels lower than their rows, so that they stand apart and clear of the
// page's bottom line. They take digits only, which need no room below the
// baseline.
constexpr int kTourBoxHeight = 240;

// The pages lie in one place at the bottom of the universe frame; they come
// before the selectors so that the page selector stays in front of their top
// edges.
constexpr ControlSpec kUniverseFrame[] = {
    FrameRow("fraAni", 1, {9060, 60, 4800, 6492}, "Universe Galaxies"),
    FrameRow("fraGalaxyTypes", kNoIndex, {120, 225, 4572, 2620}, "Galaxy Types").In("fraAni", 1),
    ListRow("lstUniGalaxy", kNoIndex, {120, 240, 3492, 1815}).In("fraGalaxyTypes").Tab(100),
    TallButtonRow("cmdGalProps", {3720, 240, 732, 540}, "Show Props").In("fraGalaxyTypes").Tab(101),
    TallButtonRow("cmdPreviewGal", {3720, 840, 732, 540}, "Preview Galaxy").In("fraGalaxyTypes").Tab(102),
    TextRow("txtResetGalPct", kNoIndex, {3720, 1440, 732, 285}).In("fraGalaxyTypes").Tab(103).Limit(4),
    ButtonRow("cmdResetGalPct", kNoIndex, {3720, 1755, 732, 300}, "Reset %").In("fraGalaxyTypes").Tab(104),
    // Under the list and the button column, on one line.
    LabelRow("lblGalNamePct", kNoIndex, {120, 2010, 4335, 255}, "Selected Galaxy Name and Relative Percent in Universe:")
        .In("fraGalaxyTypes"),
    TextRow("txtUniGalName", kNoIndex, {120, 2265, 2652, 300}).In("fraGalaxyTypes").Tab(105),
    TextRow("txtUniGalPct", kNoIndex, {2820, 2265, 600, 300}).In("fraGalaxyTypes").Tab(106),
    SpinRow("spnUniGalPct", kNoIndex, {3420, 2265, 192, 300}).In("fraGalaxyTypes"),
    ButtonRow("cmdGalCommit", kNoIndex, {3720, 2265, 732, 300}, "Commit").In("fraGalaxyTypes").Tab(107),

    FrameRow("fraUniProp", 0, {120, 3330, 4572, 3090}, "Extras:").In("fraAni", 1),
    PageLabel(10, 330, "Expansion Speed (0 - 99,999):").In("fraUniProp", 0),
    PageBox(10, 330, 120).In("fraUniProp", 0),
    PageLabel(11, 640, "Expansion Steps (1 - 9999):").In("fraUniProp", 0),
    PageBox(11, 640, 121).In("fraUniProp", 0),
    PageLabel(12, 950, "Star Persistence (0.25 - 1.0):").In("fraUniProp", 0),
    PageBox(12, 950, 122).In("fraUniProp", 0),
    PageLabel(14, 1260, "Universe Expansion Damping (0.0 - 1.0):").In("fraUniProp", 0),
    PageBox(14, 1260, 123).In("fraUniProp", 0),
    PageLabel(18, 1570, "Recycle Universe after visiting Galaxies (1 - 999):", 420).In("fraUniProp", 0),
    PageBox(18, 1570, 124).In("fraUniProp", 0),
    LabelRow("lblUni", 16, {120, 2040, 2160, 255}, "Hue Start, End (0 - 999):").In("fraUniProp", 0),
    TextRow("txtUni", 16, {2280, 2010, 480, 285}).In("fraUniProp", 0).Tab(125),
    SpinRow("spnUni", 16, {2760, 2010, 192, 285}).In("fraUniProp", 0),
    TextRow("txtUni", 17, {3000, 2010, 480, 285}).In("fraUniProp", 0).Tab(126),
    SpinRow("spnUni", 17, {3480, 2010, 192, 285}).In("fraUniProp", 0),
    PictureRow("picColUni", kNoIndex, {3720, 2010, 720, 285}).In("fraUniProp", 0),
    LabelRow("lblUniProfile", kNoIndex, {120, 2370, 1380, 255}, "Universe Profile:").In("fraUniProp", 0),
    ComboRow("cboUniProfile", kNoIndex, {1500, 2340, 2340, 300}).In("fraUniProp", 0).Tab(127),
    PictureRow("picUniProfile", kNoIndex, {3900, 2340, 540, 300}).In("fraUniProp", 0),
    ButtonRow("cmdPreviewUni", kNoIndex, {120, 2715, 4335, 300}, "Preview Universe").In("fraUniProp", 0).Tab(128),

    FrameRow("fraUniProp", 1, {120, 3330, 4572, 3090}, "Extras:").In("fraAni", 1),
    PageLabel(20, 330, "New Stars Frequency (0 - 9999):").In("fraUniProp", 1),
    PageBox(20, 330, 130).In("fraUniProp", 1),
    PageLabel(21, 660, "Exclusive to Current Galaxy % (0 - 100):").In("fraUniProp", 1),
    PageBox(21, 660, 131).In("fraUniProp", 1),
    PageLabel(40, 990, "Stars (0 - 9999):").In("fraUniProp", 1),
    PageBox(40, 990, 132).In("fraUniProp", 1),
    PageLabel(41, 1320, "Persistence (0.25 - 1.0):").In("fraUniProp", 1),
    PageBox(41, 1320, 133).In("fraUniProp", 1),
    PageLabel(42, 1650, "Age Increment (0.0 - 10.0):").In("fraUniProp", 1),
    PageBox(42, 1650, 134).In("fraUniProp", 1),
    PageLabel(43, 1980, "Cycle Down Frames (0 - 999):").In("fraUniProp", 1),
    PageBox(43, 1980, 135).In("fraUniProp", 1),
    PageLabel(44, 2310, "Max. Size Extension (1 - 99,999):").In("fraUniProp", 1),
    PageBox(44, 2310, 136).In("fraUniProp", 1),

    FrameRow("fraUniProp", 2, {120, 3330, 4572, 3090}, "Extras:").In("fraAni", 1),
    CheckRow("chkUniTour", kNoIndex, {120, 300, 4335, 255}, "Tour the Universe").In("fraUniProp", 2).Tab(140),
    CheckRow("chkVisitSeq", kNoIndex, {120, 570, 4335, 255}, "Visit Galaxy Types Sequentially:")
        .In("fraUniProp", 2)
        .Tab(141),
    CheckRow("chkRotCamera", kNoIndex, {120, 840, 4335, 255}, "Rotate Camera on approach to Galaxies:")
        .In("fraUniProp", 2)
        .Tab(142),
    FrameRow("fraTripScript", kNoIndex, {120, 1110, 4335, 570}, "Tour per space-separated Galaxy indices (1-66)")
        .In("fraUniProp", 2),
    ComboRow("cboTourGalaxies", kNoIndex, {120, 225, 4095, 300}).In("fraTripScript").Styled(kStyleEditable).Tab(143),
    PageLabel(30, 1710, "Steps per Control Point (1 - 9999):").In("fraUniProp", 2),
    PageBox(30, 1710, 144, kTourBoxHeight).In("fraUniProp", 2),
    PageLabel(31, 1980, "Control Points per Galaxy Visit (1 - 999):").In("fraUniProp", 2),
    PageBox(31, 1980, 145, kTourBoxHeight).In("fraUniProp", 2),
    PageLabel(32, 2250, "Control Points thru Galaxy Core (0 - 999):").In("fraUniProp", 2),
    PageBox(32, 2250, 146, kTourBoxHeight).In("fraUniProp", 2),
    PageLabel(33, 2520, "Distance from Universe Center (0 - 999999):").In("fraUniProp", 2),
    PageBox(33, 2520, 147, kTourBoxHeight).In("fraUniProp", 2),
    PageLabel(34, 2790, "Camera Rotation Ramping (0 - 999):").In("fraUniProp", 2),
    PageBox(34, 2790, 148, kTourBoxHeight).In("fraUniProp", 2),

    FrameRow("fraUniProp", 3, {120, 3330, 4572, 3090}, "Extras:").In("fraAni", 1),
    ListRow("lstCompGalaxy", kNoIndex, {120, 270, 3492, 1260}).In("fraUniProp", 3).Tab(150),
    TallButtonRow("cmdPreviewComp", {3720, 330, 732, 540}, "Preview Comp").In("fraUniProp", 3).Tab(151),
    TextRow("txtResetCompPct", kNoIndex, {3720, 915, 732, 285}).In("fraUniProp", 3).Tab(152).Limit(4),
    ButtonRow("cmdResetCompPct", kNoIndex, {3720, 1230, 732, 300}, "Reset %").In("fraUniProp", 3).Tab(153),
    TextRow("txtCompGalName", kNoIndex, {120, 1560, 2652, 285}).In("fraUniProp", 3).Tab(154),
    TextRow("txtCompGalPct", kNoIndex, {2820, 1560, 600, 285}).In("fraUniProp", 3).Tab(155),
    SpinRow("spnCompGalPct", kNoIndex, {3420, 1560, 192, 285}).In("fraUniProp", 3),
    ButtonRow("cmdCompCommit", kNoIndex, {3720, 1560, 732, 300}, "Commit").In("fraUniProp", 3).Tab(156),
    LabelRow("lblCompMajor", kNoIndex, {120, 1905, 1020, 255}, "Major:").In("fraUniProp", 3),
    ComboRow("cboCompMajor", kNoIndex, {1140, 1875, 3312, 285}).In("fraUniProp", 3).Tab(157),
    WrapRow("lblCompMinor", kNoIndex, {120, 2190, 1020, 420}, "Minor Types:").In("fraUniProp", 3),
    ListRow("lstCompMinor", kNoIndex, {1140, 2180, 3312, 900}).In("fraUniProp", 3).Styled(kStyleMultiSelect).Tab(158),

    FrameRow("fraUniProp", 4, {120, 3330, 4572, 3090}, "Extras:").In("fraAni", 1),
    PageLabel(50, 330, "Gravitational Magnitude (0 - 999,999):").In("fraUniProp", 4),
    PageBox(50, 330, 160).In("fraUniProp", 4),
    PageLabel(51, 660, "Calc. Velocity Vectors per Frame (1 - 999):", 420).In("fraUniProp", 4),
    PageBox(51, 660, 161).In("fraUniProp", 4),
    WrapRow("lblGravityWarning", kNoIndex, {120, 1200, 4335, 1800}, "Note:  Gravity Warning here...")
        .In("fraUniProp", 4),

    LabelRow("lblUniTheme", kNoIndex, {120, 2980, 672, 240}, "Theme:").In("fraAni", 1),
    ComboRow("cboUniTheme", kNoIndex, {840, 2920, 3852, 288}).In("fraAni", 1).Tab(110),
    ComboRow("cboUniExtras", kNoIndex, {840, 3270, 3852, 315}).In("fraAni", 1).Tab(111),
};

constexpr ControlSpec kMenus[] = {
    MenuRow("mnuFile", kNoIndex, "&File"),
    MenuRow("mnuFileArray", 0, "&Open Template...", {"mnuFile"}),
    SeparatorRow("mnuFileArray", 1, {"mnuFile"}),
    MenuRow("mnuFileArray", 2, "&Save Template", {"mnuFile"}),
    MenuRow("mnuFileArray", 3, "Save Template &As...", {"mnuFile"}),
    SeparatorRow("mnuFileArray", 4, {"mnuFile"}),
    MenuRow("mnuFileArray", 5, "E&xit", {"mnuFile"}),
    MenuRow("mnuEdit", kNoIndex, "&Edit"),
    MenuRow("mnuEditArray", 0, "&Reset Properties", {"mnuEdit"}),
    SeparatorRow("mnuEditArray", 1, {"mnuEdit"}),
    MenuRow("mnuEditArray", 2, "&Advanced Settings...", {"mnuEdit"}),
    MenuRow("mnuHelp", kNoIndex, "&Help"),
    MenuRow("mnuHelpArray", 0, "&Contents...", {"mnuHelp"}),
    MenuRow("mnuHelpArray", 1, "&Search...", {"mnuHelp"}),
    SeparatorRow("mnuHelpArray", 2, {"mnuHelp"}),
    MenuRow("mnuHelpArray", 3, "&Diagnostics...", {"mnuHelp"}),
    SeparatorRow("mnuHelpArray", 4, {"mnuHelp"}),
    MenuRow("mnuHelpArray", 5, "&Velmor Home Page...", {"mnuHelp"}),
    SeparatorRow("mnuHelpArray", 6, {"mnuHelp"}),
    MenuRow("mnuHelpArray", 7, kJoined<"&About ", kProductNameText, "...">, {"mnuHelp"}),
};

constexpr ControlRef kHiddenAtLoad[] = {{"cboPropCopy"}, {"chkPropCopy"}};

std::vector<ControlSpec> Joined() {
    std::vector<ControlSpec> rows;
    for (std::span<const ControlSpec> part :
         {LeftColumnControls(), UniverseFrameControls(), GalaxyFrameControls(), MenuControls()}) {
        rows.insert(rows.end(), part.begin(), part.end());
    }
    return rows;
}

}  // namespace

std::span<const ControlSpec> LeftColumnControls() { return kLeftColumn; }
std::span<const ControlSpec> UniverseFrameControls() { return kUniverseFrame; }
std::span<const ControlSpec> MenuControls() { return kMenus; }

std::span<const ControlRef> HiddenAtLoad() { return kHiddenAtLoad; }

FontSpec PropertiesFont() { return FontSpec{.name = {}, .size = kFontPoints, .bold = false}; }

std::span<const ControlSpec> PropertiesControls() {
    static const std::vector<ControlSpec> rows = Joined();
    return rows;
}

}  // namespace orbweave
