#include "dialogs/properties/galaxy_frame_controls.h"

#include <array>

#include "platform/forms/control_rows.h"

namespace orbweave {
namespace {

// The dialog's other controls take Tab positions below this one.
constexpr int kFirstTabPosition = 200;

// Heights shared by every row: one line of a label, a box, a list, and a
// label wrapped onto two lines (the dialog font is wide, so long row
// captions wrap beside their boxes).
constexpr int kLineHeight = 225;
constexpr int kBoxHeight = 300;
constexpr int kListHeight = 315;
constexpr int kTwoLines = 420;
constexpr int kSpinWidth = 195;

// Rows of the upper part and of the first page: a caption at the left, its
// boxes at the right, one row every two lines. The caption is centred on
// the boxes, its text level with theirs on one line or wrapped onto two.
constexpr int kBoxOffset = (kTwoLines - kBoxHeight) / 2;

// The grids of the other pages put a caption above each box.
constexpr int kGridLeft = 120;
constexpr int kGridWidth = 4212;
constexpr int kRowHeight = kLineHeight + kBoxHeight;

constexpr int GridColumn(int column, int columns) { return kGridLeft + column * (kGridWidth / columns); }
constexpr Place GridCaption(int column, int columns, int top) {
    return {GridColumn(column, columns), top, kGridWidth / columns, kLineHeight};
}
constexpr Place GridBox(int column, int columns, int top, int width) {
    return {GridColumn(column, columns), top + kLineHeight, width, kBoxHeight};
}
constexpr Place GridSpin(int column, int columns, int top, int boxWidth) {
    return {GridColumn(column, columns) + boxWidth, top + kLineHeight, kSpinWidth, kBoxHeight};
}

// Box widths by the longest text a box takes.
constexpr int kTwoDigits = 450;
constexpr int kThreeDigits = 510;
constexpr int kFourDigits = 630;
constexpr int kFiveDigits = 690;
constexpr int kDecimal = 780;

// Page 0 columns: two boxes with spins (A and B), or one box in column B.
constexpr int kPageCaptionWidth = 2700;
constexpr int kWideCaptionWidth = 3450;
constexpr int kBoxA = 2880;
constexpr int kBoxB = 3720;
constexpr int kBoxAWidth = 510;
constexpr int kBoxBWidth = 510;
// The first box of the row shared by the level count, the quasar speed and
// the graviton force stands right of the others, after its longest caption.
constexpr int kSharedBoxA = 3000;
constexpr int kRow2 = 330;
constexpr int kRow3 = kRow2 + kTwoLines;
constexpr int kRow90 = kRow3 + kTwoLines;
constexpr int kRow91 = kRow90 + kTwoLines;
constexpr int kRow92 = kRow91 + kTwoLines;
constexpr int kRow93 = kRow92 + kTwoLines;
constexpr int kColourHeading = kRow93 + kTwoLines;
constexpr int kColourRow = kColourHeading + kTwoLines;
// The bottom band of page 0 holds, by style, the shape profile, the nebula's
// two check boxes or the button of the user-defined editors; they are never
// shown together.
constexpr int kBottomBand = 3990;

// Page 2, top to bottom.
constexpr int kCometFrameTop = 330;
constexpr int kCometFrameHeight = 1620;
constexpr int kCometColourHeading = kCometFrameTop + kCometFrameHeight + 30;
constexpr int kCometColourRow = kCometColourHeading + kTwoLines;
constexpr int kPixHueCaptions = kCometColourRow + kRowHeight + 45;
constexpr int kPixHueBoxes = kPixHueCaptions + kTwoLines;
// Both captions stand on the line above the boxes, the second one right
// after the first, as it is too long for the two boxes it names.
constexpr int kPixHueCaptionLine = kPixHueBoxes - kLineHeight;
constexpr int kRgbCaptionWidth = 1800;
constexpr int kPixHueCell = 810;
constexpr int kPixHueBox = 420;
constexpr int kPixHueSpin = 180;
// A swatch stands as far from the next box as from its own spin control.
constexpr int kSwatchGap = 30;
constexpr int kSwatchWidth = kPixHueCell - kPixHueBox - kPixHueSpin - 2 * kSwatchGap;
constexpr int kGalaxyHueRow = kPixHueBoxes + kBoxHeight + 45;

constexpr Place PixHueBox(int k) { return {kGridLeft + k * kPixHueCell, kPixHueBoxes, kPixHueBox, kBoxHeight}; }
constexpr Place PixHueSpin(int k) {
    return {kGridLeft + k * kPixHueCell + kPixHueBox, kPixHueBoxes, kPixHueSpin, kBoxHeight};
}
constexpr Place PixHueSwatch(int k) {
    return {kGridLeft + k * kPixHueCell + kPixHueBox + kPixHueSpin + kSwatchGap, kPixHueBoxes, kSwatchWidth, kBoxHeight};
}

// Rows are written in Tab order; this gives each control that takes the
// focus its position, so that the order is the table's.
template <std::size_t N>
constexpr std::array<ControlSpec, N> InTabOrder(std::array<ControlSpec, N> rows) {
    int position = kFirstTabPosition;
    for (ControlSpec& row : rows) {
        switch (row.kind) {
        case ControlKind::TextBox:
        case ControlKind::ComboBox:
        case ControlKind::ListBox:
        case ControlKind::CheckBox:
        case ControlKind::CommandButton: row.tabIndex = position++; break;
        default: break;
        }
    }
    return rows;
}

constexpr auto kGalaxyFrameControls = InTabOrder(std::to_array<ControlSpec>({
    FrameRow("fraAni", 0, {4080, 60, 4800, 6492}, "Galaxy Properties"),

    // Upper part: theme, style, and the two rows every style shows.
    LabelRow("lblGalTheme", kNoIndex, {120, 285, 700, kLineHeight}, "Theme:").In("fraAni", 0),
    ComboRow("cboGalTheme", kNoIndex, {840, 240, 2910, kListHeight}).In("fraAni", 0),
    ButtonRow("cmdAcceptGalProps", kNoIndex, {3780, 240, 900, kBoxHeight}, "Accept").In("fraAni", 0),
    LabelRow("lblGalStyle", kNoIndex, {120, 675, 700, kLineHeight}, "Style:").In("fraAni", 0),
    ComboRow("cboGalStyle", kNoIndex, {840, 630, 3840, kListHeight}).In("fraAni", 0),
    LabelRow("lblGalaxy", 0, {120, 1020, 2640, kTwoLines}, "Radius, Rotation (1, 0 - 30000):")
        .In("fraAni", 0)
        .Styled(kStyleWordWrap | kStyleAlignMiddle),
    TextRow("txtGalaxy", 0, {2820, 1080, kFiveDigits, kBoxHeight}).In("fraAni", 0),
    SpinRow("spnGalaxy", 0, {3510, 1080, kSpinWidth, kBoxHeight}).In("fraAni", 0),
    TextRow("txtGalaxy", 1, {3750, 1080, kFiveDigits, kBoxHeight}).In("fraAni", 0),
    SpinRow("spnGalaxy", 1, {4440, 1080, kSpinWidth, kBoxHeight}).In("fraAni", 0),
    LabelRow("lblGalaxy", 1, {120, 1440, 2640, kTwoLines}, "Distance (0 - 30000), Axial Plane:")
        .In("fraAni", 0)
        .Styled(kStyleWordWrap | kStyleAlignMiddle),
    TextRow("txtGalaxy", 2, {2820, 1500, kFiveDigits, kBoxHeight}).In("fraAni", 0),
    SpinRow("spnGalaxy", 2, {3510, 1500, kSpinWidth, kBoxHeight}).In("fraAni", 0),
    ComboRow("cboGalPlane", kNoIndex, {3750, 1500, 885, kListHeight}).In("fraAni", 0),

    // The three pages lie in one place; the selector rides on their top edge,
    // in front of them.
    FrameRow("fraGalProp", 0, {120, 2010, 4572, 4410}, "Extras:").In("fraAni", 0),
    FrameRow("fraGalProp", 1, {120, 2010, 4572, 4410}, "Extras:").In("fraAni", 0),
    FrameRow("fraGalProp", 2, {120, 2010, 4572, 4410}, "Extras:").In("fraAni", 0),
    ComboRow("cboGalaxExtras", kNoIndex, {825, 1950, 3855, kListHeight}).In("fraAni", 0),

    // Page 0: motion, shape and colour. The rows whose meaning changes with
    // the galaxy style come first.
    LabelRow("lblGalaxy", 2, {120, kRow2, kPageCaptionWidth, kTwoLines}, "Radials (1 - 99), Fill % (0 - 100):")
        .In("fraGalProp", 0)
        .Styled(kStyleWordWrap | kStyleAlignMiddle),
    TextRow("txtGalaxy", 3, {kBoxA, kRow2 + kBoxOffset, kBoxAWidth, kBoxHeight}).In("fraGalProp", 0),
    SpinRow("spnGalaxy", 3, {kBoxA + kBoxAWidth, kRow2 + kBoxOffset, kSpinWidth, kBoxHeight}).In("fraGalProp", 0),
    TextRow("txtGalaxy", 4, {kBoxB, kRow2 + kBoxOffset, kBoxBWidth, kBoxHeight}).In("fraGalProp", 0),
    SpinRow("spnGalaxy", 4, {kBoxB + kBoxBWidth, kRow2 + kBoxOffset, kSpinWidth, kBoxHeight}).In("fraGalProp", 0),
    LabelRow("lblGalaxy", 3, {120, kRow3, kPageCaptionWidth, kTwoLines}, "Bands (1 - 99), Fill % (0 - 100):")
        .In("fraGalProp", 0)
        .Styled(kStyleWordWrap | kStyleAlignMiddle),
    TextRow("txtGalaxy", 5, {kBoxA, kRow3 + kBoxOffset, kBoxAWidth, kBoxHeight}).In("fraGalProp", 0),
    SpinRow("spnGalaxy", 5, {kBoxA + kBoxAWidth, kRow3 + kBoxOffset, kSpinWidth, kBoxHeight}).In("fraGalProp", 0),
    TextRow("txtGalaxy", 6, {kBoxB, kRow3 + kBoxOffset, kBoxBWidth, kBoxHeight}).In("fraGalProp", 0),
    SpinRow("spnGalaxy", 6, {kBoxB + kBoxBWidth, kRow3 + kBoxOffset, kSpinWidth, kBoxHeight}).In("fraGalProp", 0),
    // The standard style's level count and its editor, and the force of the
    // quasar and graviton styles, share the place before the ratio box.
    LabelRow("lblGalaxy", 90, {120, kRow90, kWideCaptionWidth, kTwoLines}, "Galaxy Height / Width Ratio (0.0 - 99.9):")
        .In("fraGalProp", 0)
        .Styled(kStyleWordWrap | kStyleAlignMiddle),
    TextRow("txtGalaxy", 9, {kSharedBoxA, kRow90 + kBoxOffset, 360, kBoxHeight}).In("fraGalProp", 0),
    ButtonRow("cmdGalLevels", kNoIndex, {kSharedBoxA + 360, kRow90 + kBoxOffset, 330, kBoxHeight}, "...")
        .In("fraGalProp", 0),
    TextRow("txtGalaxy", 8, {kSharedBoxA, kRow90 + kBoxOffset, kFiveDigits, kBoxHeight}).In("fraGalProp", 0),
    TextRow("txtGalaxy", 90, {kBoxB, kRow90 + kBoxOffset, kBoxBWidth, kBoxHeight}).In("fraGalProp", 0),
    LabelRow("lblGalaxy", 91, {120, kRow91, kWideCaptionWidth, kTwoLines}, "Radius Distribution Exponent (0.0 - 99.9):")
        .In("fraGalProp", 0)
        .Styled(kStyleWordWrap | kStyleAlignMiddle),
    TextRow("txtGalaxy", 91, {kBoxB, kRow91 + kBoxOffset, kBoxBWidth, kBoxHeight}).In("fraGalProp", 0),
    LabelRow("lblGalaxy", 92, {120, kRow92, kWideCaptionWidth, kTwoLines}, "Height Distribution Exponent (0.0 - 99.9):")
        .In("fraGalProp", 0)
        .Styled(kStyleWordWrap | kStyleAlignMiddle),
    TextRow("txtGalaxy", 92, {kBoxB, kRow92 + kBoxOffset, kBoxBWidth, kBoxHeight}).In("fraGalProp", 0),
    LabelRow("lblGalaxy", 93, {120, kRow93, kWideCaptionWidth, kTwoLines}, "Initial Tilt Angle in Degrees (0 - 360):")
        .In("fraGalProp", 0)
        .Styled(kStyleWordWrap | kStyleAlignMiddle),
    TextRow("txtGalaxy", 93, {kBoxB, kRow93 + kBoxOffset, kBoxBWidth, kBoxHeight}).In("fraGalProp", 0),
    // The colour computation; where a style hides its list, the label behind
    // it names what the multiplier box means instead.
    LabelRow("lblGalColor", kNoIndex, {120, kColourHeading, 4332, kTwoLines},
             "Star Hue Computation Type / Multiplier (1 - 30,000)")
        .In("fraGalProp", 0)
        .Styled(kStyleWordWrap),
    // Centred on the list, which hides it where it shows.
    LabelRow("lblOtherColorCycles", kNoIndex, {120, kColourRow + 15, kWideCaptionWidth, kTwoLines - 30},
             "Atomic Sphere Color Blending  (0 - 30000):")
        .In("fraGalProp", 0)
        .Styled(kStyleWordWrap | kStyleAlignMiddle),
    ComboRow("cboGalColor", kNoIndex, {120, kColourRow + 45, kWideCaptionWidth, kListHeight}).In("fraGalProp", 0),
    TextRow("txtGalaxy", 7, {kBoxB, kColourRow + kBoxOffset, kBoxBWidth, kBoxHeight}).In("fraGalProp", 0),
    SpinRow("spnGalaxy", 7, {kBoxB + kBoxBWidth, kColourRow + kBoxOffset, kSpinWidth, kBoxHeight}).In("fraGalProp", 0),
    LabelRow("lblGalaxy", 96, {120, kBottomBand + 45, 1320, kLineHeight}, "Galaxy Profile:").In("fraGalProp", 0),
    ComboRow("cboGalProfile", kNoIndex, {1500, kBottomBand, 2040, kListHeight}).In("fraGalProp", 0),
    PictureRow("picGalProfile", kNoIndex, {kBoxB, kBottomBand - 30, 795, 375}).In("fraGalProp", 0),
    CheckRow("chkCP_Closed", kNoIndex, {120, kBottomBand, 2940, kListHeight}, "Control Point Loop is Closed?")
        .In("fraGalProp", 0),
    CheckRow("chkCP_AdvHW", kNoIndex, {3150, kBottomBand, 1320, kListHeight}, "Adv. Hues?").In("fraGalProp", 0),
    ButtonRow("cmdIFS_Chem", kNoIndex, {120, kBottomBand, 4335, kListHeight},
              "User Defined Iterated Function System...")
        .In("fraGalProp", 0),

    // Page 1: new stars, novae and pulsars, a caption above each box.
    FrameRow("fraGalNew", kNoIndex, {60, 330, 4452, 810}, "New Stars").In("fraGalProp", 1),
    LabelRow("lblNewStar", 0, GridCaption(0, 3, 240), "Frequency").In("fraGalNew"),
    TextRow("txtGalaxy", 10, GridBox(0, 3, 240, kFourDigits)).In("fraGalNew"),
    LabelRow("lblNewStar", 1, GridCaption(1, 3, 240), "Frames").In("fraGalNew"),
    TextRow("txtGalaxy", 11, GridBox(1, 3, 240, kThreeDigits)).In("fraGalNew"),
    LabelRow("lblNewStar", 2, GridCaption(2, 3, 240), "Extension").In("fraGalNew"),
    TextRow("txtGalaxy", 12, GridBox(2, 3, 240, kFourDigits)).In("fraGalNew"),
    FrameRow("fraGalNova", kNoIndex, {60, 1170, 4452, 810}, "Nova Stars").In("fraGalProp", 1),
    LabelRow("lblNovaStar", 0, GridCaption(0, 3, 240), "Frequency").In("fraGalNova"),
    TextRow("txtGalaxy", 20, GridBox(0, 3, 240, kFourDigits)).In("fraGalNova"),
    LabelRow("lblNovaStar", 1, GridCaption(1, 3, 240), "Frames").In("fraGalNova"),
    TextRow("txtGalaxy", 21, GridBox(1, 3, 240, kThreeDigits)).In("fraGalNova"),
    LabelRow("lblNovaStar", 2, GridCaption(2, 3, 240), "Extension").In("fraGalNova"),
    TextRow("txtGalaxy", 22, GridBox(2, 3, 240, kFourDigits)).In("fraGalNova"),
    FrameRow("fraGalPulsar", kNoIndex, {60, 2010, 4452, 1320}, "Pulsars").In("fraGalProp", 1),
    LabelRow("lblPulsar", 0, GridCaption(0, 4, 240), "Frequency").In("fraGalPulsar"),
    TextRow("txtGalaxy", 30, GridBox(0, 4, 240, kFourDigits)).In("fraGalPulsar"),
    LabelRow("lblPulsar", 1, GridCaption(1, 4, 240), "Z-Depth").In("fraGalPulsar"),
    TextRow("txtGalaxy", 31, GridBox(1, 4, 240, kFourDigits)).In("fraGalPulsar"),
    LabelRow("lblPulsar", 2, GridCaption(2, 4, 240), "Cycles").In("fraGalPulsar"),
    TextRow("txtGalaxy", 32, GridBox(2, 4, 240, kTwoDigits)).In("fraGalPulsar"),
    LabelRow("lblPulsar", 3, GridCaption(3, 4, 240), "Frames").In("fraGalPulsar"),
    TextRow("txtGalaxy", 33, GridBox(3, 4, 240, kTwoDigits)).In("fraGalPulsar"),
    LabelRow("lblPulsar", 4, GridCaption(0, 3, 750), "Radius Start").In("fraGalPulsar"),
    TextRow("txtGalaxy", 34, GridBox(0, 3, 750, kFourDigits)).In("fraGalPulsar"),
    LabelRow("lblPulsar", 5, GridCaption(1, 3, 750), "Radius End").In("fraGalPulsar"),
    TextRow("txtGalaxy", 35, GridBox(1, 3, 750, kFourDigits)).In("fraGalPulsar"),
    LabelRow("lblPulsar", 6, GridCaption(2, 3, 750), "Shape").In("fraGalPulsar"),
    ComboRow("cboPulsarShape", kNoIndex, GridBox(2, 3, 750, 1200)).In("fraGalPulsar"),

    // Page 2: comets, the colours of comets, new stars, novae and pulsars,
    // and the galaxy's own hue.
    FrameRow("fraGalComet", kNoIndex, {60, kCometFrameTop, 4452, kCometFrameHeight}, "Comet Properties")
        .In("fraGalProp", 2),
    LabelRow("lblComet", 0, GridCaption(0, 4, 240), "Frequency").In("fraGalComet"),
    TextRow("txtGalaxy", 40, GridBox(0, 4, 240, kFourDigits)).In("fraGalComet"),
    LabelRow("lblComet", 1, GridCaption(1, 4, 240), "Stars").In("fraGalComet"),
    TextRow("txtGalaxy", 41, GridBox(1, 4, 240, kThreeDigits)).In("fraGalComet"),
    LabelRow("lblComet", 2, GridCaption(2, 4, 240), "Orbit").In("fraGalComet"),
    TextRow("txtGalaxy", 42, GridBox(2, 4, 240, kFourDigits)).In("fraGalComet"),
    LabelRow("lblComet", 3, GridCaption(3, 4, 240), "Emit Speed").In("fraGalComet"),
    TextRow("txtGalaxy", 43, GridBox(3, 4, 240, kFourDigits)).In("fraGalComet"),
    LabelRow("lblComet", 4, GridCaption(0, 3, 765), "Solar Wind").In("fraGalComet"),
    TextRow("txtGalaxy", 44, GridBox(0, 3, 765, kFourDigits)).In("fraGalComet"),
    LabelRow("lblComet", 5, GridCaption(1, 3, 765), "Comet Persist.").In("fraGalComet"),
    TextRow("txtGalaxy", 45, GridBox(1, 3, 765, kDecimal)).In("fraGalComet"),
    LabelRow("lblComet", 6, GridCaption(2, 3, 765), "Star Persist.").In("fraGalComet"),
    TextRow("txtGalaxy", 46, GridBox(2, 3, 765, kDecimal)).In("fraGalComet"),
    CheckRow("chkCometVector", kNoIndex, {kGridLeft, 1305, 4200, kBoxHeight}, "Comet Display with Escape Trajectory:")
        .In("fraGalComet"),
    LabelRow("lblCometColors", kNoIndex, {kGridLeft, kCometColourHeading, 4332, kTwoLines},
             "Comet, New Star, Nova and Pulsar Colors (0 - 999)")
        .In("fraGalProp", 2)
        .Styled(kStyleWordWrap),
    LabelRow("lblCometHue", 0, GridCaption(0, 4, kCometColourRow), "Hue Start").In("fraGalProp", 2),
    TextRow("txtGalaxy", 47, GridBox(0, 4, kCometColourRow, kThreeDigits)).In("fraGalProp", 2),
    SpinRow("spnGalaxy", 47, GridSpin(0, 4, kCometColourRow, kThreeDigits)).In("fraGalProp", 2),
    LabelRow("lblCometHue", 1, GridCaption(1, 4, kCometColourRow), "Hue End").In("fraGalProp", 2),
    TextRow("txtGalaxy", 48, GridBox(1, 4, kCometColourRow, kThreeDigits)).In("fraGalProp", 2),
    SpinRow("spnGalaxy", 48, GridSpin(1, 4, kCometColourRow, kThreeDigits)).In("fraGalProp", 2),
    LabelRow("lblCometHue", 2, GridCaption(2, 4, kCometColourRow), "Increment").In("fraGalProp", 2),
    TextRow("txtGalaxy", 49, GridBox(2, 4, kCometColourRow, kDecimal)).In("fraGalProp", 2),
    PictureRow("picColNova", kNoIndex, GridBox(3, 4, kCometColourRow, kGridWidth / 4)).In("fraGalProp", 2),
    // Red, green and blue under one caption, base and blending under the
    // other; the first four boxes show their colour in a swatch.
    LabelRow("lblPixHue", 0, {kGridLeft, kPixHueCaptionLine, kRgbCaptionWidth, kLineHeight}, "Red, Grn, Blu (0 - 100):")
        .In("fraGalProp", 2),
    LabelRow("lblPixHue", 1,
             {kGridLeft + kRgbCaptionWidth + 30, kPixHueCaptionLine, kGridWidth - kRgbCaptionWidth + 90, kLineHeight},
             "Base, DX Blending (0 - 100):")
        .In("fraGalProp", 2),
    TextRow("txtPixHue", 0, PixHueBox(0)).In("fraGalProp", 2),
    SpinRow("spnPixHue", 0, PixHueSpin(0)).In("fraGalProp", 2),
    PictureRow("picPixHue", 0, PixHueSwatch(0)).In("fraGalProp", 2),
    TextRow("txtPixHue", 1, PixHueBox(1)).In("fraGalProp", 2),
    SpinRow("spnPixHue", 1, PixHueSpin(1)).In("fraGalProp", 2),
    PictureRow("picPixHue", 1, PixHueSwatch(1)).In("fraGalProp", 2),
    TextRow("txtPixHue", 2, PixHueBox(2)).In("fraGalProp", 2),
    SpinRow("spnPixHue", 2, PixHueSpin(2)).In("fraGalProp", 2),
    PictureRow("picPixHue", 2, PixHueSwatch(2)).In("fraGalProp", 2),
    TextRow("txtPixHue", 3, PixHueBox(3)).In("fraGalProp", 2),
    SpinRow("spnPixHue", 3, PixHueSpin(3)).In("fraGalProp", 2),
    PictureRow("picPixHue", 3, PixHueSwatch(3)).In("fraGalProp", 2),
    TextRow("txtPixHue", 4, PixHueBox(4)).In("fraGalProp", 2),
    SpinRow("spnPixHue", 4, PixHueSpin(4)).In("fraGalProp", 2),
    LabelRow("lblGalHue", 0, GridCaption(0, 3, kGalaxyHueRow), "Hue Start").In("fraGalProp", 2),
    TextRow("txtGalaxy", 95, GridBox(0, 3, kGalaxyHueRow, kThreeDigits)).In("fraGalProp", 2),
    SpinRow("spnGalaxy", 95, GridSpin(0, 3, kGalaxyHueRow, kThreeDigits)).In("fraGalProp", 2),
    PictureRow("picGalHue", kNoIndex,
               {GridColumn(0, 3) + kThreeDigits + kSpinWidth + 45, kGalaxyHueRow + kLineHeight, 300, kBoxHeight})
        .In("fraGalProp", 2),
    LabelRow("lblGalHue", 1, GridCaption(1, 3, kGalaxyHueRow), "Hue Increment").In("fraGalProp", 2),
    TextRow("txtGalaxy", 96, GridBox(1, 3, kGalaxyHueRow, kDecimal)).In("fraGalProp", 2),
    LabelRow("lblGalHue", 2, GridCaption(2, 3, kGalaxyHueRow), "Tilt Increment").In("fraGalProp", 2),
    TextRow("txtGalaxy", 94, GridBox(2, 3, kGalaxyHueRow, kDecimal)).In("fraGalProp", 2),
}));

}  // namespace

std::span<const ControlSpec> GalaxyFrameControls() { return kGalaxyFrameControls; }

}  // namespace orbweave
