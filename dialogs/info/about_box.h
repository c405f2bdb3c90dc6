// The About box: the product and its version in shadowed labels, the
// maker's addresses, and a live tour of the factory galaxy types drawn by the
// renderer into its picture box. "Credits" shows the credits window; a
// double-click on the rights notice switches the full-screen saver's
// performance log.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "dialogs/common/dialog.h"
#include "settings/galaxy_tables.h"

namespace orbweave {

struct AboutParameters {
    std::vector<std::string> credits;
};

class AboutBox final : public Dialog<AboutBox, AboutParameters> {
public:
    AboutBox();

    void Form_Activate();
    void cmdDismiss_Click();
    void cmdCredits_Click();
    void lblEmail_Click(int index);
    void lblWeb_Click(int index);
    void lblCopy_DblClick();

    // The tour: the factory galaxy types one after the other, 300 frames
    // each, until the box closes. The user's galaxy tables are kept aside
    // while it runs and put back when it ends. A credits request stops the
    // current type, shows the credits, and the tour goes on with that type.
    void RunAboutAnimation();

    // The galaxy type the tour shows next.
    std::int16_t CurrentType() const { return currentType_; }
    bool Running() const { return running_; }

protected:
    // Form_Load.
    void Load() override;

private:
    void WireHandlers();
    void SetUpLabels();
    void ShowCredits();
    void Form_QueryUnload(bool& cancel);
    void TakeBackup();
    void PutBackBackup();

    std::array<UniGalaxy, kGalaxyTypeCount> galaxyBackup_{};
    std::array<CompGalaxy, kCompGalaxyCount> compositeBackup_{};
    bool backupTaken_ = false;
    bool activated_ = false;
    bool running_ = false;
    bool creditsRequested_ = false;
    bool closing_ = false;
    std::int16_t currentType_ = 0;
};

inline constexpr std::string_view kLogTitle = "Velmor Product Performance Logging";
// The performance-log question, with the Linux place of the log.
std::string LogPrompt();

// Shows the About box with the credit lines, then lets it go.
void ShowAbout(const std::vector<std::string>& creditLines);

}  // namespace orbweave
