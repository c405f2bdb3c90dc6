// The user-defined IFS editor: up to five attractor points of one galaxy
// type in a grid of five rows (rows 1 to 4 made at load), a centre offset,
// ready-made themes and a live preview.
#pragma once

#include <string_view>

#include "dialogs/common/dialog.h"
#include "dialogs/editors/editor_support.h"

namespace orbweave {

class IfsDialog final : public Dialog<IfsDialog, EditorParameters> {
public:
    IfsDialog();

    void ApplyIFSTheme(std::string_view theme);
    // Packs the rows with a positive percent into the record; false (with
    // its note, the record untouched) when fewer than two result.
    bool StoreIFS();
    void PreviewIFS(bool start);

    void cboTheme_Click();
    void cmdClear_Click();
    void cmdOK_Click();
    void cmdPreview_Click();

private:
    void Load() override;
    void WireHandlers();
    void CreateRows();
    void FillRow(int row);
    void ClearRow(int row);
    void LayOutBelowGrid();
    UniGalaxy& Record() const;

    EditorPreview preview_;
};

// The launcher of the properties dialog's button for IFS galaxy types.
void ShowUserIfsEditor(Form& props, int galaxyType);

}  // namespace orbweave
