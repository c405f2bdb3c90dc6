// The store behind the settings layer: one SQLite file per hive holding keys
// (full backslash-separated paths) and their text values.
//
// Key paths and value names compare without regard to ASCII case; a key's
// parents exist whenever it does. The user's file runs in WAL mode, so a saver
// reads while the dialog writes; a write waits up to a busy timeout for
// another process's write to finish. Statements are prepared once per open
// file.
#pragma once

#include <chrono>
#include <cstdint>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

namespace orbweave {

// Where each hive's file lives: the user's under $XDG_CONFIG_HOME (default
// ~/.config), the machine's under the first entry of $XDG_CONFIG_DIRS
// (default /etc/xdg), both as "orbweave/registry.sqlite". Empty when the
// location cannot be known (no HOME).
std::filesystem::path UserStorePath();
std::filesystem::path MachineStorePath();

class RegistryStore {
public:
    enum class Access {
        ReadOnly,   // an existing file, never written
        ReadWrite,  // created with its folder when missing
    };

    // Opens the file; nullptr when it cannot be opened (a folder that cannot
    // be created, a missing read-only file, a file that is not a store). A
    // file asked for ReadWrite that this user may only read opens read-only.
    // A file found damaged is not opened again until it changes.
    static std::unique_ptr<RegistryStore> Open(const std::filesystem::path& file, Access access);

    ~RegistryStore();
    RegistryStore(const RegistryStore&) = delete;
    RegistryStore& operator=(const RegistryStore&) = delete;

    bool IsWritable() const;

    std::optional<std::string> ReadValue(std::string_view keyPath, std::string_view name);
    bool KeyExists(std::string_view keyPath);

    // Creates the key and its missing parents, then sets the value.
    bool WriteValue(std::string_view keyPath, std::string_view name, std::string_view value);

    enum class DeleteResult { Deleted, Missing, HasSubKeys, Failed };
    // Deletes a key without sub-keys, with its values.
    DeleteResult DeleteKey(std::string_view keyPath);

    // Transactions nest: only the outermost Begin / End pair reaches the file,
    // and every Begin needs its End. End(false), or a failed write inside,
    // makes the outermost End roll back; once failed, a transaction refuses
    // every further write at once. Begin returns false when the transaction
    // has failed, which the outermost one does from the start on a read-only
    // store, inside a snapshot, or when another process holds the file's write
    // lock past the busy timeout.
    bool Begin();
    bool End(bool commit);
    // Makes the open transaction roll back at its outermost End (a value was
    // refused before it reached the file).
    void FailTransaction();

    // Read snapshots nest like transactions: every read between the outermost
    // BeginSnapshot and EndSnapshot sees the file as one commit left it, even
    // while another process writes. Inside a write transaction they do nothing;
    // writes inside a snapshot are refused.
    bool BeginSnapshot();
    void EndSnapshot();

private:
    struct Impl;
    explicit RegistryStore(std::unique_ptr<Impl> impl);
    std::unique_ptr<Impl> impl_;
};

// The process's store of a hive, opened at first use (nullptr when the hive
// has none or it cannot be opened; an open that failed is tried again next
// time). ResetSettingsStore closes them.
RegistryStore* StoreForHive(int hive);

// Closes every store StoreForHive opened.
void CloseStores();

// How long stores opened from now on wait for another process's write lock;
// returns the previous time. For tests, which cannot wait for the default.
std::chrono::milliseconds SetStoreBusyTimeout(std::chrono::milliseconds timeout);

// A key path as stored: backslash-separated, without empty parts.
std::string NormaliseKeyPath(std::string_view keyPath);

}  // namespace orbweave
