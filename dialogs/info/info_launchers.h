#pragma once

namespace orbweave {

// Sets the launchers of the information and file windows (welcome, template
// chooser, diagnostics, About).
void InstallInfoLaunchers();

}  // namespace orbweave
