// The galaxy levels editor: how many levels a standard galaxy type is drawn
// in, their radius step, height multiplier and tilt switches, and the type's
// radius and distance, with a live preview.
#pragma once

#include "dialogs/common/dialog.h"
#include "dialogs/editors/editor_support.h"

namespace orbweave {

class LevelsDialog final : public Dialog<LevelsDialog, EditorParameters> {
public:
    LevelsDialog();

    // Writes the boxes into a record of the galaxy type (the stored one, or
    // a preview's copy); always true.
    bool StoreLevels(UniGalaxy& r) const;

    void cmdOK_Click();
    void cmdPreview_Click();

private:
    void Load() override;
    UniGalaxy& Record() const;
    void FillControls();

    EditorPreview preview_;
};

// The launcher of the properties dialog's levels button.
void ShowLevelsEditor(Form& props, int galaxyType);

}  // namespace orbweave
