#include "dialogs/editors/editor_launchers.h"

#include "dialogs/common/launchers.h"
#include "dialogs/editors/advanced_dialog.h"

namespace orbweave {

void InstallEditorLaunchers() { Launchers().advanced = ShowAdvancedSettings; }

}  // namespace orbweave
