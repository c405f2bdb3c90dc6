// The user-defined IFS editor: up to five attractor points of one galaxy
// type in a grid of five rows (rows 1 to 4 made at load), a centre offset,
// ready-made themes and a live preview.
#pragma once

#include <optional>
#include <string_view>

#include "dialogs/common/dialog.h"
#include "dialogs/editors/editor_support.h"

namespace orbweave {

class IfsDialog final : public Dialog<IfsDialog, EditorParameters> {
public:
    IfsDialog();

    void ApplyIFSTheme(std::string_view theme);

    void cboTheme_Click();
    void cmdClear_Click();

private:
    void Load() override;
    void WireHandlers();
    void CreateRows();
    void FillRow(int row);
    void ClearRow(int row);
    void LayOutBelowGrid();
    UniGalaxy& Record() const;
    // The stored block with the rows of a positive percent packed to its
    // front; nothing (after a note) when fewer than two result.
    std::optional<IfsBlock> IfsFromBoxes(const IfsBlock& stored) const;

    BlockEditorSteps<IfsBlock> steps_;
};

// The launcher of the properties dialog's button for IFS galaxy types.
void ShowUserIfsEditor(Form& props, int galaxyType);

}  // namespace orbweave
