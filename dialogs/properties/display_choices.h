// The properties dialog's unsaved display choices, read from its controls
// for a preview that shows them.
#pragma once

#include "renderer/display/display_settings.h"

namespace orbweave {

class Form;

// The vertical drift and 16-bit layout chosen in the dialog's lists, each
// kept in its value's range; a list the dialog lacks gives the stored value.
DisplayChoices ReadDisplayChoices(const Form& dialog);

}  // namespace orbweave
