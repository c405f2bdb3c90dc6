// Qt keys as the dialog handlers receive them, for the layer's own sources.
#pragma once

#include <QKeyEvent>

namespace orbweave {

// The virtual-key number of a Qt key (letters and digits as their upper-case
// character), or 0 for keys the dialogs never look at.
int VirtualKeyCode(int qtKey);

// The shift-state bits (kShiftMask, kCtrlMask, kAltMask) of Qt modifiers.
int ShiftStateOf(Qt::KeyboardModifiers modifiers);

// The button number (kLeftButton...) of a Qt mouse button, 0 for others.
int MouseButtonOf(Qt::MouseButton button);

// The character a key press types, 8 for Backspace, or 0 when it types
// nothing: arrows, editing keys and Ctrl or Alt combinations.
int TypedCharacter(const QKeyEvent& event);

}  // namespace orbweave
