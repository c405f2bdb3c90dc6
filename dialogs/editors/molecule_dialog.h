// The molecule editor: the atoms of a user-defined molecular galaxy type,
// kept as fixed-column lines in lstElements, with ready-made themes and a
// live preview.
#pragma once

#include <optional>
#include <string>

#include "dialogs/common/dialog.h"
#include "dialogs/editors/editor_support.h"

namespace orbweave {

class MoleculeDialog final : public Dialog<MoleculeDialog, EditorParameters> {
public:
    MoleculeDialog();

    std::string FormatElementLine() const;
    void SetStructureTypeLabels(int type);
    void ApplyMoleculeTheme(std::string_view theme);

    void cboElement_Click();
    void cboType_Click();
    void cboTheme_Click();
    void lstElements_Click();
    void cmdAction_Click(int index);
    void cmdClear_Click();

private:
    void Load() override;
    void WireHandlers();
    void FillLists();
    void SetLabelCaptions();
    void FillFromRecord();
    void StackFrames();
    void UseFixedPitchFont();
    void PlaceHeaderOverColumns();
    UniGalaxy& Record() const;
    // The checks Add and Update share; false after its message.
    bool AtomChosen();
    void PutLine(int item);
    void txtProps_LostFocus(int index);
    // The stored block with the list's atoms and the centre; nothing (after
    // a note) for an empty list.
    std::optional<AtomBlock> MoleculeFromBoxes(const AtomBlock& stored) const;

    BlockEditorSteps<AtomBlock> steps_;
};

// The launcher of the properties dialog's button for molecular galaxy types.
void ShowMoleculeEditor(Form& props, int galaxyType);

}  // namespace orbweave
