#include "platform/registry/settings.h"

#include <gtest/gtest.h>
#include <sqlite3.h>

#include <filesystem>
#include <fstream>
#include <limits>
#include <string>
#include <vector>

#include "platform/registry/scoped_config.h"
#include "platform/registry/store.h"
#include "platform/registry/store_probes.h"
#include "platform/system/services.h"

namespace orbweave {
namespace {

constexpr std::string_view kSection = "Advanced";

// Stores a text exactly as given, bypassing the writer's trimming.
void StoreRaw(std::string_view name, std::string_view text, std::string_view section = kSection) {
    ASSERT_TRUE(
        StoreForHive(kHiveUser)->WriteValue(NormaliseKeyPath(SettingKeyPath(kProductKey, section)), name, text));
}

struct RecordedMessage {
    std::string text;
    std::string title;
    MessageStyle style;
};

class SettingsTest : public ::testing::Test {
protected:
    void SetUp() override {
        previous_ =
            SetMessageBoxService([this](std::string_view text, std::string_view title, const MessageStyle& style) {
                messages.push_back({std::string(text), std::string(title), style});
                return DefaultAnswer(style);
            });
    }
    void TearDown() override { SetMessageBoxService(previous_); }

    // A user folder that cannot be created: its parent is a file.
    void MakeUserStoreUnavailable() {
        const auto blocker = config.Root() / "blocker";
        std::ofstream(blocker).put('x');
        config.Set("XDG_CONFIG_HOME", blocker / "config");
    }

    testing::ScopedConfig config;
    std::vector<RecordedMessage> messages;

private:
    MessageBoxService previous_;
};

TEST_F(SettingsTest, MissingValuesGiveEachReadersDefault) {
    EXPECT_EQ(GetSettingString(kSection, "LockMessage", "none"), "none");
    EXPECT_EQ(GetSettingInteger(kSection, "Adv_FontSize", 12), 12);
    EXPECT_EQ(GetSettingLong(kSection, "Adv_TimeDelay", 25), 25);
    EXPECT_EQ(GetSettingSingle(kSection, "FocalLength", 1.0f), 1.0f);
    EXPECT_EQ(GetSettingSingle(kSection, "FocalLength", 0.123456789f), 0.123456789f);
}

struct ReadCase {
    const char* stored;
    std::int16_t asInteger;
    std::int32_t asLong;
    float asSingle;
};

// Defaults used below: 7 for every reader.
constexpr ReadCase kReadCases[] = {
    {"42", 42, 42, 42.0f}, {"  42  ", 42, 42, 42.0f}, {"3.9", 3, 4, 3.9f},           {"2.5", 2, 2, 2.5f},
    {"3.5", 3, 4, 3.5f},   {"-0.5", -1, 0, -0.5f},    {"40000", 0, 40000, 40000.0f}, {"1e10", 0, 0, 1e10f},
    {"1e39", 0, 0, 0.0f},  {"abc", 7, 7, 7.0f},       {"12abc", 7, 7, 7.0f},         {"", 7, 7, 7.0f},
    {"inf", 7, 7, 7.0f},
};

TEST_F(SettingsTest, TypedReadersConvertByTheirOwnRules) {
    for (const ReadCase& c : kReadCases) {
        StoreRaw("Value", c.stored);
        EXPECT_EQ(GetSettingInteger(kSection, "Value", 7), c.asInteger) << '"' << c.stored << '"';
        EXPECT_EQ(GetSettingLong(kSection, "Value", 7), c.asLong) << '"' << c.stored << '"';
        EXPECT_EQ(GetSettingSingle(kSection, "Value", 7.0f), c.asSingle) << '"' << c.stored << '"';
    }
}

TEST_F(SettingsTest, NumbersAreWrittenAsTheirShortText) {
    EXPECT_TRUE(SaveSettingValue(kSection, "FocalLength", 0.985f));
    EXPECT_TRUE(SaveSettingValue(kSection, "Adv_TimeDelay", 18000));
    EXPECT_TRUE(SaveSettingValue(kSection, "Adv_FontSize", std::int16_t{-12}));
    EXPECT_TRUE(SaveSettingValue(kSection, "Whole", 1.0));
    EXPECT_EQ(GetSettingString(kSection, "FocalLength"), "0.985");
    EXPECT_EQ(GetSettingString(kSection, "Adv_TimeDelay"), "18000");
    EXPECT_EQ(GetSettingString(kSection, "Adv_FontSize"), "-12");
    EXPECT_EQ(GetSettingString(kSection, "Whole"), "1");
    EXPECT_EQ(GetSettingSingle(kSection, "FocalLength", 0.0f), 0.985f);
}

TEST_F(SettingsTest, ANumberThatIsNotFiniteIsNotWritten) {
    EXPECT_FALSE(SaveSettingValue(kSection, "FocalLength", std::numeric_limits<double>::infinity()));
    EXPECT_EQ(GetSettingString(kSection, "FocalLength", "missing"), "missing");
}

TEST_F(SettingsTest, TextIsWrittenTrimmedOfSpaces) {
    EXPECT_TRUE(SaveSettingValue(kSection, "Adv_FontName", "  Arial Black  "));
    EXPECT_EQ(GetSettingString(kSection, "Adv_FontName"), "Arial Black");
}

TEST_F(SettingsTest, LongValuesReadBackWhole) {
    std::string tour;
    for (int i = 0; i < 100; ++i) tour += std::to_string(i % 50) + ",";
    ASSERT_GT(tour.size(), 255u);
    EXPECT_TRUE(SaveSettingValue("Universe", "Universe_TourList", tour));
    EXPECT_EQ(GetSettingString("Universe", "Universe_TourList"), tour);
}

TEST_F(SettingsTest, WritingToANewSectionCreatesItsParents) {
    EXPECT_TRUE(SaveSettingValue("Universe\\Galaxy3\\IFS", "IFS_Count", 2));
    RegistryStore* store = StoreForHive(kHiveUser);
    EXPECT_TRUE(store->KeyExists("SOFTWARE\\Velmor\\Zarv_Galaxy\\Universe\\Galaxy3"));
    EXPECT_TRUE(store->KeyExists("SOFTWARE\\Velmor\\Zarv_Galaxy\\Universe"));
    EXPECT_EQ(GetSettingInteger("universe\\galaxy3\\ifs", "ifs_count", 0), 2);
}

TEST_F(SettingsTest, TheMachineHiveIsReadOnly) {
    {
        auto machine = RegistryStore::Open(MachineStorePath(), RegistryStore::Access::ReadWrite);
        ASSERT_TRUE(machine);
        ASSERT_TRUE(machine->WriteValue(SettingKeyPath(kProductKey, "General"), "AnimationType", "3"));
    }
    EXPECT_EQ(GetSettingInteger("General", "AnimationType", -1, kHiveMachine), 3);
    EXPECT_FALSE(SaveSettingValue("General", "AnimationType", 4, kHiveMachine));
    EXPECT_EQ(GetSettingInteger("General", "AnimationType", -1, kHiveMachine), 3);
    EXPECT_EQ(GetSettingInteger("General", "AnimationType", -1, kHiveUser), -1);
    EXPECT_EQ(DeleteSettingKey(kProductKey, "", "General", kHiveMachine), kDeleteKeyRefused);
}

TEST_F(SettingsTest, AMissingMachineStoreReadsDefaults) {
    EXPECT_EQ(GetSettingString("General", "AnimationType", "d", kHiveMachine), "d");
    EXPECT_FALSE(std::filesystem::exists(MachineStorePath()));
}

TEST_F(SettingsTest, OtherHivesReadDefaultsAndRefuseWrites) {
    for (int hive : {2, 3, -1}) {
        EXPECT_FALSE(SaveSettingValue(kSection, "Adv_FontSize", 10, hive));
        EXPECT_EQ(GetSettingInteger(kSection, "Adv_FontSize", 12, hive), 12);
        EXPECT_EQ(DeleteSettingKey(kProductKey, "Universe", "Galaxy0", hive), 0);
    }
}

TEST_F(SettingsTest, AnUnavailableUserStoreFailsSoftly) {
    MakeUserStoreUnavailable();
    EXPECT_FALSE(SaveSettingValue(kSection, "Adv_FontSize", 10));
    EXPECT_EQ(GetSettingInteger(kSection, "Adv_FontSize", 12), 12);
    EXPECT_EQ(GetSettingString(kSection, "LockMessage", "x"), "x");
    SettingsTransaction transaction;
    EXPECT_FALSE(transaction.Commit());
}

TEST_F(SettingsTest, DeleteSettingKeyRemovesASubKeyWithItsValues) {
    SaveSettingValue("Universe\\CompGal3", "CompGal_Name", "Pair");
    EXPECT_EQ(DeleteSettingKey(kProductKey, "Universe", "CompGal3"), 0);
    EXPECT_EQ(GetSettingString("Universe\\CompGal3", "CompGal_Name", "gone"), "gone");
}

TEST_F(SettingsTest, DeleteSettingKeyRefusesAKeyWithSubKeys) {
    SaveSettingValue("Universe\\Galaxy4\\IFS", "IFS_Count", 2);
    SaveSettingValue("Universe\\Galaxy4", "Galaxy_Name", "Spiral");
    EXPECT_NE(DeleteSettingKey(kProductKey, "Universe", "Galaxy4"), 0);
    EXPECT_EQ(GetSettingString("Universe\\Galaxy4", "Galaxy_Name"), "Spiral");
    EXPECT_EQ(DeleteSettingKey(kProductKey, "Universe\\Galaxy4", "IFS"), 0);
    EXPECT_EQ(DeleteSettingKey(kProductKey, "Universe", "Galaxy4"), 0);
}

TEST_F(SettingsTest, DeleteSettingKeyReportsWhatItCouldNotFind) {
    EXPECT_EQ(DeleteSettingKey(kProductKey, "Universe", "Galaxy9"), 0);  // no parent
    SaveSettingValue("Universe", "Universe_Stars", 100);
    EXPECT_EQ(DeleteSettingKey(kProductKey, "Universe", "Galaxy9"), kDeleteKeyMissing);
    EXPECT_EQ(DeleteSettingKey(kProductKey, "Universe", ""), kDeleteKeyMissing);
    EXPECT_EQ(GetSettingInteger("Universe", "Universe_Stars", 0), 100);
}

TEST_F(SettingsTest, TestRegistryWritePassesSilentlyOnAWritableStore) {
    EXPECT_TRUE(TestRegistryWrite());
    EXPECT_TRUE(messages.empty());
    EXPECT_EQ(GetSettingString("General", "TestRegWrite"), "1");
}

// A settings file that cannot be made where it belongs is not called
// read-only: the warning says what stands in the way, with its path. A home
// folder that is not there is not made for it.
TEST_F(SettingsTest, TestRegistryWriteSaysWhyTheSettingsFileCannotBeCreated) {
    const std::string root = config.Root().string();
    const auto expectWarning = [&](const std::string& why) {
        messages.clear();
        EXPECT_FALSE(TestRegistryWrite());
        ASSERT_EQ(messages.size(), 1u) << why;
        EXPECT_EQ(messages[0].title, "Orbweave");
        EXPECT_EQ(messages[0].style.icon, MessageIcon::Exclamation);
        EXPECT_EQ(messages[0].style.buttons, MessageButtons::Ok);
        EXPECT_EQ(
            messages[0].text,
            "The Property settings file cannot be created.\r\n\r\nThe Property settings cannot be saved: " + why + ".");
    };
    // The store's place under a fresh XDG_CONFIG_HOME, its folder made.
    const auto storeIn = [&](const char* folder) {
        config.Set("XDG_CONFIG_HOME", config.Root() / folder);
        std::filesystem::create_directories(UserStorePath().parent_path());
        return UserStorePath();
    };
    MakeUserStoreUnavailable();
    expectWarning("the folder " + root + "/blocker/config/orbweave cannot be created (Not a directory)");
    config.Unset("XDG_CONFIG_HOME");
    config.Set("HOME", config.Root() / "gone");
    expectWarning("the home folder " + root + "/gone does not exist");
    std::filesystem::create_directory(storeIn("a"));
    expectWarning(root + "/a/orbweave/registry.sqlite is a folder, not a file");
    std::filesystem::create_symlink("/dev/null", storeIn("b"));
    expectWarning(root + "/b/orbweave/registry.sqlite is a device, not a file");
    EXPECT_FALSE(std::filesystem::exists(config.Root() / "gone"));
}

// A store that cannot even be made on a full disk says the disk is full, not
// that it is read-only, and is made once there is room.
TEST_F(SettingsTest, AStoreMadeOnAFullDiskSaysSoAndIsMadeOnceThereIsRoom) {
    testing::SmallDisk disk(config.Root() / "disk");
    if (!disk.Mounted()) GTEST_SKIP() << "a small tmpfs cannot be mounted here: " << disk.Why();
    config.Set("XDG_CONFIG_HOME", disk.Folder());
    ASSERT_TRUE(disk.Fill());
    EXPECT_FALSE(TestRegistryWrite());
    EXPECT_EQ(LastSettingsWriteFailure(), SettingsWriteFailure::DiskFull);
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].text,
              "The disk holding the Property settings is full.\r\n\r\nThe Property settings were not saved.\r\n"
              "Please free some space on the disk, then try again.");
    disk.Free();
    EXPECT_TRUE(TestRegistryWrite());
    EXPECT_EQ(messages.size(), 1u);
    ResetSettingsStore();
}

TEST_F(SettingsTest, TestRegistryWriteIsNotFooledByAStaleValue) {
    ASSERT_TRUE(SaveSettingValue("General", "TestRegWrite", 1));
    // Every later write to the file fails, while reading still works.
    sqlite3* db = nullptr;
    ASSERT_EQ(sqlite3_open(UserStorePath().c_str(), &db), SQLITE_OK);
    ASSERT_EQ(
        sqlite3_exec(db,
                     "CREATE TRIGGER refuse_insert BEFORE INSERT ON key_values BEGIN SELECT RAISE(ABORT, 'ro'); END;"
                     "CREATE TRIGGER refuse_update BEFORE UPDATE ON key_values BEGIN SELECT RAISE(ABORT, 'ro'); END;",
                     nullptr, nullptr, nullptr),
        SQLITE_OK);
    sqlite3_close(db);
    ResetSettingsStore();

    EXPECT_EQ(GetSettingInteger("General", "TestRegWrite", 0), 1);
    EXPECT_FALSE(TestRegistryWrite());
    EXPECT_EQ(messages.size(), 1u);
}

TEST_F(SettingsTest, ATransactionKeepsEveryWriteOnlyWhenCommitted) {
    {
        SettingsTransaction transaction;
        SaveSettingValue(kSection, "Adv_FontSize", 20);
        SaveSettingValue(kSection, "Adv_FontHueV", 90);
        EXPECT_EQ(GetSettingInteger(kSection, "Adv_FontSize", 0), 20);
    }
    EXPECT_EQ(GetSettingInteger(kSection, "Adv_FontSize", 0), 0);
    EXPECT_EQ(GetSettingInteger(kSection, "Adv_FontHueV", 0), 0);

    SettingsTransaction transaction;
    SaveSettingValue(kSection, "Adv_FontSize", 20);
    EXPECT_TRUE(transaction.Commit());
    EXPECT_FALSE(transaction.Commit());
    EXPECT_EQ(GetSettingInteger(kSection, "Adv_FontSize", 0), 20);
}

TEST_F(SettingsTest, NestedTransactionsJoinTheOuterOne) {
    SettingsTransaction outer;
    {
        SettingsTransaction inner;
        SaveSettingValue(kSection, "Adv_FontSize", 20);
        EXPECT_TRUE(inner.Commit());
    }
    {
        SettingsTransaction abandoned;
        SaveSettingValue(kSection, "Adv_FontHueV", 90);
    }
    EXPECT_FALSE(outer.Commit());
    EXPECT_EQ(GetSettingInteger(kSection, "Adv_FontSize", 0), 0);
    EXPECT_EQ(GetSettingInteger(kSection, "Adv_FontHueV", 0), 0);
}

TEST_F(SettingsTest, ARefusedValueMakesTheWholeTransactionRollBack) {
    SettingsTransaction transaction;
    SaveSettingValue(kSection, "Adv_FontSize", 20);
    EXPECT_FALSE(SaveSettingValue(kSection, "FocalLength", std::numeric_limits<double>::infinity()));
    EXPECT_FALSE(transaction.Commit());
    EXPECT_EQ(GetSettingInteger(kSection, "Adv_FontSize", 0), 0);
}

// A second process writing the same file, as the dialog does while a saver reads.
void WriteFromAnotherConnection(const std::filesystem::path& file, std::string_view value) {
    sqlite3* db = nullptr;
    ASSERT_EQ(sqlite3_open(file.c_str(), &db), SQLITE_OK);
    const std::string sql = "UPDATE key_values SET value = '" + std::string(value) + "' WHERE name = 'Adv_FontSize'";
    EXPECT_EQ(sqlite3_exec(db, sql.c_str(), nullptr, nullptr, nullptr), SQLITE_OK);
    sqlite3_close(db);
}

TEST_F(SettingsTest, ASnapshotReadsOneSavedStateWhileAnotherProcessWrites) {
    SaveSettingValue(kSection, "Adv_FontSize", 12);
    const auto file = config.Root() / "config" / "orbweave" / "registry.sqlite";
    {
        SettingsSnapshot snapshot;
        EXPECT_EQ(GetSettingInteger(kSection, "Adv_FontSize", 0), 12);
        WriteFromAnotherConnection(file, "20");
        EXPECT_EQ(GetSettingInteger(kSection, "Adv_FontSize", 0), 12);
        EXPECT_FALSE(SaveSettingValue(kSection, "Adv_FontHueV", 90));
    }
    EXPECT_EQ(GetSettingInteger(kSection, "Adv_FontSize", 0), 20);
    EXPECT_TRUE(SaveSettingValue(kSection, "Adv_FontHueV", 90));
}

TEST_F(SettingsTest, ATransactionOnAHiveWithoutStoreReportsFailure) {
    SettingsTransaction machine(kHiveMachine);
    EXPECT_FALSE(machine.Commit());
}

}  // namespace
}  // namespace orbweave
