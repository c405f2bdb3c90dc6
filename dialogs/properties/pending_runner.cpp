// Until the properties dialog is built, configuration mode shows an empty
// window with the dialog's caption, so that starting, finding and raising it
// can be tried end to end. Escape or the close box ends it.
#include <QDialog>
#include <QEventLoop>
#include <QString>

#include "dialogs/properties/properties_dialog.h"
#include "host/startup.h"

namespace orbweave {

namespace {

constexpr int kPendingWidth = 611;
constexpr int kPendingHeight = 430;

}  // namespace

int RunPropertiesDialog() {
    if (!CheckColorDepth(true)) {
        return kExitSuccess;
    }
    QDialog dialog;
    dialog.setWindowTitle(QString::fromUtf8(kPropertiesCaption.data(), static_cast<int>(kPropertiesCaption.size())));
    dialog.resize(kPendingWidth, kPendingHeight);
    QEventLoop loop;
    QObject::connect(&dialog, &QDialog::finished, &loop, &QEventLoop::quit);
    dialog.show();
    loop.exec();
    return kExitSuccess;
}

}  // namespace orbweave
