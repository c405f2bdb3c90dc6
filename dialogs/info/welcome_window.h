// The welcome window of a user's first opening of the properties dialog: a
// shadowed title and introductory text on a painted radial backdrop, and OK.
#pragma once

#include "dialogs/common/dialog.h"

namespace orbweave {

class WelcomeWindow final : public Dialog<WelcomeWindow> {
public:
    WelcomeWindow();

    // Cleared when the window loads; nothing here sets it.
    bool F_bResetSettings = false;

    // Whether the first activation has painted the backdrop.
    bool Painted() const { return painted_; }

    void Form_Activate();
    void cmdDismiss_Click();

protected:
    // Form_Load.
    void Load() override;

private:
    void PlaceButtonAndHeight();
    void SetShadows();

    bool painted_ = false;
};

// The text the window shows, lines joined by CR LF.
const char* WelcomeText();

}  // namespace orbweave
