#pragma once

// How the Up and Down keys step a numeric box: Up raises the value by the
// step but not above high, Down lowers it but not below low; each applies
// only its own bound. A step of 0: the arrows do not step the box. The value
// tables and the forms' box binder share it.

namespace orbweave {

struct ArrowStep {
    int step = 0;
    int low = 0;
    int high = 0;
};

}  // namespace orbweave
