#include "renderer/renderer_state.h"

#include "renderer/display/run_state.h"

namespace orbweave {

void ResetRendererState()
{
    ResetRunState();
}

}  // namespace orbweave
