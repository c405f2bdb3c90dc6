// The template chooser: a drive list (mount points), a folder list (the
// current folder's ancestors, then its subfolders), a file-type combo, a
// file list and a file-name box. It remembers the last drive and folder, and
// with its act flag loads the chosen template into the properties dialog or
// saves the dialog into it before it closes.
#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "dialogs/common/dialog.h"
#include "dialogs/common/launchers.h"

namespace orbweave {

// A file of the file list: its name as the file system holds it (any bytes,
// not always UTF-8) and as the list shows it, decoded as Qt decodes file
// names (a byte that is not UTF-8 shows as U+FFFD).
struct ListedFile {
    std::string name;
    std::string shown;
};


class FileChooser final : public Dialog<FileChooser, FileChooserRequest> {
public:
    FileChooser();

    // Whether the dialog closed with an accepted file, and its full path
    // (empty unless accepted).
    bool Accepted() const { return accepted_; }
    const std::string& FullFileName() const { return fullFileName_; }

    // The folder the lists show, and the drive (mount point) chosen.
    const std::string& FolderPath() const { return folder_; }
    const std::string& DrivePath() const { return drive_; }
    // Shows this folder in the folder and file lists; false when it is not
    // an existing folder (the lists stay).
    bool SetFolderPath(const std::string& folder);

    void drvTemp_Change();
    void dirTemp_DblClick();
    void cboTypes_Click();
    void filTemp_Click();
    void AcceptFile();
    void cmdDismiss_Click();
    void cmdHelp_Click();

protected:
    // Form_Load.
    void Load() override;

private:
    void WireHandlers();
    void FillDrives();
    void SelectStoredPlace();
    void SelectDrive(const std::string& drive);
    void LoadFileTypes();
    void FillFileList();
    // The typed name as the file system holds it: the listed name of the
    // selected file when the box shows that file's name, else as typed.
    std::string FileSystemName(const std::string& typed) const;
    // A refused name: the message, the focus back on the file-name box.
    void Refuse(std::string_view message);
    bool Accept(const std::string& fullName);

    std::vector<std::string> drives_;
    std::vector<std::string> folderEntries_;
    std::vector<ListedFile> files_;
    std::string drive_;
    std::string folder_;
    std::string pattern_ = "*";
    bool accepted_ = false;
    std::string fullFileName_;
};

// The mount points a user may keep files on ("/" always, pseudo file
// systems left out), in order.
std::vector<std::string> MountPoints();
// The regular, non-hidden files of a folder whose shown names match one of
// the ";"-separated patterns, ignoring case ("*.*" matches every name),
// sorted by their shown names. A name that is not UTF-8 is listed too.
std::vector<ListedFile> MatchingFiles(const std::string& folder, std::string_view patterns);
// Folder and typed name joined with one "/".
std::string JoinedFileName(std::string_view folder, std::string_view typed);

inline constexpr std::string_view kSelectExistingFile = "Please select an existing file.";
inline constexpr std::string_view kEnterFileName = "Please enter a file name.";
inline constexpr std::string_view kEnterValidPath = "Please enter a valid path and file.";
inline constexpr int kFileChooserHelpContext = 500;

// Shows the chooser for the properties dialog `props`: its act path runs the
// template transfers on it. The chosen file's full path, empty when cancelled.
std::string ShowTemplateChooser(const FileChooserRequest& request);

}  // namespace orbweave
