#include "platform/registry/store.h"

#include <sqlite3.h>

#include <algorithm>
#include <array>
#include <cctype>
#include <cstdlib>
#include <map>
#include <string>
#include <system_error>
#include <utility>
#include <vector>

namespace orbweave {
namespace {

constexpr std::string_view kStoreFolder = "orbweave";
constexpr std::string_view kStoreFile = "registry.sqlite";
constexpr std::string_view kDefaultConfigDirs = "/etc/xdg";
constexpr char kKeySeparator = '\\';
// The character after the separator: every sub-key path of "P" sorts between
// "P\" and "P]".
constexpr char kAfterSeparator = ']';
// Long enough for another process's bulk write (50 to 150 ms) to finish
// before a write of ours gives up, short enough that a saver starting while
// a lock is never released still shows within a couple of seconds.
constexpr std::chrono::milliseconds kDefaultBusyTimeout{2000};

std::chrono::milliseconds& BusyTimeout() {
    static std::chrono::milliseconds timeout = kDefaultBusyTimeout;
    return timeout;
}

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

// SQLite refuses to write: the file or its folder may not be written by this
// user, or the folder cannot take the WAL index a WAL file needs.
bool MeansReadOnly(int code) { return (code & 0xff) == SQLITE_READONLY; }

// The file is not an SQLite database, or a damaged one.
bool MeansDamaged(int code) {
    code &= 0xff;
    return code == SQLITE_CORRUPT || code == SQLITE_NOTADB;
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

// Binds text parameters, steps once and resets when it goes out of scope, so
// a prepared statement is always ready for the next use.
class Use {
public:
    explicit Use(sqlite3_stmt* statement) : statement_(statement) {}
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
    int Step() { return sqlite3_step(statement_); }
    std::int64_t ColumnInteger() const { return sqlite3_column_int64(statement_, 0); }
    std::string ColumnText() const {
        const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(statement_, 0));
        return std::string(text == nullptr ? "" : text, static_cast<std::size_t>(sqlite3_column_bytes(statement_, 0)));
    }

private:
    sqlite3_stmt* statement_;
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

    ~Impl() {
        for (sqlite3_stmt* statement : statements) sqlite3_finalize(statement);
        // Closing with a transaction still open rolls it back.
        sqlite3_close_v2(db);
    }

    sqlite3_stmt* operator[](Statement statement) const { return statements[statement]; }

    // Opens the connection and prepares every statement; the SQLite result
    // code of the first step that failed, or SQLITE_OK.
    int Connect(const std::string& name, int flags, const char* setUp) {
        int code = sqlite3_open_v2(name.c_str(), &db, flags, nullptr);
        if (code != SQLITE_OK) return code;
        sqlite3_busy_timeout(db, static_cast<int>(BusyTimeout().count()));
        if (setUp != nullptr && (code = sqlite3_exec(db, setUp, nullptr, nullptr, nullptr)) != SQLITE_OK) return code;
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

    // The file for reading and writing, created when missing; code tells
    // why it failed (SQLITE_READONLY for a file SQLite may not write).
    static std::unique_ptr<Impl> OpenWritable(const std::filesystem::path& file, int& code) {
        // WAL lets readers go on while a writer works; NORMAL synchronisation
        // keeps every commit atomic across a crash.
        static const std::string setUp = std::string("PRAGMA journal_mode=WAL; PRAGMA synchronous=NORMAL;") + kSchema;
        auto impl = std::make_unique<Impl>();
        code = impl->Connect(file.string(), SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, setUp.c_str());
        // SQLite quietly opens a file it may not write read-only.
        if (code == SQLITE_OK && sqlite3_db_readonly(impl->db, "main") == 1) code = SQLITE_READONLY;
        if (code != SQLITE_OK) return nullptr;
        impl->writable = true;
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
        Use use(statements[kFindKey]);
        use.Bind(1, path);
        if (use.Step() != SQLITE_ROW) return std::nullopt;
        return use.ColumnInteger();
    }

    bool HasSubKey(std::string_view path) {
        const std::string low = std::string(path) + kKeySeparator;
        const std::string high = std::string(path) + kAfterSeparator;
        Use use(statements[kFindSubKey]);
        use.Bind(1, low).Bind(2, high);
        return use.Step() == SQLITE_ROW;
    }

    std::optional<std::int64_t> CreateKey(std::string_view path) {
        if (auto id = FindKey(path)) return id;
        for (std::string_view key : KeyAndParents(path)) {
            Use use(statements[kInsertKey]);
            use.Bind(1, key);
            if (use.Step() != SQLITE_DONE) return std::nullopt;
        }
        return FindKey(path);
    }

    bool Run(Statement statement, std::int64_t id) {
        Use use(statements[statement]);
        use.Bind(1, id);
        return use.Step() == SQLITE_DONE;
    }
};

std::filesystem::path UserStorePath() {
    std::filesystem::path base = AbsoluteFromEnvironment("XDG_CONFIG_HOME");
    if (base.empty()) {
        const std::filesystem::path home = AbsoluteFromEnvironment("HOME");
        if (home.empty()) return {};
        base = home / ".config";
    }
    return base / kStoreFolder / kStoreFile;
}

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

std::unique_ptr<RegistryStore> RegistryStore::Open(const std::filesystem::path& file, Access access) {
    if (file.empty()) return nullptr;
    const std::optional<FileStamp> stamp = StampOf(file);
    if (stamp && IsKnownDamaged(*stamp)) return nullptr;
    int code = SQLITE_OK;
    std::unique_ptr<Impl> impl;
    if (access == Access::ReadWrite) {
        std::error_code error;
        std::filesystem::create_directories(file.parent_path(), error);
        if (error) return nullptr;
        impl = Impl::OpenWritable(file, code);
        // A store the user may read but not write still holds the settings
        // to run on; only writing it fails.
        if (!impl && MeansReadOnly(code)) impl = Impl::OpenReadOnly(file, code);
    } else {
        impl = Impl::OpenReadOnly(file, code);
    }
    if (!impl) {
        if (stamp && MeansDamaged(code)) RememberDamaged(*stamp);
        return nullptr;
    }
    return std::unique_ptr<RegistryStore>(new RegistryStore(std::move(impl)));
}

bool RegistryStore::IsWritable() const { return impl_->writable; }

std::optional<std::string> RegistryStore::ReadValue(std::string_view keyPath, std::string_view name) {
    Use use((*impl_)[kReadValue]);
    use.Bind(1, keyPath).Bind(2, name);
    if (use.Step() != SQLITE_ROW) return std::nullopt;
    return use.ColumnText();
}

bool RegistryStore::KeyExists(std::string_view keyPath) { return impl_->FindKey(keyPath).has_value(); }

bool RegistryStore::WriteValue(std::string_view keyPath, std::string_view name, std::string_view value) {
    bool written = false;
    if (Begin()) {
        if (const auto id = impl_->CreateKey(keyPath)) {
            Use use((*impl_)[kWriteValue]);
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

bool RegistryStore::Begin() {
    if (impl_->depth++ == 0) {
        // Writing inside a read snapshot would have to upgrade its lock and
        // could fail half-way, so such a transaction fails from the start.
        // So does one whose lock another process held past the busy timeout:
        // every write inside then fails at once instead of waiting again.
        impl_->locked = impl_->writable && impl_->snapshotDepth == 0 && Use((*impl_)[kBegin]).Step() == SQLITE_DONE;
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
        if (!impl_->failed) committed = Use((*impl_)[kCommit]).Step() == SQLITE_DONE;
        if (!committed && sqlite3_get_autocommit(impl_->db) == 0) Use((*impl_)[kRollback]).Step();
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
    if (impl_->snapshotDepth == 0) {
        Use use((*impl_)[kBeginRead]);
        if (use.Step() != SQLITE_DONE) return false;
    }
    ++impl_->snapshotDepth;
    return true;
}

void RegistryStore::EndSnapshot() {
    if (impl_->snapshotDepth == 0 || --impl_->snapshotDepth > 0) return;
    Use use((*impl_)[kCommit]);
    use.Step();
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
std::map<int, std::unique_ptr<RegistryStore>>& OpenStores() {
    static std::map<int, std::unique_ptr<RegistryStore>> stores;
    return stores;
}
}  // namespace

RegistryStore* StoreForHive(int hive) {
    constexpr int kMachineHive = 0;
    constexpr int kUserHive = 1;
    if (hive != kMachineHive && hive != kUserHive) return nullptr;
    auto& store = OpenStores()[hive];
    if (!store) {
        store = hive == kUserHive ? RegistryStore::Open(UserStorePath(), RegistryStore::Access::ReadWrite)
                                  : RegistryStore::Open(MachineStorePath(), RegistryStore::Access::ReadOnly);
    }
    return store.get();
}

void CloseStores() { OpenStores().clear(); }

std::chrono::milliseconds SetStoreBusyTimeout(std::chrono::milliseconds timeout) {
    return std::exchange(BusyTimeout(), timeout);
}

}  // namespace orbweave
