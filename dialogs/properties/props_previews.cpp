#include "dialogs/properties/props_previews.h"

#include <array>

#include "dialogs/common/control_enabling.h"
#include "dialogs/common/picture_box_window.h"
#include "dialogs/properties/dialog_previews.h"
#include "dialogs/properties/display_options.h"
#include "dialogs/properties/properties_dialog.h"
#include "platform/forms/controls.h"
#include "platform/forms/form.h"
#include "platform/forms/picture_box.h"
#include "platform/system/services.h"
#include "renderer/display/run_state.h"

namespace orbweave {
namespace {

struct PreviewRow {
    PreviewKind kind;
    std::string_view button;
    std::string_view idleCaption;
    std::string_view requiredList;  // empty: no selection needed
    std::string_view missingMessage;
};

constexpr std::array<PreviewRow, 3> kPreviews{{
    {PreviewKind::Galaxy, "cmdPreviewGal", "Preview Galaxy", "lstUniGalaxy", "Please select a Galaxy Type."},
    {PreviewKind::Universe, "cmdPreviewUni", "Preview Universe", "", ""},
    {PreviewKind::Composite, "cmdPreviewComp", "Preview Comp", "lstCompGalaxy",
     "Please select a Composite Galaxy Type."},
}};

const PreviewRow& RowOf(PreviewKind kind) {
    for (const PreviewRow& row : kPreviews) {
        if (row.kind == kind) return row;
    }
    return kPreviews[0];
}

void RunRenderer(Form& form, PreviewKind kind) {
    const PictureBoxTarget target(form.Get<PictureBox>("picPreview"));
    if (kind == PreviewKind::Universe)
        PreviewUniverseFromDialog(form, target);
    else
        PreviewGalaxyFromDialog(form, target, kind == PreviewKind::Composite);
}

// Locks the dialog for a running preview (only its button, captioned
// "Stop" and made the cancel button, stays usable) or unlocks it again.
void SetLocked(Form& form, const PreviewRow& row, bool locked) {
    EnableFormControls(form, locked, row.button);
    auto& button = form.Get<CommandButton>(row.button);
    button.SetCaption(locked ? kStopCaption : row.idleCaption);
    button.SetCancel(locked);
    form.Get<CommandButton>("cmdDismiss").SetCancel(!locked);
    if (!locked) UpdateResolutionFields(form, false);
}

// The renderer returns after a stop, or at once when its display could not
// be set up. Only then is the dialog unlocked, so a click that arrives while
// the loop unwinds meets a disabled control and is dropped. A dialog being
// closed stays as it is.
void RunLoop(PropertiesDialog& dialog, const PreviewRow& row) {
    Form& form = dialog.Frm();
    dialog.SetPreviewActive(true);
    dialog.RunAnimation([&dialog, &form, &row] {
        RunRenderer(form, row.kind);
        dialog.SetPreviewActive(false);
        if (!dialog.ClosePending()) SetLocked(form, row, false);
    });
}

void StartPreview(PropertiesDialog& dialog, const PreviewRow& row) {
    Form& form = dialog.Frm();
    runState.StopRequested = false;
    if (!row.requiredList.empty() && form.Get<ListControl>(row.requiredList).ListIndex() < 0) {
        ShowMessage(row.missingMessage, kMessageTitle, {MessageIcon::Information, MessageButtons::Ok, 0});
        form.Get(row.requiredList).SetFocus();
        return;
    }
    SetLocked(form, row, true);
    RunLoop(dialog, row);
}

}  // namespace

void PreviewButtonClick(PropertiesDialog& dialog, PreviewKind kind) {
    const PreviewRow& row = RowOf(kind);
    if (dialog.Frm().Get(row.button).Caption() != row.idleCaption) {
        runState.StopRequested = true;
        return;
    }
    if (!dialog.PreviewActive()) StartPreview(dialog, row);
}

}  // namespace orbweave
