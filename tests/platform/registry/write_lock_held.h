// Another process's save holding the user's store: the write lock is held
// from construction until `hold` has passed.
#pragma once

#include <sqlite3.h>

#include <chrono>
#include <future>
#include <thread>

#include "platform/registry/store.h"

namespace orbweave::testing {

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

}  // namespace orbweave::testing
