// The properties dialog's fixed vocabularies and the fills that run while it
// loads: the combo boxes, the gravity note, the spin-box set-up and the
// universe profile list. List positions are stored settings, so the order of
// every vocabulary is binding.
#pragma once

#include <span>
#include <string>
#include <string_view>

#include "platform/forms/control.h"

namespace orbweave {

class Form;

// One list filled while loading, in load order. A list of the factory names
// gets "< NONE >" and the 50 factory galaxy-type names instead of items.
struct ListFill {
    std::string_view list;
    std::span<const std::string_view> items;
    bool selectFirst = false;
    bool factoryNames = false;
};

// A numeric box set up with its spin control; the step follows from high.
struct SpinSetup {
    ControlRef box;
    ControlRef spin;
    std::int16_t low = 0;
    std::int16_t high = 0;
    std::int16_t maxLength = 0;
};

inline constexpr int kUniverseProfileCount = 52;
// A universe profile entry shows at most this much of a galaxy-type line.
inline constexpr std::size_t kUniverseProfileNameLength = 30;

std::span<const ListFill> ListFills();
std::span<const SpinSetup> SpinSetups();
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
