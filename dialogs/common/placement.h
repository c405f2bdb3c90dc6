// A dialog's window placement in the settings store, kept per dialog under a
// section such as "General\Advanced".
#pragma once

#include <string_view>

namespace orbweave {

class Form;

// Writes "WindowState" ("2" maximised, else "0") and, unless the window is
// minimised, "WindowSize": left, top, width and height in twips, each
// clamped to 0..99999 and written as five digits ("00000"), 20 characters.
void SaveFormPlacement(const Form& form, std::string_view section);
// Whether the section holds a stored window state.
bool PlacementStored(std::string_view section);
// Applies the stored state; for the normal state moves the window to the
// stored place (and size, when its border is sizable) and then inside the
// screen. Without a stored state the window is centred.
void RestoreFormPlacement(Form& form, std::string_view section);
// Moves a window in the normal state wholly inside the available area of the
// screen its middle is on (else the primary screen), as little as it takes.
// A sizable window larger than that area is first reduced to it, but not
// below the minimum its resize handler keeps; a window still larger starts at
// the area's top-left corner, so that its caption and menu stay within reach.
void KeepFormInsideScreen(Form& form);

}  // namespace orbweave
