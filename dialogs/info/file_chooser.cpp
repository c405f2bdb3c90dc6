#include "dialogs/info/file_chooser.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStorageInfo>
#include <QTemporaryFile>
#include <QTimer>
#include <QWidget>
#include <algorithm>
#include <array>
#include <filesystem>
#include <system_error>

#include "dialogs/common/maker.h"
#include "platform/forms/control_rows.h"
#include "platform/forms/controls.h"
#include "platform/forms/form.h"
#include "platform/forms/qt_text.h"
#include "platform/forms/screen.h"
#include "platform/forms/services.h"
#include "platform/forms/window_utils.h"
#include "platform/registry/settings.h"
#include "platform/system/services.h"

namespace orbweave {
namespace {

constexpr std::string_view kFormName = "frmFileIO";
constexpr std::string_view kPlacementName = "Template";
constexpr std::string_view kSectionTemplate = "Template";
constexpr std::string_view kSettingDrive = "Path_Drive";
constexpr std::string_view kSettingFolder = "Path_Dir";
constexpr int kClientWidth = 7080;
// The client area ends this many pixels below the file-name box.
constexpr int kPixelsBelowName = 5;

constexpr ControlSpec kChooserControls[] = {
    LabelRow("lblDrive", kNoIndex, {120, 60, 2715, 216}, "Drive / Directory:"),
    ComboRow("drvTemp", kNoIndex, {120, 300, 2715, 315}).Tab(0),
    ListRow("dirTemp", kNoIndex, {120, 660, 2715, 2565}).Tab(1),
    LabelRow("lblTypes", kNoIndex, {3000, 60, 2715, 210}, "List Files of Type:"),
    ComboRow("cboTypes", kNoIndex, {3000, 300, 2712, 315}).Tab(2),
    ListRow("filTemp", kNoIndex, {3000, 660, 2712, 2625}).Tab(3),
    LabelRow("lblFile", kNoIndex, {120, 3405, 1500, 210}, "File name:"),
    TextRow("txtFile", kNoIndex, {1380, 3360, 4335, 300}).Tab(4),
    ButtonRow("cmdOK", kNoIndex, {5940, 300, 960, 330}, "OK").Tab(5),
    ButtonRow("cmdDismiss", kNoIndex, {5940, 720, 960, 330}, "Cancel").Tab(6),
    ButtonRow("cmdHelp", kNoIndex, {5940, 1320, 960, 330}, "&Help").Tab(7),
    ComboRow("cboFilter", kNoIndex, {3000, 300, 2712, 315}).Tab(8),
};

// File systems that hold no user files.
constexpr std::array<std::string_view, 16> kPseudoFileSystems = {
    "proc",    "sysfs",   "devpts",   "devtmpfs", "cgroup", "cgroup2",   "securityfs", "pstore",
    "debugfs", "tracefs", "configfs", "fusectl",  "mqueue", "hugetlbfs", "bpf",        "binfmt_misc"};

bool IsPseudo(const QStorageInfo& volume) {
    const std::string type = volume.fileSystemType().toStdString();
    return std::find(kPseudoFileSystems.begin(), kPseudoFileSystems.end(), type) != kPseudoFileSystems.end();
}

// The mount point that holds a path: the longest one that is a prefix of it.
std::string DriveOf(const std::vector<std::string>& drives, const std::string& path) {
    std::string best = "/";
    for (const std::string& drive : drives) {
        const bool inside =
            path == drive || (path.rfind(drive, 0) == 0 && (drive.back() == '/' || path[drive.size()] == '/'));
        if (inside && drive.size() > best.size()) best = drive;
    }
    return best;
}

// Ancestors from "/" down to the folder itself.
std::vector<std::string> AncestorsOf(const std::string& folder) {
    std::vector<std::string> chain = {"/"};
    std::string path;
    for (const QString& part : ToQString(folder).split(QLatin1Char('/'), Qt::SkipEmptyParts)) {
        path += "/" + part.toStdString();
        chain.push_back(path);
    }
    return chain;
}

std::string LastPart(const std::string& path) {
    if (path == "/") return path;
    return path.substr(path.find_last_of('/') + 1);
}

// The name as typed after its last "/": what a default extension depends on.
std::string_view TypedFileName(std::string_view typed) {
    const std::size_t slash = typed.find_last_of('/');
    return slash == std::string_view::npos ? typed : typed.substr(slash + 1);
}

std::string Trimmed(std::string_view text) { return ToQString(text).trimmed().toStdString(); }

bool IsHiddenName(const std::string& name) { return name.starts_with('.'); }

// A regular file, or a link to one: what a file list shows.
bool IsRegularFile(const std::filesystem::path& path) {
    std::error_code error;
    return std::filesystem::is_regular_file(std::filesystem::status(path, error));
}

// An ordinary file: a regular file that is not hidden. The name is taken
// byte for byte, so a file whose name is not UTF-8 is found too.
bool IsOrdinaryFile(const std::string& path) {
    const std::filesystem::path file(path);
    return IsRegularFile(file) && !IsHiddenName(file.filename().string());
}

// Shown names in the order of a case-blind file list.
bool ShownBefore(const ListedFile& a, const ListedFile& b) {
    const int order = ToQString(a.shown).compare(ToQString(b.shown), Qt::CaseInsensitive);
    return order != 0 ? order < 0 : a.name < b.name;
}

// The folder of `fullName` takes a new file: a fresh name is created
// exclusively there and removed again, so no existing file is touched.
bool FolderTakesFile(const std::string& fullName) {
    QTemporaryFile probe(ToQString(fullName) + QStringLiteral(".XXXXXX"));
    probe.setAutoRemove(true);
    if (!probe.open()) return false;
    probe.close();
    return probe.remove();
}

}  // namespace

std::vector<std::string> MountPoints() {
    std::vector<std::string> drives = {"/"};
    for (const QStorageInfo& volume : QStorageInfo::mountedVolumes()) {
        if (!volume.isValid() || !volume.isReady() || IsPseudo(volume)) continue;
        const std::string root = volume.rootPath().toStdString();
        if (std::find(drives.begin(), drives.end(), root) == drives.end()) drives.push_back(root);
    }
    std::sort(drives.begin() + 1, drives.end());
    return drives;
}

// The folder is read directly: Qt's own listing leaves out every name that
// is not valid UTF-8.
std::vector<ListedFile> MatchingFiles(const std::string& folder, std::string_view patterns) {
    QStringList filters;
    for (const QString& pattern : ToQString(patterns).split(QLatin1Char(';'), Qt::SkipEmptyParts)) {
        const QString trimmed = pattern.trimmed();
        filters << (trimmed == QStringLiteral("*.*") ? QStringLiteral("*") : trimmed);
    }
    if (filters.isEmpty()) return {};
    std::vector<ListedFile> files;
    std::error_code error;
    for (std::filesystem::directory_iterator entry(folder, error), end; !error && entry != end;
         entry.increment(error)) {
        std::string name = entry->path().filename().string();
        if (IsHiddenName(name) || !IsRegularFile(entry->path())) continue;
        const QString shown = QFile::decodeName(QByteArray::fromStdString(name));
        if (QDir::match(filters, shown)) files.push_back({std::move(name), shown.toStdString()});
    }
    std::sort(files.begin(), files.end(), ShownBefore);
    return files;
}

std::string JoinedFileName(std::string_view folder, std::string_view typed) {
    std::string full(folder);
    if (full.empty() || full.back() != '/') full += '/';
    return full + std::string(typed);
}

FileChooser::FileChooser() : Dialog(kFormName, kChooserControls, kPlacementName) {}

void FileChooser::Load() {
    Form& form = Frm();
    accepted_ = false;
    fullFileName_.clear();
    form.SetSizable(false);
    const Control& name = form.Get("txtFile");
    form.SetClientSize(kClientWidth, name.Top() + name.Height() + kPixelsBelowName * ScreenTwipsPerPixelY());
    form.SetCaption(Handed().title);
    form.SetHelpContextId(kFileChooserHelpContext);
    form.Get("cboFilter").SetVisible(false);
    WireHandlers();
    FillDrives();
    SelectStoredPlace();
    LoadFileTypes();
    // The name is what the user types first; the lists are a Tab away.
    QTimer::singleShot(0, form.Window(), [this] { Frm().Get("txtFile").SetFocus(); });
}

void FileChooser::WireHandlers() {
    Form& form = Frm();
    form.Get("drvTemp").events.click = [this] { drvTemp_Change(); };
    form.Get("dirTemp").events.dblClick = [this] { dirTemp_DblClick(); };
    form.Get("cboTypes").events.click = [this] { cboTypes_Click(); };
    form.Get("filTemp").events.click = [this] { filTemp_Click(); };
    form.Get("filTemp").events.dblClick = [this] { AcceptFile(); };
    form.Get("txtFile").events.gotFocus = [this] { SelectTextOnFocus(Frm()); };
    form.Get("cmdHelp").events.click = [this] { cmdHelp_Click(); };
    auto& ok = form.Get<CommandButton>("cmdOK");
    ok.events.click = [this] { AcceptFile(); };
    ok.SetDefault(true);
    auto& cancel = form.Get<CommandButton>("cmdDismiss");
    cancel.events.click = [this] { cmdDismiss_Click(); };
    cancel.SetCancel(true);
}

void FileChooser::FillDrives() {
    auto& list = Frm().Get<ComboBox>("drvTemp");
    drives_ = MountPoints();
    list.Clear();
    for (const std::string& drive : drives_) list.AddItem(drive);
}

// The lists start at the process's current drive and folder; then the
// stored drive and folder are chosen, each skipped when it no longer exists.
void FileChooser::SelectStoredPlace() {
    const std::string current = QDir::currentPath().toStdString();
    SelectDrive(DriveOf(drives_, current));
    SetFolderPath(current);
    const std::string storedDrive = GetSettingString(kSectionTemplate, kSettingDrive, "");
    const std::string storedFolder = GetSettingString(kSectionTemplate, kSettingFolder, "");
    if (!storedDrive.empty()) SelectDrive(storedDrive);
    if (!storedFolder.empty()) SetFolderPath(storedFolder);
}

void FileChooser::SelectDrive(const std::string& drive) {
    const auto found = std::find(drives_.begin(), drives_.end(), drive);
    if (found != drives_.end()) Frm().Get<ComboBox>("drvTemp").SetListIndex(static_cast<int>(found - drives_.begin()));
}

void FileChooser::LoadFileTypes() {
    Form& form = Frm();
    auto& types = form.Get<ComboBox>("cboTypes");
    auto& filters = form.Get<ComboBox>("cboFilter");
    const std::string& text = Handed().fileTypes;
    // Pairs of a description and a pattern, each ended by "|"; a part
    // without its "|" ends the list, so the two combos keep equal indexes.
    std::size_t p = 0;
    while (p < text.size()) {
        const std::size_t q = text.find('|', p);
        if (q == std::string::npos) break;
        const std::size_t r = text.find('|', q + 1);
        if (r == std::string::npos) break;
        types.AddItem(std::string_view(text).substr(p, q - p));
        filters.AddItem(std::string_view(text).substr(q + 1, r - q - 1));
        p = r + 1;
    }
    types.SetListIndex(0);
}

bool FileChooser::SetFolderPath(const std::string& folder) {
    const QFileInfo info(ToQString(folder));
    if (folder.empty() || !info.isDir()) return false;
    folder_ = QDir::cleanPath(info.absoluteFilePath()).toStdString();
    folderEntries_ = AncestorsOf(folder_);
    const int current = static_cast<int>(folderEntries_.size()) - 1;
    QDir dir(ToQString(folder_));
    for (const QString& sub : dir.entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name | QDir::IgnoreCase))
        folderEntries_.push_back(JoinedFileName(folder_, sub.toStdString()));
    auto& list = Frm().Get<ListBox>("dirTemp");
    list.Clear();
    for (std::size_t i = 0; i < folderEntries_.size(); ++i) {
        // Ancestors indented by depth, subfolders one step below the current folder.
        const int depth = std::min(static_cast<int>(i), current + 1);
        list.AddItem(std::string(static_cast<std::size_t>(depth) * 2, ' ') + LastPart(folderEntries_[i]));
    }
    list.SetListIndex(current);
    FillFileList();
    return true;
}

void FileChooser::FillFileList() {
    auto& list = Frm().Get<ListBox>("filTemp");
    list.Clear();
    files_.clear();
    if (folder_.empty()) return;
    files_ = MatchingFiles(folder_, pattern_);
    for (const ListedFile& file : files_) list.AddItem(file.shown);
}

std::string FileChooser::FileSystemName(const std::string& typed) const {
    const int item = Frm().Get<ListBox>("filTemp").ListIndex();
    if (item < 0 || item >= static_cast<int>(files_.size())) return typed;
    const ListedFile& file = files_[static_cast<std::size_t>(item)];
    return file.shown == typed ? file.name : typed;
}

void FileChooser::drvTemp_Change() {
    const int item = Frm().Get<ComboBox>("drvTemp").ListIndex();
    if (item < 0 || item >= static_cast<int>(drives_.size())) return;
    drive_ = drives_[static_cast<std::size_t>(item)];
    SetFolderPath(drive_);
}

void FileChooser::dirTemp_DblClick() {
    const int item = Frm().Get<ListBox>("dirTemp").ListIndex();
    if (item < 0 || item >= static_cast<int>(folderEntries_.size())) return;
    SetFolderPath(folderEntries_[static_cast<std::size_t>(item)]);
}

void FileChooser::cboTypes_Click() {
    Form& form = Frm();
    const int item = form.Get<ComboBox>("cboTypes").ListIndex();
    const auto& filters = form.Get<ComboBox>("cboFilter");
    if (item < 0 || item >= filters.ListCount()) return;
    pattern_ = filters.List(item);
    FillFileList();
}

void FileChooser::filTemp_Click() {
    Form& form = Frm();
    const auto& list = form.Get<ListBox>("filTemp");
    if (list.ListIndex() >= 0) form.Get<TextBox>("txtFile").SetText(list.Text());
}

void FileChooser::Refuse(std::string_view message) {
    ShowMessage(message, kMessageTitle, {MessageIcon::Information, MessageButtons::Ok, 0});
    Frm().Get("txtFile").SetFocus();
}

void FileChooser::AcceptFile() {
    const FileChooserRequest& request = Handed();
    const std::string typed = Frm().Get<TextBox>("txtFile").Text();
    std::string fullName = JoinedFileName(folder_, FileSystemName(typed));
    const bool blank = Trimmed(typed).empty();
    if (request.open) {
        if (blank || !IsOrdinaryFile(fullName)) return Refuse(kSelectExistingFile);
    } else {
        if (blank) return Refuse(kEnterFileName);
        if (!FolderTakesFile(fullName)) return Refuse(kEnterValidPath);
        if (TypedFileName(typed).find('.') == std::string_view::npos) fullName += "." + request.defaultExtension;
    }
    Accept(fullName);
}

// The transfer runs before anything is recorded: a template that could not
// be read or saved leaves the current template, the stored folder and the
// dialog as they were.
bool FileChooser::Accept(const std::string& fullName) {
    const FileChooserRequest& request = Handed();
    if (request.act && request.transfer) {
        const TransferResult result = request.transfer(fullName);
        if (!result.done) {
            if (!result.told) {
                ShowMessage(request.open ? kTemplateNotReadMessage : kTemplateNotSavedMessage, kMessageTitle,
                            {MessageIcon::Exclamation, MessageButtons::Ok, 0});
            }
            return false;
        }
    }
    accepted_ = true;
    fullFileName_ = fullName;
    SaveSettingValue(kSectionTemplate, kSettingDrive, drive_);
    SaveSettingValue(kSectionTemplate, kSettingFolder, folder_);
    Frm().Unload();
    return true;
}

void FileChooser::cmdDismiss_Click() { Frm().Unload(); }

void FileChooser::cmdHelp_Click() { ShowHelp(kHelpFileName, kHelpContext, kFileChooserHelpContext); }

std::string ShowTemplateChooser(const FileChooserRequest& request) {
    FileChooser& chooser = FileChooser::Instance();
    chooser.FormLet(request);
    chooser.ShowModal();
    std::string chosen = chooser.Accepted() ? chooser.FullFileName() : std::string();
    FileChooser::Release();
    return chosen;
}

}  // namespace orbweave
