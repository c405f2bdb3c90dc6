#include "dialogs/editors/levels_dialog.h"

#include <vector>

#include "core/convert.h"
#include "platform/forms/control_rows.h"
#include "platform/forms/controls.h"
#include "platform/forms/form.h"
#include "platform/forms/numeric_boxes.h"
#include "settings/galaxy_tables.h"
#include "settings/galaxy_values.h"

namespace orbweave {
namespace {

constexpr std::string_view kFormName = "frmLevels";
constexpr std::string_view kPlacementName = "Levels";
constexpr std::string_view kCaptionPrefix = "Galaxy Levels:  ";
constexpr std::string_view kPreviewPrefix = "Levels Preview - ";
constexpr std::string_view kIdleCaption = "Preview";
constexpr int kHelpContextId = 7400;
constexpr int kMinClientWidth = 8400;
constexpr int kMinClientHeight = 4230;

constexpr float kLargestHeightScale = 99.9f;

// The properties dialog's boxes OK writes: level count, radius, distance.
constexpr int kPropsLevelsBox = 9;
constexpr int kPropsRadiusBox = 0;
constexpr int kPropsDistanceBox = 2;

constexpr ControlSpec kControls[] = {
    FrameRow("fraLevel", kNoIndex, {60, 60, 3600, 2220}, "Level Properties:"),
    LabelRow("lblLevel", 0, {120, 285, 2460, 255}, "").In("fraLevel"),
    TextRow("txtLevel", 0, {2640, 240, 840, 285}).In("fraLevel").Tab(0),
    LabelRow("lblLevel", 1, {120, 645, 2460, 255}, "").In("fraLevel"),
    TextRow("txtLevel", 1, {2640, 600, 840, 285}).In("fraLevel").Tab(1),
    LabelRow("lblLevel", 2, {120, 1005, 2460, 255}, "Height Multiplier (0.0 - 99.9):").In("fraLevel"),
    TextRow("txtLevel", 2, {2640, 960, 840, 285}).In("fraLevel").Tab(2),
    CheckRow("chkToggle", 0, {120, 1320, 3360, 255}, "Scale Height to Radius?").In("fraLevel").Tab(3),
    CheckRow("chkToggle", 1, {120, 1620, 3360, 255}, "Interleave Tilt Angles?").In("fraLevel").Tab(4),
    CheckRow("chkToggle", 2, {120, 1920, 3360, 255}, "Dampen Tilt Angles?").In("fraLevel").Tab(5),
    FrameRow("fraGalaxy", kNoIndex, {60, 2340, 3600, 960}, "Galaxy (0 - 30,000)"),
    LabelRow("lblGalaxy", 0, {120, 285, 1200, 255}, "Radius:").In("fraGalaxy"),
    TextRow("txtGalaxy", 0, {1320, 240, 900, 285}).In("fraGalaxy").Tab(6),
    LabelRow("lblGalaxy", 1, {120, 645, 1200, 255}, "Distance:").In("fraGalaxy"),
    TextRow("txtGalaxy", 1, {1320, 600, 900, 285}).In("fraGalaxy").Tab(7),
    ButtonRow("cmdPreview", kNoIndex, {60, 3360, 3600, 345}, "Preview").Tab(8),
    ButtonRow("cmdOK", kNoIndex, {60, 3780, 1140, 330}, "OK").Tab(9),
    ButtonRow("cmdDismiss", kNoIndex, {1290, 3780, 1140, 330}, "Cancel").Tab(10),
    ButtonRow("cmdHelp", kNoIndex, {2520, 3780, 1140, 330}, "&Help").Tab(11),
    FrameRow("fraPreview", kNoIndex, {3780, 60, 4530, 4080}, ""),
    PictureRow("picPreview", kNoIndex, {120, 240, 4290, 3765}).In("fraPreview"),
    MenuRow("mnuResize", kNoIndex, "Window can be Resized"),
};

template <class T>
struct Bounds {
    T low;
    T high;
};

// A value's stored range, in the value's own type.
template <class T>
Bounds<T> StoredBounds(T UniGalaxy::*field) {
    const StoredRange range = StoredRangeOf(field);
    return {static_cast<T>(range.low), static_cast<T>(range.high)};
}

Bounds<std::int16_t> LevelCounts() { return StoredBounds(&UniGalaxy::Galaxy_StdLevels); }
// Every length the editor takes, the distance and the radius increment too,
// runs over the range the galaxy's radius is stored in.
Bounds<std::int32_t> Lengths() { return StoredBounds(&UniGalaxy::Galaxy_Radius); }

std::vector<NumericBoxRow> BoxRows() {
    const Bounds<std::int16_t> levels = LevelCounts();
    const Bounds<std::int32_t> lengths = Lengths();
    const BoxRule count = IntegerBox(levels.low, levels.high);
    const BoxRule length = LongBox(lengths.low, lengths.high);
    return {
        {{"txtLevel", 0}, count},
        {{"txtLevel", 1}, length},
        {{"txtLevel", 2}, SingleBox(0.0, kLargestHeightScale)},
        {{"txtGalaxy", 0}, length},
        {{"txtGalaxy", 1}, length},
    };
}

struct LengthLimit {
    std::string_view box;
    int index;
    int length;
};
constexpr LengthLimit kLengthLimits[] = {
    {"txtLevel", 0, 2}, {"txtLevel", 1, 5}, {"txtLevel", 2, 5}, {"txtGalaxy", 0, 5}, {"txtGalaxy", 1, 5}};

std::optional<float> BoxSingle(const Form& form, std::string_view name, int index, float low, float high) {
    const std::optional<double> number = BoxNumber(form, name, index, low, high);
    return number ? ToSingle(*number) : std::nullopt;
}

}  // namespace

LevelsDialog::LevelsDialog() : Dialog(kFormName, kControls, kPlacementName), preview_(kIdleCaption) {
    Frm().SetClientSize(kMinClientWidth, kMinClientHeight);
}

UniGalaxy& LevelsDialog::Record() const { return EditedRecord(Handed()); }

void LevelsDialog::Load() {
    Form& form = Frm();
    LoadEditorTitles(form, Handed(), {kCaptionPrefix, kPreviewPrefix, kHelpContextId});
    for (const LengthLimit& limit : kLengthLimits) form.Get<TextBox>(limit.box, limit.index).SetMaxLength(limit.length);
    const Bounds<std::int16_t> levels = LevelCounts();
    const Bounds<std::int32_t> lengths = Lengths();
    form.SetCaption("lblLevel", 0, "Levels (" + RangeText(levels.low, levels.high) + "):");
    form.SetCaption("lblLevel", 1, "Radius Increment (" + RangeText(lengths.low, lengths.high) + "):");
    BindNumericBoxes(form, BoxRows());
    form.Get("cmdOK").events.click = [this] { cmdOK_Click(); };
    form.Get("cmdDismiss").events.click = [this] { Frm().Unload(); };
    form.Get("cmdPreview").events.click = [this] { cmdPreview_Click(); };
    form.Get("cmdHelp").events.click = [] { ShowEditorHelp(kHelpContextId); };
    WireResizeMenu(form);
    form.Get<CommandButton>("cmdPreview").SetDefault(true);
    form.Get<CommandButton>("cmdDismiss").SetCancel(true);
    form.events.resize = [this] { ResizeEditor(Frm(), kMinClientWidth, kMinClientHeight); };
    form.events.queryUnload = [this](bool& cancel, int) { preview_.QueryUnload(cancel); };
    FillControls();
}

// The record's values as stored, without clamping.
void LevelsDialog::FillControls() {
    Form& form = Frm();
    const UniGalaxy& r = Record();
    form.SetText("txtLevel", 0, NumberToText(r.Galaxy_StdLevels));
    form.SetText("txtLevel", 1, NumberToText(r.Galaxy_StdLevDRad));
    form.SetText("txtLevel", 2, NumberToText(static_cast<double>(r.Galaxy_StdLevHSca)));
    form.SetValue("chkToggle", 0, r.Galaxy_StdLevB_HS);
    form.SetValue("chkToggle", 1, r.Galaxy_StdLevB_A0);
    form.SetValue("chkToggle", 2, r.Galaxy_StdLevB_A1);
    form.SetText("txtGalaxy", 0, NumberToText(r.Galaxy_Radius));
    form.SetText("txtGalaxy", 1, NumberToText(r.Galaxy_Distance));
}

bool LevelsDialog::StoreLevels(UniGalaxy& r) const {
    const Form& form = Frm();
    const Bounds<std::int16_t> levels = LevelCounts();
    const Bounds<std::int32_t> lengths = Lengths();
    TakeBox(r.Galaxy_StdLevels, BoxInt16(form, "txtLevel", 0, levels.low, levels.high));
    TakeBox(r.Galaxy_StdLevDRad, BoxInt32(form, "txtLevel", 1, lengths.low, lengths.high));
    TakeBox(r.Galaxy_StdLevHSca, BoxSingle(form, "txtLevel", 2, 0.0f, kLargestHeightScale));
    TakeBox(r.Galaxy_Radius, BoxInt32(form, "txtGalaxy", 0, lengths.low, lengths.high));
    TakeBox(r.Galaxy_Distance, BoxInt32(form, "txtGalaxy", 1, lengths.low, lengths.high));
    TakeBox(r.Galaxy_StdLevB_HS, ToInt16(form.GetValue("chkToggle", 0).value_or(r.Galaxy_StdLevB_HS)));
    TakeBox(r.Galaxy_StdLevB_A0, ToInt16(form.GetValue("chkToggle", 1).value_or(r.Galaxy_StdLevB_A0)));
    TakeBox(r.Galaxy_StdLevB_A1, ToInt16(form.GetValue("chkToggle", 2).value_or(r.Galaxy_StdLevB_A1)));
    return true;
}

void LevelsDialog::cmdOK_Click() {
    Form& form = Frm();
    form.CommitActiveEdit(form.Get<CommandButton>("cmdOK"));
    if (!StoreLevels(Record())) return;
    if (Form* props = Handed().props) {
        const auto write = [&](std::string_view box, int index, int propsIndex, std::int32_t low, std::int32_t high) {
            if (const auto value = BoxInt32(form, box, index, low, high))
                props->SetText("txtGalaxy", propsIndex, NumberToText(*value));
        };
        const Bounds<std::int16_t> levels = LevelCounts();
        const Bounds<std::int32_t> lengths = Lengths();
        write("txtLevel", 0, kPropsLevelsBox, levels.low, levels.high);
        write("txtGalaxy", 0, kPropsRadiusBox, lengths.low, lengths.high);
        write("txtGalaxy", 1, kPropsDistanceBox, lengths.low, lengths.high);
    }
    form.Unload();
}

void LevelsDialog::cmdPreview_Click() {
    preview_.Click(Frm(), Handed(), [this](UniGalaxy& record) { return StoreLevels(record); });
}

void ShowLevelsEditor(Form& props, int galaxyType) { ShowEditorFor<LevelsDialog>(props, galaxyType); }

}  // namespace orbweave
