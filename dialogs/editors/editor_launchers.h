#pragma once

namespace orbweave {

// Sets the launchers of the editors (advanced settings, galaxy levels,
// molecule, user-defined IFS).
void InstallEditorLaunchers();

}  // namespace orbweave
