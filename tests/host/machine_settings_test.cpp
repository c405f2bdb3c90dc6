#include "host/machine_settings.h"

#include <gtest/gtest.h>

#include "platform/registry/scoped_config.h"
#include "platform/registry/settings.h"
#include "platform/registry/store.h"
#include "settings/galaxy_tables.h"

namespace orbweave {
namespace {

class MachineSettingsTest : public ::testing::Test {
protected:
    void SetUp() override { machine_ = RegistryStore::Open(MachineStorePath(), RegistryStore::Access::ReadWrite); }
    void TearDown() override {
        UniGalaxies.fill(UniGalaxy{});
        CompGalaxies.fill(CompGalaxy{});
    }

    // Installs a machine-wide value, as a system administrator would.
    void Install(std::string_view section, std::string_view name, std::string_view value) {
        ASSERT_TRUE(machine_->WriteValue(SettingKeyPath(kProductKey, section), name, value));
    }

    static std::string User(std::string_view section, std::string_view name) {
        return GetSettingString(section, name, "<missing>", kHiveUser);
    }

    testing::ScopedConfig config_;
    std::unique_ptr<RegistryStore> machine_;
};

TEST_F(MachineSettingsTest, AFirstStartCopiesTheMachineSettings) {
    Install("General", "AnimationType", "0");
    Install("General\\Main", "WindowState", "2");
    Install("Advanced", "FocalLength", "2.0");
    Install("Advanced", "Adv_FontName", "Tahoma");
    Install("Advanced", "Adv_PerfMult", "3");
    Install("DirectX", "DX_WinWidth", "800");
    Install("Universe", "Universe_Stars", "9000");
    Install("Universe\\Galaxy3", "_UniGalName", "Installed Spiral");
    Install("Universe\\CompGal2", "_CompGalName", "Installed Rings");
    MigrateMachineSettings();

    EXPECT_EQ(User("General", "AnimationType"), "0");
    EXPECT_EQ(User("General\\Main", "WindowState"), "2");
    EXPECT_EQ(User("General\\Main", "WindowSize"), "");
    EXPECT_EQ(User("Advanced", "FocalLength"), "2.0");
    EXPECT_EQ(User("Advanced", "Adv_FontName"), "Tahoma");
    EXPECT_EQ(User("Advanced", "Adv_TimeDelay"), "25");
    EXPECT_EQ(User("Advanced", "Adv_MouseMove"), "0");
    EXPECT_EQ(User("Universe", "Universe_Stars"), "9000");
    EXPECT_EQ(User("Universe", "Universe_HW_Start"), "170");
    EXPECT_EQ(User("Universe", "Universe_Profile"), "51");
    EXPECT_EQ(User("Universe", "Universe_GS_Idx"), "");
    // Display values and the other advanced values stay the user's own.
    EXPECT_EQ(User("Advanced", "Adv_PerfMult"), "<missing>");
    EXPECT_EQ(User("DirectX", "DX_WinWidth"), "<missing>");
    // Both galaxy tables, all 50 types and 16 composites.
    EXPECT_EQ(User("Universe\\Galaxy3", "_UniGalName"), "Installed Spiral");
    EXPECT_EQ(User("Universe\\Galaxy49", "_UniGalName"), "< Galaxy Profile 50 >");
    EXPECT_EQ(User("Universe\\CompGal2", "_CompGalName"), "Installed Rings");
    EXPECT_EQ(User("Universe\\CompGal15", "_CompGalName"), "< Composite Galaxy 16 >");
}

TEST_F(MachineSettingsTest, ALaterStartCopiesNothing) {
    Install("General", "AnimationType", "0");
    Install("Advanced", "FocalLength", "2.0");
    MigrateMachineSettings();
    SaveSettingValue("Advanced", "FocalLength", "3.0", kHiveUser);
    MigrateMachineSettings();
    EXPECT_EQ(User("Advanced", "FocalLength"), "3.0");
}

TEST_F(MachineSettingsTest, AMachineWithoutSettingsCopiesNothing) {
    Install("Advanced", "FocalLength", "2.0");
    MigrateMachineSettings();
    EXPECT_EQ(User("Advanced", "FocalLength"), "<missing>");
    EXPECT_EQ(User("General", "AnimationType"), "<missing>");
}

TEST_F(MachineSettingsTest, ANonNumericMarkCountsAsMissing) {
    Install("General", "AnimationType", "none");
    Install("Advanced", "FocalLength", "2.0");
    MigrateMachineSettings();
    EXPECT_EQ(User("Advanced", "FocalLength"), "<missing>");

    Install("General", "AnimationType", "0");
    SaveSettingValue("General", "AnimationType", "none", kHiveUser);
    MigrateMachineSettings();
    EXPECT_EQ(User("Advanced", "FocalLength"), "2.0");
    EXPECT_EQ(User("General", "AnimationType"), "0");
}

}  // namespace
}  // namespace orbweave
