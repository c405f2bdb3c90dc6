#include "dialogs/editors/editor_launchers.h"

namespace orbweave {

void InstallEditorLaunchers() {}

}  // namespace orbweave
