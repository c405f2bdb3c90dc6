#include "dialogs/info/info_launchers.h"

#include "dialogs/common/launchers.h"
#include "dialogs/info/about_box.h"
#include "dialogs/info/file_chooser.h"
#include "dialogs/info/system_diag.h"
#include "dialogs/info/welcome_window.h"

namespace orbweave {

void InstallInfoLaunchers() {
    DialogLaunchers& launchers = Launchers();
    launchers.welcome = [] {
        WelcomeWindow::Instance().ShowModal();
        WelcomeWindow::Release();
    };
    launchers.fileChooser = ShowTemplateChooser;
    launchers.systemDiag = [] {
        SystemDiagWindow::Instance().ShowModal();
        SystemDiagWindow::Release();
    };
    launchers.about = ShowAbout;
}

}  // namespace orbweave
