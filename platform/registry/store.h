// The store behind the settings layer: one SQLite file per hive holding keys
// (full backslash-separated paths) and their text values.
//
// Key paths and value names compare without regard to ASCII case; a key's
// parents exist whenever it does. The user's file runs in WAL mode, so a saver
// reads while the dialog writes. Every wait for another process's lock is
// short and bounded, and ends early when a stop is asked for: a write waits
// up to a busy timeout, a read (blocked only by a program that locks readers
// out too) a quarter of a second, and after a wait that gave up the next
// ones give up at once for a second, so a load of thousands of values never
// waits for each. Statements are prepared once per open file.
//
// The user's file is checked when it opens; a file SQLite finds damaged
// (not a database, malformed) is moved aside, renamed with the time, and a
// fresh store takes its place. Nothing is deleted.
#pragma once

#include <chrono>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

namespace orbweave {

// Where each hive's file lives: the user's under $XDG_CONFIG_HOME (default
// ~/.config, the home folder taken from the password file when HOME is not
// set), the machine's under the first entry of $XDG_CONFIG_DIRS (default
// /etc/xdg), both as "orbweave/registry.sqlite". Empty when the location
// cannot be known (no home folder at all).
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

    // Why the last outermost transaction could not take the file or store
    // its writes: another program's lock, a file this user may not write,
    // damage SQLite found, or a disk with no room left; for the user's store,
    // also a file that cannot be made where it belongs.
    enum class Problem { None, ReadOnly, InUse, Damaged, DiskFull, CannotCreate };
    Problem WriteProblem() const;

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
    // The outermost Begin waits up to `wait` for another process's write
    // lock (the busy timeout when not given).
    bool Begin(std::optional<std::chrono::milliseconds> wait = std::nullopt);
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

    // The open file; known only to the store's own code.
    struct Impl;

private:
    explicit RegistryStore(std::unique_ptr<Impl> impl);
    friend RegistryStore* StoreForHive(int hive);
    std::unique_ptr<Impl> impl_;
};

// The process's store of a hive, opened at first use (nullptr when the hive
// has none or it cannot be opened; an open that failed is tried again next
// time, one that found the file locked not before a second has passed). The
// user's store, found damaged, is moved aside and started afresh here, once
// no transaction or snapshot is open on it. ResetSettingsStore closes them.
RegistryStore* StoreForHive(int hive);

// Why the user's store could not be written lately: the open store's last
// transaction, or why it could not be opened.
RegistryStore::Problem UserStoreProblem();

// When the user's store could not be opened because its file cannot be made
// where it belongs (CannotCreate), what stands in the way, in words that name
// the path: "the home folder /nonexistent does not exist". Empty otherwise.
std::string UserStoreCreateFailure();

// How many reads of the user's store another program's lock has kept out
// (each gave nothing, so its reader took the default), counting an open of the
// store that found it locked; never goes down.
std::uint64_t UserStoreHeldReads();

// Where a damaged user's store was moved to since the last call; each move
// is handed out once. The move is also told on standard error when it happens.
std::optional<std::filesystem::path> TakeMovedDamagedStore();

// Asked during every wait for another process's lock: true ends the wait at
// once (the program was asked to stop).
void SetStoreWaitStop(std::function<bool()> stopRequested);


// How long writes wait for another process's write lock (reads wait no
// longer); returns the previous time. For tests, which cannot wait for the
// default.
std::chrono::milliseconds SetStoreBusyTimeout(std::chrono::milliseconds timeout);

// A key path as stored: backslash-separated, without empty parts.
std::string NormaliseKeyPath(std::string_view keyPath);

}  // namespace orbweave
