// The configuration run, apart from the dialog because the start-up header
// and the display options name the dialog's caption each in their own way.
#include <QEventLoop>

#include "dialogs/properties/properties_dialog.h"
#include "host/startup.h"

namespace orbweave {

int RunPropertiesDialog() {
    CheckColorDepth(true);
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
