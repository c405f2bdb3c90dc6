// The store when the user may not write it, and when another process holds
// its write lock.
#include <gtest/gtest.h>
#include <sqlite3.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <iostream>
#include <string>

#include "platform/registry/scoped_config.h"
#include "platform/registry/settings.h"
#include "platform/registry/store.h"
#include "platform/system/services.h"

namespace orbweave {
namespace {

namespace fs = std::filesystem;

constexpr std::string_view kSection = "Advanced";
// An unprivileged account: root ignores permission bits, so a test run as root
// reads and writes as this user instead.
constexpr uid_t kNobody = 65534;

bool ExecOn(const fs::path& file, const char* sql) {
    sqlite3* db = nullptr;
    const bool ok =
        sqlite3_open(file.c_str(), &db) == SQLITE_OK && sqlite3_exec(db, sql, nullptr, nullptr, nullptr) == SQLITE_OK;
    sqlite3_close(db);
    return ok;
}

// Runs check as a user whom permission bits bind, in a child process; the
// child exits 0 when check passed and prints what failed otherwise.
template <typename Check>
[[noreturn]] void RunAsUnprivilegedUser(Check check) {
    if (::geteuid() == 0 && (::setgid(kNobody) != 0 || ::setuid(kNobody) != 0)) {
        std::cerr << "cannot drop root privileges";
        std::_Exit(2);
    }
    const std::string failure = check();
    std::cerr << failure;
    std::_Exit(failure.empty() ? 0 : 1);
}

// What a user who may only read the hive's store finds: the stored value, a
// write refused and, for the user's own hive, the warning. Empty when so.
std::string ReadButNotWritten(int hive) {
    int warnings = 0;
    SetMessageBoxService([&](std::string_view, std::string_view, const MessageStyle& style) {
        ++warnings;
        return DefaultAnswer(style);
    });
    if (GetSettingInteger(kSection, "Adv_FontSize", 12, hive) != 20) return "the stored value was not read";
    if (SaveSettingValue(kSection, "Adv_FontSize", 30, hive)) return "a write was reported as stored";
    if (hive == kHiveUser && (TestRegistryWrite() || warnings != 1)) return "the write test did not warn";
    if (GetSettingInteger(kSection, "Adv_FontSize", 12, hive) != 20) return "the stored value changed";
    return {};
}

struct ReadOnlyCase {
    const char* what;
    int hive;
    const char* journalMode;
    bool folderWritable;
};

constexpr ReadOnlyCase kReadOnlyCases[] = {
    {"WAL store, folder writable", kHiveUser, "WAL", true},
    // No WAL index can be made beside the file: it is read as last checkpointed.
    {"WAL store, folder read-only", kHiveUser, "WAL", false},
    // Switching such a file to WAL fails; reading it must not.
    {"rollback-journal store", kHiveUser, "DELETE", true},
    {"rollback-journal store, folder read-only", kHiveUser, "DELETE", false},
    {"machine-wide WAL store, folder read-only", kHiveMachine, "WAL", false},
};

TEST(ReadOnlyStore, IsReadButRefusesWritesAndSaysSo) {
    for (const ReadOnlyCase& c : kReadOnlyCases) {
        SCOPED_TRACE(c.what);
        testing::ScopedConfig config;
        const fs::path file = c.hive == kHiveUser ? UserStorePath() : MachineStorePath();
        {
            auto store = RegistryStore::Open(file, RegistryStore::Access::ReadWrite);
            ASSERT_TRUE(store);
            ASSERT_TRUE(store->WriteValue(SettingKeyPath(kProductKey, kSection), "Adv_FontSize", "20"));
        }
        ASSERT_TRUE(ExecOn(file, (std::string("PRAGMA journal_mode=") + c.journalMode).c_str()));
        const fs::path folder = file.parent_path();
        for (fs::path p = folder.parent_path(); p != config.Root().parent_path(); p = p.parent_path()) {
            fs::permissions(p, fs::perms::others_exec, fs::perm_options::add);
        }
        fs::permissions(file, fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
        fs::permissions(folder, c.folderWritable ? fs::perms::all
                                                 : fs::perms::owner_read | fs::perms::owner_exec |
                                                       fs::perms::others_read | fs::perms::others_exec);
        ResetSettingsStore();

        EXPECT_EXIT(RunAsUnprivilegedUser([&] { return ReadButNotWritten(c.hive); }), ::testing::ExitedWithCode(0), "");
        fs::permissions(folder, fs::perms::all);
    }
}

// A user's store made read-only for a while and writable again: the run on
// the read-only store leaves WAL files as read-only as the store was then;
// the next run may write all the same. Empty when so.
std::string WritableAgainAfterAReadOnlyRun() {
    const fs::path file = UserStorePath();
    const auto companion = [&](const char* suffix) { return fs::path(file.string() + suffix); };
    if (!SaveSettingValue(kSection, "Adv_FontSize", 20)) return "the store could not be made";
    ResetSettingsStore();
    // As a store copied in without its WAL files and then made read-only.
    for (const char* suffix : {"-wal", "-shm"}) fs::remove(companion(suffix));
    fs::permissions(file, fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
    if (GetSettingInteger(kSection, "Adv_FontSize", 12) != 20) return "the read-only store was not read";
    ResetSettingsStore();
    if ((fs::status(companion("-shm")).permissions() & fs::perms::owner_write) != fs::perms::none) {
        return "the read-only run left no read-only WAL index";
    }
    fs::permissions(file, fs::perms::owner_write, fs::perm_options::add);
    if (!SaveSettingValue(kSection, "Adv_FontSize", 30)) return "a save to the store made writable again failed";
    ResetSettingsStore();
    if (GetSettingInteger(kSection, "Adv_FontSize", 12) != 30) return "the saved value did not read back";
    return {};
}

TEST(ReadOnlyStore, MadeWritableAgainByItsOwnerItIsWritableOnTheNextRun) {
    testing::ScopedConfig config;
    if (::geteuid() == 0) {
        ASSERT_EQ(::chown(config.Root().c_str(), kNobody, kNobody), 0);
        for (const auto& entry : fs::recursive_directory_iterator(config.Root()))
            ASSERT_EQ(::chown(entry.path().c_str(), kNobody, kNobody), 0);
    }
    EXPECT_EXIT(RunAsUnprivilegedUser(WritableAgainAfterAReadOnlyRun), ::testing::ExitedWithCode(0), "");
}

// A second connection holding the write lock, as another process's bulk save would.
class HeldLock {
public:
    explicit HeldLock(const fs::path& file) {
        sqlite3_open(file.c_str(), &db_);
        held_ = sqlite3_exec(db_, "BEGIN IMMEDIATE", nullptr, nullptr, nullptr) == SQLITE_OK;
    }
    ~HeldLock() { sqlite3_close_v2(db_); }
    HeldLock(const HeldLock&) = delete;
    HeldLock& operator=(const HeldLock&) = delete;

    bool Held() const { return held_; }
    void Release() {
        if (sqlite3_exec(db_, "COMMIT", nullptr, nullptr, nullptr) == SQLITE_OK) held_ = false;
    }

private:
    sqlite3* db_ = nullptr;
    bool held_ = false;
};

class LockedStoreTest : public ::testing::Test {
protected:
    ~LockedStoreTest() override { SetStoreBusyTimeout(previousTimeout_); }

    // Opened after the timeout is shortened, so the stores wait briefly.
    std::chrono::milliseconds previousTimeout_ = SetStoreBusyTimeout(std::chrono::milliseconds(20));
    testing::ScopedConfig config;
};

TEST_F(LockedStoreTest, ATransactionThatCannotTakeTheLockStoresNothingEvenOnceTheLockIsFree) {
    ASSERT_TRUE(SaveSettingValue(kSection, "Adv_FontSize", 12));
    HeldLock other(UserStorePath());
    ASSERT_TRUE(other.Held());
    {
        SettingsTransaction transaction;
        EXPECT_FALSE(SaveSettingValue(kSection, "Adv_FontSize", 20));
        other.Release();
        // Written one by one these would now succeed and leave half a save.
        EXPECT_FALSE(SaveSettingValue(kSection, "Adv_FontHueV", 90));
        EXPECT_EQ(DeleteSettingKey(kProductKey, "", kSection), kDeleteKeyRefused);
        {
            SettingsTransaction inner;
            EXPECT_FALSE(SaveSettingValue(kSection, "Adv_FontTOff", 7));
            EXPECT_FALSE(inner.Commit());
        }
        EXPECT_FALSE(transaction.Commit());
    }
    EXPECT_EQ(GetSettingInteger(kSection, "Adv_FontSize", 0), 12);
    EXPECT_EQ(GetSettingInteger(kSection, "Adv_FontHueV", 0), 0);
    EXPECT_EQ(GetSettingInteger(kSection, "Adv_FontTOff", 0), 0);

    SettingsTransaction next;
    EXPECT_TRUE(SaveSettingValue(kSection, "Adv_FontHueV", 90));
    EXPECT_TRUE(next.Commit());
    EXPECT_EQ(GetSettingInteger(kSection, "Adv_FontHueV", 0), 90);
}

TEST_F(LockedStoreTest, ReadsGoOnWhileTheLockIsHeld) {
    ASSERT_TRUE(SaveSettingValue(kSection, "Adv_FontSize", 12));
    HeldLock other(UserStorePath());
    ASSERT_TRUE(other.Held());
    EXPECT_FALSE(SaveSettingValue(kSection, "Adv_FontSize", 20));
    SettingsSnapshot snapshot;
    EXPECT_EQ(GetSettingInteger(kSection, "Adv_FontSize", 0), 12);
}

}  // namespace
}  // namespace orbweave
