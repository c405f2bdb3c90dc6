// The user's store held by another program: locks that keep readers out too,
// and a stop asked for while a wait goes on.
#include <gtest/gtest.h>

#include <string>

#include "platform/registry/scoped_config.h"
#include "platform/registry/settings.h"
#include "platform/registry/store.h"
#include "platform/registry/store_probes.h"

namespace orbweave {
namespace {

constexpr std::string_view kSection = "Advanced";
constexpr int kValues = 200;

// A store of many values; every wait's looks at the stop request counted
// and answered with `stop`.
class HeldStoreTest : public ::testing::Test {
protected:
    void SetUp() override {
        SettingsTransaction transaction;
        for (int i = 0; i < kValues; ++i) SaveSettingValue(kSection, "V" + std::to_string(i), i);
        ASSERT_TRUE(transaction.Commit());
        ResetSettingsStore();
        SetStoreWaitStop([this] {
            ++looks;
            return stop;
        });
    }
    void TearDown() override { SetStoreWaitStop({}); }

    testing::ScopedConfig config;
    int looks = 0;
    bool stop = false;
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
        looks = 0;
        {
            testing::StoreHeld other(lock.sql);
            ASSERT_TRUE(other.Holds());
            const SettingsReadWatch watch;
            EXPECT_EQ(GetSettingLong(kSection, "V7", -1), -1);
            EXPECT_TRUE(watch.ReadsKeptOut());
            const int looksOfFirstWait = looks;
            EXPECT_GT(looksOfFirstWait, 0);
            // A load makes many reads: none of them waits again.
            for (int i = 0; i < kValues; ++i) EXPECT_EQ(GetSettingLong(kSection, "V" + std::to_string(i), -1), -1);
            EXPECT_EQ(looks, looksOfFirstWait);
            EXPECT_FALSE(SaveSettingValue(kSection, "V7", 70));
            EXPECT_EQ(LastSettingsWriteFailure(), SettingsWriteFailure::InUse);
        }
        // Once the other program lets go, a store opened afresh reads them.
        ResetSettingsStore();
        const SettingsReadWatch afterwards;
        EXPECT_EQ(GetSettingLong(kSection, "V7", -1), 7);
        EXPECT_FALSE(afterwards.ReadsKeptOut());
    }
}

TEST_F(HeldStoreTest, AWriterKeepsNoReaderOutAndAStopRequestEndsItsWaitAtTheFirstLook) {
    ASSERT_EQ(GetSettingLong(kSection, "V1", -1), 1);
    testing::StoreHeld other;
    ASSERT_TRUE(other.Holds());
    // A writer of the WAL store keeps no reader out.
    const SettingsReadWatch watch;
    EXPECT_EQ(GetSettingLong(kSection, "V2", -1), 2);
    EXPECT_FALSE(watch.ReadsKeptOut());
    stop = true;
    // The write would wait up to its busy timeout.
    EXPECT_FALSE(SaveSettingValue(kSection, "V1", 10));
    EXPECT_EQ(looks, 1);
}

}  // namespace
}  // namespace orbweave
