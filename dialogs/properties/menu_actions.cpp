#include "dialogs/properties/menu_actions.h"

#include <array>
#include <cstdlib>
#include <string>
#include <system_error>
#include <utility>
#include <vector>

#include "dialogs/common/launchers.h"
#include "dialogs/common/maker.h"
#include "dialogs/properties/advanced_dialog.h"
#include "dialogs/properties/props_cycles.h"
#include "platform/forms/form.h"
#include "platform/forms/picture_box.h"
#include "platform/forms/services.h"
#include "platform/registry/settings.h"
#include "platform/system/services.h"
#include "settings/template_transfers.h"

namespace orbweave {
namespace {

// Opens a template into the properties dialog, which stores its advanced
// values at once: a store that cannot take them (another program holds it,
// it is read-only, its disk is full) says why, and the dialog keeps what it
// showed.
TransferResult OpenTemplateIntoDialog(Form& props, std::string_view file) {
    switch (CyclePropsTempToArrays(props, file)) {
    case TemplateImport::Imported: return true;
    case TemplateImport::NotStored: ShowSettingsWriteFailure(); return TransferResult::FailedAndTold();
    case TemplateImport::NotTemplate: break;
    }
    return false;
}

constexpr std::string_view kBackupFileName = "propsave.owv";
constexpr std::string_view kDataFolderName = "orbweave";

constexpr std::string_view kResetQuestion =
    "Do you really want to reset the Properties to the factory settings?\r\n\r\n"
    "Yes      - Save current settings to 'propsave.owv' then Reset the Properties.\r\n"
    "No       - Reset Properties without saving current settings.\r\n"
    "Cancel - Don't Reset or Save Properties.";
// Yes, No, Cancel: No is the default.
constexpr MessageStyle kResetQuestionStyle{MessageIcon::Question, MessageButtons::YesNoCancel, 1};
constexpr std::string_view kBackupFailedMessage =
    "The current settings could not be saved to 'propsave.owv'.\r\n\r\nThe Properties were not reset.";

// Title lines end with ":", their members are indented five blanks: books
// with ">", their authors and the testers with "-".
constexpr std::array<std::string_view, 39> kCreditLines = {
    "Design and Programming:",
    "     - Halden Ostrova",
    "Galaxy Models and Physics:",
    "     - Mirelle Quandt",
    "     - Tobiah Renwick",
    "Artwork and Help File:",
    "     - Sanne Vellacott",
    "Books that Inspired Orbweave:",
    "     > Spirals in the Dark Sky",
    "     - Corwin Aldane",
    "     > The Shape of Galaxies",
    "     - Imogen Brightwater",
    "     > Fractals Everywhere Around Us",
    "     - Pell Garrowby",
    "     > Particle Systems for Artists",
    "     - Ysolde Marchetti",
    "     > Colour Wheels and Light",
    "     - Brannock Feld",
    "Beta Testers:",
    "     - Aurelio Banks",
    "     - Bettany Cole",
    "     - Caspian Dray",
    "     - Delphine Orr",
    "     - Emrys Falk",
    "     - Fenella Grist",
    "     - Gideon Hale",
    "     - Hester Ivory",
    "     - Ivo Jansky",
    "     - Juno Kettering",
    "     - Kasimir Lunde",
    "     - Linnea Moss",
    "     - Magnus Nye",
    "     - Nerys Oakes",
    "     - Osric Pell",
    "     - Perpetua Quill",
    "     - Quentin Rook",
    "     - Rosamund Sayle",
    " ",
    kCopyrightLine,
};

void Inform(std::string_view text, MessageIcon icon = MessageIcon::Information) {
    ShowMessage(text, kMessageTitle, {icon, MessageButtons::Ok, 0});
}

void SaveTemplateAs(Form& props) {
    ShowFileDialog(props, false, true, kSaveTemplateTitle, kTemplateFilter, kTemplateExtension);
}

// Writes back into the template last opened or saved; a file that cannot be
// written is reported, and stays the current template.
void SaveTemplate(Form& props) {
    const std::string path = CurrentTemplate().path;
    if (path.empty()) {
        SaveTemplateAs(props);
        return;
    }
    if (!CyclePropsArraysToTemp(props, path)) Inform(kTemplateNotSavedMessage, MessageIcon::Exclamation);
}

// Puts the current template file back when the reset ends, however it ends.
class TemplatePathKeeper {
public:
    TemplatePathKeeper() : saved_(CurrentTemplate().path) {}
    ~TemplatePathKeeper() { CurrentTemplate().path = saved_; }
    TemplatePathKeeper(const TemplatePathKeeper&) = delete;
    TemplatePathKeeper& operator=(const TemplatePathKeeper&) = delete;

private:
    std::string saved_;
};

bool BackUpSettings(Form& props, const std::filesystem::path& backup) {
    std::error_code error;
    std::filesystem::create_directories(backup.parent_path(), error);
    return !error && CyclePropsArraysToTemp(props, backup.string());
}

void ClearPreview(Form& props) {
    if (auto* preview = props.Find<PictureBox>("picPreview")) preview->Drawing().Cls();
}

}  // namespace

void FileMenuAction(Form& props, int index) {
    switch (index) {
    case kFileOpen: ShowFileDialog(props, true, true, kOpenTemplateTitle, kTemplateFilter, kTemplateExtension); break;
    case kFileSave: SaveTemplate(props); break;
    case kFileSaveAs: SaveTemplateAs(props); break;
    case kFileExit: props.Unload(); break;
    default: break;
    }
}

void HelpMenuAction(Form&, int index) {
    switch (index) {
    case kHelpMenuContents: ShowHelp(kHelpFileName, kHelpContents, 0); break;
    case kHelpMenuSearch: ShowHelp(kHelpFileName, kHelpFinder, 0); break;
    case kHelpMenuDiagnostics: ShowSystemDiag(); break;
    case kHelpMenuHomePage: OpenWebPage(kMakerHomePage); break;
    case kHelpMenuAbout: ShowAboutBox(); break;
    default: break;
    }
}

std::function<TransferResult(std::string_view file)> TemplateTransfer(Form& props, bool open) {
    if (!open) return [&props](std::string_view file) { return TransferResult(CyclePropsArraysToTemp(props, file)); };
    return [&props](std::string_view file) { return OpenTemplateIntoDialog(props, file); };
}

std::string ShowFileDialog(Form& props, bool open, bool act, std::string_view title, std::string_view fileTypes,
                           std::string_view defaultExtension) {
    const FileChooserRequest request{open, act, std::string(title), std::string(fileTypes),
                                     std::string(defaultExtension), TemplateTransfer(props, open)};
    const auto chooser = Launchers().fileChooser;
    const std::string chosen = chooser ? chooser(request) : std::string();
    // The chosen file becomes the current template, the one Save writes to.
    if (!chosen.empty()) CurrentTemplate().path = chosen;
    return chosen;
}

void ShowSystemDiag() {
    if (const auto show = Launchers().systemDiag) show();
}

void ShowAdvancedDialog(std::function<void()> removeBlending) { ShowAdvancedSettings(std::move(removeBlending)); }

void ShowAboutBox() {
    const std::vector<std::string> lines(kCreditLines.begin(), kCreditLines.end());
    if (const auto show = Launchers().about) show(lines);
}

std::span<const std::string_view> CreditLines() { return kCreditLines; }

std::filesystem::path BackupTemplatePath() {
    const char* data = std::getenv("XDG_DATA_HOME");
    std::filesystem::path folder;
    if (data != nullptr && *data != '\0') {
        folder = data;
    } else {
        const char* home = std::getenv("HOME");
        folder = std::filesystem::path(home != nullptr ? home : "") / ".local" / "share";
    }
    return folder / kDataFolderName / kBackupFileName;
}

void ResetPropertiesToFactory(Form& props) {
    const TemplatePathKeeper keeper;
    const std::filesystem::path backup = BackupTemplatePath();
    CurrentTemplate().path = backup.string();
    switch (ShowMessage(kResetQuestion, kMessageTitle, kResetQuestionStyle)) {
    case MessageAnswer::Yes:
        if (!BackUpSettings(props, backup)) {
            Inform(kBackupFailedMessage, MessageIcon::Exclamation);
            return;
        }
        ResetAdvancedPropsToFactory(props);
        ClearPreview(props);
        break;
    case MessageAnswer::No: ResetAdvancedPropsToFactory(props); break;
    default: break;
    }
}

}  // namespace orbweave
