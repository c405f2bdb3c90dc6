// The two frames on the right of the properties dialog, fraAni(1) "Universe
// Galaxies" and fraAni(0) "Galaxy Properties", and the click handlers of the
// galaxy style, galaxy theme and composite major-type lists.
#pragma once

#include <cstdint>

namespace orbweave {

class Form;

// Shows the universe frame (true) or the galaxy frame (false) and hides the
// other; the shown frame is placed beside the preview frame, ending 60 twips
// above the accept button's bottom. The galaxy theme list returns to
// "< NONE >". The busy pointer shows meanwhile.
void ShowUniverseFrame(Form& dialog, bool universe);

// Re-lays the galaxy frame for the style the style list shows.
void cboGalStyle_Click(Form& dialog);

// Applies factory galaxy row 1..50 to the galaxy type selected in the
// galaxy-type list; another theme index, or no type selected, does nothing.
void cboGalTheme_Click(Form& dialog);

// Colours the composite's name box cyan when two or more of its chosen
// galaxy types have an iterated-function-system style.
void cboCompMajor_Click(Form& dialog);

// The galaxy types chosen for the composite being edited (the major type
// once, and each selected minor type) whose style is 1, 2, 3 or 8; 0 while
// no major type is chosen.
std::int16_t CountIFSStyleTypes(const Form& dialog);

}  // namespace orbweave
