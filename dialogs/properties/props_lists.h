// The properties dialog's fixed vocabularies and the fills that run while it
// loads: the combo boxes, the gravity note, the spin-box set-up and the
// universe profile list. List positions are stored settings, so the order of
// every vocabulary is binding.
#pragma once

#include <string>
#include <string_view>


namespace orbweave {

class Form;

inline constexpr int kUniverseProfileCount = 52;
// A universe profile entry shows at most this much of a galaxy-type line.
inline constexpr std::size_t kUniverseProfileNameLength = 30;

std::string GravityNote();

// Fills the combo boxes in load order, selecting the first item of those
// that start selected (which runs their click handlers).
void FillPropertiesLists(Form& dialog);
void SetGravityNote(Form& dialog);
void SetupSpinBoxes(Form& dialog);
// The 50 galaxy-type lines of lstUniGalaxy, cut and trimmed, then the two
// cycling entries. Built once: later renames do not reach it.
void FillUniverseProfileList(Form& dialog);

}  // namespace orbweave
