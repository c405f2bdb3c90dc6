#pragma once

// Moves the universe settings between the current user's settings or a
// template file and the properties dialog's controls, which hold them while
// the dialog is open, and the whole dialog (universe values and both galaxy
// tables) to and from a template in one step.

#include <string_view>

#include "settings/template_file.h"

namespace orbweave {

class Form;

// The current user's "Universe" values into the controls, each missing or
// non-numeric value as its default: a box shows the number read in its row's
// type (a whole-number row rounds, halves to even), the tour sequence the
// text as stored, a check box is checked exactly when the number is 1, and
// the profile list selects the number read (-1 clears it; an index the list
// refuses keeps the selection). True when every control took its value.
bool RegToUniverseControls(Form& dialog);

// The controls into the current user's "Universe" values, in the text forms a
// template gets (see UniverseControlsToTemp), in one transaction (joining an
// enclosing one). A missing control writes nothing. True when every value
// was stored; otherwise none is.
bool UniverseControlsToReg(const Form& dialog);

// The template's "Universe" values into the controls. Boxes and the tour
// sequence take the text as it stands; a check box is checked exactly when
// the text is "1"; the profile list selects the number "0" followed by the
// text (a text that is then no number, or an index the list refuses, keeps
// the selection).
void TempToUniverseControls(Form& dialog, const TemplateReader& reader);

// Every universe control to its value's default, in the forms
// TempToUniverseControls gives a text. The dialog starts so, and a universe
// theme then sets what it carries: a value no theme carries (the camera
// rotation ramping) keeps its default.
void UniverseDefaultsToControls(Form& dialog);

// The controls into the template's "Universe" section, in table order: a
// box's leading number in the shortest text that reads back as the value its
// row holds ("0.9850" -> "0.985", "12345678" stays, "12abc" -> "12", "" ->
// "0"), a check box's value, the tour sequence without
// surrounding blanks, the profile list's index ("-1" with no selection). A
// missing control writes nothing. False once the save has failed.
bool UniverseControlsToTemp(const Form& dialog, TemplateWriter& writer);

// A whole template file into the dialog: the universe values into the
// controls, then both galaxy tables from the file, validated. What the file
// holds no section for stays as it was. A template file that is missing or
// cannot be read changes nothing and gives false.
bool TempToUniverseSettings(Form& dialog, const TemplateReader& reader);

// The dialog into the template: the universe values, every galaxy type and
// every composite (each validated before it is written).
bool UniverseSettingsToTemp(const Form& dialog, TemplateWriter& writer);

}  // namespace orbweave
