// The properties dialog with the settings store: what loading stores for a
// new user, and what Accept, Cancel and the close box leave in the store.
#include <QWidget>

#include <gtest/gtest.h>

#include <chrono>
#include <fstream>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "dialogs/common/launchers.h"
#include "dialogs/properties/advanced_dialog.h"
#include "dialogs/properties/menu_actions.h"
#include "platform/registry/settings.h"
#include "platform/registry/store.h"
#include "platform/registry/store_probes.h"
#include "platform/system/services.h"
#include "props_fixture.h"
#include "renderer/display/display.h"
#include "settings/factory_presets.h"

namespace orbweave::testing {
namespace {

constexpr const char* kMissing = "<missing>";

std::string Stored(const char* section, const char* name) { return GetSettingString(section, name, kMissing); }

class PropsSettingsTest : public PropsDialogTest {
protected:
    // Opens, lets `edit` change the controls, accepts and lets the dialog go.
    template <typename Edit>
    void AcceptAfter(Edit edit) {
        Open();
        edit();
        Dialog().cmdAccept_Click();
        ASSERT_FALSE(Dialog().Loaded());
        PropertiesDialog::Release();
    }
};

TEST_F(PropsSettingsTest, ANewUserIsMarkedBeforeTheWelcomeAndGetsTheFactorySettingsUnstored) {
    std::string markedAtWelcome;
    Launchers().welcome = [&] { markedAtWelcome = Stored("General", "ResetSettings"); };
    Open();
    EXPECT_EQ(markedAtWelcome, "1");
    auto& types = Get<ListBox>("lstUniGalaxy");
    ASSERT_EQ(types.ListCount(), 50);
    EXPECT_EQ(types.List(0).rfind(UniGalDefaultNames[0], 0), 0u);
    EXPECT_EQ(Get<ComboBox>("cboUniTheme").ListIndex(), 1);
    EXPECT_EQ(Stored("Universe", "Universe_Stars"), kMissing);
    Dialog().cmdDismiss_Click();
    EXPECT_EQ(Stored("Universe", "Universe_Stars"), kMissing);
    EXPECT_EQ(Stored("General", "ResetSettings"), "1");

    PropertiesDialog::Release();
    Open();  // the factory types load after the lists are filled
    for (int i = 0; i < kGalaxyTypeCount; ++i) {
        EXPECT_TRUE(Get<ListBox>("lstUniGalaxy").List(i).starts_with(Get<ComboBox>("cboUniProfile").List(i))) << i;
    }
}

TEST_F(PropsSettingsTest, AMarkedUserWithoutSettingsGetsTheFactorySettingsStoredWhileLoading) {
    bool welcomed = false;
    Launchers().welcome = [&] { welcomed = true; };
    Store("General", "ResetSettings", "1");
    Open();
    EXPECT_FALSE(welcomed);
    EXPECT_NE(Stored("General", "AnimationType"), kMissing);
    EXPECT_NE(Stored("Universe", "Universe_Stars"), kMissing);
    // No theme carries the camera rotation ramping: its box starts with the default.
    EXPECT_EQ(Stored("Universe", "Universe_C_Ramp"), "750");
}

// Advanced Settings stores its values on OK; the properties dialog cancelled
// stores no settings, so the next opening loads the factory settings, which
// must not replace what OK stored.
TEST_F(PropsSettingsTest, WhatAdvancedSettingsStoredOutlivesACancelledFirstRun) {
    Open();
    AdvancedDialog& advanced = AdvancedDialog::Instance();
    advanced.Show();
    advanced.Frm().SetText("txtAdv", 0, "40");
    advanced.Frm().SetText("txtMessage", 4, "Back soon");
    advanced.cmdOK_Click();
    AdvancedDialog::Release();
    Dialog().cmdDismiss_Click();
    PropertiesDialog::Release();
    ASSERT_EQ(Stored("General", "AnimationType"), kMissing);

    Open();
    EXPECT_NE(Stored("General", "AnimationType"), kMissing);
    EXPECT_EQ(Stored("Advanced", "Adv_TimeDelay"), "40");
    EXPECT_EQ(Stored("Advanced", "LockMessage"), "Back soon");
    EXPECT_EQ(Stored("Advanced", "Adv_CycleStyle"), "1");  // not stored by OK: the factory value
}

TEST_F(PropsSettingsTest, ANewUsersFirstAcceptStoresTheThemeAndTheDefaultOfWhatItLeavesAlone) {
    AcceptAfter([] {});
    EXPECT_EQ(Stored("Universe", "Universe_ESteps"), "400");  // theme 1
    EXPECT_EQ(Stored("Universe", "Universe_C_Ramp"), "750");
    EXPECT_EQ(Stored("Universe", "Universe_RotCam"), "0");
}

TEST_F(PropsSettingsTest, OnAScreenWithout640By480AnUntouchedAcceptKeepsTheDesktopSizeTheSaverDrawsAt) {
    UseDesktop({display::PixelLayout::Xrgb8888, {1280, 1024}, {{1280, 1024, 32}}});
    InitDirectX();
    AcceptAfter([] {});
    for (const auto& [name, value] : {std::pair{"CustomRes", "1"}, {"DX_WinWidth", "1280"}, {"DX_WinHeight", "1024"}})
        EXPECT_EQ(Stored("DirectX", name), value) << name;
}

TEST_F(PropsSettingsTest, AcceptStoresTheControlsAndANewDialogShowsThem) {
    AcceptAfter([&] {
        Frm().SetText("txtUni", 0, "500");
        Frm().SetText("txtUni", 1, "2");
        Frm().SetText("txtBlend", 0, "60");
        Frm().SetValue("chkUniTour", kNoIndex, 0);
        Frm().SetListIndex("cboUniProfile", kNoIndex, 7);
        Frm().SetText("cboTourGalaxies", kNoIndex, "3 5 8");
        Get<ListBox>("lstUniGalaxy").SetListIndex(0);
        Dialog().cmdGalProps_Click();
        Frm().SetText("txtGalaxy", 0, "1234");
        Dialog().cmdAccept_Click();  // back to universe mode
    });
    EXPECT_EQ(Stored("Universe", "Universe_Stars"), "500");
    EXPECT_EQ(Stored("Universe", "Universe_Galaxy"), "2");
    EXPECT_NE(Stored("General", "AnimationType"), kMissing);

    Open();
    EXPECT_EQ(Frm().GetText("txtUni", 0), "500");
    EXPECT_EQ(Frm().GetText("txtUni", 1), "2");
    EXPECT_EQ(Frm().GetText("txtBlend", 0), "60");
    EXPECT_EQ(Frm().GetValue("chkUniTour"), 0);
    EXPECT_EQ(Frm().GetListIndex("cboUniProfile"), 7);
    EXPECT_EQ(Frm().GetText("cboTourGalaxies"), "3 5 8");
    Get<ListBox>("lstUniGalaxy").SetListIndex(0);
    Dialog().cmdGalProps_Click();
    EXPECT_EQ(Frm().GetText("txtGalaxy", 0), "1234");
}

TEST_F(PropsSettingsTest, CancelAndTheCloseBoxStoreNothing) {
    AcceptAfter([] {});
    const std::string stars = Stored("Universe", "Universe_Stars");
    const std::string blend = Stored("DirectX", "DX_BlendUniBurst");

    Open();
    Frm().SetText("txtUni", 0, "777");
    Frm().SetText("txtBlend", 0, "7");
    Dialog().cmdDismiss_Click();
    PropertiesDialog::Release();
    Open();
    Frm().SetText("txtUni", 0, "778");
    Frm().Window()->close();
    EXPECT_FALSE(Dialog().Loaded());

    EXPECT_EQ(Stored("Universe", "Universe_Stars"), stars);
    EXPECT_EQ(Stored("DirectX", "DX_BlendUniBurst"), blend);
}

// A save kept out of the store for a while: by another program's hold, or
// (the parameter) by a full disk.
class PassingObstacleTest : public PropsSettingsTest, public ::testing::WithParamInterface<bool> {};

// Accept says what is in the way, keeps the dialog and its edits, and the
// next Accept, once the obstacle is gone, stores them.
TEST_P(PassingObstacleTest, AcceptKeepsTheDialogForAnotherTry) {
    std::optional<SmallDisk> disk;
    if (GetParam()) {
        disk.emplace(config.Root() / "disk");
        if (!disk->Mounted()) GTEST_SKIP() << "a small tmpfs cannot be mounted here: " << disk->Why();
        config.Set("XDG_CONFIG_HOME", disk->Folder());
    }
    AcceptAfter([] {});
    const std::chrono::milliseconds previousTimeout = SetStoreBusyTimeout(std::chrono::milliseconds(20));
    Open();
    Frm().SetText("txtUni", 0, "555");
    std::optional<StoreHeld> other;
    if (disk) {
        // Closed, the store empties its WAL file: the save needs new room.
        ResetSettingsStore();
        ASSERT_TRUE(disk->Fill());
    } else {
        other.emplace();
        ASSERT_TRUE(other->Holds());
    }
    services->messages.clear();
    Dialog().cmdAccept_Click();
    EXPECT_TRUE(Dialog().Loaded());
    EXPECT_EQ(Frm().GetText("txtUni", 0), "555");
    ASSERT_EQ(services->messages.size(), 1u);
    EXPECT_TRUE(services->messages[0].text.starts_with(disk ? "The disk holding the Property settings is full."
                                                                      : "The Property settings are in use by another program.")) << services->messages[0].text;
    EXPECT_NE(Stored("Universe", "Universe_Stars"), "555");
    // File > Open stores the advanced values first: refused, it changes no box and says the same.
    std::ofstream(config.Root() / "t.owv") << "[Advanced]\r\nAdv_TimeDelay=4\r\n[Universe]\r\nUniverse_Stars=7\r\n";
    EXPECT_FALSE(TemplateTransfer(Frm(), true)((config.Root() / "t.owv").string()).done);
    EXPECT_EQ(Frm().GetText("txtUni", 0), "555");
    EXPECT_EQ(services->messages.back().text, services->messages.front().text);

    other.reset();
    if (disk) disk->Free();
    Dialog().cmdAccept_Click();
    EXPECT_FALSE(Dialog().Loaded());
    EXPECT_EQ(Stored("Universe", "Universe_Stars"), "555");
    EXPECT_EQ(services->messages.size(), 2u);
    SetStoreBusyTimeout(previousTimeout);
    ResetSettingsStore();
}

INSTANTIATE_TEST_SUITE_P(Both, PassingObstacleTest, ::testing::Bool(),
                         [](const ::testing::TestParamInfo<bool>& info) { return info.param ? "DiskFull" : "LockHeld"; });

// A dialog that could not read the user's settings must neither greet them as
// new nor keep factory values that an Accept would store over theirs: it says
// the settings are in use and ends, leaving the store as it was, even when the
// other program lets go while the message shows.
TEST_F(PropsSettingsTest, OpenedWhileAnotherProgramKeepsReadersOutItSaysSoAndEndsWritingNothing) {
    AcceptAfter([&] { Frm().SetText("txtUni", 0, "555"); });
    const std::chrono::milliseconds previousTimeout = SetStoreBusyTimeout(std::chrono::milliseconds(20));
    const std::string before = StoreDump();
    bool welcomed = false;
    Launchers().welcome = [&] { welcomed = true; };
    ResetSettingsStore();
    // A rollback journal during an exclusive transaction keeps every reader out.
    auto other = std::make_optional<StoreHeld>("PRAGMA journal_mode=DELETE; BEGIN EXCLUSIVE; DELETE FROM key_values;");
    ASSERT_TRUE(other->Holds());
    std::vector<std::string> messages;
    const MessageBoxService recorder =
        SetMessageBoxService([&](std::string_view text, std::string_view, const MessageStyle& style) {
            messages.emplace_back(text);
            other.reset();
            return DefaultAnswer(style);
        });
    Open();
    SetMessageBoxService(recorder);
    EXPECT_FALSE(welcomed);
    EXPECT_FALSE(Dialog().Loaded());
    EXPECT_FALSE(Frm().Visible());
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_TRUE(messages[0].starts_with("The Property settings are in use by another program."));
    PropertiesDialog::Release();
    ResetSettingsStore();
    EXPECT_EQ(StoreDump(), before);
    // Once the store is free the dialog opens on the user's settings.
    Open();
    EXPECT_EQ(Frm().GetText("txtUni", 0), "555");
    SetStoreBusyTimeout(previousTimeout);
}

}  // namespace
}  // namespace orbweave::testing
