// The universe values and tour list the dialogs' previews run with. They
// belong to the process rather than to one dialog: a preview leaves the
// values it ran with, so after a universe preview with gravity a galaxy
// preview shows no comets, and a box a preview cannot read keeps the value
// the previous preview used.
#pragma once

#include "renderer/universe/universe_settings.h"

namespace orbweave {

UniverseInputs& PreviewUniverseInputs();

}  // namespace orbweave
