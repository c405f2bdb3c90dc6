// The advanced settings dialog: frame delay, focal length, mouse moves and
// the saver's on-screen message (text, font, size, colour, place and minute
// countdown), the twenty values of the section "Advanced" that it reads when
// it loads and writes only on OK, plus a button that removes motion blur from
// the properties dialog's working store.
#pragma once

#include <functional>
#include <span>
#include <utility>

#include "dialogs/common/dialog.h"

namespace orbweave {

class AdvancedDialog final : public Dialog<AdvancedDialog> {
public:
    AdvancedDialog();

    // What the blending button asks of the properties dialog that opened
    // this one; without it the button does nothing.
    void SetRemoveBlending(std::function<void()> removeBlending) { removeBlending_ = std::move(removeBlending); }

    // Event handlers, public so that tests drive them as a click would.
    void cmdOK_Click();
    void cmdDefaults_Click();
    void cmdDismiss_Click();
    void cmdHelp_Click();
    void cmdSetGalaxyBlend0_Click();
    void cboFont_Click();
    // The message boxes in the message's font and starting colour.
    void ShowMessagePreview();

protected:
    // Form_Load.
    void Load() override;

private:
    void WireHandlers();
    void FitHeight();
    void SetupNumericFields();
    void LoadAdvancedSettings();
    void ClampNumericBoxes();
    // True when all twenty values were stored.
    bool SaveAdvancedSettings();

    std::function<void()> removeBlending_;
};

// The dialog's control table.
std::span<const ControlSpec> AdvancedControls();

// Edit menu, "&Advanced Settings...": the dialog, modal, then let go.
// `removeBlending` clears the motion blur in the properties dialog's working
// store.
void ShowAdvancedSettings(std::function<void()> removeBlending);

}  // namespace orbweave
