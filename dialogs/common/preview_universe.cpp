#include "dialogs/common/preview_universe.h"

namespace orbweave {

UniverseInputs& PreviewUniverseInputs() {
    static UniverseInputs inputs;
    return inputs;
}

}  // namespace orbweave
