// The universe frame's selectors and switches: the profile pictures, the
// tour switches that enable the tour settings, and the two percent resets.
#pragma once

#include <string_view>

namespace orbweave {

class Form;
class PictureBox;

inline constexpr std::string_view kResetPercentMessage = "Please enter a value for the Reset percent.";

// Clears the picture box and draws profile 0..6 across it as a black
// polyline, in pixels: the galaxy's centre at the left, its rim at the right,
// height 1 at the top and 0 at the bottom. Another index draws the bottom
// line; a box less than two pixels wide or high is only cleared.
void DrawProfileCurve(PictureBox& pic, int profile);

void cboUniProfile_Click(Form& dialog);
void cboGalProfile_Click(Form& dialog);

void chkUniTour_Click(Form& dialog);
void chkRotCamera_Click(Form& dialog);
void chkVisitSeq_Click(Form& dialog);

void cmdResetGalPct_Click(Form& dialog);
void cmdResetCompPct_Click(Form& dialog);

}  // namespace orbweave
