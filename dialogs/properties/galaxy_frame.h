// The two frames of the dialog's right half and the galaxy frame's lists.
#pragma once

namespace orbweave {

class Form;

void ShowUniverseFrame(Form& dialog, bool universe);
void cboGalStyle_Click(Form& dialog);
void cboGalTheme_Click(Form& dialog);
void cboCompMajor_Click(Form& dialog);

}  // namespace orbweave
