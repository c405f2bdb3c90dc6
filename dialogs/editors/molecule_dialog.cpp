#include "dialogs/editors/molecule_dialog.h"

#include <QFont>
#include <QListWidget>
#include <QPointer>
#include <QTimer>
#include <QWidget>
#include <algorithm>
#include <array>
#include <optional>
#include <variant>

#include "core/colour.h"
#include "core/colour_tables.h"
#include "core/convert.h"
#include "dialogs/editors/molecule_lines.h"
#include "dialogs/editors/molecule_themes.h"
#include "platform/forms/control_rows.h"
#include "platform/forms/controls.h"
#include "platform/forms/form.h"
#include "platform/forms/numeric_boxes.h"
#include "platform/forms/picture_box.h"
#include "platform/forms/screen.h"
#include "renderer/galaxy/hue_tables.h"
#include "renderer/galaxy/star_colours.h"
#include "settings/element_tables.h"
#include "settings/galaxy_tables.h"
#include "settings/galaxy_values.h"

namespace orbweave {
namespace {

constexpr std::string_view kFormName = "frmMolecule";
constexpr std::string_view kPlacementName = "Atomics";
constexpr std::string_view kCaptionPrefix = "User Defined Molecular Structure:  ";
constexpr std::string_view kPreviewPrefix = "Molecule Preview - ";
constexpr std::string_view kIdleCaption = "Preview Molecule";
constexpr int kHelpContextId = 7300;
constexpr int kMinClientWidth = 8820;
constexpr int kMinClientHeight = 6420;
constexpr int kFrameGapPixels = 5;

constexpr int kActionAdd = 0;
constexpr int kActionUpdate = 1;
constexpr int kActionRemove = 2;
constexpr int kSymmetryBox = 4;
// The grid and matrix types count points per edge in the X box.
constexpr int kFirstGridType = 6;
// The properties dialog's hue start of the galaxy type.
constexpr int kPropsHueStartBox = 95;

constexpr std::string_view kLimitMessage =
    "You have reached the limit with respect to the number \n"
    "elements that can be associated with a given molecule.";
constexpr std::string_view kSelectElementMessage = "Please select an Element.";
constexpr std::string_view kSelectTypeMessage = "Please select an Atomic Structure Type.";
constexpr std::string_view kSymmetryMessage = "Please enter a Symmetry Radius.";
constexpr std::string_view kSelectUpdateMessage = "Please select an Element to update.";
constexpr std::string_view kSelectRemoveMessage = "Please select one or more Elements to remove.";
constexpr std::string_view kEmptyNote =
    "Note:\n\n"
    "You must specify at least one Atomic Structure in order to Preview the Molecule.  "
    "Consider selecting one of the Themes in order to see a sample Molecule "
    "or press Cancel to return to the Galaxy Settings.";

constexpr std::string_view kHeader = "Element Name(s)   Type        XLoc  YLoc  ZLoc  Radius  SymRad";

constexpr ControlSpec kControls[] = {
    FrameRow("fraAtoms", kNoIndex, {60, 60, 7575, 3015}, kHeader),
    ListRow("lstElements", kNoIndex, {120, 240, 7335, 1530}).In("fraAtoms").Styled(kStyleMultiSelect).Tab(0),
    LabelRow("lblElement", kNoIndex, {900, 1800, 1440, 390}, "").In("fraAtoms"),
    LabelRow("lblType", kNoIndex, {2400, 1800, 1290, 390}, "").In("fraAtoms"),
    // The first place column also takes the points per edge.
    LabelRow("lblLocX", kNoIndex, {3750, 1800, 900, 390}, "").In("fraAtoms"),
    LabelRow("lblLocY", kNoIndex, {4680, 1800, 720, 390}, "").In("fraAtoms"),
    LabelRow("lblLocZ", kNoIndex, {5400, 1800, 720, 390}, "").In("fraAtoms"),
    LabelRow("lblRadius", kNoIndex, {6120, 1800, 900, 390}, "").In("fraAtoms"),
    LabelRow("lblPickElement", kNoIndex, {120, 2250, 780, 255}, "Element:").In("fraAtoms"),
    ComboRow("cboElement", kNoIndex, {900, 2220, 1440, 315}).In("fraAtoms").Tab(1),
    ComboRow("cboType", kNoIndex, {2400, 2220, 1290, 315}).In("fraAtoms").Tab(2),
    TextRow("txtProps", 0, {3750, 2220, 700, 285}).In("fraAtoms").Tab(3),
    TextRow("txtProps", 1, {4680, 2220, 700, 285}).In("fraAtoms").Tab(4),
    TextRow("txtProps", 2, {5400, 2220, 700, 285}).In("fraAtoms").Tab(5),
    TextRow("txtProps", 3, {6120, 2220, 800, 285}).In("fraAtoms").Tab(6),
    LabelRow("lblEleProps", kNoIndex, {120, 2610, 840, 255}, "Properties:").In("fraAtoms"),
    TextRow("txtPropNumber", kNoIndex, {960, 2580, 420, 285}).In("fraAtoms"),
    TextRow("txtPropSymbol", kNoIndex, {1410, 2580, 420, 285}).In("fraAtoms"),
    PictureRow("picPropColor", kNoIndex, {1860, 2580, 270, 285}).In("fraAtoms"),
    PictureRow("picDispColor", kNoIndex, {2160, 2580, 270, 285}).In("fraAtoms"),
    LabelRow("lblSymRadius", kNoIndex, {2450, 2610, 1350, 255}, "Symmetry Radius").In("fraAtoms"),
    TextRow("txtProps", 4, {3810, 2580, 600, 285}).In("fraAtoms").Tab(7),
    ButtonRow("cmdAction", 0, {4440, 2565, 900, 330}, "Add").In("fraAtoms").Tab(8),
    ButtonRow("cmdAction", 1, {5400, 2565, 900, 330}, "Update").In("fraAtoms").Tab(9),
    ButtonRow("cmdAction", 2, {6360, 2565, 900, 330}, "Remove").In("fraAtoms").Tab(10),

    FrameRow("fraTheme", kNoIndex, {60, 3120, 3720, 1410}, "Molecule Themes"),
    ComboRow("cboTheme", kNoIndex, {120, 270, 3480, 315}).In("fraTheme").Tab(11),
    LabelRow("lblTheme", kNoIndex, {120, 690, 3480, 600}, "").In("fraTheme").Styled(kStyleWordWrap),

    FrameRow("fraCenter", kNoIndex, {60, 4605, 1740, 1230}, ""),
    LabelRow("lblCenter", 0, {120, 285, 840, 255}, "Center X:").In("fraCenter"),
    TextRow("txtCenter", 0, {960, 240, 660, 285}).In("fraCenter").Tab(12),
    LabelRow("lblCenter", 1, {120, 600, 840, 255}, "Center Y:").In("fraCenter"),
    TextRow("txtCenter", 1, {960, 555, 660, 285}).In("fraCenter").Tab(13),
    LabelRow("lblCenter", 2, {120, 915, 840, 255}, "Center Z:").In("fraCenter"),
    TextRow("txtCenter", 2, {960, 870, 660, 285}).In("fraCenter").Tab(14),

    FrameRow("fraGalaxy", kNoIndex, {1920, 4605, 1860, 1230}, "Galaxy (0 - 30,000)"),
    LabelRow("lblGalaxy", 0, {120, 285, 900, 255}, "Radius:").In("fraGalaxy"),
    TextRow("txtGalaxy", 0, {1020, 240, 720, 285}).In("fraGalaxy").Tab(15),
    LabelRow("lblGalaxy", 1, {120, 600, 900, 255}, "Rotation:").In("fraGalaxy"),
    TextRow("txtGalaxy", 1, {1020, 555, 720, 285}).In("fraGalaxy").Tab(16),
    LabelRow("lblGalaxy", 2, {120, 915, 900, 255}, "Distance:").In("fraGalaxy"),
    TextRow("txtGalaxy", 2, {1020, 870, 720, 285}).In("fraGalaxy").Tab(17),

    ButtonRow("cmdPreview", kNoIndex, {60, 5910, 3720, 375}, "Preview Molecule").Tab(18),
    FrameRow("fraPreview", kNoIndex, {3900, 3120, 4770, 3135}, ""),
    PictureRow("picPreview", kNoIndex, {120, 240, 4530, 2805}).In("fraPreview"),
    ButtonRow("cmdOK", kNoIndex, {7740, 180, 960, 330}, "OK").Tab(19),
    ButtonRow("cmdClear", kNoIndex, {7740, 600, 960, 330}, "Clear").Tab(20),
    ButtonRow("cmdDismiss", kNoIndex, {7740, 1140, 960, 330}, "Cancel").Tab(21),
    ButtonRow("cmdHelp", kNoIndex, {7740, 1680, 960, 330}, "&Help").Tab(22),
    MenuRow("mnuResize", kNoIndex, "Window can be Resized"),
};

// The saved columns of txtProps 0..4 and of the list's number columns, in
// order: X, Y, Z, radius and symmetry radius.
constexpr std::array<std::size_t, kAtomNumberCount> kSavedColumns = {1, 2, 3, 5, 6};

Range16 NumberRange(int k) { return kAtomLayout.columnRanges[kSavedColumns[static_cast<std::size_t>(k)]]; }

std::vector<NumericBoxRow> BoxRows() {
    const Range16 centre = kAtomLayout.centreRange;
    std::vector<NumericBoxRow> rows;
    for (int index = 0; index < 3; ++index) rows.push_back({{"txtCenter", index}, IntegerBox(centre.low, centre.high)});
    // The X box clamps only for the grid types (its own LostFocus).
    rows.push_back({{"txtProps", 0}, DigitsBox(BoxClamp::None, 0, 0)});
    for (int k = 1; k < kAtomNumberCount; ++k) {
        const Range16 range = NumberRange(k);
        rows.push_back({{"txtProps", k}, IntegerBox(range.low, range.high)});
    }
    return rows;
}

struct LengthLimit {
    std::string_view box;
    int count;
    int length;
};
constexpr LengthLimit kLengthLimits[] = {{"txtProps", 5, 4}, {"txtCenter", 3, 4}, {"txtGalaxy", 3, 5}};

struct TwoLineLabel {
    std::string_view name;
    std::string_view caption;
};
constexpr TwoLineLabel kTwoLineLabels[] = {
    {"lblType", "Atomic\nStructure:"},
    {"lblElement", "Periodic\nTable Element:"},
};
// The headings over the number boxes txtProps 0..3, name over range.
struct NumberHeadingRow {
    std::string_view label;
    std::string_view name;
};
constexpr NumberHeadingRow kNumberHeadings[] = {
    {"lblLocX", "Loc X"}, {"lblLocY", "Loc Y"}, {"lblLocZ", "Loc Z"}, {"lblRadius", "Radius"}};

std::string NumberHeading(int k) {
    const Range16 range = NumberRange(k);
    return ColumnHeading(kNumberHeadings[static_cast<std::size_t>(k)].name, range.low, range.high);
}

struct HelpContext {
    std::string_view name;
    int index;
    int id;
};
constexpr HelpContext kHelpContexts[] = {
    {"fraPreview", kNoIndex, 7250},
    {"picPreview", kNoIndex, 7250},
    {"cmdOK", kNoIndex, 7260},
    {"cmdClear", kNoIndex, 7261},
    {"cmdDismiss", kNoIndex, 7262},
    {"cmdPreview", kNoIndex, 7263},
    {"fraAtoms", kNoIndex, 7310},
    {"lstElements", kNoIndex, 7310},
    {"cboElement", kNoIndex, 7320},
    {"lblElement", kNoIndex, 7320},
    {"lblPickElement", kNoIndex, 7320},
    {"cboType", kNoIndex, 7330},
    {"lblType", kNoIndex, 7330},
    {"txtProps", 0, 7340},
    {"txtProps", 1, 7340},
    {"txtProps", 2, 7340},
    {"lblLocX", kNoIndex, 7340},
    {"lblLocY", kNoIndex, 7340},
    {"lblLocZ", kNoIndex, 7340},
    {"txtProps", 3, 7350},
    {"lblRadius", kNoIndex, 7350},
    {"txtProps", 4, 7355},
    {"lblSymRadius", kNoIndex, 7355},
    {"txtPropNumber", kNoIndex, 7360},
    {"txtPropSymbol", kNoIndex, 7360},
    {"picPropColor", kNoIndex, 7360},
    {"picDispColor", kNoIndex, 7360},
    {"lblEleProps", kNoIndex, 7360},
    {"fraTheme", kNoIndex, 7375},
    {"cboTheme", kNoIndex, 7375},
    {"lblTheme", kNoIndex, 7375},
    {"fraCenter", kNoIndex, 7380},
    {"txtCenter", 0, 7380},
    {"txtCenter", 1, 7380},
    {"txtCenter", 2, 7380},
    {"lblCenter", 0, 7380},
    {"cmdAction", 0, 7390},
    {"cmdAction", 1, 7391},
    {"cmdAction", 2, 7392},
    {"txtGalaxy", 0, 6015},
    {"txtGalaxy", 1, 6020},
    {"txtGalaxy", 2, 6025},
};

// How the edit boxes read for each group of structure types.
struct TypeLabels {
    int firstType;
    int lastType;
    bool edgePoints;  // the X box holds the points per edge
    bool xEnabled;
    bool yzEnabled;
    std::string_view symCaption;
    int xHelp;
};
constexpr TypeLabels kTypeLabels[] = {
    {0, 0, false, true, true, "Symmetry Radius", 7340},
    {1, 5, false, false, false, "Symmetry Radius", 7340},
    {6, 11, true, true, false, "Atom Offset", 7356},
};

// The fixed-pitch font of the atom list and its header. Courier New is
// seldom installed here: the style hint lets the font matcher substitute
// another fixed-pitch family.
void SetFixedPitchFont(Control& control) {
    control.SetFont({"Courier New", 8.25, true});
    QFont font = control.Widget()->font();
    font.setStyleHint(QFont::TypeWriter);
    font.setFamilies({QStringLiteral("Courier New"), QStringLiteral("monospace")});
    control.Widget()->setFont(font);
}

// Qt makes the first entry of a list current when the focus arrives by
// keyboard; the atom list keeps none until the user picks one, so that no
// entry looks current that Update would not take. Qt's own focus handling
// runs after the control's, hence the reset once it is done.
void KeepNoCurrentEntry(ListBox& list) {
    const QPointer<QListWidget> widget = static_cast<QListWidget*>(list.Widget());
    QTimer::singleShot(0, widget, [widget, &list] {
        if (widget && list.ListIndex() < 0 && widget->selectedItems().isEmpty())
            widget->setCurrentRow(-1, QItemSelectionModel::NoUpdate);
    });
}

std::int32_t SwappedRedBlue(std::int32_t colour) {
    return (colour & 0xFF00) | ((colour >> 16) & 0xFF) | ((colour & 0xFF) << 16);
}

std::int16_t ClampedElement(std::int64_t element) {
    const Range16 elements = kAtomLayout.columnRanges[0];
    return static_cast<std::int16_t>(std::clamp<std::int64_t>(element, elements.low, elements.high));
}

std::string_view StructureName(std::int64_t type) {
    return kStructureTypeNames[static_cast<std::size_t>(std::clamp<std::int64_t>(type, 0, kStructureTypeCount - 1))];
}

// Number column k of a theme or list line, rounded and clamped as stored.
std::int16_t StoredNumber(std::string_view line, int k) {
    const Range16 range = NumberRange(k);
    const double number = std::clamp(LeadingNumber(LineNumberText(line, k)), static_cast<double>(range.low),
                                     static_cast<double>(range.high));
    return ToInt16(number).value_or(0);
}

// A swatch shows its colour as its whole background: the back colour alone
// only takes effect at the next clear.
void FillSwatch(PictureBox& swatch, std::int32_t colour) {
    swatch.SetBackColor(colour);
    swatch.Drawing().Cls();
}

}  // namespace

MoleculeDialog::MoleculeDialog()
    : Dialog(kFormName, kControls, kPlacementName),
      steps_(
          {.block = &UniGalaxy::Atoms, .storesExtent = true, .idleCaption = kIdleCaption},
          [this](const AtomBlock& stored) { return MoleculeFromBoxes(stored); },
          [this](Form& form) { SetStructureTypeLabels(form.Get<ComboBox>("cboType").ListIndex()); }) {
    Frm().SetClientSize(kMinClientWidth, kMinClientHeight);
}

UniGalaxy& MoleculeDialog::Record() const { return EditedRecord(Handed()); }

// --- Loading ---

void MoleculeDialog::Load() {
    Form& form = Frm();
    LoadEditorTitles(form, Handed(), {kCaptionPrefix, kPreviewPrefix, kHelpContextId});
    for (const HelpContext& row : kHelpContexts) form.Get(row.name, row.index).SetHelpContextId(row.id);
    for (const LengthLimit& limit : kLengthLimits)
        for (int index = 0; index < limit.count; ++index)
            form.Get<TextBox>(limit.box, index).SetMaxLength(limit.length);
    UseFixedPitchFont();
    PlaceHeaderOverColumns();
    WireHandlers();
    FillLists();
    SetLabelCaptions();
    FillFromRecord();
    StackFrames();
}

void MoleculeDialog::UseFixedPitchFont() {
    SetFixedPitchFont(Frm().Get("fraAtoms"));
    SetFixedPitchFont(Frm().Get("lstElements"));
}

// The frame's caption names the list's columns: its text starts where the
// text of the entries does, so that each name stands over its column.
void MoleculeDialog::PlaceHeaderOverColumns() {
    const auto& list = Frm().Get<ListBox>("lstElements");
    Frm().Get<Frame>("fraAtoms").SetCaptionLeft(list.Widget()->x() + list.TextLeft());
}

void MoleculeDialog::WireHandlers() {
    Form& form = Frm();
    form.Get("txtProps", 0).events.lostFocus = [this] { txtProps_LostFocus(0); };
    BindNumericBoxes(form, BoxRows());
    BindExtentBoxes(form);
    form.Get("cboElement").events.click = [this] { cboElement_Click(); };
    form.Get("cboType").events.click = [this] { cboType_Click(); };
    form.Get("cboTheme").events.click = [this] { cboTheme_Click(); };
    form.Get("lstElements").events.click = [this] { lstElements_Click(); };
    form.Get("lstElements").events.gotFocus = [this] { KeepNoCurrentEntry(Frm().Get<ListBox>("lstElements")); };
    form.BindArray("cmdAction", {.click = [this](int index) { cmdAction_Click(index); }});
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

void MoleculeDialog::FillLists() {
    Form& form = Frm();
    auto& types = form.Get<ComboBox>("cboType");
    types.Clear();
    for (std::string_view type : kStructureTypeNames) types.AddItem(type);
    types.SetListIndex(0);
    auto& themes = form.Get<ComboBox>("cboTheme");
    for (std::string_view theme : kMoleculeThemeNames) themes.AddItem(theme);
    themes.SetListIndex(0);
    auto& elements = form.Get<ComboBox>("cboElement");
    elements.Clear();
    for (int element = 1; element <= kLastElement; ++element)
        elements.AddItem(ElementName(static_cast<std::int16_t>(element)));
}

void MoleculeDialog::SetLabelCaptions() {
    Form& form = Frm();
    for (const TwoLineLabel& label : kTwoLineLabels) form.SetCaption(label.name, kNoIndex, label.caption);
    for (int k = 0; k < static_cast<int>(std::size(kNumberHeadings)); ++k)
        form.SetCaption(kNumberHeadings[static_cast<std::size_t>(k)].label, kNoIndex, NumberHeading(k));
    const Range16 centre = kAtomLayout.centreRange;
    form.SetCaption("fraCenter", kNoIndex, "Offset (" + RangeText(centre.low, centre.high) + ")");
}

// Values outside their tables are clamped before they name an element or a
// structure type; at most 32 atoms are listed.
void MoleculeDialog::FillFromRecord() {
    Form& form = Frm();
    const UniGalaxy& r = Record();
    const AtomBlock& atoms = r.Atoms;
    form.SetText("txtCenter", 0, NumberToText(atoms.Atom_CenterX));
    form.SetText("txtCenter", 1, NumberToText(atoms.Atom_CenterY));
    form.SetText("txtCenter", 2, NumberToText(atoms.Atom_CenterZ));
    auto& list = form.Get<ListBox>("lstElements");
    list.Clear();
    const int count = std::clamp<int>(atoms.Galaxy_Atoms, 0, kAtomCapacity);
    for (std::size_t i = 0; i < static_cast<std::size_t>(count); ++i) {
        const std::int16_t element = ClampedElement(atoms.Atom_Element[i]);
        const AtomNumbers numbers = {static_cast<double>(atoms.Atom_X[i]), static_cast<double>(atoms.Atom_Y[i]),
                                     static_cast<double>(atoms.Atom_Z[i]), static_cast<double>(atoms.Atom_Radius[i]),
                                     static_cast<double>(atoms.Atom_SymRadius[i])};
        list.AddItem(ElementLine(ElementName(element), StructureName(atoms.Atom_Structure[i]), numbers));
        list.SetItemData(list.ListCount() - 1, element);
    }
    form.SetText("txtGalaxy", 0, NumberToText(r.Galaxy_Radius));
    form.SetText("txtGalaxy", 1, NumberToText(r.Galaxy_Rotation));
    form.SetText("txtGalaxy", 2, NumberToText(r.Galaxy_Distance));
}

void MoleculeDialog::StackFrames() {
    Form& form = Frm();
    const int gap = kFrameGapPixels * ScreenTwipsPerPixelY();
    const Control& theme = form.Get("fraTheme");
    Control& centre = form.Get("fraCenter");
    centre.SetTop(theme.Top() + theme.Height() + gap);
    form.Get("fraGalaxy").SetTop(centre.Top());
    form.Get("fraPreview").SetTop(theme.Top());
    form.Get("cmdPreview").SetTop(centre.Top() + centre.Height() + gap);
}

// --- The edit row ---

void MoleculeDialog::cboElement_Click() {
    Form& form = Frm();
    const int element = form.Get<ComboBox>("cboElement").ListIndex() + 1;
    if (element < 1) return;
    BuildHueColorTables(colourTables, UniGalaxies);
    const auto number = static_cast<std::int16_t>(element);
    form.SetText("txtPropNumber", kNoIndex, NumberToText(element));
    const ElementInfo symbol = GetElementInfo(number, "Symbol");
    if (const auto* text = std::get_if<std::string>(&symbol)) form.SetText("txtPropSymbol", kNoIndex, *text);
    const ElementInfo colour = GetElementInfo(number, "Color");
    const auto* hue = std::get_if<std::int16_t>(&colour);
    if (hue == nullptr) return;
    FillSwatch(form.Get<PictureBox>("picPropColor"), HueToRGB(*hue));
    if (Handed().props == nullptr) return;
    const auto hueStart = BoxInt16(*Handed().props, "txtGalaxy", kPropsHueStartBox, -kHueCount, kHueCount);
    if (!hueStart) return;
    const auto shown = static_cast<std::int16_t>(NormaliseHue(*hue + *hueStart));
    std::int32_t display = GetHueColor(colourTables, Handed().galaxyType, shown);
    // The table holds display order, which has red and blue exchanged at 24
    // and 32 bits per pixel; the swatch takes RGB order.
    if (colourTables.DisplayBpp >= 24) display = SwappedRedBlue(display);
    FillSwatch(form.Get<PictureBox>("picDispColor"), display);
}

void MoleculeDialog::cboType_Click() { SetStructureTypeLabels(Frm().Get<ComboBox>("cboType").ListIndex()); }

void MoleculeDialog::SetStructureTypeLabels(int type) {
    Form& form = Frm();
    const bool symmetry = type >= 1;
    form.SetEnabled("lblSymRadius", kNoIndex, symmetry);
    form.SetEnabled("txtProps", kSymmetryBox, symmetry);
    const auto row = std::find_if(std::begin(kTypeLabels), std::end(kTypeLabels),
                                  [type](const TypeLabels& r) { return type >= r.firstType && type <= r.lastType; });
    if (row == std::end(kTypeLabels)) return;
    const Range16 edge = kEdgePointRange;
    const std::string edgePoints = "Points per\nEdge (" + RangeText(edge.low, edge.high, "-") + ")";
    form.SetCaption("lblLocX", kNoIndex, row->edgePoints ? edgePoints : NumberHeading(0));
    form.SetEnabled("lblLocX", kNoIndex, row->xEnabled);
    form.SetEnabled("txtProps", 0, row->xEnabled);
    for (std::string_view label : {"lblLocY", "lblLocZ"}) form.SetEnabled(label, kNoIndex, row->yzEnabled);
    form.SetEnabled("txtProps", 1, row->yzEnabled);
    form.SetEnabled("txtProps", 2, row->yzEnabled);
    form.SetCaption("lblSymRadius", kNoIndex, row->symCaption);
    form.Get("txtProps", 0).SetHelpContextId(row->xHelp);
}

void MoleculeDialog::txtProps_LostFocus(int index) {
    if (index != 0 || Frm().Get<ComboBox>("cboType").ListIndex() < kFirstGridType) return;
    const Range16 edge = kEdgePointRange;
    ValidateNumericText(Frm().Get<TextBox>("txtProps", 0), BoxClamp::Integer, edge.low, edge.high);
}

void MoleculeDialog::lstElements_Click() {
    Form& form = Frm();
    const auto& list = form.Get<ListBox>("lstElements");
    const int item = list.ListIndex();
    if (item < 0) return;
    const std::string line = list.List(item);
    form.SetListIndex("cboElement", kNoIndex, list.ItemData(item) - 1);
    form.SetListIndex("cboType", kNoIndex, GetStructureTypeIndex(LineTypeName(line)));
    for (int k = 0; k < kAtomNumberCount; ++k) form.SetText("txtProps", k, LineNumberText(line, k));
}

std::string MoleculeDialog::FormatElementLine() const {
    const Form& form = Frm();
    AtomNumbers numbers{};
    for (int k = 0; k < kAtomNumberCount; ++k)
        numbers[static_cast<std::size_t>(k)] = LeadingNumber(form.GetText("txtProps", k).value_or(""));
    return ElementLine(form.GetText("cboElement").value_or(""), form.GetText("cboType").value_or(""), numbers);
}

// --- List editing ---

bool MoleculeDialog::AtomChosen() {
    Form& form = Frm();
    if (form.Get<ComboBox>("cboElement").ListIndex() < 0) {
        ShowNote(kSelectElementMessage);
        form.Get("cboElement").SetFocus();
        return false;
    }
    const int type = form.Get<ComboBox>("cboType").ListIndex();
    if (type < 0) {
        ShowNote(kSelectTypeMessage);
        form.Get("cboType").SetFocus();
        return false;
    }
    if (type >= 1 && LeadingNumber(form.GetText("txtProps", kSymmetryBox).value_or("")) == 0.0) {
        ShowNote(kSymmetryMessage);
        form.Get("txtProps", kSymmetryBox).SetFocus();
        return false;
    }
    return true;
}

void MoleculeDialog::PutLine(int item) {
    auto& list = Frm().Get<ListBox>("lstElements");
    list.SetList(item, FormatElementLine());
    list.SetItemData(item, Frm().Get<ComboBox>("cboElement").ListIndex() + 1);
}

void MoleculeDialog::cmdAction_Click(int index) {
    Form& form = Frm();
    auto& list = form.Get<ListBox>("lstElements");
    if (index == kActionAdd) {
        if (list.ListCount() >= kAtomCapacity) {
            ShowNote(kLimitMessage);
            return;
        }
        if (!AtomChosen()) return;
        list.AddItem(FormatElementLine());
        PutLine(list.ListCount() - 1);
    } else if (index == kActionUpdate) {
        if (list.ListIndex() < 0) {
            ShowNote(kSelectUpdateMessage);
            list.SetFocus();
            return;
        }
        if (!AtomChosen()) return;
        PutLine(list.ListIndex());
    } else if (index == kActionRemove) {
        if (list.SelCount() == 0) {
            ShowNote(kSelectRemoveMessage);
            list.SetFocus();
            return;
        }
        for (int item = list.ListCount() - 1; item >= 0; --item)
            if (list.Selected(item)) list.RemoveItem(item);
    }
}

void MoleculeDialog::cmdClear_Click() {
    Form& form = Frm();
    for (int index = 0; index < 3; ++index) form.SetText("txtCenter", index, "");
    form.Get<ListBox>("lstElements").Clear();
    form.SetListIndex("cboElement", kNoIndex, -1);
    form.SetListIndex("cboType", kNoIndex, 0);
    for (int k = 0; k < kAtomNumberCount; ++k) form.SetText("txtProps", k, "");
    form.SetText("txtPropNumber", kNoIndex, "");
    form.SetText("txtPropSymbol", kNoIndex, "");
}

// --- Themes ---

void MoleculeDialog::cboTheme_Click() {
    const int theme = Frm().Get<ComboBox>("cboTheme").ListIndex();
    if (theme < 1) return;
    ApplyMoleculeTheme(GetMoleculeTheme(static_cast<std::int16_t>(theme)));
}

void MoleculeDialog::ApplyMoleculeTheme(std::string_view theme) {
    Form& form = Frm();
    const auto field = [theme](int k) { return GetCSVField(theme, k); };
    form.SetCaption("lblTheme", kNoIndex, field(0));
    const int count = std::clamp(TextToInt16(field(1)).value_or(0), std::int16_t{0}, std::int16_t{kAtomCapacity});
    for (int index = 0; index < 3; ++index) {
        form.SetText("txtCenter", index, field(2 + index));
        form.SetText("txtGalaxy", index, field(5 + index));
    }
    auto& list = form.Get<ListBox>("lstElements");
    list.Clear();
    for (int i = 0; i < count; ++i) {
        const int first = 8 + 7 * i;
        const std::int16_t element = ClampedElement(ToInt64(LeadingNumber(field(first))).value_or(1));
        const auto type = ToInt64(LeadingNumber(field(first + 1))).value_or(0);
        AtomNumbers numbers{};
        for (int k = 0; k < kAtomNumberCount; ++k)
            numbers[static_cast<std::size_t>(k)] = LeadingNumber(field(first + 2 + k));
        list.AddItem(ElementLine(ElementName(element), StructureName(type), numbers));
        list.SetItemData(list.ListCount() - 1, element);
    }
}

// --- Storing and previewing ---

std::optional<AtomBlock> MoleculeDialog::MoleculeFromBoxes(const AtomBlock& stored) const {
    const Form& form = Frm();
    const auto& list = form.Get<ListBox>("lstElements");
    const int count = std::min(list.ListCount(), kAtomCapacity);
    // An empty structure is refused before anything is written, so that
    // Cancel still leaves the galaxy type as it was.
    if (count == 0) {
        ShowNote(kEmptyNote);
        return std::nullopt;
    }
    AtomBlock atoms = stored;
    atoms.Galaxy_Atoms = static_cast<std::int16_t>(count);
    const Range16 centre = kAtomLayout.centreRange;
    TakeBox(atoms.Atom_CenterX, BoxInt16(form, "txtCenter", 0, centre.low, centre.high));
    TakeBox(atoms.Atom_CenterY, BoxInt16(form, "txtCenter", 1, centre.low, centre.high));
    TakeBox(atoms.Atom_CenterZ, BoxInt16(form, "txtCenter", 2, centre.low, centre.high));
    for (std::size_t i = 0; i < static_cast<std::size_t>(count); ++i) {
        const std::string line = list.List(static_cast<int>(i));
        TakeBox(atoms.Atom_Element[i], ToInt16(list.ItemData(static_cast<int>(i))));
        atoms.Atom_Structure[i] = GetStructureTypeIndex(LineTypeName(line));
        atoms.Atom_X[i] = StoredNumber(line, 0);
        atoms.Atom_Y[i] = StoredNumber(line, 1);
        atoms.Atom_Z[i] = StoredNumber(line, 2);
        atoms.Atom_Radius[i] = StoredNumber(line, 3);
        atoms.Atom_SymRadius[i] = StoredNumber(line, 4);
        TakeBox(atoms.Run_AtomPoints[i], GetStructurePointCount(atoms.Atom_Structure[i]));
    }
    return atoms;
}

void ShowMoleculeEditor(Form& props, int galaxyType) { ShowEditorFor<MoleculeDialog>(props, galaxyType); }

}  // namespace orbweave
