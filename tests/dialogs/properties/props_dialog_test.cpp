// The properties dialog's window: loading, the two modes, the page rule,
// sizing, the buttons that open the editors, and unloading.
#include <QAction>
#include <QListWidget>
#include <QTimer>
#include <QWidget>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/colour_tables.h"
#include "dialogs/common/control_enabling.h"
#include "dialogs/common/launchers.h"
#include "dialogs/properties/props_controls.h"
#include "host/startup.h"
#include "platform/forms/pump.h"
#include "platform/forms/screen.h"
#include "platform/registry/settings.h"
#include "props_fixture.h"
#include "renderer/display/display.h"
#include "settings/factory_presets.h"
#include "settings/galaxy_tables.h"

namespace orbweave::testing {
namespace {

TEST(PropertiesControls, TheWholeTableBuildsWithNothingSkipped) {
    Form form("frmProps");
    for (const SkippedRow& skipped : form.Build(PropertiesControls())) ADD_FAILURE() << Describe(skipped);
    EXPECT_EQ(form.Controls().size(), PropertiesControls().size());
}

TEST_F(PropsDialogTest, AFirstOpeningMarksTheUserAndOpensInUniverseMode) {
    Open();
    EXPECT_EQ(GetSettingString("General", "ResetSettings"), "1");
    EXPECT_EQ(Frm().Name(), "frmProps");
    EXPECT_EQ(Frm().Caption(), "Orbweave Properties");
    EXPECT_FALSE(Dialog().GalaxyPropsMode());
    EXPECT_EQ(Get<ListBox>("lstUniGalaxy").ListCount(), 50);
    EXPECT_EQ(Get<ComboBox>("cboUniProfile").ListCount(), 52);
    // The profiles are the factory types, not the names they had before loading.
    EXPECT_EQ(Get<ComboBox>("cboUniProfile").List(0), UniGalDefaultNames[0].substr(0, 30));
    EXPECT_EQ(Get<ComboBox>("cboUniExtras").ListIndex(), 0);
    EXPECT_EQ(Get<ComboBox>("cboGalaxExtras").ListIndex(), 0);
    EXPECT_EQ(Get<CommandButton>("cmdAccept").Caption(), "&Accept Settings");
    EXPECT_EQ(Frm().DefaultButton(), &Get<CommandButton>("cmdAccept"));
    EXPECT_EQ(Frm().CancelButton(), &Get<CommandButton>("cmdDismiss"));
    // The minimum client size: the two frames side by side, and the preview with the buttons.
    ASSERT_EQ(ScreenTwipsPerPixelX(), 15);
    EXPECT_EQ(Dialog().MinClientWidth(), 4800 + 3945 + 300);
    EXPECT_EQ(Dialog().MinClientHeight(), 3510 + 2670 + 345 + 120);
}

TEST_F(PropsDialogTest, ShowPropsSwitchesToTheSelectedTypeAndEscapeReturns) {
    Open();
    auto& types = Get<ListBox>("lstUniGalaxy");
    ASSERT_TRUE(types.SetListIndex(3));
    const std::string line = types.List(3);
    Dialog().cmdGalProps_Click();

    auto& accept = Get<CommandButton>("cmdAccept");
    auto& frame = Get("fraAni", 0);
    EXPECT_TRUE(Dialog().GalaxyPropsMode());
    EXPECT_EQ(accept.Caption(), "&Return to Universe Settings");
    EXPECT_EQ(accept.Width(), 2640);
    EXPECT_FALSE(Get("cmdDismiss").Enabled());
    EXPECT_FALSE(Get("fraPreview").Enabled());
    EXPECT_EQ(Frm().CancelButton(), &accept);
    EXPECT_FALSE(Get("mnuFile").Enabled());
    EXPECT_FALSE(Get("mnuEdit").Enabled());
    EXPECT_TRUE(Get("mnuHelp").Enabled());
    EXPECT_EQ(frame.Caption(), "Galaxy:  " + UniGalaxies[3]._UniGalName);
    EXPECT_EQ(line.rfind(UniGalaxies[3]._UniGalName, 0), 0u);
    EXPECT_TRUE(frame.Font().bold);
    EXPECT_EQ(frame.ForeColor(), 0xFF0000);

    ASSERT_TRUE(Frm().CancelButton()->PerformClick());
    EXPECT_FALSE(Dialog().GalaxyPropsMode());
    EXPECT_EQ(accept.Caption(), "&Accept Settings");
    EXPECT_EQ(accept.Width(), 1575);  // 1572 in whole pixels
    EXPECT_TRUE(Get("cmdDismiss").Enabled());
    EXPECT_TRUE(Get("fraPreview").Enabled());
    EXPECT_EQ(Frm().CancelButton(), &Get<CommandButton>("cmdDismiss"));
    EXPECT_TRUE(Get("mnuFile").Enabled());
    EXPECT_TRUE(Get("mnuEdit").Enabled());
    EXPECT_FALSE(frame.Font().bold);
    EXPECT_EQ(frame.ForeColor(), 0);
    EXPECT_EQ(Frm().ActiveControl(), &types);
    EXPECT_TRUE(Dialog().Loaded());
}

TEST_F(PropsDialogTest, TheFramesAcceptButtonReturnsAfterTheEditedBoxIsLeft) {
    Open();
    Get<ListBox>("lstUniGalaxy").SetListIndex(0);
    Dialog().cmdGalProps_Click();
    auto& box = Get<TextBox>("txtGalaxy", 0);
    std::vector<bool> modeWhenLeft;
    box.events.lostFocus = [&] { modeWhenLeft.push_back(Dialog().GalaxyPropsMode()); };
    ASSERT_TRUE(box.SetFocus());
    Dialog().cmdAcceptGalProps_Click();
    EXPECT_EQ(modeWhenLeft, std::vector<bool>{true});
    EXPECT_FALSE(Dialog().GalaxyPropsMode());
}

TEST_F(PropsDialogTest, ReturningWorksEvenWhenTheTypeListLostItsSelection) {
    Open();
    Get<ListBox>("lstUniGalaxy").SetListIndex(2);
    Dialog().cmdGalProps_Click();
    Get<ListBox>("lstUniGalaxy").SetListIndex(-1);
    Dialog().cmdAccept_Click();
    EXPECT_FALSE(Dialog().GalaxyPropsMode());
    EXPECT_EQ(Get("cmdAccept").Caption(), "&Accept Settings");
    EXPECT_TRUE(Dialog().Loaded());
}

TEST_F(PropsDialogTest, ShowPropsWithoutASelectionAsksForOneAndStays) {
    Open();
    auto& types = Get<ListBox>("lstUniGalaxy");
    types.SetListIndex(-1);
    Dialog().cmdGalProps_Click();
    ASSERT_EQ(services->messages.size(), 1u);
    EXPECT_EQ(services->messages[0].text, "Please select a Galaxy Profile.");
    EXPECT_EQ(services->messages[0].title, "Orbweave");
    EXPECT_EQ(services->messages[0].style.icon, MessageIcon::Information);
    EXPECT_FALSE(Dialog().GalaxyPropsMode());
    EXPECT_EQ(Frm().ActiveControl(), &types);
}

TEST_F(PropsDialogTest, EditorButtonsStoreTheTypeAndOpenTheEditorOfItsStyle) {
    std::vector<std::string> opened;
    Launchers().levels = [&](Form&, int type) { opened.push_back("levels " + std::to_string(type)); };
    Launchers().molecule = [&](Form&, int type) { opened.push_back("molecule " + std::to_string(type)); };
    Launchers().userIfs = [&](Form&, int type) { opened.push_back("ifs " + std::to_string(type)); };
    Open();
    Get<ListBox>("lstUniGalaxy").SetListIndex(4);
    auto& style = Get<ComboBox>("cboGalStyle");
    style.SetListIndex(8);
    Dialog().cmdIFS_Chem_Click();
    style.SetListIndex(9);
    Dialog().cmdIFS_Chem_Click();
    Dialog().cmdGalLevels_Click();
    // Without a selected type nothing opens.
    Get<ListBox>("lstUniGalaxy").SetListIndex(-1);
    Dialog().cmdIFS_Chem_Click();
    Dialog().cmdGalLevels_Click();
    EXPECT_EQ(opened, (std::vector<std::string>{"ifs 4", "molecule 4", "levels 4"}));
}

struct PageSelector {
    const char* selector;
    const char* pages;
    int count;
};

class PageRule : public PropsDialogTest, public ::testing::WithParamInterface<PageSelector> {};

// Exactly the selected page is visible and enabled; a preview's enabling of
// every control leaves the other pages out of sight.
TEST_P(PageRule, OnlyTheSelectedPageIsShown) {
    Open();
    const PageSelector& rule = GetParam();
    auto& selector = Get<ComboBox>(rule.selector);
    ASSERT_EQ(selector.ListCount(), rule.count);
    for (int selected = rule.count - 1; selected >= 0; --selected) {
        ASSERT_TRUE(selector.SetListIndex(selected));
        EnableFormControls(Frm(), true, "");
        EnableFormControls(Frm(), false, "");
        for (int k = 0; k < rule.count; ++k) {
            EXPECT_EQ(Get(rule.pages, k).Visible(), k == selected) << rule.pages << k << " with " << selected;
            if (k != selected) {
                EXPECT_TRUE(Get(rule.pages, k).Enabled());
            }
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Both, PageRule,
                         ::testing::Values(PageSelector{"cboUniExtras", "fraUniProp", 5},
                                           PageSelector{"cboGalaxExtras", "fraGalProp", 3}),
                         [](const auto& info) { return std::string(info.param.selector); });

TEST_F(PropsDialogTest, SelectingAPageDisablesTheOthers) {
    Open();
    Get<ComboBox>("cboUniExtras").SetListIndex(2);
    for (int k = 0; k < 5; ++k) EXPECT_EQ(Get("fraUniProp", k).Enabled(), k == 2) << k;
}

TEST_F(PropsDialogTest, TheCompositePageShowsCompositesAsTheyAreInMemory) {
    Open();
    CompGalaxies[2]._CompGalName = "Renamed Cluster";
    Get<ComboBox>("cboUniExtras").SetListIndex(3);
    EXPECT_EQ(Get<ListBox>("lstCompGalaxy").List(2).rfind("Renamed Cluster", 0), 0u);
}

TEST_F(PropsDialogTest, AUniverseThemeClearsTheCompositeEditorAndNoneChangesNothing) {
    Open();
    Get<ComboBox>("cboUniExtras").SetListIndex(3);
    auto& composites = Get<ListBox>("lstCompGalaxy");
    const auto fillEditor = [&] {
        composites.SetListIndex(2);
        Get<ComboBox>("cboCompMajor").SetListIndex(5);
        Get<ListBox>("lstCompMinor").SetSelected(7, true);
        Frm().SetText("txtCompGalName", kNoIndex, "Edited");
        Frm().SetText("txtCompGalPct", kNoIndex, "40");
    };
    fillEditor();
    Get<ComboBox>("cboUniTheme").SetListIndex(0);
    EXPECT_EQ(Frm().GetText("txtCompGalName"), "Edited");
    Get<ComboBox>("cboUniTheme").SetListIndex(3);
    EXPECT_EQ(composites.ListIndex(), -1);
    EXPECT_EQ(Get<ComboBox>("cboCompMajor").ListIndex(), -1);
    EXPECT_EQ(Get<ListBox>("lstCompMinor").SelCount(), 0);
    EXPECT_EQ(Frm().GetText("txtCompGalName"), "");
    EXPECT_EQ(Frm().GetText("txtCompGalPct"), "");
}

TEST_F(PropsDialogTest, AListedResolutionFillsAndLocksTheCustomSizeBoxes) {
    InitDirectX();
    Open();
    auto& resolutions = Get<ComboBox>("cboResolution");
    ASSERT_EQ(resolutions.ListCount(), 2);
    resolutions.SetListIndex(1);
    EXPECT_FALSE(Get("txtDXRes", 0).Enabled());
    EXPECT_EQ(Frm().GetText("txtDXRes", 0), "640");
    EXPECT_EQ(Frm().GetText("txtDXRes", 1), "480");
    resolutions.SetListIndex(0);
    EXPECT_TRUE(Get("txtDXRes", 0).Enabled());
    EXPECT_TRUE(Get("txtDXRes", 1).Enabled());
}

TEST_F(PropsDialogTest, ResizingSnapsToTheMinimumThenLaysOutAroundThePreview) {
    Open();
    ASSERT_EQ(ScreenTwipsPerPixelX(), 15);
    ASSERT_EQ(ScreenTwipsPerPixelY(), 15);
    Frm().SetClientSize(6000, 4500);
    DoEvents();
    EXPECT_EQ(Frm().ScaleWidth(), 9045);
    EXPECT_EQ(Frm().ScaleHeight(), 6645);

    Frm().SetClientSize(10500, 7500);
    DoEvents();
    ASSERT_EQ(Frm().ScaleWidth(), 10500);
    ASSERT_EQ(Frm().ScaleHeight(), 7500);
    const Control& preview = Get("fraPreview");
    EXPECT_EQ(preview.Width(), 10500 - 60 - 4800 - 225);
    EXPECT_EQ(preview.Height(), 7500 - 3840 - 345 - 120);
    EXPECT_EQ(Get("picPreview").Width(), preview.Width() - 240);
    EXPECT_EQ(Get("fraAni", 0).Left(), 60 + preview.Width() + 150);
    EXPECT_EQ(Get("fraAni", 1).Left(), Get("fraAni", 0).Left());
    EXPECT_EQ(Get("fraAni", 1).Height(), 7500 - 90);
    EXPECT_EQ(Get("fraUniProp", 4).Top(), 7410 - 3090 - 75);
    EXPECT_EQ(Get("cmdAccept").Top(), 3840 + preview.Height() + 75);
    EXPECT_EQ(Get("cmdDismiss").Left(), 60 + preview.Width() - 900);
    EXPECT_EQ(Get("cmdDismiss").Top(), Get("cmdAccept").Top());
    const Control& name = Get("txtUniGalName");
    EXPECT_EQ(name.Top(), Get("fraGalaxyTypes").Height() - name.Height() - 75);
    // The list ends above the caption, short of it by less than a row: it shows whole rows.
    const int listBottom = Get("lstUniGalaxy").Top() + Get("lstUniGalaxy").Height();
    const int row = static_cast<QListWidget*>(Get("lstUniGalaxy").Widget())->sizeHintForRow(0) * 15;
    EXPECT_LE(listBottom, Get("lblGalNamePct").Top());
    EXPECT_GT(listBottom + row, Get("lblGalNamePct").Top());
}

TEST_F(PropsDialogTest, CancelUnloadsSavingThePlacementAndReleasingTheDisplay) {
    InitDirectX();
    ASSERT_TRUE(displayState.DX);
    Open();
    Dialog().cmdDismiss_Click();
    EXPECT_FALSE(Dialog().Loaded());
    EXPECT_FALSE(displayState.DX);
    EXPECT_NE(GetSettingString("General\\Main", "WindowSize"), "");
    ASSERT_FALSE(services->helps.empty());
    EXPECT_EQ(services->helps.back().command, kHelpQuit);
}

TEST_F(PropsDialogTest, FileExitUnloads) {
    Open();
    Get<MenuItem>("mnuFileArray", 5).Action()->trigger();
    EXPECT_FALSE(Dialog().Loaded());
}

TEST_F(PropsDialogTest, ClosingDuringAnAnimationStopsItAndUnloadsAfterIt) {
    InitDirectX();
    Open();
    bool loadedInside = false;
    bool displayInside = false;
    Dialog().RunAnimation([&] {
        Frm().Window()->close();
        loadedInside = Dialog().Loaded();
        displayInside = displayState.DX;
        EXPECT_TRUE(runState.StopRequested);
    });
    EXPECT_TRUE(loadedInside);
    EXPECT_TRUE(displayInside);
    EXPECT_FALSE(Dialog().Loaded());
    EXPECT_FALSE(displayState.DX);
}

TEST_F(PropsDialogTest, TheConfigurationRunEndsWhenTheDialogUnloads) {
    InitDirectX();  // the memory display's desktop depth
    QTimer::singleShot(0, [] { PropertiesDialog::Instance().Frm().Window()->close(); });
    EXPECT_EQ(RunPropertiesDialog(), 0);
    EXPECT_FALSE(PropertiesDialog::Exists());
}

TEST_F(PropsDialogTest, BelowSixteenBitsPerPixelTheConfigurationRunExplainsAndOpensNoDialog) {
    colourTables.DisplayBpp = 8;
    bool opened = false;
    QTimer guard;  // closes a dialog that opened all the same
    guard.setSingleShot(true);
    guard.callOnTimeout([&opened] {
        opened = PropertiesDialog::Exists() && PropertiesDialog::Instance().Loaded();
        if (opened) PropertiesDialog::Instance().Frm().Window()->close();
    });
    guard.start(0);
    ::testing::internal::CaptureStderr();
    EXPECT_EQ(RunPropertiesDialog(), kExitFailure);
    const std::string said = ::testing::internal::GetCapturedStderr();
    EXPECT_FALSE(opened);
    EXPECT_FALSE(PropertiesDialog::Exists());
    // No Qt window at all: Qt paints none on such a screen.
    EXPECT_TRUE(services->messages.empty());
    EXPECT_TRUE(said.starts_with("Orbweave: You must be running in High Color")) << said;
}

}  // namespace
}  // namespace orbweave::testing
