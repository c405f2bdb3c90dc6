#include "dialogs/common/launchers.h"

namespace orbweave {

DialogLaunchers& Launchers() {
    static DialogLaunchers launchers;
    return launchers;
}

}  // namespace orbweave
