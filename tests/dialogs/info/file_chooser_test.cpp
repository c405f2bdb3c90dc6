// The template chooser on Linux paths: names joined with one "/", the
// listing by pattern, the refusals, the writability probe, the default
// extension, the remembered folder and a transfer that fails.
#include "dialogs/info/file_chooser.h"

#include <gtest/gtest.h>

#include <QTimer>

#include <chrono>
#include <filesystem>
#include <fstream>

#include "dialogs/properties/menu_actions.h"
#include "dialogs/properties/props_cycles.h"
#include "dialogs/properties/props_test_form.h"
#include "info_fixture.h"
#include "platform/forms/controls.h"
#include "platform/forms/form.h"
#include "platform/registry/settings.h"
#include "platform/registry/store.h"
#include "platform/registry/store_probes.h"

namespace orbweave::testing {
namespace {

namespace fs = std::filesystem;

constexpr std::string_view kTypes = "Orbweave Templates (*.owv)|*.owv|All Files (*.*)|*.*|";

class FileChooserTest : public InfoTest {
protected:
    void SetUp() override {
        InfoTest::SetUp();
        folder = config.Root() / "templates";
        fs::create_directories(folder);
        SaveSettingValue("Template", "Path_Dir", folder.string());
    }
    void TearDown() override {
        FileChooser::Release();
        InfoTest::TearDown();
    }
    FileChooser& Open(bool open, std::string_view types = kTypes) {
        FileChooser& chooser = FileChooser::Instance();
        chooser.FormLet({open, true, open ? "Select Template to Open" : "Enter or Select Template to Save",
                         std::string(types), "OWV", [this](std::string_view file) {
                             transfers.emplace_back(file);
                             return TransferResult(transferSucceeds);
                         }});
        chooser.Show();
        return chooser;
    }
    // Types the name and presses OK.
    void Choose(std::string_view name) {
        Form& form = FileChooser::Instance().Frm();
        form.Get<TextBox>("txtFile").SetText(name);
        form.Get<CommandButton>("cmdOK").PerformClick();
    }
    void Touch(const fs::path& file, std::string_view text = "x") { std::ofstream(file) << text; }
    std::vector<std::string> Listed() {
        const auto& list = FileChooser::Instance().Frm().Get<ListBox>("filTemp");
        std::vector<std::string> names;
        for (int i = 0; i < list.ListCount(); ++i) names.push_back(list.List(i));
        return names;
    }
    std::string Refusal() const { return services->messages.empty() ? "" : services->messages.back().text; }

    fs::path folder;
    std::vector<std::string> transfers;
    bool transferSucceeds = true;
};

TEST_F(FileChooserTest, NamesJoinWithOneSlash) {
    EXPECT_EQ(JoinedFileName("/", "night.OWV"), "/night.OWV");
    EXPECT_EQ(JoinedFileName("/srv/templates", "night"), "/srv/templates/night");
    EXPECT_EQ(JoinedFileName("/srv/templates/", " night "), "/srv/templates/ night ");
}

TEST_F(FileChooserTest, SavingGivesTheDefaultExtensionOnlyToADotlessTypedName) {
    fs::create_directories(folder / "a.b");
    struct Row {
        std::string folder;
        std::string typed;
        std::string saved;
    };
    for (const Row& row : {Row{folder.string(), "night", (folder / "night.OWV").string()},
                           Row{folder.string(), "night.owv", (folder / "night.owv").string()},
                           // A dot in the folder's name no longer keeps the extension away.
                           Row{(folder / "a.b").string(), "night", (folder / "a.b" / "night.OWV").string()}}) {
        transfers.clear();
        SaveSettingValue("Template", "Path_Dir", row.folder);
        FileChooser& chooser = Open(false);
        Choose(row.typed);
        EXPECT_TRUE(chooser.Accepted()) << row.typed;
        EXPECT_EQ(chooser.FullFileName(), row.saved);
        EXPECT_EQ(transfers, std::vector<std::string>{row.saved});
        EXPECT_EQ(GetSettingString("Template", "Path_Dir", ""), row.folder);
        EXPECT_EQ(GetSettingString("Template", "Path_Drive", ""), chooser.DrivePath());
        EXPECT_FALSE(chooser.Loaded());
        FileChooser::Release();
    }
    EXPECT_TRUE(services->messages.empty());
}

TEST_F(FileChooserTest, RefusedNamesKeepTheDialogOpen) {
    Touch(folder / "night.OWV");
    fs::create_directories(folder / "sub");
    struct Row {
        bool open;
        std::string typed;
        std::string_view message;
    };
    for (const Row& row :
         {Row{true, "", "Please select an existing file."}, Row{true, "   ", "Please select an existing file."},
          Row{true, "missing.OWV", "Please select an existing file."},
          Row{true, "sub", "Please select an existing file."}, Row{false, "  ", "Please enter a file name."},
          // A missing folder is what cannot be written: as root, permission bits stop nothing.
          Row{false, "nowhere/night", "Please enter a valid path and file."}}) {
        services->messages.clear();
        FileChooser& chooser = Open(row.open);
        Choose(row.typed);
        EXPECT_EQ(Refusal(), row.message) << row.typed;
        EXPECT_EQ(services->messages.back().title, "Orbweave");
        EXPECT_TRUE(chooser.Loaded());
        EXPECT_FALSE(chooser.Accepted());
        EXPECT_EQ(chooser.Frm().ActiveControl(), &chooser.Frm().Get("txtFile"));
        FileChooser::Release();
    }
    EXPECT_TRUE(transfers.empty());
}

TEST_F(FileChooserTest, TheWritabilityProbeLeavesNothingAndTouchesNoOtherFile) {
    Touch(folder / "night0", "keep me");
    Open(false);
    Choose("night");
    EXPECT_TRUE(FileChooser::Instance().Accepted());
    std::vector<std::string> left;
    for (const auto& entry : fs::directory_iterator(folder)) left.push_back(entry.path().filename().string());
    EXPECT_EQ(left, std::vector<std::string>{"night0"});
    std::ifstream kept(folder / "night0");
    std::string text;
    std::getline(kept, text);
    EXPECT_EQ(text, "keep me");
}

TEST_F(FileChooserTest, ListsMatchingOrdinaryFilesIgnoringCase) {
    Touch(folder / "NIGHT.OWV");
    Touch(folder / "day.owv");
    Touch(folder / "README");
    Touch(folder / ".hidden.owv");
    fs::create_directories(folder / "folder.owv");
    FileChooser& chooser = Open(true);
    EXPECT_EQ(Listed(), (std::vector<std::string>{"day.owv", "NIGHT.OWV"}));
    chooser.Frm().SetListIndex("cboTypes", kNoIndex, 1);
    EXPECT_EQ(Listed(), (std::vector<std::string>{"day.owv", "NIGHT.OWV", "README"}));
    std::vector<std::string> matching;
    for (const ListedFile& file : MatchingFiles(folder.string(), "*.txt;*.OWV")) matching.push_back(file.name);
    EXPECT_EQ(matching, (std::vector<std::string>{"day.owv", "NIGHT.OWV"}));
    // Clicking a file names it; OK then opens it.
    chooser.Frm().SetListIndex("filTemp", kNoIndex, 1);
    EXPECT_EQ(chooser.Frm().GetText("txtFile"), "NIGHT.OWV");
    chooser.Frm().Get<CommandButton>("cmdOK").PerformClick();
    EXPECT_EQ(chooser.FullFileName(), (folder / "NIGHT.OWV").string());
}

TEST_F(FileChooserTest, NamesThatAreNotUtf8AreListedDecodedAndOpenByTheirOwnBytes) {
    const std::string replaced = "\xef\xbf\xbd";  // U+FFFD
    // "café" in Latin-1; U+FFFD itself and a byte UTF-8 never holds, shown alike.
    const std::vector<std::string> names{"caf\xe9.owv", replaced + ".owv", "\xff.owv"};
    for (const std::string& name : names) Touch(folder / name);
    for (std::size_t item = 0; item < names.size(); ++item) {
        FileChooser& chooser = Open(true);
        EXPECT_EQ(Listed(),
                  (std::vector<std::string>{"caf" + replaced + ".owv", replaced + ".owv", replaced + ".owv"}));
        chooser.Frm().SetListIndex("filTemp", kNoIndex, static_cast<int>(item));
        chooser.Frm().Get<CommandButton>("cmdOK").PerformClick();
        ASSERT_TRUE(chooser.Accepted()) << item;
        EXPECT_EQ(transfers.back(), (folder / names[item]).string());
        FileChooser::Release();
    }
}

TEST_F(FileChooserTest, FileTypesAreReadInPairsUntilNoBarIsLeft) {
    FileChooser& chooser = Open(true, "Templates|*.owv|All|*.*|Broken|*.x");
    const auto& types = chooser.Frm().Get<ComboBox>("cboTypes");
    const auto& patterns = chooser.Frm().Get<ComboBox>("cboFilter");
    ASSERT_EQ(types.ListCount(), 2);
    ASSERT_EQ(patterns.ListCount(), 2);
    EXPECT_EQ(types.List(1), "All");
    EXPECT_EQ(patterns.List(1), "*.*");
    EXPECT_EQ(types.ListIndex(), 0);
    EXPECT_FALSE(patterns.Visible());
}

TEST_F(FileChooserTest, StartsInTheStoredFolderOrTheCurrentOne) {
    EXPECT_EQ(Open(true).FolderPath(), folder.string());
    FileChooser::Release();
    SaveSettingValue("Template", "Path_Dir", (folder / "gone").string());
    EXPECT_EQ(Open(true).FolderPath(), fs::current_path().string());
    // The folder list holds the ancestors, the folder itself selected, then its subfolders.
    FileChooser& chooser = FileChooser::Instance();
    EXPECT_TRUE(chooser.SetFolderPath(config.Root().string()));
    const auto& folders = chooser.Frm().Get<ListBox>("dirTemp");
    EXPECT_EQ(folders.List(0), "/");
    EXPECT_TRUE(folders.List(folders.ListIndex()).ends_with(config.Root().filename().string()));
    EXPECT_TRUE(folders.List(folders.ListCount() - 1).ends_with("templates"));
    chooser.Frm().SetListIndex("dirTemp", kNoIndex, folders.ListCount() - 1);
    chooser.dirTemp_DblClick();
    EXPECT_EQ(chooser.FolderPath(), folder.string());
    EXPECT_EQ(chooser.Frm().Get<ComboBox>("drvTemp").List(0), "/");
}

TEST_F(FileChooserTest, ATransferThatFailsSaysSoAndChangesNothing) {
    transferSucceeds = false;
    Touch(folder / "night.OWV");
    for (const bool open : {true, false}) {
        services->messages.clear();
        FileChooser& chooser = Open(open);
        chooser.SetFolderPath(config.Root().string());
        Choose(open ? "templates/night.OWV" : "templates/night");
        ASSERT_EQ(services->messages.size(), 1u);
        EXPECT_EQ(services->messages[0].text,
                  open ? "The Template could not be read." : "The Template could not be saved.");
        EXPECT_TRUE(chooser.Loaded());
        EXPECT_FALSE(chooser.Accepted());
        EXPECT_EQ(GetSettingString("Template", "Path_Dir", ""), folder.string());
        FileChooser::Release();
    }
}

// A template opened into the properties dialog stores its advanced values at
// once: when another program holds the store, the chooser says so, not that
// the template could not be read, and stays open for another try.
TEST_F(FileChooserTest, OpeningWhileAnotherProgramHoldsTheStoreSaysSoAndChangesNothing) {
    const std::chrono::milliseconds previousTimeout = SetStoreBusyTimeout(std::chrono::milliseconds(20));
    std::ofstream(folder / "night.OWV", std::ios::binary) << "\r\n[Advanced]\r\nAdv_FontSize=20\r\n";
    ASSERT_TRUE(SaveSettingValue("Advanced", "Adv_FontSize", "12"));
    const auto props = MakePropsTestForm();
    props->SetText("txtDXRes", 0, "1000");
    auto other = std::make_optional<StoreHeld>();
    ASSERT_TRUE(other->Holds());

    bool stayedOpen = false;
    QTimer::singleShot(0, [&] {
        Choose("night.OWV");
        stayedOpen = FileChooser::Instance().Loaded();
        FileChooser::Instance().Frm().Get<CommandButton>("cmdDismiss").PerformClick();
    });
    const std::string chosen =
        ShowTemplateChooser({true, true, "Select Template to Open", std::string(kTypes), "OWV",
                             TemplateTransfer(*props, true)});
    other.reset();

    EXPECT_TRUE(stayedOpen);
    EXPECT_EQ(chosen, "");
    ASSERT_EQ(services->messages.size(), 1u);
    EXPECT_TRUE(services->messages[0].text.starts_with("The Property settings are in use by another program."));
    EXPECT_EQ(props->GetText("txtDXRes", 0), "1000");
    EXPECT_EQ(GetSettingString("Advanced", "Adv_FontSize", ""), "12");
    SetStoreBusyTimeout(previousTimeout);
}

TEST_F(FileChooserTest, CancelAcceptsNothing) {
    FileChooser& chooser = Open(true);
    chooser.Frm().Get<TextBox>("txtFile").SetText("night.OWV");
    chooser.Frm().Get<CommandButton>("cmdDismiss").PerformClick();
    EXPECT_FALSE(chooser.Loaded());
    EXPECT_FALSE(chooser.Accepted());
    EXPECT_EQ(chooser.FullFileName(), "");
}

}  // namespace
}  // namespace orbweave::testing
