// The credits window: a 3-D starfield flying towards the viewer, drawn by the
// renderer into the picture box that fills the window, and in front of it a
// framed panel where the credit text, printed once into a tall picture,
// scrolls upward without end. The mouse buttons change how long the stars'
// trails last; a double-click maximises or restores the window.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "dialogs/common/dialog.h"

namespace orbweave {

struct CreditsParameters {
    std::int16_t stars = 500;
    float speed = 0.005f;  // depth each star loses per frame
    float scroll = 2.0f;   // pixels the text rises per frame
    std::vector<std::string> credits;
};

// One printed line of the credit roll.
struct CreditLine {
    std::string text;
    double size = 8.0;  // points; above 9 a centred heading
    bool operator==(const CreditLine&) const = default;
};

class CreditsWindow final : public Dialog<CreditsWindow, CreditsParameters> {
public:
    CreditsWindow();

    void Form_Resize();
    void Form_Activate();
    void cmdDismiss_Click();
    void picField_DblClick();
    void picField_MouseDown(int button);

    // The starfield, until StopRequested; returns at once while another
    // animation runs.
    void RunCreditsStarfield();

    // The values the starfield ran with, clamped.
    std::int16_t Stars() const { return stars_; }
    float Speed() const { return speed_; }
    float Scroll() const { return scroll_; }
    // The credit picture's top inside its panel, in pixels.
    double CreditsTop() const { return creditsTop_; }
    bool Running() const { return running_; }

protected:
    // Form_Load, then the About box's part of the loading: the display bound
    // to the starfield at its loaded size, and the window enlarged and centred.
    void Load() override;

private:
    void WireHandlers();
    // Every line of the roll: the heading lines, then the credit elements'.
    std::vector<CreditLine> RollLines() const;
    void BuildCredits();
    void SizeCreditsPicture(const std::vector<CreditLine>& lines);
    void PrintCreditLine(std::string_view text, double size);
    void ScrollCredits();
    void EnlargeAndCentre();
    void Form_QueryUnload(bool& cancel);

    std::int16_t stars_ = 0;
    float speed_ = 0.0f;
    float scroll_ = 0.0f;
    double textCursor_ = 0.0;
    double creditsTop_ = 0.0;
    bool activated_ = false;
    bool running_ = false;
    bool closePending_ = false;
};

// The credits window's blend steps: the left button lowers the blend by one
// down to 0, the right raises it by one up to 100, the top of the blend's range.
std::int32_t BlendAfterClick(std::int32_t blend, int button);

// How the credits print an element: a group title (not starting with a
// blank) is an empty line and then the trimmed title; an entry is five blanks
// and the trimmed entry. Every line is printed whole: the panel is as wide
// as the widest.
std::vector<CreditLine> CreditLinesFor(std::string_view element);

}  // namespace orbweave
