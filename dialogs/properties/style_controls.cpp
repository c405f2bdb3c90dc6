#include "dialogs/properties/style_controls.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <optional>
#include <string_view>

#include "core/convert.h"
#include "platform/forms/controls.h"
#include "platform/forms/form.h"
#include "platform/forms/screen.h"
#include "platform/forms/window_utils.h"

namespace orbweave {
namespace {

// The styles whose rows carry their own captions and help numbers; the two
// user-defined styles (8, 9) have none.
constexpr std::int16_t kStylesWithCaptions = 8;
constexpr std::int16_t kIfsEditorStyle = 8;

constexpr ControlRef Box(int index) { return {"txtGalaxy", index}; }
constexpr ControlRef Spin(int index) { return {"spnGalaxy", index}; }
constexpr ControlRef Caption(int index) { return {"lblGalaxy", index}; }
constexpr ControlRef One(std::string_view name) { return {name, kNoIndex}; }

// Which controls each style shows: one letter per style 0..9, y shown, n hidden.
struct VisibilityRow {
    std::array<ControlRef, 5> controls;
    std::string_view shown;
};

constexpr std::array<VisibilityRow, 12> kVisibility{{
    {{Caption(2), Box(3), Spin(3), Box(4), Spin(4)}, "yyyyyyyynn"},
    {{Caption(3), Box(5), Spin(5)}, "yyynyyyynn"},
    {{Box(6), Spin(6)}, "ynnnyyyynn"},
    {{Caption(96), One("cboGalProfile"), One("picGalProfile")}, "yynnnyynnn"},
    {{One("cmdIFS_Chem")}, "nnnnnnnnyy"},
    {{One("chkCP_Closed"), One("chkCP_AdvHW")}, "nnnnynnnnn"},
    {{One("cboGalColor")}, "yyyynyyyyn"},
    {{Box(8)}, "nnnnnyynnn"},
    {{Caption(90), Box(90)}, "yyyyyyyynn"},
    // The height exponent goes with the radius exponent except for starwaves.
    {{Caption(91), Box(91)}, "yynnyyyynn"},
    {{Caption(92), Box(92)}, "yynnyyynnn"},
    {{Box(9), One("cmdGalLevels")}, "ynnnnnnnnn"},
}};

// The caption of the row whose first box changes with the style reaches to
// the first box the style shows there, so that its longest caption (the
// style with the ratio box only) stays on one line.
constexpr ControlRef kSharedRowCaption = Caption(90);
constexpr std::array<ControlRef, 3> kSharedRowBoxes = {Box(9), Box(8), Box(90)};
constexpr int kCaptionGapPixels = 4;

struct CaptionRow {
    ControlRef control;
    std::string_view caption;
};

// The user-defined structure button and the label behind the colour list.
constexpr std::string_view kIfsEditorCaption = "User Defined Iterated Function System...";
constexpr std::string_view kMoleculeEditorCaption = "User Defined Molecular Structure...";
constexpr std::string_view kNebulaColourCaption = "Nebula Hue Wheel Cycling Offset  (0 - 30000):";
constexpr std::string_view kAtomColourCaption = "Atomic Sphere Color Blending  (0 - 30000):";

// Every style starts from these captions.
constexpr std::array<CaptionRow, 8> kDefaultCaptions{{
    {Caption(0), "Radius, Rotation (1, 0 - 30000):"},
    {Caption(1), "Distance (0 - 30000), Axial Plane:"},
    {Caption(2), "Radials (1 - 99), Fill % (0 - 100):"},
    {Caption(3), "Bands (1 - 99), Fill % (0 - 100):"},
    {Caption(90), "Galaxy Height / Width Ratio (0.0 - 99.9):"},
    {Caption(91), "Radius Distribution Exponent (0.0 - 99.9):"},
    {Caption(92), "Height Distribution Exponent (0.0 - 99.9):"},
    {Caption(93), "Initial Tilt Angle in Degrees (0 - 360):"},
}};

struct StyleCaption {
    std::int16_t style;
    ControlRef control;
    std::string_view caption;
};

constexpr std::array<StyleCaption, 16> kStyleCaptions{{
    {0, Caption(90), "Levels (1-10), H/W Ratio (0.0 - 99.9):"},
    {1, Caption(2), "Points (1 - 99), Scale % (0 - 100):"},
    {1, Caption(3), "Rotation Angle Degrees (0 - 360):"},
    {2, Caption(2), "Vertices (4 - 10), Scale % (0 - 100):"},
    {2, Caption(3), "Linear Iteration Levels (1 - 99):"},
    {3, Caption(2), "Points (4 - 10), Scale % (0 - 100):"},
    {4, Caption(2), "C-Points (1 - 20), Steps (0 - 9999):"},
    {4, Caption(3), "Bias Points (1 - 99), Span (0 - 100):"},
    {4, Caption(91), "Expansion from Spline Path (0.0 - 99.9):"},
    {4, Caption(92), "Solar Wind Magnitude (0.0 - 99.9):"},
    {4, Caption(93), "Bias Point Travel Speed (0 - 999):"},
    {5, Caption(90), "Quasar Speed, H/W Ratio (0.0 - 99.9):"},
    {6, Caption(90), "Gravity Force, H/W Ratio (0.0 - 99.9):"},
    {7, Caption(0), "Expansion, Rotation (1, 0 - 30000):"},
    {7, Caption(3), "Waves (1 - 99), Persist (0 - 999):"},
    {7, Caption(91), "Particle Wave Angle Increment (0.0 - 99.9):"},
}};

struct HelpRow {
    ControlRef control;
    int context;
};

constexpr std::array<HelpRow, 19> kDefaultHelp{{
    {Caption(0), 6015},  {Caption(1), 6025},  {Caption(2), 6040},  {Caption(3), 6045}, {Caption(90), 6105},
    {Caption(91), 6120}, {Caption(92), 6130}, {Caption(93), 6140}, {Box(0), 6015},     {Box(1), 6020},
    {Box(2), 6025},      {Box(3), 6040},      {Box(4), 6041},      {Box(5), 6045},     {Box(6), 6046},
    {Box(90), 6105},     {Box(91), 6120},     {Box(92), 6130},     {Box(93), 6140},
}};

struct StyleHelp {
    std::int16_t style;
    ControlRef control;
    int context;
};

constexpr std::array<StyleHelp, 36> kStyleHelp{{
    {1, Caption(2), 6510}, {1, Box(3), 6510},      {1, Box(4), 6511},      {1, Caption(3), 6512},
    {1, Box(5), 6512},     {2, Caption(2), 6520},  {2, Box(3), 6520},      {2, Box(4), 6521},
    {2, Caption(3), 6522}, {2, Box(5), 6522},      {3, Caption(2), 6530},  {3, Box(3), 6530},
    {3, Box(4), 6531},     {4, Caption(2), 6540},  {4, Box(3), 6540},      {4, Box(4), 6541},
    {4, Caption(3), 6542}, {4, Box(5), 6542},      {4, Box(6), 6543},      {4, Caption(91), 6545},
    {4, Box(91), 6545},    {4, Caption(92), 6546}, {4, Box(92), 6546},     {4, Caption(93), 6544},
    {4, Box(93), 6544},    {5, Caption(90), 6550}, {5, Box(8), 6550},      {6, Caption(90), 6560},
    {6, Box(8), 6560},     {7, Caption(0), 6570},  {7, Box(0), 6570},      {7, Caption(3), 6571},
    {7, Box(5), 6571},     {7, Box(6), 6572},      {7, Caption(91), 6573}, {7, Box(91), 6573},
}};

Control* Find(const Form& dialog, ControlRef ref) {
    return ref.name.empty() ? nullptr : dialog.Find(ref.name, ref.index);
}

void ApplyVisibility(Form& dialog, std::int16_t style) {
    for (const VisibilityRow& row : kVisibility) {
        const bool shown = row.shown[static_cast<std::size_t>(style)] == 'y';
        for (ControlRef ref : row.controls) {
            if (Control* control = Find(dialog, ref)) control->SetVisible(shown);
        }
    }
}

void FitSharedRowCaption(Form& dialog) {
    Control* caption = Find(dialog, kSharedRowCaption);
    if (caption == nullptr) return;
    for (ControlRef ref : kSharedRowBoxes) {
        const Control* box = Find(dialog, ref);
        if (box == nullptr || !box->Visible()) continue;
        caption->SetWidth(std::max(0, box->Left() - PixelsToTwipsX(kCaptionGapPixels) - caption->Left()));
        return;
    }
}

void ApplyCaption(Form& dialog, ControlRef ref, std::string_view caption) {
    if (Control* control = Find(dialog, ref)) control->SetCaption(caption);
}

void ApplyHelp(Form& dialog, ControlRef ref, int context) {
    if (Control* control = Find(dialog, ref)) control->SetHelpContextId(context);
}

// The box takes as many digits as its high bound has; the spin step follows
// from the high bound.
void SetupRadialBoxes(Form& dialog, std::int16_t style) {
    const RadialRanges& ranges = kRadialRangesByStyle[static_cast<std::size_t>(style)];
    for (std::size_t k = 0; k < kRadialBoxes.size(); ++k) {
        auto* box = dialog.Find<TextBox>("txtGalaxy", kRadialBoxes[k]);
        auto* spin = dialog.Find<SpinControl>("spnGalaxy", kRadialBoxes[k]);
        const std::optional<Range16>& range = ranges[k].spin;
        if (box == nullptr || spin == nullptr || !range) continue;
        const auto digits = static_cast<std::int16_t>(IntegerToText(range->high).size());
        SetupNumericField(*box, *spin, range->low, range->high, digits, 0);
    }
}

// The tilt box's value becomes a whole number in the style's range. The
// value is clamped before it is rounded, so that no text overflows the
// conversion; text without a number counts as 0.
void ReclampTiltBox(Form& dialog, std::int16_t style) {
    auto* box = dialog.Find<TextBox>("txtGalaxy", kTiltBox);
    if (box == nullptr) return;
    const StoredRange range = TiltBoxRange(style);
    const double value = std::clamp(LeadingNumber(box->Text()), range.low, range.high);
    box->SetText(NumberToText(std::nearbyint(value)));
}

}  // namespace

void SetupGalaxyStyleControls(Form& dialog, std::int16_t style) {
    if (style < 0 || style >= kGalaxyStyleCount) return;

    ApplyVisibility(dialog, style);
    FitSharedRowCaption(dialog);
    ApplyCaption(dialog, One("cmdIFS_Chem"), style == kIfsEditorStyle ? kIfsEditorCaption : kMoleculeEditorCaption);
    ApplyCaption(dialog, {"lblOtherColorCycles"}, style == kNebulaStyle ? kNebulaColourCaption : kAtomColourCaption);
    for (const CaptionRow& row : kDefaultCaptions) ApplyCaption(dialog, row.control, row.caption);
    for (const HelpRow& row : kDefaultHelp) ApplyHelp(dialog, row.control, row.context);

    SetupRadialBoxes(dialog, style);
    if (style < kStylesWithCaptions) {
        for (const StyleCaption& row : kStyleCaptions) {
            if (row.style == style) ApplyCaption(dialog, row.control, row.caption);
        }
        for (const StyleHelp& row : kStyleHelp) {
            if (row.style == style) ApplyHelp(dialog, row.control, row.context);
        }
    }
    ReclampTiltBox(dialog, style);
}

}  // namespace orbweave
