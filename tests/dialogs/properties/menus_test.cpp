// The properties dialog's menus: templates through the chooser, Exit, the
// factory reset with its backup, the Help entries, the advanced settings and
// which menus galaxy-properties mode switches off.
#include <QTimer>
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "dialogs/common/launchers.h"
#include "dialogs/common/maker.h"
#include "dialogs/properties/advanced_dialog.h"
#include "dialogs/properties/menu_actions.h"
#include "dialogs/properties/props_cycles.h"
#include "platform/forms/picture_box.h"
#include "platform/registry/settings.h"
#include "props_fixture.h"
#include "settings/galaxy_tables.h"

namespace orbweave::testing {
namespace {

constexpr const char* kMissing = "<missing>";

std::string Stored(const char* section, const char* name) { return GetSettingString(section, name, kMissing); }

std::string FileText(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

class MenusTest : public PropsDialogTest {
protected:
    void SetUp() override {
        PropsDialogTest::SetUp();
        CurrentTemplate().path.clear();
        Launchers().fileChooser = [this](const FileChooserRequest& request) {
            requests.push_back(request);
            return chosen;
        };
    }
    void TearDown() override {
        CurrentTemplate().path.clear();
        PropsDialogTest::TearDown();
    }

    std::filesystem::path Backup() const { return config.Root() / "data" / "orbweave" / "propsave.owv"; }

    // Settings the reset would change, in the controls, the tables and the store.
    void EditEverywhere() {
        Frm().SetText("txtUni", 0, "777");
        UniGalaxies[3].Galaxy_Radius = 4321;
        SaveSettingValue("Advanced", "Adv_FontSize", "20");
    }
    bool StillEdited() {
        return Frm().GetText("txtUni", 0) == "777" && UniGalaxies[3].Galaxy_Radius == 4321 &&
               Stored("Advanced", "Adv_FontSize") == "20";
    }
    bool Reset() {
        return Frm().GetText("txtUni", 0) != "777" && UniGalaxies[3].Galaxy_Radius != 4321 &&
               Stored("Advanced", "Adv_FontSize") == "12";
    }

    std::vector<FileChooserRequest> requests;
    std::string chosen;
};

TEST_F(MenusTest, TheFileEntriesAskTheChooserToOpenOrSaveAndSaveWithoutATemplateIsSaveAs) {
    Open();
    for (int entry : {0, 2, 3}) Dialog().mnuFileArray_Click(entry);
    ASSERT_EQ(requests.size(), 3u);
    EXPECT_TRUE(requests[0].open);
    EXPECT_EQ(requests[0].title, "Select Template to Open");
    for (const FileChooserRequest& request : {requests[1], requests[2]}) {
        EXPECT_FALSE(request.open);
        EXPECT_EQ(request.title, "Enter or Select Template to Save");
    }
    for (const FileChooserRequest& request : requests) {
        EXPECT_TRUE(request.act);
        EXPECT_EQ(request.fileTypes, "Orbweave Templates (*.owv)|*.owv|All Files (*.*)|*.*|");
        EXPECT_EQ(request.defaultExtension, "OWV");
    }
    // The cancelled chooser changed nothing; separators do nothing.
    EXPECT_TRUE(CurrentTemplate().path.empty());
    Dialog().mnuFileArray_Click(1);
    Dialog().mnuFileArray_Click(4);
    EXPECT_EQ(requests.size(), 3u);
    EXPECT_TRUE(Dialog().Loaded());
    // A chosen file becomes the template that Save writes to.
    chosen = "/somewhere/chosen.owv";
    Dialog().mnuFileArray_Click(0);
    EXPECT_EQ(CurrentTemplate().path, "/somewhere/chosen.owv");
}

TEST_F(MenusTest, OpeningATemplateEmptiesTheCompositeBoxesWithTheListsSelection) {
    Open();
    const std::string file = (config.Root() / "composites.owv").string();
    ASSERT_TRUE(CyclePropsArraysToTemp(Frm(), file));
    Launchers().fileChooser = [&file](const FileChooserRequest& request) {
        return request.transfer(file).done ? file : std::string();
    };
    Frm().SetListIndex("cboUniExtras", kNoIndex, 3);
    Frm().SetListIndex("lstCompGalaxy", kNoIndex, 2);
    ASSERT_NE(Frm().GetText("txtCompGalName"), "");
    Dialog().mnuFileArray_Click(0);
    EXPECT_EQ(Frm().GetListIndex("lstCompGalaxy"), -1);
    EXPECT_EQ(Frm().GetListIndex("cboCompMajor"), -1);
    EXPECT_EQ(Frm().GetText("txtCompGalName"), "");
    EXPECT_EQ(Frm().GetText("txtCompGalPct"), "");
}

TEST_F(MenusTest, SaveWritesBackIntoTheCurrentTemplateOrSaysItCouldNot) {
    Open();
    const std::filesystem::path file = config.Root() / "mine.owv";
    CurrentTemplate().path = file.string();
    Frm().SetText("txtUni", 0, "4242");
    Dialog().mnuFileArray_Click(2);
    EXPECT_TRUE(requests.empty());
    EXPECT_NE(FileText(file).find("Universe_Stars=4242"), std::string::npos);
    EXPECT_TRUE(services->messages.empty());

    const std::string unwritable = (config.Root() / "no-folder" / "mine.owv").string();
    CurrentTemplate().path = unwritable;
    Dialog().mnuFileArray_Click(2);
    ASSERT_EQ(services->messages.size(), 1u);
    EXPECT_EQ(services->messages[0].text, "The Template could not be saved.");
    EXPECT_EQ(CurrentTemplate().path, unwritable);
    EXPECT_TRUE(requests.empty());
}

TEST_F(MenusTest, ExitUnloadsWithoutWriting) {
    Open();
    Frm().SetText("txtUni", 0, "4242");
    Dialog().mnuFileArray_Click(5);
    EXPECT_FALSE(Dialog().Loaded());
    EXPECT_EQ(Stored("Universe", "Universe_Stars"), kMissing);
}

TEST_F(MenusTest, HelpOpensTheHelpFileTheWindowsAndTheHomePage) {
    int diagnostics = 0;
    std::vector<std::string> credits;
    Launchers().systemDiag = [&] { ++diagnostics; };
    Launchers().about = [&](const std::vector<std::string>& lines) { credits = lines; };
    Open();
    for (int entry = 0; entry < 8; ++entry) Dialog().mnuHelpArray_Click(entry);
    ASSERT_EQ(services->helps.size(), 2u);
    EXPECT_EQ(services->helps[0].file, "Orbhelp50.hlp");
    EXPECT_EQ(services->helps[0].command, 3);
    EXPECT_EQ(services->helps[1].command, 11);
    EXPECT_EQ(diagnostics, 1);
    EXPECT_EQ(services->addresses, std::vector<std::string>{"https://www.velmor.example/"});
    ASSERT_EQ(credits.size(), 39u);
    EXPECT_EQ(credits[37], " ");
    EXPECT_EQ(credits[38], "Copyright (C) Velmor.  All rights reserved.");
}

TEST_F(MenusTest, TheCreditsAreGroupsOfATitleAndIndentedMembers) {
    const auto lines = CreditLines();
    ASSERT_EQ(lines.size(), 39u);
    bool inGroup = false;
    for (std::size_t i = 0; i + 2 < lines.size(); ++i) {
        const std::string_view line = lines[i];
        if (line.starts_with("     ")) {
            EXPECT_TRUE(inGroup) << i;
            EXPECT_TRUE(line[5] == '-' || line[5] == '>') << i;
        } else {
            EXPECT_TRUE(line.ends_with(":")) << i;
            inGroup = true;
        }
    }
}

TEST_F(MenusTest, AdvancedSettingsOpenFromTheEditMenu) {
    int opened = 0;
    Open();
    // Dismisses the modal dialog once it is up.
    QTimer dismiss;
    QObject::connect(&dismiss, &QTimer::timeout, [&] {
        if (!AdvancedDialog::Instance().Loaded()) return;
        ++opened;
        AdvancedDialog::Instance().cmdDismiss_Click();
    });
    dismiss.start(10);
    Dialog().mnuEditArray_Click(2);
    Dialog().mnuEditArray_Click(1);
    dismiss.stop();
    EXPECT_EQ(opened, 1);
}

TEST_F(MenusTest, GalaxyPropertiesModeSwitchesOffFileAndEditButNeverHelp) {
    Open();
    Get<ListBox>("lstUniGalaxy").SetListIndex(0);
    Dialog().cmdGalProps_Click();
    EXPECT_FALSE(Get("mnuFile").Enabled());
    EXPECT_FALSE(Get("mnuEdit").Enabled());
    EXPECT_TRUE(Get("mnuHelp").Enabled());
    Dialog().cmdAcceptGalProps_Click();
    EXPECT_TRUE(Get("mnuFile").Enabled());
    EXPECT_TRUE(Get("mnuEdit").Enabled());
}

TEST_F(MenusTest, TheResetAsksWithNoAsTheDefault) {
    Open();
    services->messageAnswers = {MessageAnswer::Cancel};
    Dialog().mnuEditArray_Click(0);
    ASSERT_EQ(services->messages.size(), 1u);
    const ServiceRecorder::Message& question = services->messages[0];
    EXPECT_EQ(question.text,
              "Do you really want to reset the Properties to the factory settings?\r\n\r\n"
              "Yes      - Save current settings to 'propsave.owv' then Reset the Properties.\r\n"
              "No       - Reset Properties without saving current settings.\r\n"
              "Cancel - Don't Reset or Save Properties.");
    EXPECT_EQ(question.title, "Orbweave");
    EXPECT_EQ(question.style.icon, MessageIcon::Question);
    EXPECT_EQ(question.style.buttons, MessageButtons::YesNoCancel);
    EXPECT_EQ(DefaultAnswer(question.style), MessageAnswer::No);
}

TEST_F(MenusTest, ResetAnswersBackUpResetOrLeaveAndKeepTheCurrentTemplate) {
    struct Case {
        MessageAnswer answer;
        bool backedUp;
        bool reset;
        bool previewCleared;
    };
    const Case cases[] = {
        {MessageAnswer::Cancel, false, false, false},
        {MessageAnswer::No, false, true, false},
        {MessageAnswer::Yes, true, true, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(static_cast<int>(c.answer));
        Open();
        std::filesystem::remove_all(config.Root() / "data");
        CurrentTemplate().path = "/somewhere/mine.owv";
        EditEverywhere();
        auto& preview = Get<PictureBox>("picPreview").Drawing();
        preview.Line(0, 0, 600, 600, 0x0000FF);
        const QImage drawn = preview.Image();
        services->messageAnswers = {c.answer};
        Dialog().mnuEditArray_Click(0);
        EXPECT_EQ(std::filesystem::exists(Backup()), c.backedUp);
        if (c.backedUp) {
            EXPECT_NE(FileText(Backup()).find("Universe_Stars=777"), std::string::npos);
        }
        EXPECT_EQ(c.reset ? Reset() : StillEdited(), true);
        EXPECT_EQ(preview.Image() != drawn, c.previewCleared);
        EXPECT_EQ(CurrentTemplate().path, "/somewhere/mine.owv");
        EXPECT_EQ(services->messages.size(), 1u);
        services->messages.clear();
        Dialog().cmdDismiss_Click();
        PropertiesDialog::Release();
    }
}

TEST_F(MenusTest, ASecondResetWithYesBacksUpTheFactorySettingsOfTheFirst) {
    Open();
    EditEverywhere();
    services->messageAnswers = {MessageAnswer::Yes, MessageAnswer::Yes};
    Dialog().mnuEditArray_Click(0);
    const std::string factoryStars = *Frm().GetText("txtUni", 0);
    Dialog().mnuEditArray_Click(0);
    const std::string backup = FileText(Backup());
    EXPECT_EQ(backup.find("Universe_Stars=777"), std::string::npos);
    EXPECT_NE(backup.find("Universe_Stars=" + factoryStars + "\r\n"), std::string::npos);
}

TEST_F(MenusTest, AResetWhoseBackupCannotBeWrittenSaysSoAndResetsNothing) {
    Open();
    EditEverywhere();
    std::ofstream(config.Root() / "blocker") << "a file, not a folder";
    config.Set("XDG_DATA_HOME", config.Root() / "blocker");
    CurrentTemplate().path = "/somewhere/mine.owv";
    services->messageAnswers = {MessageAnswer::Yes};
    Dialog().mnuEditArray_Click(0);
    ASSERT_EQ(services->messages.size(), 2u);
    EXPECT_EQ(services->messages[1].text,
              "The current settings could not be saved to 'propsave.owv'.\r\n\r\nThe Properties were not reset.");
    EXPECT_TRUE(StillEdited());
    EXPECT_EQ(CurrentTemplate().path, "/somewhere/mine.owv");
}

TEST_F(MenusTest, TheAdvancedBlendingButtonClearsEveryBlendLevel) {
    Open();
    Frm().SetText("txtBlend", 0, "60");
    // Clicks the button of the modal dialog once it is up, then dismisses it.
    QTimer click;
    QObject::connect(&click, &QTimer::timeout, [&] {
        if (!AdvancedDialog::Instance().Loaded()) return;
        AdvancedDialog::Instance().cmdSetGalaxyBlend0_Click();
        AdvancedDialog::Instance().cmdDismiss_Click();
    });
    click.start(10);
    Dialog().mnuEditArray_Click(2);
    click.stop();
    EXPECT_EQ(Frm().GetText("txtBlend", 0), "0");
    EXPECT_EQ(Frm().GetText("txtBlend", 1), "0");
    EXPECT_EQ(Frm().GetText("txtPixHue", 4), "0");
    for (int type = 0; type < kGalaxyTypeCount; ++type) EXPECT_EQ(UniGalaxies[type].Galaxy_DX_Blend, 0) << type;
}

}  // namespace
}  // namespace orbweave::testing
