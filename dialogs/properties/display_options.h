// The properties dialog's display choices: the resolution list (or custom
// values), the vertical offset and the 16-bit layout, and the custom size
// boxes that follow the resolution choice.
#pragma once

#include <cstdint>
#include <string>

namespace orbweave {

class ComboBox;
class Form;

inline constexpr const char* kCustomResolutionText = "Custom Values:";

// Fills the three lists from the display's modes and the stored settings
// ("cboResolution" holds "Custom Values:", then each mode as "width * height"),
// restores the dialog's placement and sets its caption. maxWidth and
// maxHeight receive the largest listed width and height (0 without modes).
void FillDisplayOptionLists(Form& frm, std::int32_t& maxWidth, std::int32_t& maxHeight);

// Selects the custom entry, or the first listed mode of the given size
// (the custom entry when none matches and nothing is selected).
void SelectResolutionItem(ComboBox& cbo, bool isCustom, std::int32_t width, std::int32_t height);

// What the custom size boxes show for the custom entry: the stored size,
// except for a stored full-screen mode the list does not hold. The screen
// refuses that mode and the saver draws the whole desktop at the desktop's
// size, so the entry shows that size: an Accept that leaves the choice alone
// keeps the picture the saver showed.
struct CustomSizeTexts {
    std::string width;
    std::string height;
};
CustomSizeTexts CustomEntrySize(const ComboBox& cbo);

// Enables the custom width and height boxes only for the custom entry and,
// with fillText, fills them with the custom entry's size or the chosen mode.
void UpdateResolutionFields(Form& frm, bool fillText);

}  // namespace orbweave
