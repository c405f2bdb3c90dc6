#include "dialogs/properties/dialog_lists.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QScreen>

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "platform/forms/controls.h"
#include "platform/forms/form.h"
#include "platform/registry/settings.h"
#include "settings/galaxy_tables.h"
#include "settings/registry_transfers.h"
#include "settings/templates/template_fixture.h"

namespace orbweave {
namespace {

// The four lists of the properties dialog that show galaxy types and composites.
class DialogListsTest : public TemplateTest {
protected:
    void SetUp() override {
        TemplateTest::SetUp();
        dialog_ = std::make_unique<Form>("frmProps");
        dialog_->AddControl({"lstUniGalaxy", kNoIndex, ControlKind::ListBox, {}, 0, 0, 3000, 3000, ""});
        dialog_->AddControl({"lstCompGalaxy", kNoIndex, ControlKind::ListBox, {}, 0, 0, 3000, 3000, ""});
        dialog_->AddControl({"lstCompMinor", kNoIndex, ControlKind::ListBox, {}, 0, 0, 3000, 3000, ""});
        dialog_->AddControl({"cboCompMajor", kNoIndex, ControlKind::ComboBox, {}, 0, 0, 3000, 300, ""});
        for (int i = 0; i < kGalaxyTypeCount; ++i) {
            UniGalaxies[static_cast<std::size_t>(i)]._UniGalName = "Type " + std::to_string(i);
            UniGalaxies[static_cast<std::size_t>(i)]._UniGalPct = static_cast<std::int16_t>(i * 2);
        }
    }

    ListControl& List(std::string_view name) const { return *dialog_->Find<ListControl>(name); }

    std::unique_ptr<Form> dialog_;
};

TEST_F(DialogListsTest, TheTypeListShowsEveryTypeWithItsPercentAndSelectsTheFirst) {
    List("lstUniGalaxy").AddItem("stale");
    FillUniGalaxyList(*dialog_, false);
    ASSERT_EQ(List("lstUniGalaxy").ListCount(), 50);
    EXPECT_TRUE(List("lstUniGalaxy").List(7).starts_with("Type 7   "));
    EXPECT_TRUE(List("lstUniGalaxy").List(7).ends_with(" 14"));
    EXPECT_EQ(List("lstUniGalaxy").ListIndex(), 0);
}

TEST_F(DialogListsTest, ReloadingReadsTheTypesFromTheStoreFirst) {
    SaveSettingValue(UniGalaxySection(3), "_UniGalName", "Stored Three");
    FillUniGalaxyList(*dialog_, true);
    EXPECT_TRUE(List("lstUniGalaxy").List(3).starts_with("Stored Three   "));
}

TEST_F(DialogListsTest, TheTypeNameListsShowTheTypeLinesWithoutTheirLastFourCharacters) {
    FillUniGalaxyList(*dialog_, false);
    FillCompGalaxyLists(*dialog_, false);
    const std::string line = List("lstUniGalaxy").List(12);
    ASSERT_EQ(List("cboCompMajor").ListCount(), 50);
    ASSERT_EQ(List("lstCompMinor").ListCount(), 50);
    EXPECT_EQ(List("cboCompMajor").List(12), line.substr(0, line.size() - 4));
    EXPECT_EQ(List("lstCompMinor").List(12), line.substr(0, line.size() - 4));
}

// Names as long as a store holds fill the lists whole; a popup is no wider than the screen.
TEST_F(DialogListsTest, NamesOfManyThousandCharactersFillTheListsWhole) {
    const std::string name(65000, 'n');
    for (UniGalaxy& type : UniGalaxies) type._UniGalName = name;
    FillUniGalaxyList(*dialog_, false);
    FillCompGalaxyLists(*dialog_, false);
    EXPECT_EQ(List("lstUniGalaxy").List(49), name + "   98");
    EXPECT_EQ(List("cboCompMajor").List(49), name + " ");
    const auto& combo = static_cast<const QComboBox&>(*List("cboCompMajor").Widget());
    EXPECT_LE(combo.view()->minimumWidth(), combo.screen()->availableGeometry().width());
}

TEST_F(DialogListsTest, CompositeLinesComeFromTheTableOrTheStoreWithAPlaceholderForNoName) {
    CompGalaxies[0]._CompGalName = "Table Zero";
    CompGalaxies[0]._CompGalPct = 40;
    CompGalaxies[1]._CompGalName = "";
    SaveSettingValue(CompGalaxySection(0), "_CompGalName", "Stored Zero");
    SaveSettingValue(CompGalaxySection(0), "_CompGalPct", 60);

    FillCompGalaxyLists(*dialog_, false);
    ASSERT_EQ(List("lstCompGalaxy").ListCount(), 16);
    EXPECT_TRUE(List("lstCompGalaxy").List(0).starts_with("Table Zero   "));
    EXPECT_TRUE(List("lstCompGalaxy").List(0).ends_with(" 40"));
    EXPECT_TRUE(List("lstCompGalaxy").List(1).starts_with("< Galaxy Composite 2 >   "));
    EXPECT_EQ(List("lstCompGalaxy").ListIndex(), -1);

    FillCompGalaxyLists(*dialog_, true);
    EXPECT_TRUE(List("lstCompGalaxy").List(0).starts_with("Stored Zero   "));
    EXPECT_TRUE(List("lstCompGalaxy").List(0).ends_with(" 60"));
    EXPECT_TRUE(List("lstCompGalaxy").List(5).starts_with("< Galaxy Composite 6 >   "));
}

TEST_F(DialogListsTest, AMissingListIsSkippedAndTheOthersFilled) {
    Form bare("frmProps");
    bare.AddControl({"lstUniGalaxy", kNoIndex, ControlKind::ListBox, {}, 0, 0, 3000, 3000, ""});
    FillUniGalaxyList(bare, false);
    FillCompGalaxyLists(bare, false);
    EXPECT_EQ(bare.Find<ListControl>("lstUniGalaxy")->ListCount(), kGalaxyTypeCount);
}

}  // namespace
}  // namespace orbweave
