// The properties dialog's display choices: the resolution list (or custom
// values), the vertical offset and the 16-bit layout, and the custom size
// boxes that follow the resolution choice.
#pragma once

#include <cstdint>

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

// Enables the custom width and height boxes only for the custom entry and,
// with fillText, fills them from the stored size or the chosen mode.
void UpdateResolutionFields(Form& frm, bool fillText);

}  // namespace orbweave
