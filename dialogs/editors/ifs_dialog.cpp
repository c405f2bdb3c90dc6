#include "dialogs/editors/ifs_dialog.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <optional>
#include <vector>

#include "core/convert.h"
#include "dialogs/editors/ifs_themes.h"
#include "platform/forms/control_rows.h"
#include "platform/forms/controls.h"
#include "platform/forms/form.h"
#include "platform/forms/numeric_boxes.h"
#include "platform/forms/screen.h"
#include "settings/galaxy_tables.h"
#include "settings/galaxy_values.h"

namespace orbweave {
namespace {

constexpr std::string_view kFormName = "frmUserDefIFS";
constexpr std::string_view kPlacementName = "IFS";
constexpr std::string_view kCaptionPrefix = "User Defined Iterated Function System (IFS):  ";
constexpr std::string_view kPreviewPrefix = "IFS Preview - ";
constexpr std::string_view kIdleCaption = "Preview I.F.S.";
constexpr int kHelpContextId = 7100;
constexpr int kMinClientWidth = 7560;
constexpr int kMinClientHeight = 5700;
constexpr int kFrameGapPixels = 5;
constexpr double kRowSpacing = 1.2;
constexpr double kThemeSpacing = 1.25;

constexpr int kRowCount = kIfsPointCapacity;
constexpr int kFewestPoints = 2;
constexpr std::array<std::string_view, 3> kAxisNames = {"X", "Y", "Z"};

constexpr std::string_view kTooFewNote =
    "Note:\n\n"
    "You must specify two or more Attractor Points in order to Preview the I.F.S.  Consider selecting one of "
    "the Themes in order to see a sample I.F.S. or press Cancel to return to the Galaxy Settings.";

// One column of the grid: its controls and its place.
struct GridColumn {
    std::string_view name;
    ControlKind kind;
    int left;
    int width;
    int maxLength;
};
constexpr int kRowHeight = 285;
constexpr int kFirstRowTop = 540;
constexpr int kLabelOffset = 30;
// Label, X, Y, Z, scale, axis, angle, percent: also their Tab order in a row.
constexpr GridColumn kColumns[] = {
    {"lblPoint", ControlKind::Label, 60, 720, 0},     {"txtLocX", ControlKind::TextBox, 780, 720, 4},
    {"txtLocY", ControlKind::TextBox, 1560, 720, 4},  {"txtLocZ", ControlKind::TextBox, 2340, 720, 4},
    {"txtScale", ControlKind::TextBox, 3120, 600, 3}, {"cboRAxis", ControlKind::ComboBox, 3780, 600, 0},
    {"txtAngle", ControlKind::TextBox, 4440, 600, 3}, {"txtPercent", ControlKind::TextBox, 5100, 720, 4},
};
constexpr int kColumnCount = static_cast<int>(std::size(kColumns));
constexpr int kFirstRowTab = 7;
constexpr int kLabelColumn = 0;
constexpr int kLocXColumn = 1;
constexpr int kAxisColumn = 5;
constexpr int kPercentColumn = 7;
// The six text boxes of a row, in the order of a transform's values.
constexpr std::array<int, 6> kBoxColumns = {1, 2, 3, 4, 6, 7};

constexpr ControlSpec RowControl(const GridColumn& column, int row, int top) {
    const int tab = kFirstRowTab + row * kColumnCount + static_cast<int>(&column - kColumns);
    const int labelShift = column.kind == ControlKind::Label ? kLabelOffset : 0;
    return PlacedRow(column.kind, column.name, row, {column.left, top + labelShift, column.width, kRowHeight}).Tab(tab);
}

constexpr ControlSpec kControls[] = {
    LabelRow("lblLocX", kNoIndex, {780, 60, 720, 420}, ""),
    LabelRow("lblLocY", kNoIndex, {1560, 60, 720, 420}, ""),
    LabelRow("lblLocZ", kNoIndex, {2340, 60, 720, 420}, ""),
    LabelRow("lblScale", kNoIndex, {3120, 60, 600, 420}, ""),
    LabelRow("lblRAxis", kNoIndex, {3780, 60, 600, 420}, ""),
    LabelRow("lblAngle", kNoIndex, {4440, 60, 600, 420}, ""),
    LabelRow("lblPercent", kNoIndex, {5100, 60, 720, 420}, ""),
    RowControl(kColumns[0], 0, kFirstRowTop),
    RowControl(kColumns[1], 0, kFirstRowTop),
    RowControl(kColumns[2], 0, kFirstRowTop),
    RowControl(kColumns[3], 0, kFirstRowTop),
    RowControl(kColumns[4], 0, kFirstRowTop),
    RowControl(kColumns[5], 0, kFirstRowTop),
    RowControl(kColumns[6], 0, kFirstRowTop),
    RowControl(kColumns[7], 0, kFirstRowTop),

    FrameRow("fraTheme", kNoIndex, {60, 2280, 3720, 1020}, "I.F.S. Themes"),
    ComboRow("cboTheme", kNoIndex, {120, 240, 3480, 315}).In("fraTheme").Tab(0),
    LabelRow("lblTheme", kNoIndex, {120, 600, 3480, 360}, "").In("fraTheme").Styled(kStyleWordWrap),

    FrameRow("fraCenter", kNoIndex, {60, 3375, 1740, 1230}, ""),
    LabelRow("lblCenter", 0, {120, 285, 840, 255}, "Center X:").In("fraCenter"),
    TextRow("txtCenter", 0, {960, 240, 660, 285}).In("fraCenter").Tab(1),
    LabelRow("lblCenter", 1, {120, 600, 840, 255}, "Center Y:").In("fraCenter"),
    TextRow("txtCenter", 1, {960, 555, 660, 285}).In("fraCenter").Tab(2),
    LabelRow("lblCenter", 2, {120, 915, 840, 255}, "Center Z:").In("fraCenter"),
    TextRow("txtCenter", 2, {960, 870, 660, 285}).In("fraCenter").Tab(3),

    FrameRow("fraGalaxy", kNoIndex, {1920, 3375, 1860, 1230}, "Galaxy (0 - 30,000)"),
    LabelRow("lblGalaxy", 0, {120, 285, 900, 255}, "Radius:").In("fraGalaxy"),
    TextRow("txtGalaxy", 0, {1020, 240, 720, 285}).In("fraGalaxy").Tab(4),
    LabelRow("lblGalaxy", 1, {120, 600, 900, 255}, "Rotation:").In("fraGalaxy"),
    TextRow("txtGalaxy", 1, {1020, 555, 720, 285}).In("fraGalaxy").Tab(5),
    LabelRow("lblGalaxy", 2, {120, 915, 900, 255}, "Distance:").In("fraGalaxy"),
    TextRow("txtGalaxy", 2, {1020, 870, 720, 285}).In("fraGalaxy").Tab(6),

    ButtonRow("cmdPreview", kNoIndex, {60, 4680, 3720, 375}, "Preview I.F.S.").Tab(47),
    FrameRow("fraPreview", kNoIndex, {3900, 2280, 3570, 3330}, ""),
    PictureRow("picPreview", kNoIndex, {120, 240, 3330, 3000}).In("fraPreview"),
    ButtonRow("cmdOK", kNoIndex, {6480, 180, 960, 330}, "OK").Tab(48),
    ButtonRow("cmdClear", kNoIndex, {6480, 600, 960, 330}, "Clear").Tab(49),
    ButtonRow("cmdDismiss", kNoIndex, {6480, 1140, 960, 330}, "Cancel").Tab(50),
    ButtonRow("cmdHelp", kNoIndex, {6480, 1680, 960, 330}, "&Help").Tab(51),
    MenuRow("mnuResize", kNoIndex, "Window can be Resized"),
};

// A grid column's boxes keep the range its value is saved in: the columns
// after the point's label are the saved columns, in order.
Range16 ColumnRange(int column) { return kIfsLayout.columnRanges[static_cast<std::size_t>(column - kLocXColumn)]; }

// The headings over the grid's number columns.
struct HeadingRow {
    std::string_view label;
    std::string_view name;
    int column;
};
constexpr HeadingRow kHeadings[] = {
    {"lblLocX", "Loc X", 1}, {"lblLocY", "Loc Y", 2},  {"lblLocZ", "Loc Z", 3},
    {"lblScale", "Scale", 4}, {"lblAngle", "Angle", 6}, {"lblPercent", "Rel.Pct.", 7},
};

// The numeric boxes of every row and the centre.
std::vector<NumericBoxRow> BoxRows() {
    std::vector<NumericBoxRow> rows;
    for (int row = 0; row < kRowCount; ++row)
        for (const int column : kBoxColumns) {
            const Range16 range = ColumnRange(column);
            rows.push_back({{kColumns[column].name, row}, IntegerBox(range.low, range.high)});
        }
    const Range16 centre = kIfsLayout.centreRange;
    for (int index = 0; index < 3; ++index) rows.push_back({{"txtCenter", index}, IntegerBox(centre.low, centre.high)});
    return rows;
}

std::int16_t AxisIndex(std::int64_t axis) {
    return static_cast<std::int16_t>(std::clamp<std::int64_t>(axis, 0, kAxisNames.size() - 1));
}

int Scaled(int height, double factor) { return static_cast<int>(std::lround(factor * height)); }

}  // namespace

IfsDialog::IfsDialog()
    : Dialog(kFormName, kControls, kPlacementName),
      steps_({.block = &UniGalaxy::Ifs, .storesExtent = false, .idleCaption = kIdleCaption},
             [this](const IfsBlock& stored) { return IfsFromBoxes(stored); }) {
    Frm().SetClientSize(kMinClientWidth, kMinClientHeight);
}

UniGalaxy& IfsDialog::Record() const { return EditedRecord(Handed()); }

// --- Loading ---

void IfsDialog::Load() {
    Form& form = Frm();
    LoadEditorTitles(form, Handed(), {kCaptionPrefix, kPreviewPrefix, kHelpContextId});
    auto& themes = form.Get<ComboBox>("cboTheme");
    for (std::string_view theme : kIfsThemeNames) themes.AddItem(theme);
    themes.SetListIndex(0);
    for (const HeadingRow& heading : kHeadings) {
        const Range16 range = ColumnRange(heading.column);
        form.SetCaption(heading.label, kNoIndex, ColumnHeading(heading.name, range.low, range.high));
    }
    form.SetCaption("lblRAxis", kNoIndex, "Axis\n(X,Y,Z):");
    const Range16 centre = kIfsLayout.centreRange;
    form.SetCaption("fraCenter", kNoIndex, "Offset (" + RangeText(centre.low, centre.high) + ")");
    const IfsBlock& ifs = Record().Ifs;
    form.SetText("txtCenter", 0, NumberToText(ifs.IFS_CenterX));
    form.SetText("txtCenter", 1, NumberToText(ifs.IFS_CenterY));
    form.SetText("txtCenter", 2, NumberToText(ifs.IFS_CenterZ));
    CreateRows();
    for (int row = 0; row < kRowCount; ++row) FillRow(row);
    form.SetText("txtGalaxy", 0, NumberToText(Record().Galaxy_Radius));
    form.SetText("txtGalaxy", 1, NumberToText(Record().Galaxy_Rotation));
    form.SetText("txtGalaxy", 2, NumberToText(Record().Galaxy_Distance));
    LayOutBelowGrid();
    WireHandlers();
}

// Rows 1 to 4 below row 0, each 1.2 row heights below the one before.
void IfsDialog::CreateRows() {
    Form& form = Frm();
    for (int row = 1; row < kRowCount; ++row) {
        const Control& aboveLabel = form.Get(kColumns[kLabelColumn].name, row - 1);
        const Control& aboveBox = form.Get(kColumns[kLocXColumn].name, row - 1);
        const int labelTop = aboveLabel.Top() + Scaled(aboveLabel.Height(), kRowSpacing);
        const int boxTop = aboveBox.Top() + Scaled(aboveBox.Height(), kRowSpacing);
        for (const GridColumn& column : kColumns) {
            ControlSpec control = RowControl(column, row, boxTop);
            if (column.kind == ControlKind::Label) control.top = labelTop;
            Control* created = form.AddControl(control);
            if (created != nullptr) created->SetVisible(true);
        }
    }
    for (int row = 0; row < kRowCount; ++row) {
        auto& axis = form.Get<ComboBox>(kColumns[kAxisColumn].name, row);
        for (std::string_view name : kAxisNames) axis.AddItem(name);
        form.SetCaption(kColumns[kLabelColumn].name, row, "Point " + NumberToText(row + 1) + ":");
        for (const int column : kBoxColumns)
            form.Get<TextBox>(kColumns[column].name, row).SetMaxLength(kColumns[column].maxLength);
    }
    for (int index = 0; index < 3; ++index) {
        form.Get<TextBox>("txtCenter", index).SetMaxLength(4);
        form.Get<TextBox>("txtGalaxy", index).SetMaxLength(5);
    }
}

void IfsDialog::FillRow(int row) {
    const IfsBlock& ifs = Record().Ifs;
    const auto j = static_cast<std::size_t>(row);
    if (ifs.IFS_Pct[j] == 0) {
        ClearRow(row);
        return;
    }
    Form& form = Frm();
    const std::array<std::int16_t, 6> values = {ifs.IFS_X[j],     ifs.IFS_Y[j],     ifs.IFS_Z[j],
                                                ifs.IFS_Scale[j], ifs.IFS_Angle[j], ifs.IFS_Pct[j]};
    for (std::size_t k = 0; k < kBoxColumns.size(); ++k)
        form.SetText(kColumns[kBoxColumns[k]].name, row, NumberToText(values[k]));
    form.SetListIndex(kColumns[kAxisColumn].name, row, AxisIndex(ifs.IFS_Axis[j]));
}

void IfsDialog::ClearRow(int row) {
    Form& form = Frm();
    for (const int column : kBoxColumns) form.SetText(kColumns[column].name, row, "");
    form.SetListIndex(kColumns[kAxisColumn].name, row, 0);
}

void IfsDialog::LayOutBelowGrid() {
    Form& form = Frm();
    const int gap = kFrameGapPixels * ScreenTwipsPerPixelY();
    const Control& lastRow = form.Get(kColumns[kLocXColumn].name, kRowCount - 1);
    Control& theme = form.Get("fraTheme");
    theme.SetTop(lastRow.Top() + Scaled(lastRow.Height(), kThemeSpacing));
    Control& centre = form.Get("fraCenter");
    centre.SetTop(theme.Top() + theme.Height() + gap);
    form.Get("fraGalaxy").SetTop(centre.Top());
    form.Get("fraPreview").SetTop(theme.Top());
    form.Get("cmdPreview").SetTop(centre.Top() + centre.Height() + gap);
}

void IfsDialog::WireHandlers() {
    Form& form = Frm();
    BindNumericBoxes(form, BoxRows());
    BindExtentBoxes(form);
    form.Get("cboTheme").events.click = [this] { cboTheme_Click(); };
    form.Get("cmdOK").events.click = [this] { steps_.Ok(Frm(), Handed()); };
    form.Get("cmdClear").events.click = [this] { cmdClear_Click(); };
    form.Get("cmdDismiss").events.click = [this] { Frm().Unload(); };
    form.Get("cmdPreview").events.click = [this] { steps_.PreviewClick(Frm(), Handed()); };
    form.Get("cmdHelp").events.click = [] { ShowEditorHelp(kHelpContextId); };
    WireResizeMenu(form);
    form.Get<CommandButton>("cmdPreview").SetDefault(true);
    form.Get<CommandButton>("cmdDismiss").SetCancel(true);
    form.events.resize = [this] { ResizeEditor(Frm(), kMinClientWidth, kMinClientHeight); };
    form.events.queryUnload = [this](bool& cancel, int) { steps_.QueryUnload(cancel); };
}

// --- Themes and clearing ---

void IfsDialog::cboTheme_Click() {
    const int theme = Frm().Get<ComboBox>("cboTheme").ListIndex();
    if (theme < 1) return;
    ApplyIFSTheme(GetIFSTheme(theme));
}

void IfsDialog::ApplyIFSTheme(std::string_view theme) {
    Form& form = Frm();
    const auto field = [theme](int k) { return GetCSVField(theme, k); };
    form.SetCaption("lblTheme", kNoIndex, field(0));
    for (int index = 0; index < 3; ++index) {
        form.SetText("txtCenter", index, field(1 + index));
        form.SetText("txtGalaxy", index, field(4 + index));
    }
    for (int row = 0; row < kRowCount; ++row) {
        const int first = 7 * row + 7;
        if (LeadingNumber(field(first + 6)) <= 0.0) {
            ClearRow(row);
            continue;
        }
        // X, Y, Z, scale, then the axis, then angle and percent.
        const std::array<int, 6> fields = {first, first + 1, first + 2, first + 3, first + 5, first + 6};
        for (std::size_t k = 0; k < kBoxColumns.size(); ++k)
            form.SetText(kColumns[kBoxColumns[k]].name, row, field(fields[k]));
        const auto axis = ToInt64(LeadingNumber(field(first + 4))).value_or(0);
        form.SetListIndex(kColumns[kAxisColumn].name, row, AxisIndex(axis));
    }
}

void IfsDialog::cmdClear_Click() {
    Form& form = Frm();
    for (int index = 0; index < 3; ++index) form.SetText("txtCenter", index, "");
    for (int row = 0; row < kRowCount; ++row) ClearRow(row);
}

// --- Storing and previewing ---

std::optional<IfsBlock> IfsDialog::IfsFromBoxes(const IfsBlock& stored) const {
    const Form& form = Frm();
    IfsBlock ifs = stored;
    const Range16 centre = kIfsLayout.centreRange;
    TakeBox(ifs.IFS_CenterX, BoxInt16(form, "txtCenter", 0, centre.low, centre.high));
    TakeBox(ifs.IFS_CenterY, BoxInt16(form, "txtCenter", 1, centre.low, centre.high));
    TakeBox(ifs.IFS_CenterZ, BoxInt16(form, "txtCenter", 2, centre.low, centre.high));
    std::size_t n = 0;
    for (int row = 0; row < kRowCount; ++row) {
        const auto box = [&](int column) {
            const Range16 range = ColumnRange(column);
            return BoxInt16(form, kColumns[column].name, row, range.low, range.high);
        };
        const auto percent = box(kPercentColumn);
        if (!percent || *percent <= 0) continue;
        TakeBox(ifs.IFS_X[n], box(1));
        TakeBox(ifs.IFS_Y[n], box(2));
        TakeBox(ifs.IFS_Z[n], box(3));
        TakeBox(ifs.IFS_Scale[n], box(4));
        ifs.IFS_Axis[n] = AxisIndex(form.GetListIndex(kColumns[kAxisColumn].name, row).value_or(0));
        TakeBox(ifs.IFS_Angle[n], box(6));
        ifs.IFS_Pct[n] = *percent;
        ++n;
    }
    for (std::size_t j = n; j < ifs.IFS_Pct.size(); ++j) ifs.IFS_Pct[j] = 0;
    if (n < kFewestPoints) {
        ShowNote(kTooFewNote);
        return std::nullopt;
    }
    ifs.Galaxy_IFS_Points = static_cast<std::int16_t>(n);
    return ifs;
}

void ShowUserIfsEditor(Form& props, int galaxyType) { ShowEditorFor<IfsDialog>(props, galaxyType); }

}  // namespace orbweave
