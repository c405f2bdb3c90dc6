// The user's store held by another program: locks that keep readers out too,
// a write lock during a save, and a stop asked for while a wait goes on.
#include <gtest/gtest.h>
#include <sqlite3.h>

#include <chrono>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "platform/registry/scoped_config.h"
#include "platform/registry/settings.h"
#include "platform/registry/store.h"
#include "platform/system/services.h"

namespace orbweave {
namespace {

namespace fs = std::filesystem;

constexpr std::string_view kSection = "Advanced";
constexpr int kValues = 200;

// Another program's connection to the file, holding what `sql` took until
// it is destroyed.
class OtherProgram {
public:
    OtherProgram(const fs::path& file, const char* sql) {
        sqlite3_open(file.c_str(), &db_);
        holds_ = sqlite3_exec(db_, sql, nullptr, nullptr, nullptr) == SQLITE_OK;
    }
    ~OtherProgram() { sqlite3_close_v2(db_); }
    OtherProgram(const OtherProgram&) = delete;
    OtherProgram& operator=(const OtherProgram&) = delete;
    bool Holds() const { return holds_; }

private:
    sqlite3* db_ = nullptr;
    bool holds_ = false;
};

// Counts the looks a wait takes at the stop request; answers `stop`.
struct StopProbe {
    explicit StopProbe(bool stop) {
        SetStoreWaitStop([this, stop] {
            ++looks;
            return stop;
        });
    }
    ~StopProbe() { SetStoreWaitStop({}); }
    StopProbe(const StopProbe&) = delete;
    StopProbe& operator=(const StopProbe&) = delete;
    int looks = 0;
};

class HeldStoreTest : public ::testing::Test {
protected:
    void SetUp() override {
        SettingsTransaction transaction;
        for (int i = 0; i < kValues; ++i) SaveSettingValue(kSection, "V" + std::to_string(i), i);
        ASSERT_TRUE(transaction.Commit());
        ResetSettingsStore();
    }
    void TearDown() override { ResetSettingsStore(); }

    testing::ScopedConfig config;
};

struct ReaderLock {
    const char* what;
    const char* sql;
};

// Both keep every other connection from reading until they let go.
const ReaderLock kReaderLocks[] = {
    {"a rollback journal during an exclusive transaction",
     "PRAGMA journal_mode=DELETE; BEGIN EXCLUSIVE; UPDATE key_values SET value = 'x';"},
    {"an exclusive locking mode", "PRAGMA locking_mode=EXCLUSIVE; BEGIN EXCLUSIVE; UPDATE key_values SET value = 'x';"},
};

TEST_F(HeldStoreTest, UnderALockThatKeepsReadersOutALoadWaitsOnceAndReadsDefaults) {
    for (const ReaderLock& lock : kReaderLocks) {
        SCOPED_TRACE(lock.what);
        ResetSettingsStore();
        StopProbe probe(false);
        {
            OtherProgram other(UserStorePath(), lock.sql);
            ASSERT_TRUE(other.Holds());
            EXPECT_EQ(GetSettingLong(kSection, "V7", -1), -1);
            const int looksOfFirstWait = probe.looks;
            EXPECT_GT(looksOfFirstWait, 0);
            // Before, each of these waited ten seconds for the lock.
            for (int i = 0; i < kValues; ++i) EXPECT_EQ(GetSettingLong(kSection, "V" + std::to_string(i), -1), -1);
            EXPECT_EQ(probe.looks, looksOfFirstWait);
            EXPECT_FALSE(SaveSettingValue(kSection, "V7", 70));
            EXPECT_EQ(LastSettingsWriteFailure(), SettingsWriteFailure::InUse);
        }
        // Once the other program lets go (and a quiet second has passed, as
        // a new store starts with), the values are there again.
        ResetSettingsStore();
        EXPECT_EQ(GetSettingLong(kSection, "V7", -1), 7);
    }
}

TEST_F(HeldStoreTest, AStopRequestEndsAWaitAtItsFirstLook) {
    ASSERT_EQ(GetSettingLong(kSection, "V1", -1), 1);
    OtherProgram other(UserStorePath(), "BEGIN IMMEDIATE");
    ASSERT_TRUE(other.Holds());
    StopProbe probe(true);
    // The write would wait up to its busy timeout.
    EXPECT_FALSE(SaveSettingValue(kSection, "V1", 10));
    EXPECT_EQ(probe.looks, 1);
}

TEST_F(HeldStoreTest, AWriteLockMakesSavesSayInUseAndWaitOnce) {
    std::vector<std::string> messages;
    const MessageBoxService previous =
        SetMessageBoxService([&](std::string_view text, std::string_view, const MessageStyle& style) {
            messages.emplace_back(text);
            return DefaultAnswer(style);
        });
    const std::chrono::milliseconds previousTimeout = SetStoreBusyTimeout(std::chrono::milliseconds(100));
    ASSERT_EQ(GetSettingLong(kSection, "V1", -1), 1);
    {
        OtherProgram other(UserStorePath(), "BEGIN IMMEDIATE");
        ASSERT_TRUE(other.Holds());
        StopProbe probe(false);
        EXPECT_FALSE(TestRegistryWrite());
        const int looksOfFirstWait = probe.looks;
        // The save that follows the failed test gives up without a second wait.
        SettingsTransaction transaction;
        EXPECT_FALSE(transaction.CanWrite());
        EXPECT_EQ(probe.looks, looksOfFirstWait);
        // Readers go on under a write lock.
        EXPECT_EQ(GetSettingLong(kSection, "V1", -1), 1);
    }
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0],
              "The Property settings are in use by another program.\r\n\r\n"
              "The Property settings cannot be saved right now.\r\n"
              "Please wait a moment, then try again.");
    EXPECT_TRUE(TestRegistryWrite());
    SetMessageBoxService(previous);
    SetStoreBusyTimeout(previousTimeout);
}

TEST_F(HeldStoreTest, AWriteThatMustNotWaitGivesUpAtOnce) {
    OtherProgram other(UserStorePath(), "BEGIN IMMEDIATE");
    ASSERT_TRUE(other.Holds());
    StopProbe probe(false);
    SettingsTransaction transaction(kHiveUser, kNoStoreWait);
    EXPECT_FALSE(transaction.CanWrite());
    EXPECT_EQ(probe.looks, 0);
}

}  // namespace
}  // namespace orbweave
