// The lists and boxes the properties dialog fills while it loads.
#include <gtest/gtest.h>

#include <string>

#include "dialogs/properties/props_controls.h"
#include "dialogs/properties/props_lists.h"
#include "props_fixture.h"
#include "settings/factory_presets.h"

namespace orbweave::testing {
namespace {

TEST_F(PropsDialogTest, ListsThatStartUnsetStayUnsetAndTheOthersSelectTheirFirstItem) {
    Open();
    for (const char* unset :
         {"cboGalStyle", "cboGalColor", "cboTourGalaxies", "cboGalProfile", "cboPulsarShape", "cboPropCopyList"}) {
        EXPECT_EQ(Get<ComboBox>(unset).ListIndex(), -1) << unset;
    }
    for (const char* first : {"cboGalTheme", "cboGalPlane", "cboGalaxExtras", "cboUniExtras"}) {
        EXPECT_EQ(Get<ComboBox>(first).ListIndex(), 0) << first;
    }
    // A new user's first load applies the factory universe, theme 1.
    EXPECT_EQ(Get<ComboBox>("cboUniTheme").ListIndex(), 1);
    auto& themes = Get<ComboBox>("cboGalTheme");
    ASSERT_EQ(themes.ListCount(), 51);
    EXPECT_EQ(themes.List(0), "< NONE >");
    EXPECT_EQ(themes.List(50), UniGalDefaultNames[49]);
    EXPECT_EQ(Get<ComboBox>("cboPropCopyList").ListCount(), 68);
}

TEST_F(PropsDialogTest, TheGravityNoteEndsWithTheCometWarningAfterABlankLine) {
    Open();
    const std::string note = Get("lblGravityWarning").Caption();
    EXPECT_EQ(note.rfind("Note:  The time required", 0), 0u);
    EXPECT_NE(note.find("information.\r\n\r\nComets will NOT appear"), std::string::npos);
}

TEST_F(PropsDialogTest, SpinBoxesClampTheirDesignTextAndRunFromHighToLow) {
    Form form("frmProps");
    ASSERT_TRUE(form.Build(PropertiesControls()).empty());
    form.SetText("txtUni", 0, "0");
    form.SetText("txtPixHue", 2, "150");
    form.SetText("txtGalaxy", 1, "no number");
    SetupSpinBoxes(form);
    EXPECT_EQ(form.GetText("txtUni", 0), "1");
    EXPECT_EQ(form.GetText("txtPixHue", 2), "100");
    EXPECT_EQ(form.GetText("txtGalaxy", 1), "0");
    const auto& stars = form.Get<SpinControl>("spnUni", 0);
    EXPECT_EQ(stars.Min(), 9999);
    EXPECT_EQ(stars.Max(), 1);
    EXPECT_EQ(stars.SmallChange(), 10);
    EXPECT_EQ(form.Get<SpinControl>("spnGalaxy", 1).SmallChange(), 50);
    EXPECT_EQ(form.Get<SpinControl>("spnPixHue", 2).SmallChange(), 1);
    EXPECT_EQ(form.Get<TextBox>("txtUniGalPct").MaxLength(), 4);
}

TEST_F(PropsDialogTest, TheUniverseProfileListCutsLongNamesAndAlwaysHas52Entries) {
    Form form("frmProps");
    ASSERT_TRUE(form.Build(PropertiesControls()).empty());
    auto& types = form.Get<ListBox>("lstUniGalaxy");
    types.AddItem("A Name Much Longer Than Thirty Characters      150");
    types.AddItem("  Short     12");
    FillUniverseProfileList(form);
    auto& profiles = form.Get<ComboBox>("cboUniProfile");
    ASSERT_EQ(profiles.ListCount(), 52);
    EXPECT_EQ(profiles.List(0), "A Name Much Longer Than Thirty");
    EXPECT_EQ(profiles.List(1), "Short     12");
    EXPECT_EQ(profiles.List(2), "");
    EXPECT_EQ(profiles.List(50), "Cycle All Randomly");
    EXPECT_EQ(profiles.List(51), "Cycle All Sequentially");

    // Built once: filling again starts from an empty list.
    FillUniverseProfileList(form);
    EXPECT_EQ(profiles.ListCount(), 52);
}

TEST_F(PropsDialogTest, TheUniverseProfileListKeepsTheNamesItWasBuiltWith) {
    Open();
    const std::string first = Get<ComboBox>("cboUniProfile").List(0);
    Get<ListBox>("lstUniGalaxy").SetList(0, "Renamed     10");
    EXPECT_EQ(Get<ComboBox>("cboUniProfile").List(0), first);
}

}  // namespace
}  // namespace orbweave::testing
