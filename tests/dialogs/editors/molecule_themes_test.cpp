// The molecule themes, each applied to the editor and read back from its
// controls.
#include "dialogs/editors/molecule_themes.h"
#include "core/convert.h"
#include "editor_fixture.h"

namespace orbweave::testing {
namespace {

constexpr std::int16_t kType = 12;

struct ThemeRow {
    int theme;
    const char* title;
    int atoms;
    const char* centre[3];
    const char* galaxy[3];
    const char* firstLine;
    const char* lastLine;
};

// clang-format off
const ThemeRow kThemeRows[] = {
    {1, "Methane.", 5, {"1000", "1000", "1000"}, {"1000", "1500", "750"},
     "Carbon            Single      1000  1000  1000     200       0",
     "Hydrogen          Single      1250   775  1200      75       0"},
    {2, "Octanitrocubane.", 32, {"1000", "1000", "1000"}, {"1500", "750", "1250"},
     "Carbon            Single       900   900   900      40       0",
     "Oxygen            Single      1300  1200  1300      20       0"},
    {3, "Hexagonal Plane.", 4, {"0", "0", "0"}, {"2000", "750", "2000"},
     "Sulphur           Single         0     0     0     100       0",
     "Flourine          Hexagrid       8     0     0       0     100"},
    {4, "Tetrahedral Lattice.", 4, {"0", "0", "0"}, {"4000", "500", "5000"},
     "Nitrogen          Tetramatrx    11     0     0       0     200",
     "Neon              Tetramatrx     3     0     0      50     200"},
    {5, "Cubic Hydrocarbon Lattice.", 3, {"0", "0", "0"}, {"2000", "1000", "2500"},
     "Oxygen            Cube          11     0     0       1     100",
     "Hydrogen          Cube           3     0     0      15     100"},
    {6, "Hexagonal Nested Lattice.", 3, {"0", "0", "0"}, {"2000", "1000", "5000"},
     "Carbon            Hexamatrix     3     0     0      35     200",
     "Oxygen            Hexamatrix     9     0     0       0     200"},
    {7, "Active Gas Configuration.", 4, {"0", "0", "0"}, {"500", "1000", "300"},
     "Hydrogen           6 Point       0     0     0      35     150",
     "Nitrogen          18 Shell       0     0     0      20     300"},
    {8, "Shells and Points Configuration.", 4, {"0", "0", "0"}, {"1000", "2000", "600"},
     "Hydrogen          26 Shell       0     0     0      15     100",
     "Neon               6 Point       0     0     0      20     325"},
    {9, "Nested Shell Configuration.", 6, {"0", "0", "0"}, {"1200", "500", "1800"},
     "Oxygen            38 Shell       0     0     0      80     750",
     "Hydrogen          26 Shell       0     0     0      10     250"},
    {10, "Star Point System.", 10, {"0", "0", "0"}, {"1000", "500", "2000"},
     "Sulphur           18 Shell       0     0     0      10     100",
     "Flourine          38 Shell       0     0     0      10    1250"},
};
// clang-format on

class MoleculeThemeTest : public EditorTest {
protected:
    Form& OpenMolecule() { return Open<MoleculeDialog>(kType); }
};

TEST_F(MoleculeThemeTest, EveryThemeFillsTheEditor) {
    Form& form = OpenMolecule();
    const auto& list = form.Get<ListBox>("lstElements");
    for (const ThemeRow& row : kThemeRows) {
        SCOPED_TRACE(row.theme);
        form.SetListIndex("cboTheme", kNoIndex, row.theme);
        EXPECT_EQ(form.Get("lblTheme").Caption(), row.title);
        ASSERT_EQ(list.ListCount(), row.atoms);
        for (int k = 0; k < 3; ++k) {
            EXPECT_EQ(Text(form, "txtCenter", k), row.centre[k]);
            EXPECT_EQ(Text(form, "txtGalaxy", k), row.galaxy[k]);
        }
        EXPECT_EQ(list.List(0), row.firstLine);
        EXPECT_EQ(list.List(row.atoms - 1), row.lastLine);
    }
}

TEST_F(MoleculeThemeTest, ThemeTextsKeepTheirRowsInColumnsEndingInCommas) {
    const std::string methane = GetMoleculeTheme(1);
    EXPECT_EQ(methane.substr(0, 43), "Methane.,    5,  1000,  1000,  1000,  1000,");
    EXPECT_EQ(methane.substr(methane.size() - 46), "    1,     0,  1250,   775,  1200,   75,    0,");
    EXPECT_EQ(GetMoleculeTheme(0), "");
    EXPECT_EQ(GetMoleculeTheme(11), "");
    // Theme 10 holds its oxygen and chlorine atoms twice.
    EXPECT_EQ(GetCSVField(GetMoleculeTheme(10), 8 + 7 * 3), "8");
    EXPECT_EQ(GetCSVField(GetMoleculeTheme(10), 8 + 7 * 5), "17");
}

TEST_F(MoleculeThemeTest, SelectAThemeChangesNothingAndCancelLeavesTheGalaxyType) {
    Form& form = OpenMolecule();
    const UniGalaxy before = UniGalaxies[kType];
    form.SetListIndex("cboTheme", kNoIndex, 2);
    form.SetListIndex("cboTheme", kNoIndex, 0);
    EXPECT_EQ(form.Get<ListBox>("lstElements").ListCount(), 32);
    EXPECT_EQ(form.Get("lblTheme").Caption(), "Octanitrocubane.");
    Click(form, "cmdAction", 0);
    EXPECT_EQ(form.Get<ListBox>("lstElements").ListCount(), 32);
    Click(form, "cmdDismiss");
    EXPECT_EQ(UniGalaxies[kType].Atoms, before.Atoms);
}

TEST_F(MoleculeThemeTest, AStoredThemeShowsTheSameLinesWhenReopened) {
    Form& form = OpenMolecule();
    form.SetListIndex("cboTheme", kNoIndex, 10);
    std::vector<std::string> lines;
    for (int i = 0; i < 10; ++i) lines.push_back(form.Get<ListBox>("lstElements").List(i));
    Click(form, "cmdOK");
    EXPECT_EQ(Text(props, "txtGalaxy", 2), "2000");
    const auto& reopened = Reopen<MoleculeDialog>(kType).Get<ListBox>("lstElements");
    ASSERT_EQ(reopened.ListCount(), 10);
    for (int i = 0; i < 10; ++i) EXPECT_EQ(reopened.List(i), lines[static_cast<std::size_t>(i)]);
}

}  // namespace
}  // namespace orbweave::testing
