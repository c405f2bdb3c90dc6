#include "platform/registry/store.h"

#include <fcntl.h>
#include <pwd.h>
#include <sqlite3.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <cctype>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <map>
#include <string>
#include <system_error>
#include <thread>
#include <utility>
#include <vector>

#include "core/product.h"
#include "platform/registry/settings.h"

namespace orbweave {
namespace {

constexpr std::string_view kStoreFolder = "orbweave";
constexpr std::string_view kStoreFile = "registry.sqlite";
constexpr std::string_view kDefaultConfigDirs = "/etc/xdg";
// The files SQLite keeps beside a WAL store.
constexpr std::array<std::string_view, 2> kCompanionSuffixes = {"-wal", "-shm"};
constexpr char kKeySeparator = '\\';
// The character after the separator: every sub-key path of "P" sorts between
// "P\" and "P]".
constexpr char kAfterSeparator = ']';
using Clock = std::chrono::steady_clock;

// Long enough for another process's bulk write to finish before a write of
// ours gives up, even on a loaded machine; short enough that a refused save
// is soon said. A refused save loses nothing: the dialog stays open with its
// edits for another try.
constexpr std::chrono::milliseconds kDefaultBusyTimeout{2000};
// Readers wait only for a program that locks them out (a rollback journal
// while it writes, an exclusive locking mode): the saver must draw its first
// frame within a second whatever the store does.
constexpr std::chrono::milliseconds kReadBusyTimeout{250};
// After a wait gave up, waits give up at once for this long: the lock is
// most likely still there, and a load makes thousands of reads.
constexpr std::chrono::milliseconds kBusyQuietTime{1000};
// How often a wait looks at the lock and at a stop request.
constexpr std::chrono::milliseconds kBusyPoll{10};

std::chrono::milliseconds& BusyTimeout() {
    static std::chrono::milliseconds timeout = kDefaultBusyTimeout;
    return timeout;
}

std::chrono::milliseconds ReadBusyTimeout() { return std::min(kReadBusyTimeout, BusyTimeout()); }

std::function<bool()>& WaitStop() {
    static std::function<bool()> stop;
    return stop;
}

bool StopAsked() { return WaitStop() && WaitStop()(); }

// Reads of the user's store that another program's lock refused, counted over
// the process's life so that a caller can compare two counts.
std::uint64_t heldUserReads = 0;

constexpr const char* kSchema =
    "CREATE TABLE IF NOT EXISTS keys("
    "  id INTEGER PRIMARY KEY,"
    "  path TEXT NOT NULL UNIQUE COLLATE NOCASE);"
    "CREATE TABLE IF NOT EXISTS key_values("
    "  key_id INTEGER NOT NULL,"
    "  name TEXT NOT NULL COLLATE NOCASE,"
    "  value TEXT NOT NULL,"
    "  PRIMARY KEY(key_id, name)) WITHOUT ROWID;";

enum Statement {
    kFindKey,
    kInsertKey,
    kReadValue,
    kWriteValue,
    kFindSubKey,
    kDeleteValues,
    kDeleteKey,
    kBegin,
    kBeginRead,
    kCommit,
    kRollback,
    kStatementCount,
};

constexpr std::array<const char*, kStatementCount> kStatementText = {
    "SELECT id FROM keys WHERE path = ?1",
    "INSERT OR IGNORE INTO keys(path) VALUES(?1)",
    "SELECT v.value FROM key_values v JOIN keys k ON k.id = v.key_id WHERE k.path = ?1 AND v.name = ?2",
    "INSERT INTO key_values(key_id, name, value) VALUES(?1, ?2, ?3) "
    "ON CONFLICT(key_id, name) DO UPDATE SET value = excluded.value",
    "SELECT 1 FROM keys WHERE path > ?1 AND path < ?2 LIMIT 1",
    "DELETE FROM key_values WHERE key_id = ?1",
    "DELETE FROM keys WHERE id = ?1",
    // Immediate: the write lock is taken (waiting up to the busy timeout) at
    // the start, so a transaction never fails half-way on a busy file.
    "BEGIN IMMEDIATE",
    // Deferred: a read-only transaction that sees one snapshot of the file.
    "BEGIN DEFERRED",
    "COMMIT",
    "ROLLBACK",
};

// Environment path that the XDG rules accept: set, non-empty and absolute.
std::filesystem::path AbsoluteFromEnvironment(const char* name) {
    const char* value = std::getenv(name);
    if (value == nullptr || *value == '\0') return {};
    std::filesystem::path path(value);
    return path.is_absolute() ? path : std::filesystem::path{};
}

// The home folder the password file gives the user, for a session that set
// no HOME; empty when it names none or not an absolute one.
std::filesystem::path HomeFromPasswordFile() {
    std::array<char, 4096> buffer{};
    passwd entry{};
    passwd* found = nullptr;
    if (::getpwuid_r(::geteuid(), &entry, buffer.data(), buffer.size(), &found) != 0 || found == nullptr ||
        found->pw_dir == nullptr) {
        return {};
    }
    std::filesystem::path home(found->pw_dir);
    return home.is_absolute() ? home : std::filesystem::path{};
}

// Where the user's store belongs, and the home folder it goes under when no
// XDG_CONFIG_HOME names its place (empty otherwise). The file is empty when
// no home folder is known at all.
struct UserStorePlace {
    std::filesystem::path file;
    std::filesystem::path home;
};

UserStorePlace FindUserStorePlace() {
    UserStorePlace place;
    std::filesystem::path base = AbsoluteFromEnvironment("XDG_CONFIG_HOME");
    if (base.empty()) {
        place.home = AbsoluteFromEnvironment("HOME");
        if (place.home.empty()) place.home = HomeFromPasswordFile();
        if (place.home.empty()) return {};
        base = place.home / ".config";
    }
    place.file = base / kStoreFolder / kStoreFile;
    return place;
}

// A home folder that is not there is not made for the store: it belongs to
// the system's accounts (the password file gives "/nonexistent" to users who
// have none).
bool HomeIsThere(const UserStorePlace& place) {
    std::error_code error;
    return place.home.empty() || std::filesystem::is_directory(place.home, error);
}

// Something other than a regular file under the store's name: SQLite would
// fail on a folder, and take a device such as /dev/null for an empty store
// that keeps no write.
bool IsThereButNotAFile(const std::filesystem::path& file) {
    std::error_code error;
    const std::filesystem::file_status status = std::filesystem::status(file, error);
    return std::filesystem::exists(status) && !std::filesystem::is_regular_file(status);
}

// SQLite refuses to write: the file or its folder may not be written by this
// user, or the folder cannot take the WAL index a WAL file needs.
bool MeansReadOnly(int code) { return (code & 0xff) == SQLITE_READONLY; }

// The file system holding the store has no room left (or the user's quota is
// used up). SQLite says SQLITE_FULL for a write that found no space, but an
// I/O error for a quota or for the WAL index it could not extend; the
// system's error number tells those apart from other I/O errors.
int WithDiskFullNamed(sqlite3* db, int code) {
    if ((code & 0xff) != SQLITE_IOERR || db == nullptr) return code;
    const int error = sqlite3_system_errno(db);
    return error == ENOSPC || error == EDQUOT ? SQLITE_FULL : code;
}

bool MeansDiskFull(int code) { return (code & 0xff) == SQLITE_FULL; }

// The file is not an SQLite database, or a damaged one.
bool MeansDamaged(int code) {
    code &= 0xff;
    return code == SQLITE_CORRUPT || code == SQLITE_NOTADB;
}

// Another connection holds a lock that this one waited for in vain.
bool MeansBusy(int code) {
    code &= 0xff;
    return code == SQLITE_BUSY || code == SQLITE_LOCKED;
}

// Which file a path named when it was opened: a file moved aside and
// replaced by a fresh one is another file under the same name.
struct FileIdentity {
    dev_t device = 0;
    ino_t inode = 0;
    bool operator==(const FileIdentity&) const = default;
};

std::optional<FileIdentity> IdentityOf(const std::filesystem::path& file) {
    struct stat status {};
    if (::stat(file.c_str(), &status) != 0) return std::nullopt;
    return FileIdentity{status.st_dev, status.st_ino};
}

// A file as it was when last seen: a file changed since then may be opened
// again.
struct FileStamp {
    std::filesystem::path file;
    std::filesystem::file_time_type written;
    std::uintmax_t size = 0;
    bool operator==(const FileStamp&) const = default;
};

std::optional<FileStamp> StampOf(const std::filesystem::path& file) {
    std::error_code error;
    FileStamp stamp{file, std::filesystem::last_write_time(file, error), 0};
    if (!error) stamp.size = std::filesystem::file_size(file, error);
    if (error) return std::nullopt;
    return stamp;
}

// Files that failed to open as damaged, as they were then. A damaged file is
// not opened again until it changes: a bulk load reads thousands of values,
// and each read would try it again and fail again.
std::vector<FileStamp>& DamagedFiles() {
    static std::vector<FileStamp> files;
    return files;
}

bool IsKnownDamaged(const FileStamp& stamp) {
    const auto& files = DamagedFiles();
    return std::find(files.begin(), files.end(), stamp) != files.end();
}

void RememberDamaged(const FileStamp& stamp) {
    auto& files = DamagedFiles();
    std::erase_if(files, [&](const FileStamp& known) { return known.file == stamp.file; });
    files.push_back(stamp);
}

// A URI naming the file as immutable: SQLite then reads it without locks and
// without the WAL index, which a folder we cannot write cannot hold.
std::string ImmutableUri(const std::filesystem::path& file) {
    constexpr std::string_view kPlain = "/-._~";
    constexpr std::string_view kHex = "0123456789ABCDEF";
    std::string uri = "file:";
    for (const char c : file.string()) {
        const auto byte = static_cast<unsigned char>(c);
        if (std::isalnum(byte) != 0 || kPlain.find(c) != std::string_view::npos) {
            uri += c;
        } else {
            uri += '%';
            uri += kHex[byte >> 4];
            uri += kHex[byte & 0xf];
        }
    }
    return uri + "?immutable=1";
}

// What the steps on one connection found about its file.
struct StepFindings {
    // SQLite found the file damaged.
    bool damaged = false;
    // A write found no room on the disk since the outermost transaction began.
    bool diskFull = false;
};

// Binds text parameters, steps once and resets when it goes out of scope, so
// a prepared statement is always ready for the next use. A step that finds
// the file damaged, or the disk full, notes it.
class Use {
public:
    Use(sqlite3_stmt* statement, StepFindings& findings) : statement_(statement), findings_(findings) {}
    ~Use() {
        sqlite3_reset(statement_);
        sqlite3_clear_bindings(statement_);
    }
    Use(const Use&) = delete;
    Use& operator=(const Use&) = delete;

    Use& Bind(int index, std::string_view text) {
        sqlite3_bind_text(statement_, index, text.data(), static_cast<int>(text.size()), SQLITE_TRANSIENT);
        return *this;
    }
    Use& Bind(int index, std::int64_t number) {
        sqlite3_bind_int64(statement_, index, number);
        return *this;
    }
    int Step() {
        const int code = WithDiskFullNamed(sqlite3_db_handle(statement_), sqlite3_step(statement_));
        if (MeansDamaged(code)) findings_.damaged = true;
        if (MeansDiskFull(code)) findings_.diskFull = true;
        return code;
    }
    std::int64_t ColumnInteger() const { return sqlite3_column_int64(statement_, 0); }
    std::string ColumnText() const {
        const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(statement_, 0));
        return std::string(text == nullptr ? "" : text, static_cast<std::size_t>(sqlite3_column_bytes(statement_, 0)));
    }

private:
    sqlite3_stmt* statement_;
    StepFindings& findings_;
};

// Every prefix of a normalised key path that is a key itself, shortest first.
std::vector<std::string_view> KeyAndParents(std::string_view path) {
    std::vector<std::string_view> keys;
    for (std::size_t i = path.find(kKeySeparator); i != std::string_view::npos; i = path.find(kKeySeparator, i + 1)) {
        keys.push_back(path.substr(0, i));
    }
    keys.push_back(path);
    return keys;
}

}  // namespace

struct RegistryStore::Impl {
    sqlite3* db = nullptr;
    bool writable = false;
    std::array<sqlite3_stmt*, kStatementCount> statements{};
    int depth = 0;
    int snapshotDepth = 0;
    // The open transaction will roll back; writes inside it are refused.
    bool failed = false;
    // The outermost transaction level holds the file's write lock.
    bool locked = false;
    StepFindings found;
    Problem writeProblem = Problem::None;
    std::optional<FileIdentity> identity;
    // The wait in progress: how long it may last and when it began; and when
    // the last one gave up.
    std::chrono::milliseconds waitLimit = ReadBusyTimeout();
    Clock::time_point waitStart;
    std::optional<Clock::time_point> gaveUpAt;
    // The user's store: reads refused for a lock are counted.
    bool user = false;

    ~Impl() {
        for (sqlite3_stmt* statement : statements) sqlite3_finalize(statement);
        // Closing with a transaction still open rolls it back.
        sqlite3_close_v2(db);
    }

    Use operator[](Statement statement) { return Use(statements[statement], found); }

    // A read's step; a read another program's lock kept out is counted.
    int StepRead(Use& use) {
        const int code = use.Step();
        if (user && MeansBusy(code)) ++heldUserReads;
        return code;
    }

    // SQLite's busy handler: true to try the lock again.
    static int WaitWhileBusy(void* self, int attempt) { return static_cast<Impl*>(self)->KeepWaiting(attempt) ? 1 : 0; }

    bool KeepWaiting(int attempt) {
        const Clock::time_point now = Clock::now();
        if (attempt == 0) {
            waitStart = now;
            if (gaveUpAt && now - *gaveUpAt < kBusyQuietTime) return false;
        }
        const auto waited = std::chrono::duration_cast<std::chrono::milliseconds>(now - waitStart);
        if (waited >= waitLimit || StopAsked()) {
            gaveUpAt = now;
            return false;
        }
        std::this_thread::sleep_for(std::min(kBusyPoll, waitLimit - waited));
        return true;
    }

    // Opens the connection and prepares every statement; the SQLite result
    // code of the first step that failed, or SQLITE_OK.
    int Connect(const std::string& name, int flags, const char* setUp) {
        int code = sqlite3_open_v2(name.c_str(), &db, flags, nullptr);
        if (code != SQLITE_OK) return code;
        sqlite3_busy_handler(db, WaitWhileBusy, this);
        // A closing connection never deletes the WAL file by its name: the
        // name may by then belong to a fresh store that replaced a damaged one.
        int persist = 1;
        sqlite3_file_control(db, "main", SQLITE_FCNTL_PERSIST_WAL, &persist);
        if (setUp != nullptr && (code = sqlite3_exec(db, setUp, nullptr, nullptr, nullptr)) != SQLITE_OK) {
            return WithDiskFullNamed(db, code);
        }
        return Prepare();
    }

    int Prepare() {
        for (int i = 0; i < kStatementCount; ++i) {
            const int code =
                sqlite3_prepare_v3(db, kStatementText[i], -1, SQLITE_PREPARE_PERSISTENT, &statements[i], nullptr);
            if (code != SQLITE_OK) return code;
        }
        return SQLITE_OK;
    }

    // SQLITE_OK when SQLite's quick check finds every page of the file sound.
    int Check() {
        sqlite3_stmt* check = nullptr;
        int code = sqlite3_prepare_v2(db, "PRAGMA quick_check(1)", -1, &check, nullptr);
        if (code == SQLITE_OK) {
            code = sqlite3_step(check);
            const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(check, 0));
            if (code == SQLITE_ROW)
                code = std::string_view(text == nullptr ? "" : text) == "ok" ? SQLITE_OK : SQLITE_CORRUPT;
        }
        sqlite3_finalize(check);
        return code;
    }

    // The file for reading and writing, created when missing and checked;
    // code tells why it failed (SQLITE_READONLY for a file SQLite may not
    // write, SQLITE_BUSY for one another program keeps locked).
    static std::unique_ptr<Impl> OpenWritable(const std::filesystem::path& file, int& code) {
        // WAL lets readers go on while a writer works; NORMAL synchronisation
        // keeps every commit atomic across a crash. The WAL file, which a
        // closing connection leaves in place, is emptied instead.
        static const std::string setUp =
            std::string("PRAGMA journal_mode=WAL; PRAGMA synchronous=NORMAL; PRAGMA journal_size_limit=0;") + kSchema;
        auto impl = std::make_unique<Impl>();
        code = impl->Connect(file.string(), SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, setUp.c_str());
        // SQLite quietly opens a file it may not write read-only.
        if (code == SQLITE_OK && sqlite3_db_readonly(impl->db, "main") == 1) code = SQLITE_READONLY;
        if (code == SQLITE_OK) code = impl->Check();
        if (code != SQLITE_OK) return nullptr;
        impl->writable = true;
        impl->identity = IdentityOf(file);
        return impl;
    }

    // An existing file for reading only; code tells why it failed. A WAL file
    // whose folder cannot take its index is read as immutable, as its last
    // checkpoint left it.
    static std::unique_ptr<Impl> OpenReadOnly(const std::filesystem::path& file, int& code) {
        std::error_code error;
        code = SQLITE_CANTOPEN;
        if (!std::filesystem::is_regular_file(file, error)) return nullptr;
        auto impl = std::make_unique<Impl>();
        code = impl->Connect(file.string(), SQLITE_OPEN_READONLY, nullptr);
        if (code == SQLITE_OK) return impl;
        if (!MeansReadOnly(code)) return nullptr;
        impl = std::make_unique<Impl>();
        code = impl->Connect(ImmutableUri(file), SQLITE_OPEN_READONLY | SQLITE_OPEN_URI, nullptr);
        return code == SQLITE_OK ? std::move(impl) : nullptr;
    }

    std::optional<std::int64_t> FindKey(std::string_view path) {
        Use use = (*this)[kFindKey];
        use.Bind(1, path);
        if (StepRead(use) != SQLITE_ROW) return std::nullopt;
        return use.ColumnInteger();
    }

    bool HasSubKey(std::string_view path) {
        const std::string low = std::string(path) + kKeySeparator;
        const std::string high = std::string(path) + kAfterSeparator;
        Use use = (*this)[kFindSubKey];
        use.Bind(1, low).Bind(2, high);
        return use.Step() == SQLITE_ROW;
    }

    std::optional<std::int64_t> CreateKey(std::string_view path) {
        if (auto id = FindKey(path)) return id;
        for (std::string_view key : KeyAndParents(path)) {
            Use use = (*this)[kInsertKey];
            use.Bind(1, key);
            if (use.Step() != SQLITE_DONE) return std::nullopt;
        }
        return FindKey(path);
    }

    bool Run(Statement statement, std::int64_t id) {
        Use use = (*this)[statement];
        use.Bind(1, id);
        return use.Step() == SQLITE_DONE;
    }

    // Takes the write lock for the outermost transaction, waiting up to wait.
    bool Lock(std::chrono::milliseconds wait) {
        if (!writable) {
            writeProblem = Problem::ReadOnly;
            return false;
        }
        waitLimit = wait;
        found.diskFull = false;
        const int code = (*this)[kBegin].Step();
        waitLimit = ReadBusyTimeout();
        writeProblem = code == SQLITE_DONE ? Problem::None
                       : MeansBusy(code)   ? Problem::InUse
                       : found.damaged     ? Problem::Damaged
                       : found.diskFull    ? Problem::DiskFull
                                           : Problem::ReadOnly;
        return code == SQLITE_DONE;
    }

    bool Idle() const { return depth == 0 && snapshotDepth == 0; }
};

std::filesystem::path UserStorePath() { return FindUserStorePlace().file; }

std::filesystem::path MachineStorePath() {
    std::filesystem::path base;
    if (const char* dirs = std::getenv("XDG_CONFIG_DIRS"); dirs != nullptr) {
        const std::string_view list(dirs);
        const std::filesystem::path first(list.substr(0, list.find(':')));
        if (first.is_absolute()) base = first;
    }
    if (base.empty()) base = kDefaultConfigDirs;
    return base / kStoreFolder / kStoreFile;
}

RegistryStore::RegistryStore(std::unique_ptr<Impl> impl) : impl_(std::move(impl)) {}
RegistryStore::~RegistryStore() = default;

namespace {

bool WritableByThisUser(const std::filesystem::path& file) {
    return ::faccessat(AT_FDCWD, file.c_str(), W_OK, AT_EACCESS) == 0;
}

// SQLite creates the WAL files with the store's permissions, and they stay
// beside it between runs. A store opened while it was read-only leaves them
// read-only, so once its owner makes the store writable again, every write
// would still fail on them. A WAL file of this user's own that they may not
// write, beside a store they may, is given the store's permissions, as SQLite
// would give a new one. Only its mode changes: a process that has it open
// keeps its descriptor and the file's content.
void RestoreCompanionWriteAccess(const std::filesystem::path& file) {
    struct stat store {};
    if (::stat(file.c_str(), &store) != 0 || !WritableByThisUser(file)) return;
    for (std::string_view suffix : kCompanionSuffixes) {
        const std::filesystem::path companion = file.string() + std::string(suffix);
        struct stat status {};
        if (::lstat(companion.c_str(), &status) != 0 || !S_ISREG(status.st_mode)) continue;
        if (status.st_uid != ::geteuid() || WritableByThisUser(companion)) continue;
        ::fchmodat(AT_FDCWD, companion.c_str(), store.st_mode & 0777, AT_SYMLINK_NOFOLLOW);
    }
}

// Opens the file; code tells why it failed.
std::unique_ptr<RegistryStore::Impl> OpenImpl(const std::filesystem::path& file, RegistryStore::Access access,
                                              int& code) {
    code = SQLITE_CANTOPEN;
    if (file.empty()) return nullptr;
    const std::optional<FileStamp> stamp = StampOf(file);
    if (stamp && IsKnownDamaged(*stamp)) {
        code = SQLITE_NOTADB;
        return nullptr;
    }
    std::unique_ptr<RegistryStore::Impl> impl;
    if (access == RegistryStore::Access::ReadWrite) {
        std::error_code error;
        std::filesystem::create_directories(file.parent_path(), error);
        if (error) {
            if (error.value() == ENOSPC || error.value() == EDQUOT) code = SQLITE_FULL;
            return nullptr;
        }
        if (IsThereButNotAFile(file)) return nullptr;
        RestoreCompanionWriteAccess(file);
        impl = RegistryStore::Impl::OpenWritable(file, code);
        // A store the user may read but not write still holds the settings
        // to run on; only writing it fails.
        if (!impl && MeansReadOnly(code)) impl = RegistryStore::Impl::OpenReadOnly(file, code);
    } else {
        impl = RegistryStore::Impl::OpenReadOnly(file, code);
    }
    if (!impl && stamp && MeansDamaged(code)) RememberDamaged(*stamp);
    return impl;
}

}  // namespace

std::unique_ptr<RegistryStore> RegistryStore::Open(const std::filesystem::path& file, Access access) {
    int code = SQLITE_OK;
    auto impl = OpenImpl(file, access, code);
    if (!impl) return nullptr;
    return std::unique_ptr<RegistryStore>(new RegistryStore(std::move(impl)));
}

bool RegistryStore::IsWritable() const { return impl_->writable; }

RegistryStore::Problem RegistryStore::WriteProblem() const { return impl_->writeProblem; }

std::optional<std::string> RegistryStore::ReadValue(std::string_view keyPath, std::string_view name) {
    Use use = (*impl_)[kReadValue];
    use.Bind(1, keyPath).Bind(2, name);
    if (impl_->StepRead(use) != SQLITE_ROW) return std::nullopt;
    return use.ColumnText();
}

bool RegistryStore::KeyExists(std::string_view keyPath) { return impl_->FindKey(keyPath).has_value(); }

bool RegistryStore::WriteValue(std::string_view keyPath, std::string_view name, std::string_view value) {
    bool written = false;
    if (Begin()) {
        if (const auto id = impl_->CreateKey(keyPath)) {
            Use use = (*impl_)[kWriteValue];
            use.Bind(1, *id).Bind(2, name).Bind(3, value);
            written = use.Step() == SQLITE_DONE;
        }
    }
    return End(written) && written;
}

RegistryStore::DeleteResult RegistryStore::DeleteKey(std::string_view keyPath) {
    if (!impl_->writable) return DeleteResult::Failed;
    const auto id = impl_->FindKey(keyPath);
    if (!id) return DeleteResult::Missing;
    if (impl_->HasSubKey(keyPath)) return DeleteResult::HasSubKeys;
    const bool deleted = Begin() && impl_->Run(kDeleteValues, *id) && impl_->Run(kDeleteKey, *id);
    return End(deleted) && deleted ? DeleteResult::Deleted : DeleteResult::Failed;
}

bool RegistryStore::Begin(std::optional<std::chrono::milliseconds> wait) {
    if (impl_->depth++ == 0) {
        // Writing inside a read snapshot would have to upgrade its lock and
        // could fail half-way, so such a transaction fails from the start.
        // So does one whose lock another process held past the wait: every
        // write inside then fails at once instead of waiting again.
        impl_->locked = impl_->snapshotDepth == 0 && impl_->Lock(wait.value_or(BusyTimeout()));
        impl_->failed = !impl_->locked;
    }
    return !impl_->failed;
}

bool RegistryStore::End(bool commit) {
    if (impl_->depth == 0) return false;
    if (!commit) impl_->failed = true;
    if (--impl_->depth > 0) return !impl_->failed;

    bool committed = false;
    if (impl_->locked) {
        if (!impl_->failed) committed = (*impl_)[kCommit].Step() == SQLITE_DONE;
        if (!committed && sqlite3_get_autocommit(impl_->db) == 0) (*impl_)[kRollback].Step();
        // A write inside that found no room is why nothing was stored; the
        // disk may have room again for the next try.
        if (!committed && impl_->found.diskFull) impl_->writeProblem = Problem::DiskFull;
    }
    impl_->locked = false;
    impl_->failed = false;
    return committed;
}

void RegistryStore::FailTransaction() {
    if (impl_->depth > 0) impl_->failed = true;
}

bool RegistryStore::BeginSnapshot() {
    if (impl_->locked) return true;  // a write transaction already sees one state
    if (impl_->snapshotDepth == 0 && (*impl_)[kBeginRead].Step() != SQLITE_DONE) return false;
    ++impl_->snapshotDepth;
    return true;
}

void RegistryStore::EndSnapshot() {
    if (impl_->snapshotDepth == 0 || --impl_->snapshotDepth > 0) return;
    (*impl_)[kCommit].Step();
}

std::string NormaliseKeyPath(std::string_view keyPath) {
    std::string path;
    std::size_t start = 0;
    while (start <= keyPath.size()) {
        std::size_t end = keyPath.find(kKeySeparator, start);
        if (end == std::string_view::npos) end = keyPath.size();
        if (end > start) {
            if (!path.empty()) path += kKeySeparator;
            path += keyPath.substr(start, end - start);
        }
        start = end + 1;
    }
    return path;
}

namespace {

constexpr int kMachineHive = 0;
constexpr int kUserHive = 1;
// Names tried for a damaged file moved aside within one second.
constexpr int kMoveAttempts = 100;

// The process's stores, and what became of the user's.
struct OpenStoreState {
    std::map<int, std::unique_ptr<RegistryStore>> stores;
    // The user's store was last found locked at this time.
    std::optional<Clock::time_point> userLockedAt;
    RegistryStore::Problem userOpenProblem = RegistryStore::Problem::None;
    std::optional<std::filesystem::path> movedDamaged;
    // What keeps the user's store from being made, when that is why it
    // could not be opened.
    std::string userCreateFailure;
};

OpenStoreState& Stores() {
    static OpenStoreState state;
    return state;
}

// The local time as it goes into a file name: 2026-12-09-104512.
std::string TimeForFileName() {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    char text[32] = "";
    if (::localtime_r(&now, &local) != nullptr) std::strftime(text, sizeof text, "%Y-%m-%d-%H%M%S", &local);
    return text;
}

// Renames without replacing a file that has the new name already.
bool RenameIfFree(const std::filesystem::path& from, const std::filesystem::path& to) {
    return ::renameat2(AT_FDCWD, from.c_str(), AT_FDCWD, to.c_str(), RENAME_NOREPLACE) == 0;
}

// Moves a damaged store and its WAL files beside it, the time in the new
// name ("registry-damaged-2026-12-09-104512.sqlite"); where it went, or
// nothing when it could not be moved.
std::optional<std::filesystem::path> MoveDamagedAside(const std::filesystem::path& file) {
    const std::string base = file.stem().string() + "-damaged-" + TimeForFileName();
    for (int attempt = 0; attempt < kMoveAttempts; ++attempt) {
        const std::string suffix = attempt == 0 ? "" : "-" + std::to_string(attempt);
        const std::filesystem::path target = file.parent_path() / (base + suffix + file.extension().string());
        if (!RenameIfFree(file, target)) {
            if (errno == EEXIST) continue;
            return std::nullopt;
        }
        for (std::string_view companion : kCompanionSuffixes) {
            RenameIfFree(file.string() + std::string(companion), target.string() + std::string(companion));
        }
        return target;
    }
    return std::nullopt;
}

// Says once, on standard error, that the damaged store was moved and a
// fresh one started; the dialog says it again when it opens.
void ReportMovedStore(const std::filesystem::path& file, const std::filesystem::path& movedTo) {
    std::fprintf(stderr, "%.*s: the settings file %s was damaged; it was moved to %s and new settings were started.\n",
                 static_cast<int>(kProductName.size()), kProductName.data(), file.c_str(), movedTo.c_str());
    Stores().movedDamaged = movedTo;
}

// Moves the damaged file at `file` aside, unless it is no longer the file
// that was found damaged (another process moved it first).
void SetDamagedFileAside(const std::filesystem::path& file, const std::optional<FileIdentity>& damaged) {
    if (damaged && IdentityOf(file) != damaged) return;
    if (const auto movedTo = MoveDamagedAside(file)) ReportMovedStore(file, *movedTo);
}

// A kind of file that is not a regular one, as the user knows it.
std::string KindOf(const std::filesystem::file_status& status) {
    switch (status.type()) {
    case std::filesystem::file_type::directory: return "a folder";
    case std::filesystem::file_type::character:
    case std::filesystem::file_type::block: return "a device";
    case std::filesystem::file_type::fifo: return "a pipe";
    case std::filesystem::file_type::socket: return "a socket";
    default: return "something else";
    }
}

// What keeps the user's store file from being made where it belongs, in
// words that name the path; empty when a file is there that SQLite refused,
// which the read-only warning covers.
std::string WhyNoStoreFile(const UserStorePlace& place) {
    if (place.file.empty()) {
        return "no folder is known for it: neither XDG_CONFIG_HOME nor HOME is set, and the password file gives no "
               "home folder";
    }
    if (!HomeIsThere(place)) return "the home folder " + place.home.string() + " does not exist";
    const std::filesystem::path folder = place.file.parent_path();
    std::error_code error;
    std::filesystem::create_directories(folder, error);  // tried again to learn why it failed
    if (error) return "the folder " + folder.string() + " cannot be created (" + error.message() + ")";
    const std::filesystem::file_status status = std::filesystem::status(place.file, error);
    if (std::filesystem::is_regular_file(status)) return {};
    if (std::filesystem::exists(status)) return place.file.string() + " is " + KindOf(status) + ", not a file";
    if (!WritableByThisUser(folder)) return "the folder " + folder.string() + " may not be written by this user";
    return place.file.string() + " cannot be created";
}

// The user's store, opened unless it was found locked less than a quiet
// time ago; a damaged one is set aside and a fresh one opened in its place.
std::unique_ptr<RegistryStore::Impl> OpenUserStore() {
    OpenStoreState& state = Stores();
    if (state.userLockedAt && Clock::now() - *state.userLockedAt < kBusyQuietTime) {
        ++heldUserReads;
        return nullptr;
    }
    const UserStorePlace place = FindUserStorePlace();
    const std::filesystem::path& file = place.file;
    int code = SQLITE_CANTOPEN;
    std::unique_ptr<RegistryStore::Impl> impl;
    if (HomeIsThere(place)) impl = OpenImpl(file, RegistryStore::Access::ReadWrite, code);
    if (!impl && MeansDamaged(code)) {
        SetDamagedFileAside(file, IdentityOf(file));
        impl = OpenImpl(file, RegistryStore::Access::ReadWrite, code);
    }
    state.userLockedAt.reset();
    state.userOpenProblem = RegistryStore::Problem::None;
    state.userCreateFailure.clear();
    if (!impl) {
        if (MeansBusy(code)) {
            state.userLockedAt = Clock::now();
            ++heldUserReads;
        }
        state.userOpenProblem = MeansBusy(code)       ? RegistryStore::Problem::InUse
                                : MeansDamaged(code)  ? RegistryStore::Problem::Damaged
                                : MeansDiskFull(code) ? RegistryStore::Problem::DiskFull
                                                      : RegistryStore::Problem::ReadOnly;
        if (state.userOpenProblem == RegistryStore::Problem::ReadOnly) state.userCreateFailure = WhyNoStoreFile(place);
        if (!state.userCreateFailure.empty()) state.userOpenProblem = RegistryStore::Problem::CannotCreate;
    }
    return impl;
}

}  // namespace

RegistryStore* StoreForHive(int hive) {
    if (hive != kMachineHive && hive != kUserHive) return nullptr;
    auto& store = Stores().stores[hive];
    if (hive == kUserHive && store && store->impl_->found.damaged && store->impl_->Idle()) {
        const std::optional<FileIdentity> damaged = store->impl_->identity;
        store.reset();
        SetDamagedFileAside(UserStorePath(), damaged);
    }
    if (!store) {
        if (hive == kUserHive) {
            if (auto impl = OpenUserStore()) {
                impl->user = true;
                store.reset(new RegistryStore(std::move(impl)));
            }
        } else {
            store = RegistryStore::Open(MachineStorePath(), RegistryStore::Access::ReadOnly);
        }
    }
    return store.get();
}

std::string UserStoreCreateFailure() { return Stores().userCreateFailure; }

RegistryStore::Problem UserStoreProblem() {
    const auto& stores = Stores().stores;
    const auto user = stores.find(kUserHive);
    if (user != stores.end() && user->second) return user->second->WriteProblem();
    return Stores().userOpenProblem;
}

std::uint64_t UserStoreHeldReads() { return heldUserReads; }

std::optional<std::filesystem::path> TakeMovedDamagedStore() {
    return std::exchange(Stores().movedDamaged, std::nullopt);
}

void SetStoreWaitStop(std::function<bool()> stopRequested) { WaitStop() = std::move(stopRequested); }

void ResetSettingsStore() {
    OpenStoreState& state = Stores();
    state.stores.clear();
    state.userLockedAt.reset();
    state.userOpenProblem = RegistryStore::Problem::None;
    state.userCreateFailure.clear();
}

std::chrono::milliseconds SetStoreBusyTimeout(std::chrono::milliseconds timeout) {
    return std::exchange(BusyTimeout(), timeout);
}

}  // namespace orbweave
