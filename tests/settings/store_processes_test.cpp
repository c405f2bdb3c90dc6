// The settings store shared between processes: a save killed at any moment,
// a saver reloading while dialogs save, and a save while another process holds
// the write lock. The file is checked through a connection of its own, never
// through the store under test.
#include <gtest/gtest.h>
#include <signal.h>
#include <sqlite3.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <chrono>
#include <cstdlib>
#include <fstream>
#include <functional>
#include <future>
#include <random>
#include <string>
#include <string_view>
#include <thread>

#include "galaxy_tables_fixture.h"
#include "platform/registry/store.h"
#include "platform/registry/store_probes.h"
#include "settings/factory_presets.h"
#include "settings/registry_transfers.h"
#include "settings/template_transfers.h"
#include "settings/universe_values.h"

namespace orbweave {
namespace {

using Clock = std::chrono::steady_clock;
constexpr int kKills = 50;
// Kills spread over at least this long: a save shorter than the child's start
// is then hit in every phase of its loop, not only in the first, cold one.
constexpr std::chrono::milliseconds kShortestKillWindow{60};

struct GalaxyTables {
    std::array<UniGalaxy, kGalaxyTypeCount> types{};
    std::array<CompGalaxy, kCompGalaxyCount> composites{};
    bool operator==(const GalaxyTables&) const = default;
};

GalaxyTables TablesInMemory() {
    GalaxyTables tables;
    std::copy_n(UniGalaxies.begin(), kGalaxyTypeCount, tables.types.begin());
    tables.composites = CompGalaxies;
    return tables;
}

void PutInMemory(const GalaxyTables& tables) {
    std::copy(tables.types.begin(), tables.types.end(), UniGalaxies.begin());
    CompGalaxies = tables.composites;
}

GalaxyTables FactoryTables() {
    InitUniGalaxyNames();
    LoadFactoryDefaults();
    return TablesInMemory();
}

// Differs from the factory tables in every record, and in which IFS sub-keys
// exist; composite member counts stay, so no member of one is left over in
// the other.
GalaxyTables ChangedTables(GalaxyTables tables) {
    for (UniGalaxy& g : tables.types) {
        g._UniGalName += " (changed)";
        g.Galaxy_Radius = g.Galaxy_Radius == 1 ? 2 : 1;
        g.Ifs.Galaxy_IFS_Points = g.Ifs.Galaxy_IFS_Points == 0 ? 2 : 0;
    }
    for (CompGalaxy& c : tables.composites) c._CompGalName += " (changed)";
    return tables;
}

using Save = std::function<void()>;

// The store after one more run of save, closed so that another process may
// open it.
std::string DumpAfter(const Save& save) {
    save();
    ResetSettingsStore();
    return testing::StoreDump();
}

// Runs work in a child process, which ends when work returns: status 0 when it
// returned true; -1 when fork failed, never passed on to a kill or a wait.
pid_t StartChild(const std::function<bool()>& work) {
    const pid_t pid = ::fork();
    if (pid == 0) {
        const bool ok = work();
        ResetSettingsStore();
        std::_Exit(ok ? 0 : 1);
    }
    return pid;
}

bool Running(pid_t pid) {
    siginfo_t info{};
    return pid > 0 && ::waitid(P_PID, static_cast<id_t>(pid), &info, WEXITED | WNOHANG | WNOWAIT) == 0 &&
           info.si_pid == 0;
}

int ExitStatus(pid_t pid) {
    int status = 0;
    if (pid <= 0 || ::waitpid(pid, &status, 0) != pid || !WIFEXITED(status)) return -1;
    return WEXITSTATUS(status);
}

class StoreProcessesTest : public SettingsStoreTest {
protected:
    // Kills a child that runs saveNew and saveOld in turn, at a random moment
    // within about one save (or the shortest window), kKills times over; after
    // each kill the store must hold one of the two saves whole.
    void KillDuringSaves(const Save& saveOld, const Save& saveNew) {
        // Timed with the store open, as the child saves.
        saveOld();
        const auto start = Clock::now();
        saveNew();
        const auto span = std::max<Clock::duration>(Clock::now() - start, kShortestKillWindow);
        const std::string newDump = DumpAfter([] {});
        const std::string oldDump = DumpAfter(saveOld);
        ASSERT_NE(oldDump, newDump);

        std::mt19937 random(20240611);
        std::uniform_int_distribution<Clock::rep> delay(0, span.count());
        for (int kill = 0; kill < kKills; ++kill) {
            const pid_t child = StartSaving(saveNew, saveOld);
            ASSERT_GT(child, 0) << "kill " << kill << ": the saving child did not start";
            std::this_thread::sleep_for(Clock::duration(delay(random)));
            ::kill(child, SIGKILL);
            ::waitpid(child, nullptr, 0);
            const std::string dump = testing::StoreDump();
            if (dump != oldDump && dump != newDump) {
                FAIL() << "kill " << kill << " left neither save whole:\n" << dump.substr(0, 2000);
            }
        }
    }

    // A child saving first and second in turn until it is killed; returns as
    // it starts the first. The child opens the store before, as the caller's
    // timed save found it open: kills then land inside the saves.
    static pid_t StartSaving(const Save& first, const Save& second) {
        int ready[2];
        if (::pipe(ready) != 0) return -1;
        const pid_t pid = StartChild([&]() -> bool {
            ::close(ready[0]);
            StoreForHive(kHiveUser);
            const char go = 1;
            (void)!::write(ready[1], &go, 1);
            for (;;) {
                first();
                second();
            }
        });
        ::close(ready[1]);
        char go = 0;
        (void)!::read(ready[0], &go, 1);
        ::close(ready[0]);
        return pid;
    }
};

TEST_F(StoreProcessesTest, AGalaxyTablesSaveKilledAtAnyMomentLeavesOneSaveWhole) {
    const GalaxyTables factory = FactoryTables();
    const GalaxyTables changed = ChangedTables(factory);
    const auto save = [](const GalaxyTables& tables) -> Save {
        return [&tables] {
            PutInMemory(tables);
            GalaxyTablesToReg();
        };
    };
    KillDuringSaves(save(factory), save(changed));
}

// A template holding every value an import stores, each numbered from first.
std::string TemplateNumberedFrom(int first) {
    std::string text;
    int number = first;
    const auto entry = [&](std::string_view name) {
        text += std::string(name) + "=" + std::to_string(number++) + "\r\n";
    };
    text += "\r\n[DirectX]\r\n";
    for (const TemplateSetting& s : kTemplateDisplaySettings) entry(s.name);
    text += "\r\n[General]\r\n";
    entry(kTemplateAnimationType.name);
    text += "\r\n[Advanced]\r\n";
    for (const TemplateSetting& s : kTemplateAdvancedSettings) entry(s.name);
    text += "\r\n[Universe]\r\n";
    for (const UniverseValue& v : kUniverseValues) entry(v.name);
    return text;
}

TEST_F(StoreProcessesTest, ATemplateImportKilledAtAnyMomentLeavesOneImportWhole) {
    const std::string oldFile = (config.Root() / "old.owv").string();
    const std::string newFile = (config.Root() / "new.owv").string();
    std::ofstream(oldFile, std::ios::binary) << TemplateNumberedFrom(1000);
    std::ofstream(newFile, std::ios::binary) << TemplateNumberedFrom(2000);
    const auto import = [](const std::string& file) -> Save { return [&file] { CyclePropsTempToRegArrays(file); }; };
    KillDuringSaves(import(oldFile), import(newFile));
}

TEST_F(StoreProcessesTest, ASaverReloadingWhileTwoDialogsSaveSeesOneSaveWhole) {
    constexpr int kSavesEach = 8;
    const GalaxyTables factory = FactoryTables();
    const GalaxyTables changed = ChangedTables(factory);
    // Each save as the reloading saver reads it back.
    const auto loaded = [](const GalaxyTables& tables) {
        PutInMemory(tables);
        GalaxyTablesToReg();
        PutInMemory({});
        RegToGalaxyTables(kHiveUser);
        return TablesInMemory();
    };
    const GalaxyTables changedLoaded = loaded(changed);
    const GalaxyTables factoryLoaded = loaded(factory);
    ResetSettingsStore();

    // Each dialog saves the two tables in turn, so nearly every commit changes the store.
    // What is tested is that no reload sees a mixed save, not how long a save waits for
    // the other's lock: on a loaded machine a wait may outlast the default, so each
    // dialog (a child of its own) waits as long as it needs.
    const auto dialog = [](const GalaxyTables& first, const GalaxyTables& second) -> std::function<bool()> {
        return [&first, &second] {
            SetStoreBusyTimeout(std::chrono::minutes(5));
            bool saved = true;
            for (int i = 0; i < kSavesEach; ++i) {
                PutInMemory(i % 2 == 0 ? first : second);
                saved = GalaxyTablesToReg() && saved;
            }
            return saved;
        };
    };
    const pid_t one = StartChild(dialog(changed, factory));
    const pid_t other = StartChild(dialog(factory, changed));
    int reloads = 0;
    int mixed = 0;
    while (Running(one) || Running(other)) {
        PutInMemory({});
        RegToGalaxyTables(kHiveUser);
        const GalaxyTables seen = TablesInMemory();
        mixed += seen != factoryLoaded && seen != changedLoaded ? 1 : 0;
        ++reloads;
    }
    EXPECT_EQ(ExitStatus(one), 0);
    EXPECT_EQ(ExitStatus(other), 0);
    EXPECT_GT(reloads, 0);
    EXPECT_EQ(mixed, 0) << "of " << reloads << " reloads";
}

// The lock is held for many busy timeouts: written value by value, the writes
// after its release would be stored.
class HeldLockTest : public StoreProcessesTest {
protected:
    static constexpr std::chrono::milliseconds kHeld{300};
    ~HeldLockTest() override { SetStoreBusyTimeout(previousTimeout_); }

private:
    std::chrono::milliseconds previousTimeout_ = SetStoreBusyTimeout(std::chrono::milliseconds(20));
};

TEST_F(HeldLockTest, AGalaxyTablesSaveStoresNothingAndFails) {
    const GalaxyTables factory = FactoryTables();
    const std::string before = DumpAfter([] { GalaxyTablesToReg(); });
    PutInMemory(ChangedTables(factory));
    {
        const testing::WriteLockHeld other(kHeld);
        EXPECT_FALSE(GalaxyTablesToReg());
    }
    ResetSettingsStore();
    EXPECT_EQ(testing::StoreDump(), before);
}

TEST_F(HeldLockTest, ATemplateImportStoresNothingAndFails) {
    const std::string oldFile = (config.Root() / "old.owv").string();
    const std::string newFile = (config.Root() / "new.owv").string();
    std::ofstream(oldFile, std::ios::binary) << TemplateNumberedFrom(1000);
    std::ofstream(newFile, std::ios::binary) << TemplateNumberedFrom(2000);
    const std::string before = DumpAfter([&] { CyclePropsTempToRegArrays(oldFile); });
    {
        const testing::WriteLockHeld other(kHeld);
        EXPECT_EQ(CyclePropsTempToRegArrays(newFile), TemplateImport::NotStored);
    }
    ResetSettingsStore();
    EXPECT_EQ(testing::StoreDump(), before);
}

}  // namespace
}  // namespace orbweave
