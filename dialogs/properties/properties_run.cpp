// The configuration run: the dialog shown modeless until it unloads.
#include <QEventLoop>

#include "dialogs/properties/properties_dialog.h"
#include "host/run_modes.h"

namespace orbweave {

int RunPropertiesDialog() {
    // Below 16 bits per pixel the message says why no dialog opens.
    if (!CheckColorDepth(true)) return kExitFailure;
    PropertiesDialog& dialog = PropertiesDialog::Instance();
    QEventLoop loop;
    dialog.SetUnloadedHandler([&loop] { loop.quit(); });
    dialog.Show();
    if (dialog.Loaded()) loop.exec();
    dialog.SetUnloadedHandler({});
    PropertiesDialog::Release();
    return kExitSuccess;
}

}  // namespace orbweave
