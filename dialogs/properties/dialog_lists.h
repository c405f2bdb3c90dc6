// The properties dialog's lists of galaxy types and composite galaxies,
// filled from the galaxy tables (or the settings store).
#pragma once

#include <string>

namespace orbweave {

class Form;

// Refills `lstUniGalaxy` with one padded line (name, percent) per galaxy type
// and selects the first; with `reload` the 50 types are first read and
// validated from the current user's settings.
void FillUniGalaxyList(Form& dialog, bool reload);

// Refills `cboCompMajor` and `lstCompMinor` with the 50 type names (taken from
// `lstUniGalaxy` without their percents) and `lstCompGalaxy` with one padded
// line per composite, from the settings store with `fromStore`, else from
// `CompGalaxies`. `lstCompGalaxy` is left without a selection, and the
// composite name and percent boxes empty.
void FillCompGalaxyLists(Form& dialog, bool fromStore);

// What the composite list shows for composite 0..15 while it has no name.
std::string CompositeListName(int composite);

}  // namespace orbweave
