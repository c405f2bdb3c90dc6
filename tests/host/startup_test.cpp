#include "host/startup.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "core/colour.h"
#include "core/colour_tables.h"
#include "host_fixture.h"
#include "platform/registry/settings.h"
#include "platform/registry/store.h"
#include "platform/registry/store_probes.h"
#include "platform/system/services.h"
#include "renderer/display/display.h"
#include "renderer/display/run_state.h"
#include "renderer/universe/universe_run.h"
#include "settings/factory_presets.h"

namespace orbweave {
namespace {

using StartupTest = testing::HostTest;

TEST_F(StartupTest, StartUpSetsTheProcessState) {
    Store("DirectX", "DX_WriteLog", "1");
    runState.StopRequested = true;
    runState.RunMode = kRunModePreview;
    EXPECT_EQ(Main("/A 12"), kExitSuccess);
    EXPECT_FALSE(runState.StopRequested);
    EXPECT_EQ(runState.RunMode, kRunModeDialog);
    EXPECT_TRUE(runState.WriteLogEnabled);
    EXPECT_EQ(runState.Screen, (ScreenMeasure{{19200, 14400}, {15, 15}}));
    EXPECT_TRUE(displayState.DX);
}

TEST_F(StartupTest, TheLogIsOffUnlessStoredAsNonZero) {
    Store("DirectX", "DX_WriteLog", "0");
    runState.WriteLogEnabled = true;
    Main("/A");
    EXPECT_FALSE(runState.WriteLogEnabled);
}

TEST_F(StartupTest, AFirstStartTakesOverTheMachineSettings) {
    const auto machine = RegistryStore::Open(MachineStorePath(), RegistryStore::Access::ReadWrite);
    ASSERT_TRUE(machine->WriteValue(SettingKeyPath(kProductKey, "General"), "AnimationType", "0"));
    ASSERT_TRUE(machine->WriteValue(SettingKeyPath(kProductKey, "Advanced"), "FocalLength", "2.5"));
    Main("/A");
    EXPECT_EQ(GetSettingString("General", "AnimationType", "<missing>"), "0");
    EXPECT_EQ(GetSettingString("Advanced", "FocalLength", "<missing>"), "2.5");
}

TEST_F(StartupTest, ThePasswordChangeEndsWithoutRunningAnything) {
    EXPECT_EQ(Main("/a 1234"), kExitSuccess);
    EXPECT_TRUE(ended.empty());
    EXPECT_TRUE(messages.empty());
}

// Configuration mode, with the window system replaced: when another process
// holds the dialog (open, or claimed by a start in the same instant) its
// window is raised and nothing else starts; otherwise the dialog runs when it
// can be seen and its status ends the process; a dialog no one could see is
// not started at all, since no one could close it.
TEST_F(StartupTest, ConfigurationRaisesAnOpenDialogOrRunsANewOne) {
    const struct {
        const char* line;
        bool held;  // another process holds the window "Orbweave Properties"
        bool seen;  // our windows appear on a screen
        int status;
        int runs;
        std::size_t messageCount;
    } cases[] = {
        {"", false, true, 7, 1, 0},
        {"   ", false, true, 7, 1, 0},
        {"/c", true, true, kExitSuccess, 0, 0},
        // The open dialog belongs to another process: raising it needs no
        // window of our own.
        {"/C:1234", true, false, kExitSuccess, 0, 0},
        {"/c 1234", false, false, kExitFailure, 0, 1},
    };
    const std::vector<std::string> dialog{"Orbweave Properties"};
    for (const auto& c : cases) {
        std::vector<std::string> claimed, raised;
        int runs = 0;
        services.configurationWindows = {[&] { return c.seen; },
                                         [&](std::string_view caption) {
                                             claimed.emplace_back(caption);
                                             return !c.held;
                                         },
                                         [&](std::string_view caption) {
                                             raised.emplace_back(caption);
                                             return c.held;
                                         }};
        services.configurationRunner = [&] {
            ++runs;
            return 7;
        };
        InstallProcessServices(services);
        messages.clear();
        EXPECT_EQ(Main(c.line), c.status) << c.line;
        EXPECT_EQ(claimed, dialog) << c.line;
        EXPECT_EQ(raised, c.held ? dialog : std::vector<std::string>{}) << c.line;
        EXPECT_EQ(runs, c.runs) << c.line;
        EXPECT_EQ(messages.size(), c.messageCount) << c.line;
    }
    EXPECT_TRUE(ended.empty());
}

// The tests' own platform is Qt's headless one, where the dialog would run
// unseen for ever.
TEST_F(StartupTest, OnAHeadlessPlatformTheDialogExplainsAndEnds) {
    bool ran = false;
    services.configurationWindows = {{}, [](std::string_view) { return true; }, [](std::string_view) { return false; }};
    services.configurationRunner = [&] {
        ran = true;
        return kExitSuccess;
    };
    InstallProcessServices(services);
    EXPECT_EQ(Main("/C"), kExitFailure);
    EXPECT_FALSE(ran);
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0],
              "The properties dialog cannot be shown without an X display.  Please start Orbweave inside an X11 "
              "session, with DISPLAY naming the X server.");
}

TEST_F(StartupTest, WithoutARegisteredDialogConfigurationEndsQuietly) {
    services.configurationWindows = {
        [] { return true; }, [](std::string_view) { return true; }, [](std::string_view) { return false; }};
    InstallProcessServices(services);
    EXPECT_EQ(Main(""), kExitSuccess);
    EXPECT_TRUE(messages.empty());
}

TEST_F(StartupTest, APreviewWithoutAHostWindowEndsAtOnce) {
    EXPECT_EQ(Main("/p:1234"), kExitSuccess);
    EXPECT_EQ(runState.HostWindowHandle, 0u);
    EXPECT_EQ(runState.RunMode, kRunModePreview);
    EXPECT_EQ(ended, std::vector<int>{kExitSuccess});
    EXPECT_FALSE(displayState.DX);
}

TEST_F(StartupTest, ATemplateImportGivesANewUserTheFactoryGalaxyTypes) {
    const auto file = std::filesystem::temp_directory_path() / ("orbweave-" + std::to_string(::getpid()) + ".OwV");
    std::ofstream(file, std::ios::binary)
        << "\r\n[Advanced]\r\nFocalLength=2.5\r\n\r\n[Universe]\r\nUniverse_Stars=900\r\n";
    Main(file.string());
    std::filesystem::remove(file);
    EXPECT_EQ(GetSettingString("Advanced", "FocalLength"), "2.5");
    EXPECT_EQ(GetSettingString("Universe", "Universe_Stars"), "900");
    EXPECT_EQ(GetSettingString("General", "AnimationType"), "0");
    EXPECT_EQ(GetSettingString("Universe\\Galaxy0", "_UniGalName"), UniGalDefaultNames[0]);
    // The saver could not open its window on the memory display.
    EXPECT_EQ(runState.RunMode, kRunModeSaver);
    EXPECT_EQ(ended, std::vector<int>{kExitFailure});
}

TEST_F(StartupTest, AnImportWhileAnotherProgramHoldsTheStoreIsDroppedSaidAndTheSaverRuns) {
    const auto file = config.Root() / "night.owv";
    std::ofstream(file, std::ios::binary) << "\r\n[Universe]\r\nUniverse_Stars=900\r\n";
    ASSERT_TRUE(SaveSettingValue("Universe", "Universe_Stars", "12345"));
    auto other = std::make_optional<testing::StoreHeld>();
    ASSERT_TRUE(other->Holds());
    ::testing::internal::CaptureStderr();
    Main(file.string());
    const std::string said = ::testing::internal::GetCapturedStderr();
    other.reset();
    EXPECT_EQ(said, "Orbweave: the template " + file.string() +
                        " was not imported: the settings are in use by another program; please try again.\n");
    EXPECT_EQ(GetSettingString("Universe", "Universe_Stars"), "12345");
    EXPECT_EQ(runState.RunMode, kRunModeSaver);
}

TEST_F(StartupTest, AFileThatIsNoTemplateChangesNothingSaysSoAndTheSaverRuns) {
    const auto file = config.Root() / "night.owv";
    std::string utf16 = "\xff\xfe";
    for (const char c : std::string("\r\n[Universe]\r\nUniverse_Stars=900\r\n")) utf16 += {c, '\0'};
    ASSERT_TRUE(SaveSettingValue("Universe", "Universe_Stars", "12345"));
    for (const std::string& content : {utf16, std::string("Dear Ann,\r\nsee you soon.\r\n")}) {
        std::ofstream(file, std::ios::binary | std::ios::trunc) << content;
        ResetSettingsStore();
        const std::string before = testing::StoreDump();
        ::testing::internal::CaptureStderr();
        Main(file.string());
        EXPECT_EQ(::testing::internal::GetCapturedStderr(),
                  "Orbweave: the template " + file.string() +
                      " was not imported: it cannot be read as an Orbweave template; the settings were left as "
                      "they were.\n");
        ResetSettingsStore();
        EXPECT_EQ(testing::StoreDump(), before);
        EXPECT_EQ(runState.RunMode, kRunModeSaver);
    }
}

TEST_F(StartupTest, TheColourDepthCheck) {
    InitDirectX();
    colourTables.DisplayBpp = 16;
    EXPECT_TRUE(CheckColorDepth(true));
    EXPECT_TRUE(displayState.DX);

    colourTables.DisplayBpp = 8;
    ::testing::internal::CaptureStderr();
    EXPECT_FALSE(CheckColorDepth(false));
    EXPECT_EQ(::testing::internal::GetCapturedStderr(), "");
    EXPECT_FALSE(displayState.DX);

    ::testing::internal::CaptureStderr();
    EXPECT_FALSE(CheckColorDepth(true));
    EXPECT_TRUE(::testing::internal::GetCapturedStderr().starts_with("Orbweave: You must be running in High Color"));
    EXPECT_TRUE(messages.empty());
}

}  // namespace
}  // namespace orbweave
