#pragma once

// How the properties dialog, its menus and the first-run set-up open the
// windows that live beside it (the welcome window, the template chooser, the
// diagnostics window, the About box and the editors of one galaxy type): each
// is a hook that the application sets when it builds those windows, so that
// no dialog library includes another.

#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace orbweave {

class Form;

// What a transfer did: done or not, and, when not, whether it has already
// told the user why.
struct TransferResult {
    // Implicit: a transfer may answer a plain yes or no.
    TransferResult(bool done) : done(done) {}
    static TransferResult FailedAndTold() {
        TransferResult result(false);
        result.told = true;
        return result;
    }
    bool done;
    bool told = false;
};

// What the template chooser is asked for. With act set, the chooser itself
// runs the transfer on the chosen file (the properties dialog loads it, or
// saves itself into it) before it closes.
struct FileChooserRequest {
    bool open = true;
    bool act = true;
    std::string title;
    std::string fileTypes;  // "Description|pattern|..." pairs
    std::string defaultExtension;
    std::function<TransferResult(std::string_view file)> transfer;
};

struct DialogLaunchers {
    // The editors of one galaxy type, each shown modally for the type's
    // index; they read and write the properties dialog's boxes.
    std::function<void(Form& props, int galaxyType)> levels = [](Form&, int) {};
    std::function<void(Form& props, int galaxyType)> molecule = [](Form&, int) {};
    std::function<void(Form& props, int galaxyType)> userIfs = [](Form&, int) {};
    // The welcome window of a user's first run, shown modally.
    std::function<void()> welcome = [] {};
    // The template chooser: the chosen file's full path, empty when cancelled.
    std::function<std::string(const FileChooserRequest& request)> fileChooser = [](const FileChooserRequest&) {
        return std::string();
    };
    std::function<void()> systemDiag = [] {};
    // The About box with its credit lines.
    std::function<void(const std::vector<std::string>& creditLines)> about = [](const std::vector<std::string>&) {};
};

// The process's hooks. A hook that is not set does nothing.
DialogLaunchers& Launchers();

// The note of the element editors' "Window can be Resized" entry.
inline constexpr std::string_view kResizableNote = "Note:  This window can be resized.";
void ShowResizableNote();

}  // namespace orbweave
