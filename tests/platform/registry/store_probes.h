// Looking at the user's store from a connection of its own, as another
// process would: its whole content, and its write lock held for a while; and
// a disk of its own for the store, filled and freed at will.
#pragma once

#include <fcntl.h>
#include <sqlite3.h>
#include <sys/mount.h>
#include <unistd.h>

#include <array>
#include <cerrno>
#include <chrono>
#include <cstring>
#include <filesystem>
#include <future>
#include <string>
#include <thread>
#include <utility>

#include "platform/registry/store.h"

namespace orbweave::testing {

// Every key and value of the user's store, in one text, or why it cannot be read.
inline std::string StoreDump() {
    sqlite3* db = nullptr;
    std::string dump;
    if (sqlite3_open_v2(UserStorePath().c_str(), &db, SQLITE_OPEN_READONLY, nullptr) != SQLITE_OK) {
        sqlite3_close(db);
        return "cannot open";
    }
    const auto append = [](void* text, int columns, char** values, char**) {
        for (int i = 0; i < columns; ++i) *static_cast<std::string*>(text) += values[i] ? values[i] : "<null>";
        *static_cast<std::string*>(text) += '\n';
        return 0;
    };
    if (sqlite3_exec(db, "PRAGMA integrity_check", append, &dump, nullptr) != SQLITE_OK || dump != "ok\n" ||
        sqlite3_exec(db,
                     "SELECT k.path, '|', v.name, '=', v.value FROM keys k LEFT JOIN key_values v ON v.key_id = k.id "
                     "ORDER BY k.path, v.name",
                     append, &dump, nullptr) != SQLITE_OK) {
        dump = "integrity check failed: " + dump;
    }
    sqlite3_close(db);
    return dump;
}

// Another process's save holding the user's store: the write lock is held
// from construction until `hold` has passed.
class WriteLockHeld {
public:
    explicit WriteLockHeld(std::chrono::milliseconds hold) {
        std::promise<void> locked;
        std::future<void> ready = locked.get_future();
        holder_ = std::thread([hold, &locked, file = UserStorePath()] {
            sqlite3* db = nullptr;
            sqlite3_open(file.c_str(), &db);
            sqlite3_exec(db, "BEGIN IMMEDIATE", nullptr, nullptr, nullptr);
            locked.set_value();
            std::this_thread::sleep_for(hold);
            sqlite3_exec(db, "COMMIT", nullptr, nullptr, nullptr);
            sqlite3_close(db);
        });
        ready.wait();
    }
    ~WriteLockHeld() { holder_.join(); }
    WriteLockHeld(const WriteLockHeld&) = delete;
    WriteLockHeld& operator=(const WriteLockHeld&) = delete;

private:
    std::thread holder_;
};

// Another program's connection to the user's store, holding what `sql` took
// (the write lock, unless told otherwise) until it is destroyed.
class StoreHeld {
public:
    explicit StoreHeld(const char* sql = "BEGIN IMMEDIATE") {
        sqlite3_open(UserStorePath().c_str(), &db_);
        holds_ = sqlite3_exec(db_, sql, nullptr, nullptr, nullptr) == SQLITE_OK;
    }
    ~StoreHeld() { sqlite3_close_v2(db_); }
    StoreHeld(const StoreHeld&) = delete;
    StoreHeld& operator=(const StoreHeld&) = delete;
    bool Holds() const { return holds_; }

private:
    sqlite3* db_ = nullptr;
    bool holds_ = false;
};

// A small file system of its own (a tmpfs) at `folder`, which a test fills
// to the last byte and frees again, as a user's full disk. Mounting needs
// root; where it is refused, Mounted() is false and Why() says why.
class SmallDisk {
public:
    explicit SmallDisk(std::filesystem::path folder) : folder_(std::move(folder)) {
        std::filesystem::create_directories(folder_);
        mounted_ = ::mount("tmpfs", folder_.c_str(), "tmpfs", 0, "size=2m") == 0;
        if (!mounted_) why_ = std::strerror(errno);
    }
    ~SmallDisk() {
        if (mounted_) ::umount2(folder_.c_str(), MNT_DETACH);
    }
    SmallDisk(const SmallDisk&) = delete;
    SmallDisk& operator=(const SmallDisk&) = delete;

    bool Mounted() const { return mounted_; }
    const std::string& Why() const { return why_; }
    const std::filesystem::path& Folder() const { return folder_; }

    // Takes every free page (what a tmpfs hands out); true when the disk then
    // refused a write for want of room.
    bool Fill() {
        const int fd = ::open(Filler().c_str(), O_WRONLY | O_CREAT | O_APPEND, 0600);
        const std::array<char, 4096> page{};
        while (fd >= 0 && ::write(fd, page.data(), page.size()) > 0) {}
        const bool full = errno == ENOSPC;
        if (fd >= 0) ::close(fd);
        return full;
    }
    void Free() { std::filesystem::remove(Filler()); }

private:
    std::filesystem::path Filler() const { return folder_ / "filler"; }

    std::filesystem::path folder_;
    bool mounted_ = false;
    std::string why_;
};

}  // namespace orbweave::testing
