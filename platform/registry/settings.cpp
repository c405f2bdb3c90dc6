#include "platform/registry/settings.h"

#include <optional>
#include <string>

#include "platform/registry/store.h"
#include "platform/system/services.h"

namespace orbweave {
namespace {

constexpr std::string_view kVendorPath = "SOFTWARE\\Velmor\\";
constexpr std::string_view kTestSection = "General";
constexpr std::string_view kTestValue = "TestRegWrite";
constexpr std::string_view kReadOnlyMessage =
    "The Registry is read-only.\r\n\r\n"
    "The Property settings cannot be saved.\r\n"
    "You must change the permissions of your settings file so that programs \r\n"
    "can write to the Registry.  See your System Administrator for assistance.";
constexpr std::string_view kCannotCreateHead =
    "The Property settings file cannot be created.\r\n\r\nThe Property settings cannot be saved: ";
constexpr std::string_view kInUseMessage =
    "The Property settings are in use by another program.\r\n\r\n"
    "The Property settings cannot be saved right now.\r\n"
    "Please wait a moment, then try again.";
constexpr std::string_view kDiskFullMessage =
    "The disk holding the Property settings is full.\r\n\r\n"
    "The Property settings were not saved.\r\n"
    "Please free some space on the disk, then try again.";
constexpr std::string_view kMovedStoreHead = "The Property settings file was damaged.\r\n\r\nIt has been moved to:\r\n";
constexpr std::string_view kMovedStoreTail = "\r\n\r\nNew Property settings have been started with the factory values.";

// The stored text of a value, or nothing when the hive, key or value is missing.
std::optional<std::string> ReadStored(std::string_view section, std::string_view key, int hive,
                                      std::string_view product) {
    RegistryStore* store = StoreForHive(hive);
    if (store == nullptr) return std::nullopt;
    return store->ReadValue(NormaliseKeyPath(SettingKeyPath(product, section)), key);
}

// The typed readers' rule: a missing or non-numeric value gives the default,
// a numeric one that does not convert gives 0.
template <typename T, typename Convert>
T ReadNumber(std::string_view section, std::string_view key, T defaultValue, int hive, std::string_view product,
             Convert convert) {
    const auto text = ReadStored(section, key, hive, product);
    if (!text || !IsNumericText(*text)) return defaultValue;
    return convert(*text).value_or(T{0});
}

}  // namespace

std::string SettingKeyPath(std::string_view product, std::string_view section) {
    std::string path(kVendorPath);
    path += product;
    path += '\\';
    path += section;
    return path;
}

bool SaveSettingValue(std::string_view section, std::string_view key, std::string_view value, int hive,
                      std::string_view product) {
    RegistryStore* store = StoreForHive(hive);
    if (store == nullptr || !store->IsWritable()) return false;
    return store->WriteValue(NormaliseKeyPath(SettingKeyPath(product, section)), key, Trim(value));
}

bool SaveSettingValue(std::string_view section, std::string_view key, double value, int hive,
                      std::string_view product) {
    const std::string text = NumberToText(value);
    if (text.empty()) {
        // A value with no text form is refused; a bulk transfer around it must
        // not commit without it.
        if (RegistryStore* store = StoreForHive(hive)) store->FailTransaction();
        return false;
    }
    return SaveSettingValue(section, key, std::string_view(text), hive, product);
}

std::string GetSettingString(std::string_view section, std::string_view key, std::string_view defaultValue, int hive,
                             std::string_view product) {
    auto text = ReadStored(section, key, hive, product);
    return text ? std::move(*text) : std::string(defaultValue);
}

bool HasSettingValue(std::string_view section, std::string_view key, int hive, std::string_view product) {
    return ReadStored(section, key, hive, product).has_value();
}

std::int16_t GetSettingInteger(std::string_view section, std::string_view key, std::int16_t defaultValue, int hive,
                               std::string_view product) {
    return ReadNumber(section, key, defaultValue, hive, product,
                      [](std::string_view text) { return TextToInt16(text, Rounding::Floor); });
}

std::int32_t GetSettingLong(std::string_view section, std::string_view key, std::int32_t defaultValue, int hive,
                            std::string_view product) {
    return ReadNumber(section, key, defaultValue, hive, product,
                      [](std::string_view text) { return TextToInt32(text, Rounding::HalfEven); });
}

float GetSettingSingle(std::string_view section, std::string_view key, float defaultValue, int hive,
                       std::string_view product) {
    return ReadNumber(section, key, defaultValue, hive, product,
                      [](std::string_view text) { return TextToSingle(text); });
}

std::int32_t DeleteSettingKey(std::string_view product, std::string_view section, std::string_view subKey, int hive) {
    RegistryStore* store = StoreForHive(hive);
    if (store == nullptr) return 0;
    const std::string parent = NormaliseKeyPath(SettingKeyPath(product, section));
    if (!store->KeyExists(parent)) return 0;
    const std::string child = NormaliseKeyPath(parent + '\\' + std::string(subKey));
    // An empty sub-key would name the parent itself.
    if (child == parent) return kDeleteKeyMissing;
    switch (store->DeleteKey(child)) {
    case RegistryStore::DeleteResult::Deleted: return 0;
    case RegistryStore::DeleteResult::Missing: return kDeleteKeyMissing;
    case RegistryStore::DeleteResult::HasSubKeys:
    case RegistryStore::DeleteResult::Failed: return kDeleteKeyRefused;
    }
    return kDeleteKeyRefused;
}

bool TestRegistryWrite() {
    // A "1" left by an earlier run must not hide a store that cannot be
    // written now, so the write itself has to succeed too.
    const bool written = SaveSettingValue(kTestSection, kTestValue, 1, kHiveUser, kProductKey);
    const bool readBack = GetSettingInteger(kTestSection, kTestValue, 0, kHiveUser, kProductKey) == 1;
    if (written && readBack) return true;
    ShowSettingsWriteFailure();
    return false;
}

SettingsWriteFailure LastSettingsWriteFailure() {
    switch (UserStoreProblem()) {
    case RegistryStore::Problem::InUse: return SettingsWriteFailure::InUse;
    case RegistryStore::Problem::Damaged: return SettingsWriteFailure::Damaged;
    case RegistryStore::Problem::DiskFull: return SettingsWriteFailure::DiskFull;
    case RegistryStore::Problem::None:
    case RegistryStore::Problem::ReadOnly:
    case RegistryStore::Problem::CannotCreate: break;
    }
    return SettingsWriteFailure::ReadOnly;
}

void ShowSettingsWriteFailure() {
    const SettingsWriteFailure failure = LastSettingsWriteFailure();
    if (failure == SettingsWriteFailure::InUse) {
        ShowSettingsInUse();
        return;
    }
    if (failure == SettingsWriteFailure::DiskFull) {
        ShowMessage(kDiskFullMessage, kMessageTitle, {MessageIcon::Exclamation, MessageButtons::Ok});
        return;
    }
    // A damaged store is set aside when the store is next asked for.
    if (failure == SettingsWriteFailure::Damaged && StoreForHive(kHiveUser) != nullptr && ShowMovedSettingsNotice()) {
        return;
    }
    // Changing permissions cannot help a file that is not there.
    if (const std::string why = UserStoreCreateFailure(); !why.empty()) {
        ShowMessage(std::string(kCannotCreateHead) + why + ".", kMessageTitle,
                    {MessageIcon::Exclamation, MessageButtons::Ok});
        return;
    }
    ShowMessage(kReadOnlyMessage, kMessageTitle, {MessageIcon::Exclamation, MessageButtons::Ok});
}

void ShowSettingsInUse() { ShowMessage(kInUseMessage, kMessageTitle, {MessageIcon::Exclamation, MessageButtons::Ok}); }

SettingsReadWatch::SettingsReadWatch() : start_(UserStoreHeldReads()) {}

bool SettingsReadWatch::ReadsKeptOut() const { return UserStoreHeldReads() != start_; }

bool ShowMovedSettingsNotice() {
    const auto movedTo = TakeMovedDamagedStore();
    if (!movedTo) return false;
    const std::string text = std::string(kMovedStoreHead) + movedTo->string() + std::string(kMovedStoreTail);
    ShowMessage(text, kMessageTitle, {MessageIcon::Exclamation, MessageButtons::Ok});
    return true;
}

SettingsTransaction::SettingsTransaction(int hive) : hive_(hive) {
    // A transaction that cannot take the file's lock still opens: the writes
    // made inside it then fail at once, and it commits nothing.
    RegistryStore* store = StoreForHive(hive_);
    open_ = store != nullptr;
    if (open_) began_ = store->Begin();
}

SettingsTransaction::SettingsTransaction(int hive, std::chrono::milliseconds wait) : hive_(hive) {
    RegistryStore* store = StoreForHive(hive_);
    open_ = store != nullptr;
    if (open_) began_ = store->Begin(wait);
}

bool SettingsTransaction::CanWrite() const { return open_ && began_; }

SettingsTransaction::~SettingsTransaction() {
    if (!open_) return;
    if (RegistryStore* store = StoreForHive(hive_)) store->End(false);
}

bool SettingsTransaction::Commit() {
    if (!open_) return false;
    open_ = false;
    RegistryStore* store = StoreForHive(hive_);
    return store != nullptr && store->End(true);
}

SettingsSnapshot::SettingsSnapshot(int hive) : hive_(hive) {
    RegistryStore* store = StoreForHive(hive_);
    open_ = store != nullptr && store->BeginSnapshot();
}

SettingsSnapshot::~SettingsSnapshot() {
    if (!open_) return;
    if (RegistryStore* store = StoreForHive(hive_)) store->EndSnapshot();
}

}  // namespace orbweave
