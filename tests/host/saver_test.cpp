#include "host/saver.h"

#include <fstream>

#include "core/colour.h"
#include "core/colour_tables.h"
#include "host/startup.h"
#include "host_fixture.h"
#include "platform/display/window_events.h"
#include "platform/registry/settings.h"
#include "platform/registry/store.h"
#include "platform/registry/store_probes.h"
#include "renderer/display/display.h"
#include "renderer/display/run_state.h"
#include "settings/factory_presets.h"
#include "settings/galaxy_tables.h"

namespace orbweave {
namespace {

class SaverTest : public testing::HostTest {
protected:
    SaverWindow frm{std::make_shared<display::MemoryWindow>(display::Rect{0, 0, 640, 480})};
};

TEST_F(SaverTest, AKeyEndsTheSaver) {
    frm.KeyDown();
    EXPECT_TRUE(runState.StopRequested);
    EXPECT_TRUE(frm.Unloaded());
}

TEST_F(SaverTest, AMouseButtonEndsTheSaver) {
    frm.MouseDown();
    EXPECT_TRUE(runState.StopRequested);
    EXPECT_TRUE(frm.Unloaded());
}

TEST_F(SaverTest, TheFourthCountedMouseMoveEndsTheSaver) {
    frm.MouseMove(100, 0);
    frm.MouseMove(200, 0);
    frm.MouseMove(300, 0);
    EXPECT_FALSE(runState.StopRequested);
    frm.MouseMove(400, 0);
    EXPECT_TRUE(runState.StopRequested);
}

// While the listener lives the window system's events reach the saver
// window: a key, a button, the system's quit or four counted moves end it; a
// close of the window alone does not.
TEST_F(SaverTest, TheListenerHandsTheWindowSystemsEventsToTheSaver) {
    using enum display::WindowEventKind;
    const std::vector<display::WindowEvent> threeMoves{{MouseMove, 100, 0}, {MouseMove, 200, 0}, {MouseMove, 300, 0}};
    std::vector<display::WindowEvent> fourMoves = threeMoves;
    fourMoves.push_back({MouseMove, 400, 0});
    const struct {
        std::vector<display::WindowEvent> events;
        bool ends;
    } cases[] = {{{{KeyDown}}, true},  {{{MouseButtonDown}}, true}, {{{Quit}}, true},
                 {{{WindowClose}}, false}, {threeMoves, false},         {fourMoves, true}};
    for (const auto& c : cases) {
        SaverWindow saver{std::make_shared<display::MemoryWindow>(display::Rect{0, 0, 640, 480})};
        {
            const SaverEventListener listener(saver);
            for (const display::WindowEvent& event : c.events) display::DispatchWindowEvent(event);
        }
        EXPECT_EQ(saver.Unloaded(), c.ends) << c.events.size() << " events, the first " << int(c.events[0].kind);
    }
    display::DispatchWindowEvent({KeyDown});
    EXPECT_FALSE(frm.Unloaded());
}

TEST_F(SaverTest, ANewUserGetsTheFactoryGalaxyTables) {
    InitUniGalaxyNames();
    runState.StopRequested = true;  // no animation: only the preparation runs
    frm.DisplayEffects();
    EXPECT_EQ(GetSettingString("Universe\\Galaxy0", "_UniGalName", "<missing>"), UniGalaxies[0]._UniGalName);
    EXPECT_NE(UniGalaxies[0]._UniGalName, "");
    EXPECT_NE(GetSettingString("Universe\\CompGal15", "_CompGalName", "<missing>"), "<missing>");
    // The mark of a user with settings is left to the properties dialog.
    EXPECT_EQ(GetSettingString("General", "AnimationType", "<missing>"), "<missing>");
}

TEST_F(SaverTest, ANewUserWhoseStoreCannotBeWrittenRunsOnTheFactoryTables) {
    // A plain file where the settings folder should be: nothing can be stored.
    std::ofstream(config.Root() / "blocked") << "x";
    config.Set("XDG_CONFIG_HOME", config.Root() / "blocked");
    ResetSettingsStore();
    InitUniGalaxyNames();
    frm.DisplayEffects();  // the run's set-up fails without a display and ends the loop
    EXPECT_EQ(UniGalaxies[0]._UniGalName, "Standard Galaxy");
    EXPECT_EQ(UniGalaxies[39].Ifs.Galaxy_IFS_Points, 5);
    EXPECT_EQ(CompGalaxies[0]._CompGalName, "Nested Rings + Comet Core");
}

// The saver needs no write to run: another program's hold on the store is
// not waited for, and the seeding is done once the store is free.
TEST_F(SaverTest, ANewUsersSaverSeedsWithoutWaitingForAHeldStore) {
    InitUniGalaxyNames();
    ASSERT_TRUE(SaveSettingValue("Advanced", "FocalLength", "1.0"));
    int waits = 0;
    services.storeWaitStop = [&] {
        ++waits;
        return false;
    };
    InstallProcessServices(services);
    auto other = std::make_optional<testing::StoreHeld>();
    ASSERT_TRUE(other->Holds());
    EXPECT_FALSE(SeedNewUserGalaxyTables());
    EXPECT_EQ(waits, 0);
    EXPECT_EQ(UniGalaxies[0]._UniGalName, UniGalDefaultNames[0]);
    EXPECT_EQ(GetSettingString("Universe\\Galaxy0", "_UniGalName", "<missing>"), "<missing>");
    other.reset();
    EXPECT_TRUE(SeedNewUserGalaxyTables());
    EXPECT_EQ(GetSettingString("Universe\\Galaxy0", "_UniGalName", "<missing>"), UniGalDefaultNames[0]);
}

TEST_F(SaverTest, AUserWithSettingsKeepsThem) {
    Store("General", "AnimationType", "0");
    Store("Universe\\Galaxy0", "_UniGalName", "Mine");
    runState.StopRequested = true;
    frm.DisplayEffects();
    EXPECT_EQ(GetSettingString("Universe\\Galaxy0", "_UniGalName"), "Mine");
    EXPECT_EQ(GetSettingString("Universe\\Galaxy1", "_UniGalName", "<missing>"), "<missing>");
}

TEST_F(SaverTest, OnlyTheTextOneIgnoresMouseMovement) {
    const struct {
        const char* stored;
        bool ignored;
    } cases[] = {{"1", true}, {"0", false}, {"1.0", false}, {"yes", false}};
    for (const auto& c : cases) {
        Store("Advanced", "Adv_MouseMove", c.stored);
        SaverWindow saver{std::make_shared<display::MemoryWindow>(display::Rect{0, 0, 640, 480})};
        runState.StopRequested = true;  // no animation: only the preparation runs
        saver.DisplayEffects();
        runState.StopRequested = false;
        for (int x = 100; x <= 1000; x += 100) saver.MouseMove(x, 0);
        EXPECT_EQ(saver.Unloaded(), !c.ignored) << c.stored;
        saver.KeyDown();
        EXPECT_TRUE(saver.Unloaded()) << c.stored;
    }
}

// Qt cannot paint a message box on such a screen: the message is written on
// standard error, and no box waits for an answer.
TEST_F(SaverTest, BelowSixteenBitsTheSaverExplainsAndEnds) {
    InitDirectX();
    colourTables.DisplayBpp = 8;
    ::testing::internal::CaptureStderr();
    RunSaver();
    const std::string said = ::testing::internal::GetCapturedStderr();
    EXPECT_EQ(runState.RunMode, kRunModeSaver);
    EXPECT_TRUE(messages.empty());
    EXPECT_TRUE(said.starts_with(
        "Orbweave: You must be running in High Color (16 bits) or True Color (24 or 32 bits) mode.\r\n\r\n"
        "You can change your Color Settings by following these steps:\r\n1.  Open the display settings of your "
        "desktop, or the configuration of the X server (xorg.conf).\r\n"))
        << said;
    EXPECT_TRUE(
        said.ends_with("\r\n3.  Log out and log in again, so that the X server starts with the new color depth.\n"))
        << said;
    EXPECT_EQ(ended, std::vector<int>{kExitFailure});
}

}  // namespace
}  // namespace orbweave
