#include "dialogs/editors/editor_launchers.h"

#include "dialogs/common/launchers.h"
#include "dialogs/editors/ifs_dialog.h"
#include "dialogs/editors/levels_dialog.h"
#include "dialogs/editors/molecule_dialog.h"

namespace orbweave {

void InstallEditorLaunchers() {
    Launchers().levels = ShowLevelsEditor;
    Launchers().molecule = ShowMoleculeEditor;
    Launchers().userIfs = ShowUserIfsEditor;
}

}  // namespace orbweave
