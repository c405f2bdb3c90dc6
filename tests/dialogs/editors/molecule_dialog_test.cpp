// The molecule editor: its fixed-column atom lines, list editing, storing,
// swatches, fonts and focus.
#include <QApplication>
#include <QFontInfo>
#include <QFontMetrics>
#include <QImage>
#include <QListWidget>
#include <QWidget>

#include "core/colour_tables.h"
#include "dialogs/editors/molecule_dialog.h"
#include "editor_fixture.h"
#include "platform/forms/picture_box.h"
#include "platform/system/services.h"

namespace orbweave::testing {
namespace {

constexpr std::int16_t kType = 7;

class MoleculeEditorTest : public EditorTest {
protected:
    void SetUp() override {
        EditorTest::SetUp();
        SetMessageBoxService([this](std::string_view text, std::string_view title, const MessageStyle&) {
            messages.emplace_back(text);
            titles.emplace_back(title);
            return MessageAnswer::Ok;
        });
    }
    Form& OpenMolecule() { return Open<MoleculeDialog>(kType); }
    UniGalaxy& Record() { return UniGalaxies[kType]; }
    ListBox& Atoms(Form& form) { return form.Get<ListBox>("lstElements"); }
    // Chooses element and type and fills the five boxes, then presses Add.
    void Add(Form& form, int element, int type, std::array<std::string_view, 5> boxes) {
        form.SetListIndex("cboElement", kNoIndex, element - 1);
        form.SetListIndex("cboType", kNoIndex, type);
        for (int k = 0; k < 5; ++k) form.SetText("txtProps", k, boxes[static_cast<std::size_t>(k)]);
        Click(form, "cmdAction", 0);
    }
    std::vector<std::string> Lines(Form& form) {
        std::vector<std::string> lines;
        for (int i = 0; i < Atoms(form).ListCount(); ++i) lines.push_back(Atoms(form).List(i));
        return lines;
    }
    std::vector<std::string> titles;
};

// Every structure type's line, column by column: name to 18, the type's ten
// characters, then X, Y, Z in four and radius and symmetry radius in six,
// each after two blanks. Point and shell types keep the disabled boxes' values.
TEST_F(MoleculeEditorTest, EveryStructureTypeGivesItsFixedColumnLine) {
    const std::string_view typeNames[] = {"Single    ", " 6 Point  ", " 8 Point  ", "18 Shell  ",
                                          "26 Shell  ", "38 Shell  ", "Rectgrid  ", "Hexagrid  ",
                                          "Cube      ", "Tetramatrx", "Octamatrix", "Hexamatrix"};
    Form& form = OpenMolecule();
    for (int type = 0; type < 12; ++type) {
        SCOPED_TRACE(type);
        Add(form, 4, type, {"0075", "8", "", "1234", "25"});
        const std::string line = Atoms(form).List(type);
        ASSERT_EQ(line.size(), 62u);
        EXPECT_EQ(line.substr(0, 18), "Beryllim          ");
        EXPECT_EQ(line.substr(18, 10), typeNames[type]);
        EXPECT_EQ(line.substr(28, 6), "    75");
        EXPECT_EQ(line.substr(34, 6), "     8");
        EXPECT_EQ(line.substr(40, 6), "     0");
        EXPECT_EQ(line.substr(46, 8), "    1234");
        EXPECT_EQ(line.substr(54, 8), "      25");
        EXPECT_EQ(Atoms(form).ItemData(type), 4);
    }
    EXPECT_TRUE(messages.empty());
}

TEST_F(MoleculeEditorTest, StoringAndReopeningShowsTheSameLines) {
    Form& form = OpenMolecule();
    Add(form, 6, 0, {"0075", "10", "20", "200", ""});
    Add(form, 17, 8, {"5", "", "", "30", "150"});
    Add(form, 1, 3, {"", "", "", "15", "90"});
    form.SetText("txtCenter", 1, "");
    const std::vector<std::string> lines = Lines(form);
    Click(form, "cmdOK");
    EXPECT_EQ(Record().Atoms.Galaxy_Atoms, 3);
    EXPECT_EQ(Record().Atoms.Atom_X[0], 75);
    EXPECT_EQ(Record().Atoms.Atom_Element[1], 17);
    EXPECT_EQ(Record().Atoms.Atom_Structure[1], 8);
    EXPECT_EQ(Record().Atoms.Run_AtomPoints[2], 18);
    EXPECT_EQ(Record().Atoms.Atom_CenterY, 0);
    EXPECT_EQ(Lines(Reopen<MoleculeDialog>(kType)), lines);
}

TEST_F(MoleculeEditorTest, AddRefusesWhatIsMissingOrOverTheLimit) {
    Form& form = OpenMolecule();
    // The single type needs no symmetry radius.
    Add(form, 1, 0, {"1", "2", "3", "4", ""});
    EXPECT_EQ(Atoms(form).List(0).substr(56), "     0");
    Add(form, 1, 1, {"1", "2", "3", "4", "0"});
    EXPECT_EQ(form.ActiveControl(), &form.Get("txtProps", 4));
    form.SetListIndex("cboElement", kNoIndex, -1);
    Click(form, "cmdAction", 0);
    for (int i = 1; i < 32; ++i) Add(form, 2, 0, {"1", "1", "1", "1", ""});
    Click(form, "cmdAction", 0);
    EXPECT_EQ(Atoms(form).ListCount(), 32);
    EXPECT_EQ(messages, (std::vector<std::string>{
                            "Please enter a Symmetry Radius.",
                            "Please select an Element.",
                            "You have reached the limit with respect to the number \n"
                            "elements that can be associated with a given molecule.",
                        }));
    EXPECT_EQ(titles.front(), "Orbweave");
}

TEST_F(MoleculeEditorTest, UpdateNeedsACurrentEntryAndRemoveTakesEverySelectedOne) {
    Form& form = OpenMolecule();
    Add(form, 1, 0, {"1", "", "", "", ""});
    Add(form, 2, 0, {"2", "", "", "", ""});
    Add(form, 3, 0, {"3", "", "", "", ""});
    Click(form, "cmdAction", 1);
    Click(form, "cmdAction", 2);
    ListBox& list = Atoms(form);
    list.SetListIndex(1);
    EXPECT_EQ(Text(form, "cboElement"), "Helium");
    EXPECT_EQ(Text(form, "txtProps", 0), "2");
    form.SetText("txtProps", 0, "44");
    Click(form, "cmdAction", 1);
    EXPECT_EQ(list.List(1).substr(28, 6), "    44");
    list.SetSelected(0, true);
    list.SetSelected(2, true);
    Click(form, "cmdAction", 2);
    EXPECT_EQ(list.ListCount(), 1);
    EXPECT_EQ(list.List(0).substr(0, 6), "Helium");
    EXPECT_EQ(messages, (std::vector<std::string>{"Please select an Element to update.",
                                                  "Please select one or more Elements to remove."}));
}

TEST_F(MoleculeEditorTest, OkOnAnEmptyListShowsTheNoteAndLeavesTheRecord) {
    Form& form = OpenMolecule();
    Record().Atoms.Galaxy_Atoms = 2;
    const UniGalaxy before = Record();
    Click(form, "cmdClear");
    form.SetText("txtGalaxy", 0, "999");
    Click(form, "cmdOK");
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].substr(0, 7), "Note:\n\n");
    EXPECT_TRUE(MoleculeDialog::Instance().Loaded());
    Click(form, "cmdPreview");
    EXPECT_EQ(messages.size(), 2u);
    EXPECT_EQ(pumps, 0);
    Click(form, "cmdDismiss");
    EXPECT_EQ(Record().Atoms, before.Atoms);
    EXPECT_EQ(Record().Galaxy_Radius, before.Galaxy_Radius);
}

TEST_F(MoleculeEditorTest, APreviewLeavesAtomsAndGalaxyValuesAsTheyWere) {
    Form& form = OpenMolecule();
    form.SetListIndex("cboTheme", kNoIndex, 1);
    const UniGalaxy before = Record();
    AtomBlock storedDuring{};
    AtFrame(2, [&] {
        storedDuring = Record().Atoms;
        Click(form, "cmdPreview");
    });
    Click(form, "cmdPreview");
    EXPECT_EQ(storedDuring, before.Atoms);
    EXPECT_EQ(Record().Atoms, before.Atoms);
    EXPECT_EQ(Record().Galaxy_Rotation, before.Galaxy_Rotation);
    // Stop enabled everything; the type's labels disable the unused boxes again.
    EXPECT_EQ(form.Get("cmdPreview").Caption(), "Preview Molecule");
    EXPECT_FALSE(form.Get("txtProps", 4).Enabled());
}

TEST_F(MoleculeEditorTest, LeavingBoxesClampsByFamilyAndStructureType) {
    Form& form = OpenMolecule();
    Enter(form, "txtGalaxy", 1, "45000");
    EXPECT_EQ(Text(form, "txtGalaxy", 1), "30000");
    Enter(form, "txtProps", 0, "");
    EXPECT_EQ(Text(form, "txtProps", 0), "");
    form.SetListIndex("cboType", kNoIndex, 8);
    Enter(form, "txtProps", 0, "");
    EXPECT_EQ(Text(form, "txtProps", 0), "1");
    EXPECT_EQ(form.Get("lblLocX").Caption(), "Points per\nEdge (1-99)");
    EXPECT_EQ(form.Get("lblSymRadius").Caption(), "Atom Offset");
    EXPECT_EQ(form.Get("txtProps", 0).HelpContextId(), 7356);
    EXPECT_FALSE(form.Get("txtProps", 1).Enabled());
}

// The swatches are painted in their colours; the display colour's is in RGB
// order at every depth. Clear empties the element's boxes.
TEST_F(MoleculeEditorTest, TheSwatchesArePaintedAndTheDisplayColourIsTheSameAtSixteenAndThirtyTwoBits) {
    Form& form = OpenMolecule();
    props.SetText("txtGalaxy", 95, "30");
    const auto painted = [&form](std::string_view swatch) {
        const Canvas& canvas = form.Get<PictureBox>(swatch).Drawing();
        return canvas.Point(canvas.PixelWidth() / 2, canvas.PixelHeight() / 2);
    };
    std::int32_t swatch[2] = {};
    const std::int16_t depths[2] = {16, 32};
    for (int k = 0; k < 2; ++k) {
        colourTables.DisplayBpp = depths[k];
        form.SetListIndex("cboElement", kNoIndex, -1);
        form.SetListIndex("cboElement", kNoIndex, 7);
        swatch[k] = painted("picDispColor");
    }
    EXPECT_EQ(swatch[0], swatch[1]);
    EXPECT_EQ(swatch[0], form.Get<PictureBox>("picDispColor").Drawing().BackColor());
    EXPECT_NE(swatch[0] & 0xFFFFFF, 0);
    EXPECT_NE(swatch[0], 0xFFFFFF);
    EXPECT_EQ(painted("picPropColor"), form.Get<PictureBox>("picPropColor").Drawing().BackColor());
    EXPECT_NE(painted("picPropColor"), 0xFFFFFF);
    EXPECT_EQ(Text(form, "txtPropNumber"), "8");
    EXPECT_EQ(Text(form, "txtPropSymbol"), "O");
    Click(form, "cmdClear");
    EXPECT_EQ(Text(form, "txtPropNumber"), "");
    EXPECT_EQ(Text(form, "txtPropSymbol"), "");
}

TEST_F(MoleculeEditorTest, ARecordOutsideItsTablesLoadsClamped) {
    AtomBlock& atoms = Record().Atoms;
    atoms.Galaxy_Atoms = 40;
    atoms.Atom_Element.fill(0);
    atoms.Atom_Structure.fill(12);
    Form& form = OpenMolecule();
    EXPECT_EQ(Atoms(form).ListCount(), 32);
    EXPECT_EQ(Atoms(form).List(0).substr(0, 28), "Hydrogen          Hexamatrix");
    EXPECT_EQ(Atoms(form).ItemData(31), 1);
}

TEST_F(MoleculeEditorTest, TabIntoTheAtomListMakesNoEntryCurrent) {
    Form& form = OpenMolecule();
    form.SetListIndex("cboTheme", kNoIndex, 1);
    QApplication::setActiveWindow(form.Window());
    form.Get("cboElement").SetFocus();
    auto* list = static_cast<QListWidget*>(form.Get("lstElements").Widget());
    list->setFocus(Qt::BacktabFocusReason);
    QApplication::processEvents();
    EXPECT_EQ(Atoms(form).ListIndex(), -1);
    EXPECT_EQ(list->currentRow(), -1);
    EXPECT_EQ(Atoms(form).SelCount(), 0);
    Click(form, "cmdAction", 1);
    EXPECT_EQ(messages, std::vector<std::string>{"Please select an Element to update."});
}

TEST_F(MoleculeEditorTest, TheAtomListAndItsHeaderUseAFixedPitchFont) {
    Form& form = OpenMolecule();
    for (std::string_view name : {"lstElements", "fraAtoms"}) {
        SCOPED_TRACE(name);
        const QFont font = form.Get(name).Widget()->font();
        EXPECT_TRUE(QFontInfo(font).fixedPitch());
        EXPECT_TRUE(font.bold());
    }
    EXPECT_FALSE(QFontInfo(form.Get("cmdOK").Widget()->font()).fixedPitch());
}

// The leftmost column of dark pixels within a band of an image.
int FirstInkColumn(const QImage& image, const QRect& band) {
    const QRect inside = band & image.rect();
    for (int x = inside.left(); x <= inside.right(); ++x)
        for (int y = inside.top(); y <= inside.bottom(); ++y)
            if (qGray(image.pixel(x, y)) < 128) return x;
    return -1;
}

// The frame's caption is the list's header: its text starts where the
// entries' text does, so that each column name stands over its column.
TEST_F(MoleculeEditorTest, TheHeaderStandsOverTheListColumns) {
    Form& form = OpenMolecule();
    Add(form, 1, 0, {"1", "", "", "", ""});
    QWidget* frame = form.Get("fraAtoms").Widget();
    auto* list = static_cast<QListWidget*>(form.Get("lstElements").Widget());
    const QImage image = frame->grab().toImage();
    const int header = FirstInkColumn(image, {0, 0, image.width(), QFontMetrics(frame->font()).height()});
    const QPoint origin = list->viewport()->mapTo(frame, QPoint(0, 0));
    const int column = FirstInkColumn(image, list->visualItemRect(list->item(0)).translated(origin));
    ASSERT_GE(header, 0);
    EXPECT_NEAR(header, column, 2);
}

}  // namespace
}  // namespace orbweave::testing
