// The diagnostics window: the figures, the settings write test, the key
// reader over both hives and the start of the system-information tool.
#include "dialogs/info/system_diag.h"

#include <gtest/gtest.h>
#include <sys/prctl.h>
#include <sys/wait.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <thread>

#include "info_fixture.h"
#include "platform/forms/controls.h"
#include "platform/forms/form.h"
#include "platform/registry/settings.h"
#include "platform/registry/store.h"

namespace orbweave::testing {
namespace {

namespace fs = std::filesystem;

DiagnosticFigures At96DpiDepth32() { return {19200, 14400, 15.0, 32, "6.1.0-18-amd64"}; }

class SystemDiagTest : public InfoTest {
protected:
    void SetUp() override {
        InfoTest::SetUp();
        SetDiagnosticsSource([this] { return figures; });
    }
    void TearDown() override {
        SystemDiagWindow::Release();
        SetDiagnosticsSource({});
        InfoTest::TearDown();
    }
    Form& Open() {
        SystemDiagWindow::Instance().Show();
        return SystemDiagWindow::Instance().Frm();
    }
    std::string Box(int index) {
        return SystemDiagWindow::Instance().Frm().Get<TextBox>("txtDiagnostics", index).Text();
    }
    bool Red(int index) {
        return SystemDiagWindow::Instance().Frm().Get("txtDiagnostics", index).BackColor() == 0x0000FF;
    }
    // Writes a value into the machine-wide store, which the program only reads.
    void StoreMachineValue(std::string_view key, std::string_view name, std::string_view value) {
        ResetSettingsStore();
        auto store = RegistryStore::Open(MachineStorePath(), RegistryStore::Access::ReadWrite);
        ASSERT_NE(store, nullptr);
        ASSERT_TRUE(store->WriteValue(NormaliseKeyPath(key), name, value));
        store.reset();
        ResetSettingsStore();
    }
    // A program that leaves `marker` behind when it runs.
    fs::path FakeTool(const fs::path& folder, const std::string& name, const fs::path& marker) {
        fs::create_directories(folder);
        const fs::path tool = folder / name;
        std::ofstream(tool) << "#!/bin/sh\necho started > '" << marker.string() << "'\n";
        fs::permissions(tool, fs::perms::owner_all);
        return tool;
    }
    static bool AppearsSoon(const fs::path& file) {
        // Generous: the tool is started detached and the machine may be busy.
        for (int i = 0; i < 600 && !fs::exists(file); ++i) std::this_thread::sleep_for(std::chrono::milliseconds(50));
        return fs::exists(file);
    }

    DiagnosticFigures figures = At96DpiDepth32();
};

TEST_F(SystemDiagTest, ColourCountsAndKernelVersions) {
    struct Row {
        int bits;
        const char* colours;
    };
    // The exponent stops at 31; 2^31 does not fit 32 bits.
    for (const Row& row : {Row{32, "2,147,483,648"}, Row{31, "2,147,483,648"}, Row{24, "16,777,216"}, Row{16, "65,536"},
                           Row{8, "256"}, Row{0, "1"}, Row{-1, ""}}) {
        EXPECT_EQ(DisplayColoursText(row.bits), row.colours) << row.bits;
    }
    struct Release {
        const char* release;
        const char* version;
    };
    for (const Release& row : {Release{"6.1.0-18-amd64", "6.1"}, Release{"5.15.153.1-microsoft-standard", "5.15"},
                               Release{"6", "6"}, Release{"6.", "6"}, Release{"", ""}}) {
        EXPECT_EQ(KernelVersionText(row.release), row.version) << row.release;
    }
}

TEST_F(SystemDiagTest, ShowsTheFiguresAt96DpiAndDepth32) {
    Form& form = Open();
    EXPECT_EQ(form.Caption(), "System Diagnostics");
    EXPECT_EQ(Box(0), "19200");
    EXPECT_EQ(Box(1), "14400");
    EXPECT_EQ(Box(2), "15");
    EXPECT_EQ(Box(3), "2,147,483,648");
    EXPECT_EQ(Box(4), "6.1");
    EXPECT_EQ(Box(5), "OK");
    for (int i = 0; i <= 5; ++i) EXPECT_FALSE(Red(i)) << i;
    EXPECT_EQ(GetSettingString("General", "RegistryReadWriteTest", "missing"), "OK");
    EXPECT_EQ(form.Get<Label>("lblDiagnostics", 4).Caption(), "OS Version:");
}

TEST_F(SystemDiagTest, UnknownFiguresShowQuestionMarksOnRedExceptTheVersion) {
    figures = {0, 14400, 0.0, 32, ""};
    Open();
    EXPECT_EQ(Box(0), "???");
    EXPECT_TRUE(Red(0));
    EXPECT_EQ(Box(1), "14400");
    EXPECT_FALSE(Red(1));
    EXPECT_EQ(Box(2), "???");
    EXPECT_TRUE(Red(2));
    EXPECT_EQ(Box(4), "");
    EXPECT_FALSE(Red(4));
}

TEST_F(SystemDiagTest, AStoreThatCannotBeWrittenShowsNoAccessEvenOverAnOlderOk) {
    ASSERT_TRUE(SaveSettingValue("General", "RegistryReadWriteTest", "OK"));
    // The user's folder lies below a plain file: the store cannot be opened,
    // whatever the process's rights.
    std::ofstream(config.Root() / "plain-file") << "x";
    config.Set("XDG_CONFIG_HOME", config.Root() / "plain-file" / "config");
    Open();
    EXPECT_EQ(Box(5), "No Access");
}

TEST_F(SystemDiagTest, GetKeyValueReadsEitherHiveAndNothingElse) {
    StoreMachineValue("SOFTWARE\\Tools\\Info", "PATH", std::string("/opt/info") + '\0');
    ASSERT_TRUE(SaveSettingValue("Section", "Name", "user text"));
    std::string value = "stale";
    EXPECT_TRUE(GetKeyValue(kHkeyLocalMachine, "SOFTWARE\\Tools\\Info", "path", value));
    EXPECT_EQ(value, "/opt/info");
    EXPECT_TRUE(GetKeyValue(kHkeyCurrentUser, SettingKeyPath(kProductKey, "Section"), "Name", value));
    EXPECT_EQ(value, "user text");
    EXPECT_FALSE(GetKeyValue(kHkeyLocalMachine, "SOFTWARE\\Tools\\Info", "Missing", value));
    EXPECT_EQ(value, "");
    value = "stale";
    EXPECT_FALSE(GetKeyValue(kHkeyCurrentUser, "SOFTWARE\\Tools\\Info", "PATH", value));
    EXPECT_EQ(value, "");
    EXPECT_FALSE(GetKeyValue(static_cast<std::int32_t>(0x80000003u), "SOFTWARE\\Tools\\Info", "PATH", value));
}

// A tool is started detached, its first parent gone when the start returns:
// with the test as the subreaper, every started tool is at once its child.
class SystemInfoLaunchTest : public SystemDiagTest {
protected:
    void SetUp() override {
        SystemDiagTest::SetUp();
        ASSERT_EQ(::prctl(PR_SET_CHILD_SUBREAPER, 1), 0);
        const char* path = std::getenv("PATH");
        savedPath_ = path ? path : "";
        ::setenv("PATH", (config.Root() / "bin").c_str(), 1);
    }
    void TearDown() override {
        ::prctl(PR_SET_CHILD_SUBREAPER, 0);
        while (::waitpid(-1, nullptr, 0) > 0) {}  // the next case starts with no child
        ::setenv("PATH", savedPath_.c_str(), 1);
        SystemDiagTest::TearDown();
    }
    void ClickSysInfo() {
        Open();
        SystemDiagWindow::Instance().Frm().Get<CommandButton>("cmdSysInfo").PerformClick();
    }
    static bool StartedSomething() { return ::waitpid(-1, nullptr, WNOHANG) != -1; }
    bool SaidUnavailable() const {
        return services->messages.size() == 1 && services->messages[0].text == "System Information Is Unavailable." &&
               services->messages[0].title == "scrnsave:Orbweave 5.0g";
    }

private:
    std::string savedPath_;
};

TEST_F(SystemInfoLaunchTest, NothingToStartSaysSo) {
    fs::create_directories(config.Root() / "bin");
    ClickSysInfo();
    EXPECT_TRUE(SaidUnavailable());
}

TEST_F(SystemInfoLaunchTest, AFolderWithoutTheToolSaysSoAndStartsNothingElse) {
    const fs::path marker = config.Root() / "started";
    FakeTool(config.Root() / "bin", "hardinfo", marker);
    StoreMachineValue("SOFTWARE\\Microsoft\\Shared Tools Location", "MSINFO", (config.Root() / "empty").string());
    ClickSysInfo();
    EXPECT_TRUE(SaidUnavailable());
    EXPECT_FALSE(StartedSomething());
}

TEST_F(SystemInfoLaunchTest, StartsTheToolTheMachineSettingsName) {
    const fs::path stored = config.Root() / "stored-started";
    StoreMachineValue("SOFTWARE\\Microsoft\\Shared Tools\\MSINFO", "PATH",
                      FakeTool(config.Root() / "msinfo", "tool", stored).string());
    ClickSysInfo();
    EXPECT_TRUE(AppearsSoon(stored));
    EXPECT_TRUE(services->messages.empty());
}

TEST_F(SystemInfoLaunchTest, StartsTheFirstDesktopToolOnThePath) {
    const fs::path second = config.Root() / "hardinfo-started";
    const fs::path third = config.Root() / "kinfocenter-started";
    FakeTool(config.Root() / "bin", "hardinfo", second);
    FakeTool(config.Root() / "bin", "kinfocenter", third);
    ClickSysInfo();
    EXPECT_TRUE(StartedSomething());
    EXPECT_TRUE(AppearsSoon(second));
    EXPECT_FALSE(fs::exists(third));
    EXPECT_TRUE(services->messages.empty());
}

TEST_F(SystemDiagTest, HelpOpensContext550) {
    Open().Get<CommandButton>("cmdHelp").PerformClick();
    ASSERT_EQ(services->helps.size(), 1u);
    EXPECT_EQ(services->helps[0].context, 550);
}

}  // namespace
}  // namespace orbweave::testing
