// The settings layer: the only code that reads and writes settings.
//
// Settings live in hives of keys holding text values, as in a registry. Every
// key path is "SOFTWARE\Velmor\" + product + "\" + section (a section may hold
// backslashes itself, "Universe\Galaxy3\IFS"); key paths and value names
// compare without regard to case. Numbers are stored as their text and
// converted when read; every reader names a default. Nothing here reports an
// error to the user except TestRegistryWrite and the two warnings below:
// writers return false, readers return their default.
#pragma once

#include <chrono>
#include <concepts>
#include <cstdint>
#include <string>
#include <string_view>

#include "core/convert.h"

namespace orbweave {

// Hive numbers: 0 machine-wide defaults (read-only here), 1 the current user.
// Any other hive has no store: reads give their default and writes fail.
inline constexpr int kHiveMachine = 0;
inline constexpr int kHiveUser = 1;

// The product key under which every setting lives.
inline constexpr std::string_view kProductKey = "Zarv_Galaxy";

// The full key path of a section: "SOFTWARE\Velmor\<product>\<section>".
std::string SettingKeyPath(std::string_view product, std::string_view section);

// Writes the value's text, blanks trimmed. True when the key (created with any
// missing parents) and the value were both written.
bool SaveSettingValue(std::string_view section, std::string_view key, std::string_view value, int hive = kHiveUser,
                      std::string_view product = kProductKey);

// Numbers are written in their text form (NumberToText); a value that is not
// finite has none and is not written.
bool SaveSettingValue(std::string_view section, std::string_view key, double value, int hive = kHiveUser,
                      std::string_view product = kProductKey);

template <std::integral T>
requires(!std::same_as<T, bool>) bool SaveSettingValue(std::string_view section, std::string_view key, T value,
                                                       int hive = kHiveUser, std::string_view product = kProductKey) {
    return SaveSettingValue(section, key, std::string_view(NumberToText(value)), hive, product);
}

// The stored text, whole and of any length, or the default when the key or
// value is missing.
std::string GetSettingString(std::string_view section, std::string_view key, std::string_view defaultValue = "",
                             int hive = kHiveUser, std::string_view product = kProductKey);

// Whether the value is stored (with any text, empty included).
bool HasSettingValue(std::string_view section, std::string_view key, int hive = kHiveUser,
                     std::string_view product = kProductKey);

// Typed readers. A stored text that is not numeric gives the default; a
// numeric text out of the type's range gives 0.
// 16-bit: the largest whole number not above the stored value (2.7 -> 2, -0.5 -> -1).
std::int16_t GetSettingInteger(std::string_view section, std::string_view key, std::int16_t defaultValue,
                               int hive = kHiveUser, std::string_view product = kProductKey);
// 32-bit: the nearest whole number, halves to even (2.5 -> 2, 3.5 -> 4).
std::int32_t GetSettingLong(std::string_view section, std::string_view key, std::int32_t defaultValue,
                            int hive = kHiveUser, std::string_view product = kProductKey);
float GetSettingSingle(std::string_view section, std::string_view key, float defaultValue, int hive = kHiveUser,
                       std::string_view product = kProductKey);

// Deletes the sub-key subKey of "SOFTWARE\Velmor\<product>\<section>". A key
// with sub-keys of its own is not deleted. Returns 0 when deleted, or when the
// parent key does not exist; otherwise a non-zero code (kDeleteKeyMissing,
// kDeleteKeyRefused).
inline constexpr std::int32_t kDeleteKeyMissing = 2;
inline constexpr std::int32_t kDeleteKeyRefused = 5;
std::int32_t DeleteSettingKey(std::string_view product, std::string_view section, std::string_view subKey,
                              int hive = kHiveUser);

// Writes "General\TestRegWrite" = 1 for the current user and reads it back.
// When the write fails or the value does not read back as 1, warns that the
// settings cannot be saved (through the message-box service) and returns false.
bool TestRegistryWrite();

// Why the last write to the current user's settings failed: the store may
// not be written (or its file cannot be made at all), another program holds
// it, it was found damaged (and has been set aside for a fresh one), or its
// disk has no room left. All but ReadOnly may pass on a later try.
enum class SettingsWriteFailure { ReadOnly, InUse, Damaged, DiskFull };
SettingsWriteFailure LastSettingsWriteFailure();

// The warning TestRegistryWrite gives, the one that fits the last failed
// write; also for a save that passed the test but could not store its values
// after all.
void ShowSettingsWriteFailure();

// The warning that another program holds the current user's settings.
void ShowSettingsInUse();

// Watches the reads of the current user's settings from its construction on:
// a load that another program's lock kept out of the store (a lock that keeps
// readers out too) read defaults, not the user's settings.
class SettingsReadWatch {
public:
    SettingsReadWatch();
    // Some read since construction gave its default because the store was held.
    bool ReadsKeptOut() const;

private:
    std::uint64_t start_;
};

// When a damaged store of the current user was moved aside and a fresh one
// started since the last call, says where it went (once) and returns true.
bool ShowMovedSettingsNotice();

// Closes every store StoreForHive opened, so the next access finds the files
// afresh from XDG_CONFIG_HOME and XDG_CONFIG_DIRS. For tests and tools that
// change those variables.
void ResetSettingsStore();

// One transaction on a hive's store: every write made while the outermost
// scope is alive is kept only when that scope commits. A scope opened inside
// another joins it; leaving an inner scope without committing it makes the
// whole transaction roll back. Bulk transfers use one scope for thousands of
// values. When another process holds the file's write lock past the busy
// timeout (or past `wait`, when given), the transaction has failed from the
// start: every write inside it is refused without waiting again, and nothing
// is stored.
inline constexpr std::chrono::milliseconds kNoStoreWait{0};

class SettingsTransaction {
public:
    explicit SettingsTransaction(int hive = kHiveUser);
    SettingsTransaction(int hive, std::chrono::milliseconds wait);
    ~SettingsTransaction();
    SettingsTransaction(const SettingsTransaction&) = delete;
    SettingsTransaction& operator=(const SettingsTransaction&) = delete;

    // Ends the scope. For the outermost scope, true when every write since it
    // began is now stored; for an inner one, true unless the transaction has
    // already failed. False too when the hive has no writable store.
    bool Commit();

    // The transaction took the store's write lock when it began, so its
    // writes can be stored.
    bool CanWrite() const;

private:
    int hive_;
    bool open_ = false;
    bool began_ = false;
};

// A consistent view of a hive while it is alive: a bulk load reads every value
// from one saved state, never half of an older save and half of a newer one
// written by another process meanwhile. Opening one on a hive without a store
// does nothing.
class SettingsSnapshot {
public:
    explicit SettingsSnapshot(int hive = kHiveUser);
    ~SettingsSnapshot();
    SettingsSnapshot(const SettingsSnapshot&) = delete;
    SettingsSnapshot& operator=(const SettingsSnapshot&) = delete;

private:
    int hive_;
    bool open_ = false;
};

}  // namespace orbweave
