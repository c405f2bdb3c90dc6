// Values and files the settings layer never writes itself, put straight into
// the SQLite file: the readers end, never crash, and answer by their rules.
#include <gtest/gtest.h>
#include <sqlite3.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <iterator>
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

bool ExecOn(const fs::path& file, const std::string& sql) {
    sqlite3* db = nullptr;
    const bool ok = sqlite3_open(file.c_str(), &db) == SQLITE_OK &&
                    sqlite3_exec(db, sql.c_str(), nullptr, nullptr, nullptr) == SQLITE_OK;
    sqlite3_close(db);
    return ok;
}

struct HostileValue {
    const char* what;
    std::string sql;  // an SQL expression for the stored value, of any type
    std::int16_t asInteger;
    std::int32_t asLong;
    float asSingle;
};

// Each reader's default is 7.
const HostileValue kHostileValues[] = {
    {"text where a number goes", "'seven'", 7, 7, 7.0f},
    {"a hexadecimal number", "'0x10'", 7, 7, 7.0f},
    {"a decimal comma", "'1,5'", 7, 7, 7.0f},
    {"blanks only", "'   '", 7, 7, 7.0f},
    {"not a number", "'NaN'", 7, 7, 7.0f},
    {"infinity as an SQL real", "1e999", 7, 7, 7.0f},
    {"minus infinity as an SQL real", "-1e999", 7, 7, 7.0f},
    {"beyond every type as text", "'1e999'", 0, 0, 0.0f},
    {"beyond 64 bits as text", "'99999999999999999999'", 0, 0, 1e20f},
    {"beyond 64 bits as an SQL number", "99999999999999999999", 0, 0, 1e20f},
    {"the largest SQL integer", "9223372036854775807", 0, 0, 9223372036854775807.0f},
    {"minus zero as text", "'-0'", 0, 0, -0.0f},
    {"minus zero as an SQL real", "-0.0", 0, 0, 0.0f},
    {"an SQL integer", "42", 42, 42, 42.0f},
    {"an SQL real", "2.5", 2, 2, 2.5f},
    {"digits as a blob", "x'3432'", 42, 42, 42.0f},
    {"a NUL byte inside text", "'42' || char(0) || '7'", 7, 7, 7.0f},
    {"a NUL byte at the end", "'42' || char(0)", 7, 7, 7.0f},
    {"a megabyte of NUL bytes", "zeroblob(1000000)", 7, 7, 7.0f},
    {"a megabyte of digits", "replace(hex(zeroblob(500000)), '0', '9')", 0, 0, 0.0f},
    {"a megabyte of letters", "replace(hex(zeroblob(500000)), '0', 'x')", 7, 7, 7.0f},
};

TEST(HostileStoreValues, ReadByEachReadersRules) {
    testing::ScopedConfig config;
    ASSERT_TRUE(SaveSettingValue(kSection, "Value", "placeholder"));
    for (const HostileValue& v : kHostileValues) {
        SCOPED_TRACE(v.what);
        ASSERT_TRUE(ExecOn(UserStorePath(), "UPDATE key_values SET value = " + v.sql + " WHERE name = 'Value'"));
        EXPECT_EQ(GetSettingInteger(kSection, "Value", 7), v.asInteger);
        EXPECT_EQ(GetSettingLong(kSection, "Value", 7), v.asLong);
        EXPECT_EQ(GetSettingSingle(kSection, "Value", 7.0f), v.asSingle);
    }
}

// A store of many values, so that its values span many pages of the file.
constexpr int kFillerValues = 2000;

std::string FillerName(int i) { return "Filler" + std::to_string(i); }

void OverwriteBytes(const fs::path& file, std::uintmax_t offset, std::size_t count) {
    std::fstream out(file, std::ios::in | std::ios::out | std::ios::binary);
    out.seekp(static_cast<std::streamoff>(offset));
    for (std::size_t i = 0; i < count; ++i) out.put(static_cast<char>(0xA5 ^ i));
}

struct Damage {
    const char* what;
    void (*apply)(const fs::path& file);
    bool isDamage;  // SQLite finds the file damaged (an empty file is an empty store)
};

const Damage kDamages[] = {
    {"truncated to half", [](const fs::path& f) { fs::resize_file(f, fs::file_size(f) / 2); }, true},
    {"truncated to its first page", [](const fs::path& f) { fs::resize_file(f, 4096); }, true},
    {"truncated inside its header", [](const fs::path& f) { fs::resize_file(f, 50); }, true},
    {"emptied", [](const fs::path& f) { fs::resize_file(f, 0); }, false},
    {"zeroed",
     [](const fs::path& f) {
         fs::resize_file(f, 0);
         fs::resize_file(f, 65536);
     },
     true},
    {"header overwritten", [](const fs::path& f) { OverwriteBytes(f, 0, 100); }, true},
    {"random bytes", [](const fs::path& f) { OverwriteBytes(f, 0, fs::file_size(f)); }, true},
    {"a middle page overwritten", [](const fs::path& f) { OverwriteBytes(f, fs::file_size(f) / 2, 4096); }, true},
    {"every page's start overwritten",
     [](const fs::path& f) {
         for (std::uintmax_t page = 4096; page < fs::file_size(f); page += 4096) OverwriteBytes(f, page, 16);
     },
     true},
};

std::string Contents(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

// The files beside the user's store whose names say they were set aside.
std::vector<fs::path> SetAside() {
    std::vector<fs::path> found;
    for (const auto& entry : fs::directory_iterator(UserStorePath().parent_path())) {
        const std::string name = entry.path().filename().string();
        if (name.starts_with("registry-damaged-") && name.ends_with(".sqlite")) found.push_back(entry.path());
    }
    return found;
}

TEST(DamagedStoreFile, IsSetAsideWholeAndAFreshStoreTakesItsPlaceSaidOnce) {
    std::vector<std::string> messages;
    const MessageBoxService previous =
        SetMessageBoxService([&](std::string_view text, std::string_view, const MessageStyle& style) {
            messages.emplace_back(text);
            return DefaultAnswer(style);
        });
    for (const Damage& damage : kDamages) {
        SCOPED_TRACE(damage.what);
        testing::ScopedConfig config;
        {
            SettingsTransaction transaction;
            for (int i = 0; i < kFillerValues; ++i) SaveSettingValue(kSection, FillerName(i), std::to_string(i));
            ASSERT_TRUE(transaction.Commit());
        }
        ResetSettingsStore();
        damage.apply(UserStorePath());
        const std::string damagedBytes = Contents(UserStorePath());
        messages.clear();

        EXPECT_EQ(GetSettingLong(kSection, FillerName(1), -1), -1);
        const std::vector<fs::path> aside = SetAside();
        ASSERT_EQ(aside.size(), damage.isDamage ? 1u : 0u);
        if (damage.isDamage) {
            EXPECT_EQ(Contents(aside[0]), damagedBytes);
        }
        // The fresh store takes what the damaged one could not.
        EXPECT_TRUE(SaveSettingValue(kSection, "After", 5));
        EXPECT_EQ(GetSettingInteger(kSection, "After", 0), 5);
        EXPECT_TRUE(TestRegistryWrite());

        EXPECT_EQ(ShowMovedSettingsNotice(), damage.isDamage);
        EXPECT_FALSE(ShowMovedSettingsNotice());
        ASSERT_EQ(messages.size(), damage.isDamage ? 1u : 0u);
        if (damage.isDamage) {
            EXPECT_NE(messages[0].find(aside[0].string()), std::string::npos);
        }
    }
    SetMessageBoxService(previous);
}

TEST(DamagedStoreFile, TheMachinesIsNotOpenedAgainForEachReadUntilItChanges) {
    testing::ScopedConfig config;
    const fs::path file = MachineStorePath();
    {
        auto machine = RegistryStore::Open(file, RegistryStore::Access::ReadWrite);
        ASSERT_TRUE(machine);
        ASSERT_TRUE(machine->WriteValue(NormaliseKeyPath(SettingKeyPath(kProductKey, kSection)), "Adv_FontSize", "20"));
    }
    const fs::path good = config.Root() / "good.sqlite";
    fs::copy_file(file, good);
    OverwriteBytes(file, 0, 100);

    // Opening the file again for each of these reads took about a millisecond
    // apiece; a bulk load makes thousands.
    const auto start = std::chrono::steady_clock::now();
    for (int i = 0; i < 10000; ++i) ASSERT_EQ(GetSettingInteger(kSection, "Adv_FontSize", 12, kHiveMachine), 12);
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(10));

    // The machine's file is only read here: it stays where it is.
    EXPECT_TRUE(fs::exists(file));
    fs::copy_file(good, file, fs::copy_options::overwrite_existing);
    EXPECT_EQ(GetSettingInteger(kSection, "Adv_FontSize", 12, kHiveMachine), 20);
}

}  // namespace
}  // namespace orbweave
