#include "dialogs/properties/props_cycles.h"

#include <gtest/gtest.h>
#include <sqlite3.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <filesystem>
#include <future>
#include <limits>
#include <memory>
#include <string>
#include <string_view>
#include <thread>
#include <vector>

#include "dialogs/common/launchers.h"
#include "dialogs/properties/dialog_lists.h"
#include "platform/forms/service_recorder.h"
#include "platform/registry/settings.h"
#include "platform/registry/store.h"
#include "platform/registry/store_probes.h"
#include "props_test_form.h"
#include "settings/factory_presets.h"
#include "settings/galaxy_tables.h"
#include "settings/registry_transfers.h"
#include "settings/templates/template_fixture.h"

namespace orbweave {
namespace {

namespace fs = std::filesystem;

constexpr std::string_view kReadOnlyWarning = "The Registry is read-only.";
constexpr std::string_view kInUseWarning = "The Property settings are in use by another program.";

struct Tables {
    std::vector<UniGalaxy> types;
    std::vector<CompGalaxy> composites;
    bool operator==(const Tables&) const = default;
};

Tables TablesInMemory() {
    return {{UniGalaxies.begin(), UniGalaxies.begin() + kGalaxyTypeCount}, {CompGalaxies.begin(), CompGalaxies.end()}};
}

std::string Setting(std::string_view section, std::string_view name) {
    return GetSettingString(section, name, "<missing>", kHiveUser);
}

class PropsCyclesTest : public TemplateTest {
protected:
    void SetUp() override {
        TemplateTest::SetUp();
        InitUniGalaxyNames();
        dialog_ = testing::MakePropsTestForm();
    }
    void TearDown() override {
        Launchers() = DialogLaunchers{};
        SetStoreBusyTimeout(previousTimeout_);
        TemplateTest::TearDown();
    }

    std::string Text(std::string_view name, int index = kNoIndex) const {
        return dialog_->GetText(name, index).value_or("<missing>");
    }
    int Item(std::string_view name) const { return dialog_->GetListIndex(name).value_or(-9); }

    // A dialog that shows other than the defaults everywhere the settings reach.
    void ChangeEveryArea(Form& dialog) {
        dialog.SetText("txtUni", 0, "500");
        dialog.SetText("txtUni", 1, "2");
        dialog.SetText("txtUni", 12, "0.5");
        dialog.SetValue("chkVisitSeq", kNoIndex, 1);
        dialog.SetListIndex("cboUniProfile", kNoIndex, 50);
        dialog.SetText("cboTourGalaxies", kNoIndex, "1 2 3");
        dialog.SetListIndex("cboResolution", kNoIndex, 0);
        dialog.SetText("txtDXRes", 0, "1000");
        dialog.SetText("txtDXRes", 1, "700");
        dialog.SetListIndex("cboVertOffset", kNoIndex, 12);
        dialog.SetListIndex("cboRGB16bbp", kNoIndex, 1);
        LoadFactoryDefaults();
        UniGalaxies[3].Galaxy_Radius = 1234;
        CompGalaxies[2]._CompGalName = "Mine";
    }

    ServiceRecorder services_;
    std::chrono::milliseconds previousTimeout_ = SetStoreBusyTimeout(std::chrono::milliseconds(20));
    std::unique_ptr<Form> dialog_;
};

TEST_F(PropsCyclesTest, AcceptStoresTheDialogAndTheTablesAndANewDialogShowsThem) {
    CyclePropsRegToArrays(*dialog_);
    ChangeEveryArea(*dialog_);
    dialog_->SetText("txtBlend", 0, "60");
    ASSERT_TRUE(CyclePropsArraysToReg(*dialog_));
    EXPECT_TRUE(services_.messages.empty());
    EXPECT_EQ(Setting("General", "AnimationType"), "0");
    EXPECT_EQ(Setting("DirectX", "CustomRes"), "1");
    EXPECT_EQ(Setting("DirectX", "DX_VertOffset"), "3");
    EXPECT_EQ(Setting("DirectX", "DX_RGB16bbp"), "1");
    EXPECT_EQ(Setting("DirectX", "DX_BlendUniBurst"), "60");
    EXPECT_EQ(Setting("Universe", "Universe_Stars"), "500");

    const auto next = testing::MakePropsTestForm();
    EXPECT_TRUE(CyclePropsRegToArrays(*next));
    const auto shown = [](const Form& form) {
        std::vector<std::string> states = testing::ControlStates(form);
        std::erase_if(states, [](const std::string& s) { return s.starts_with("lst") || s.starts_with("cboComp"); });
        return states;
    };
    EXPECT_EQ(shown(*next), shown(*dialog_));
    EXPECT_TRUE(next->Get<ListControl>("lstCompGalaxy").List(2).starts_with("Mine   "));
    UniGalaxies[3] = UniGalaxy{};
    RegToUniGalaxies(kHiveUser);
    EXPECT_EQ(UniGalaxies[3].Galaxy_Radius, 1234);
}

TEST_F(PropsCyclesTest, AcceptThatCannotStoreEverythingStoresNothingAndSaysSo) {
    enum class Obstacle { LockHeld, ValueRefused };
    for (const Obstacle obstacle : {Obstacle::LockHeld, Obstacle::ValueRefused}) {
        SCOPED_TRACE(obstacle == Obstacle::LockHeld ? "lock held" : "value refused");
        SaveSettingValue("Universe", "Universe_Stars", "777", kHiveUser);
        ASSERT_TRUE(TestRegistryWrite());
        CyclePropsRegToArrays(*dialog_);
        ChangeEveryArea(*dialog_);
        ResetSettingsStore();
        const std::string before = testing::StoreDump();
        services_.messages.clear();
        if (obstacle == Obstacle::LockHeld) {
            const testing::WriteLockHeld other(std::chrono::milliseconds(300));
            EXPECT_FALSE(CyclePropsArraysToReg(*dialog_));
        } else {
            // A value with no text form cannot be stored, and the rest must not be either.
            UniGalaxies[49].Galaxy_StdLevHSca = std::numeric_limits<float>::quiet_NaN();
            EXPECT_FALSE(CyclePropsArraysToReg(*dialog_));
        }
        ResetSettingsStore();
        EXPECT_EQ(testing::StoreDump(), before);
        EXPECT_EQ(Setting("Universe", "Universe_Stars"), "777");
        // A lock says what is true: the settings are in use, not read-only.
        ASSERT_EQ(services_.messages.size(), 1u);
        EXPECT_TRUE(
            services_.messages[0].text.starts_with(obstacle == Obstacle::LockHeld ? kInUseWarning : kReadOnlyWarning));
        EXPECT_EQ(services_.messages[0].title, "Orbweave");
    }
}

TEST_F(PropsCyclesTest, ATemplateSavedAndOpenedInAFreshDialogGivesTheSameControlsAndTables) {
    CyclePropsRegToArrays(*dialog_);
    ChangeEveryArea(*dialog_);
    dialog_->SetListIndex("cboResolution", kNoIndex, 2);  // a listed mode, 800 * 600
    dialog_->SetText("txtDXRes", 0, "800");
    dialog_->SetText("txtDXRes", 1, "600");
    FillUniGalaxyList(*dialog_, false);
    FillCompGalaxyLists(*dialog_, false);
    SaveSettingValue("Advanced", "Adv_FontName", "Courier", kHiveUser);
    const std::string first = PathOf("first.owv");
    ASSERT_TRUE(CyclePropsArraysToTemp(*dialog_, first));

    SaveSettingValue("Advanced", "Adv_FontName", "Arial", kHiveUser);
    UniGalaxies.fill(UniGalaxy{});
    CompGalaxies.fill(CompGalaxy{});
    const auto fresh = testing::MakePropsTestForm();
    CyclePropsRegToArrays(*fresh);
    ASSERT_EQ(CyclePropsTempToArrays(*fresh, first), TemplateImport::Imported);
    EXPECT_EQ(testing::ControlStates(*fresh), testing::ControlStates(*dialog_));
    EXPECT_EQ(UniGalaxies[3].Galaxy_Radius, 1234);
    EXPECT_EQ(CompGalaxies[2]._CompGalName, "Mine");
    EXPECT_EQ(Setting("Advanced", "Adv_FontName"), "Courier");  // stored at once

    // Saved again, the loaded tables give the same text: every saved field came back.
    const std::string second = PathOf("second.owv");
    ASSERT_TRUE(CyclePropsArraysToTemp(*fresh, second));
    EXPECT_EQ(ReadFile(second), ReadFile(first));
    EXPECT_TRUE(ReadFile(first).starts_with("\r\n[Admin]\r\n"));
}

TEST_F(PropsCyclesTest, ATemplateThatCannotBeReadChangesNothing) {
    CyclePropsRegToArrays(*dialog_);
    ChangeEveryArea(*dialog_);
    fs::create_directories(Folder() / "folder.owv");
    // Files that hold none of a template's sections are no templates.
    const std::string empty = WriteFile("empty.owv", "");
    const std::string letter = WriteFile("letter.owv", "Dear Ann,\r\n\r\nsee you soon.\r\n");
    for (const std::string& file : {PathOf("absent.owv"), PathOf("folder.owv"), empty, letter}) {
        const std::vector<std::string> controls = testing::ControlStates(*dialog_);
        const Tables tables = TablesInMemory();
        ResetSettingsStore();
        const std::string store = testing::StoreDump();
        EXPECT_EQ(CyclePropsTempToArrays(*dialog_, file), TemplateImport::NotTemplate) << file;
        EXPECT_EQ(testing::ControlStates(*dialog_), controls) << file;
        EXPECT_TRUE(TablesInMemory() == tables) << file;
        ResetSettingsStore();
        EXPECT_EQ(testing::StoreDump(), store) << file;
    }
}

// A template as the command line takes it: universe, display and advanced
// values, no galaxy types or composites.
TEST_F(PropsCyclesTest, ATemplateWithoutGalaxySectionsLeavesTheTablesAndTheirListsAsTheyWere) {
    CyclePropsRegToArrays(*dialog_);
    ChangeEveryArea(*dialog_);
    FillUniGalaxyList(*dialog_, false);
    FillCompGalaxyLists(*dialog_, false);
    const Tables tables = TablesInMemory();
    const std::string types = dialog_->Get<ListControl>("lstUniGalaxy").List(3);
    const std::string file = WriteFile("values.owv",
                                       "\r\n[Advanced]\r\nAdv_TimeDelay=40\r\nAdv_Randomize=1\r\n"
                                       "\r\n[Universe]\r\nUniverse_Stars=900\r\n");
    ASSERT_EQ(CyclePropsTempToArrays(*dialog_, file), TemplateImport::Imported);
    EXPECT_TRUE(TablesInMemory() == tables);
    EXPECT_EQ(dialog_->Get<ListControl>("lstUniGalaxy").List(3), types);
    EXPECT_EQ(Text("txtUni", 0), "900");
    EXPECT_EQ(Setting("Advanced", "Adv_TimeDelay"), "40");
    EXPECT_EQ(Setting("Advanced", "Adv_Randomize") + "/" + Setting("Advanced", "Adv_RandomMag"), "1/5");  // 5: default
    // No display section: the display choices stay as the dialog showed them.
    EXPECT_EQ(Text("txtDXRes", 0), "1000");
    EXPECT_EQ(Item("cboVertOffset"), 12);
}

TEST_F(PropsCyclesTest, ATemplateThatCannotBeWrittenFailsAndLeavesNoFile) {
    CyclePropsRegToArrays(*dialog_);
    WriteFile("plain.owv", "a file, not a folder");
    fs::create_directories(Folder() / "folder.owv");
    const auto listing = [this] {
        std::vector<std::string> names;
        for (const auto& entry : fs::directory_iterator(Folder())) names.push_back(entry.path().filename());
        std::ranges::sort(names);
        return names;
    };
    const std::vector<std::string> before = listing();
    for (const std::string& file : {PathOf("absent/t.owv"), PathOf("plain.owv") + "/t.owv", PathOf("folder.owv")}) {
        EXPECT_FALSE(CyclePropsArraysToTemp(*dialog_, file)) << file;
        EXPECT_EQ(listing(), before) << file;
    }
    EXPECT_TRUE(fs::is_directory(Folder() / "folder.owv"));
    EXPECT_EQ(ReadFile(PathOf("plain.owv")), "a file, not a folder");
    // The failures leave the writer ready for the next save.
    EXPECT_TRUE(CyclePropsArraysToTemp(*dialog_, PathOf("next.owv")));
}

TEST_F(PropsCyclesTest, FactoryResetWritesItsDisplayAndAdvancedValuesAndShowsTheFactoryTables) {
    const std::vector<std::pair<std::string_view, std::string_view>> own{
        {"Adv_ZarvCycle", "7"}, {"Adv_FontName", "Courier"}, {"Adv_ThemeFlags", "3"},
        {"Adv_HueWheel0", "5"}, {"Adv_RandomMag", "9"},      {"Adv_MouseMove", "1"},
    };
    for (const auto& [name, value] : own) SaveSettingValue("Advanced", name, value, kHiveUser);
    SaveSettingValue("DirectX", "CustomRes", "1", kHiveUser);
    SaveSettingValue("DirectX", "DX_WinWidth", "1024", kHiveUser);
    SaveSettingValue("DirectX", "DX_VertOffset", "3", kHiveUser);
    SaveSettingValue("DirectX", "DX_BlendUniBurst", "10", kHiveUser);
    std::vector<int> themes;
    dialog_->BindArray("cboUniTheme", {.click = [&](int) { themes.push_back(Item("cboUniTheme")); }});

    ResetAdvancedPropsToFactory(*dialog_);

    EXPECT_EQ(Setting("Advanced", "Adv_ZarvCycle"), "7");
    EXPECT_EQ(Setting("Advanced", "Adv_HueWheel0"), "5");
    EXPECT_EQ(Setting("Advanced", "Adv_FontName"), "Arial");
    EXPECT_EQ(Setting("Advanced", "Adv_ThemeFlags"), "0");
    EXPECT_EQ(Setting("Advanced", "Adv_CycleStyle"), "1");
    EXPECT_EQ(Setting("Advanced", "Adv_RandomMag"), "5");
    EXPECT_EQ(Setting("Advanced", "Adv_MouseMove"), "0");
    EXPECT_EQ(Setting("DirectX", "CustomRes"), "0");
    EXPECT_EQ(Setting("DirectX", "DX_WinWidth"), "640");
    EXPECT_EQ(Setting("DirectX", "DX_BlendUniBurst"), "100");
    EXPECT_EQ(Setting("DirectX", "DX_VertOffset"), "3");  // only shown: stored on accept
    EXPECT_EQ(Setting("Universe", "Universe_Stars"), "<missing>");
    EXPECT_EQ(Setting(UniGalaxySection(0), "_UniGalName"), "<missing>");

    EXPECT_EQ(Item("cboResolution"), 1);  // 640 * 480
    EXPECT_EQ(Text("txtDXRes", 0), "640");
    EXPECT_EQ(Text("txtDXRes", 1), "480");
    EXPECT_EQ(Item("cboVertOffset"), 9);
    EXPECT_EQ(Item("cboRGB16bbp"), 2);
    EXPECT_EQ(Text("txtBlend", 0), "100");
    EXPECT_EQ(Text("txtBlend", 1), "35");
    EXPECT_EQ(themes, (std::vector<int>{0, 1}));
    EXPECT_EQ(Item("cboUniExtras"), 0);
    const auto& types = dialog_->Get<ListControl>("lstUniGalaxy");
    ASSERT_EQ(types.ListCount(), kGalaxyTypeCount);
    EXPECT_EQ(types.ListIndex(), 0);
    for (int i = 0; i < kGalaxyTypeCount; ++i) {
        EXPECT_EQ(UniGalaxies[i]._UniGalName, UniGalDefaultNames[i]) << i;
        EXPECT_TRUE(types.List(i).starts_with(UniGalDefaultNames[i] + "   ")) << i;
    }
    EXPECT_EQ(dialog_->Get<ListControl>("lstCompGalaxy").ListCount(), kCompGalaxyCount);
    EXPECT_TRUE(dialog_->Get<ListControl>("cboCompMajor").List(0).starts_with(UniGalDefaultNames[0] + "   "));
}

TEST_F(PropsCyclesTest, FirstRunMarksItselfBeforeTheWelcomeThenShowsFactoryValuesWithoutStoringThem) {
    std::vector<std::string> atWelcome;
    Launchers().welcome = [&] {
        atWelcome.push_back(Setting("General", "ResetSettings"));
        atWelcome.push_back(std::to_string(dialog_->Get<ListControl>("lstUniGalaxy").ListCount()));
    };
    RunFirstTimeSetup(*dialog_);
    EXPECT_EQ(atWelcome, (std::vector<std::string>{"1", "0"}));
    EXPECT_EQ(UniGalaxies[0]._UniGalName, UniGalDefaultNames[0]);
    EXPECT_EQ(dialog_->Get<ListControl>("lstUniGalaxy").ListCount(), kGalaxyTypeCount);
    EXPECT_EQ(Setting("General", "AnimationType"), "<missing>");
    EXPECT_EQ(Setting("Universe", "Universe_Stars"), "<missing>");
    EXPECT_EQ(Setting(UniGalaxySection(0), "_UniGalName"), "<missing>");
    EXPECT_EQ(Setting(CompGalaxySection(0), "_CompGalName"), "<missing>");
}

TEST_F(PropsCyclesTest, FirstRunOfAUserWithSettingsShowsThemInsteadOfTheFactoryValues) {
    SaveSettingValue("General", "AnimationType", "0", kHiveUser);
    SaveSettingValue("Universe", "Universe_Stars", "777", kHiveUser);
    SaveSettingValue("Advanced", "Adv_FontName", "Courier", kHiveUser);
    RunFirstTimeSetup(*dialog_);  // no welcome window set: nothing is shown
    EXPECT_EQ(Setting("General", "ResetSettings"), "1");
    EXPECT_EQ(Text("txtUni", 0), "777");
    EXPECT_EQ(Setting("Advanced", "Adv_FontName"), "Courier");
    EXPECT_EQ(dialog_->Get<ListControl>("lstUniGalaxy").ListCount(), 0);
}

}  // namespace
}  // namespace orbweave
