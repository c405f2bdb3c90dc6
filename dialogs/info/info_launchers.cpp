#include "dialogs/info/info_launchers.h"

namespace orbweave {

void InstallInfoLaunchers() {}

}  // namespace orbweave
