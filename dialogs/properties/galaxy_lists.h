// The galaxy-type and composite list editors of the universe frame: a
// clicked line fills the edit boxes, a commit stores them into the galaxy
// tables and the line, and the name boxes keep out what would break the
// key=value lines names end up in.
#pragma once

#include <string>
#include <string_view>

namespace orbweave {

class Form;

inline constexpr std::string_view kIfsNote =
    "Note:\r\n\r\nTwo or more of the selected Galaxy Types have a Style of IFS.\r\n"
    "This may result in strange looking Galaxies.";
inline constexpr std::string_view kSelectMajorMessage = "Please select a Major Galaxy Type.";

// A list line read back: the name (the line less its last four characters,
// trimmed) and the percent (its last four characters, trimmed).
std::string LineName(std::string_view line);
std::string LinePercent(std::string_view line);

// The name boxes: typing drops the characters a name may not hold, without
// a beep; pasting and dropping also lose them and any control character.
void BindNameBoxes(Form& dialog);

void lstUniGalaxy_Click(Form& dialog);
void cmdGalCommit_Click(Form& dialog);
void lstCompGalaxy_Click(Form& dialog);
void lstCompMinor_Click(Form& dialog);
void cmdCompCommit_Click(Form& dialog);

}  // namespace orbweave
