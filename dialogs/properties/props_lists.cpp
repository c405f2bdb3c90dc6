#include "dialogs/properties/props_lists.h"

#include <span>

#include "core/convert.h"
#include "dialogs/properties/prop_copy.h"
#include "platform/forms/control.h"
#include "platform/forms/controls.h"
#include "platform/forms/form.h"
#include "platform/forms/window_utils.h"
#include "settings/factory_presets.h"

namespace orbweave {
namespace {

using Items = std::string_view;

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

constexpr Items kNoTheme = "< NONE >";

constexpr Items kGalaxyStyles[] = {
    "Standard:  Stellar Rotation about Axis",
    "I.F.S.:  Single Point Attractor",
    "I.F.S.:  Nested Geometric Wireframe",
    "I.F.S.:  Space Filling Fractal",
    "Nebula:  Particle Ribbons",
    "Quasar:  Stars emitted from Core",
    "Graviton:  Stars reflected through Core",
    "Starwave:  Attenuated Particle Waves",
    "User Defined:  Iterated Function Systems",
    "User Defined:  Molecular Structures",
};
constexpr Items kGalaxyPlanes[] = {"Y-Z", "X-Z"};
constexpr Items kGalaxyColours[] = {
    "Rotational Velocity",          "Rotational Velocity (Square Root)", "Distance from Core",
    "Distance from Core (Squared)", "Black (Stars are Invisible)",
};
constexpr Items kGalaxyPages[] = {
    "Galaxy Motion, Shape and Color Properties",
    "New, Nova and Pulsar Star Properties",
    "Comet and Color Properties",
};
constexpr Items kTourSuggestions[] = {
    "1 24 11 21 42 44 52 51",
    "43 14 40 44 15 41 45 42",
    "1 2 4 6 9 10 11 13",
    "51 52 53 60 65",
};
constexpr Items kGalaxyProfiles[] = {
    "Standard", "Top-Like", "Spherical", "Conical", "Hyperbolic", "Outer-Hyperbolic", "Inner-Hyperbolic",
};
constexpr Items kPulsarShapes[] = {"Nova", "Axes", "Star", "Sphere", "Sphere-2"};
constexpr Items kUniverseThemes[] = {
    kNoTheme,
    "Classical (14.3 Billion Years Ago...)",
    "Stylized:  Neon / Warp Speed",
    "Sparce Space:  Long Distance Trips",
    "Morphing Galaxies at Universe Core",
    "Trans-Galactic Tour in Fly-By Mode",
    "Extended Shell Universe / Mega Galaxies",
    "Rollercoaster Ride Through the Cosmos",
    "Galaxies in Motion:  Gravity On",
};
constexpr Items kUniversePages[] = {
    "Universe Creation",  "New / Ambient Star Creation", "Galaxy Tour Characteristics",
    "Composite Galaxies", "Gravity between Galaxies",
};
constexpr Items kCycleEntries[] = {"Cycle All Randomly", "Cycle All Sequentially"};

// Load order. The two page selectors select their first page at once, so
// that their click handlers show page 0.
constexpr ListFill kListFills[] = {
    {"cboGalTheme", {}, true, true},        {"cboGalStyle", kGalaxyStyles},
    {"cboGalPlane", kGalaxyPlanes, true},   {"cboGalColor", kGalaxyColours},
    {"cboGalaxExtras", kGalaxyPages, true}, {"cboTourGalaxies", kTourSuggestions},
    {"cboGalProfile", kGalaxyProfiles},     {"cboPulsarShape", kPulsarShapes},
    {"cboUniTheme", kUniverseThemes, true}, {"cboUniExtras", kUniversePages, true},
    {"cboPropCopyList", kPropCopyEntries},
};

constexpr SpinSetup Spin(std::string_view box, std::string_view spin, int index, std::int16_t low, std::int16_t high,
                         std::int16_t maxLength) {
    return {{box, index}, {spin, index}, low, high, maxLength};
}

constexpr SpinSetup kSpinSetups[] = {
    Spin("txtGalaxy", "spnGalaxy", 0, 1, 9999, 5),
    Spin("txtGalaxy", "spnGalaxy", 1, 0, 30000, 5),
    Spin("txtGalaxy", "spnGalaxy", 2, 0, 30000, 5),
    Spin("txtGalaxy", "spnGalaxy", 7, 0, 30000, 5),
    Spin("txtGalaxy", "spnGalaxy", 47, 0, 999, 3),
    Spin("txtGalaxy", "spnGalaxy", 48, 0, 999, 3),
    Spin("txtGalaxy", "spnGalaxy", 95, 0, 359, 3),
    Spin("txtUni", "spnUni", 0, 1, 9999, 5),
    Spin("txtUni", "spnUni", 1, 1, 999, 3),
    Spin("txtUni", "spnUni", 16, 0, 999, 3),
    Spin("txtUni", "spnUni", 17, 0, 999, 3),
    Spin("txtUniGalPct", "spnUniGalPct", kNoIndex, 0, 9999, 4),
    Spin("txtCompGalPct", "spnCompGalPct", kNoIndex, 0, 9999, 4),
    Spin("txtPixHue", "spnPixHue", 0, 0, 100, 3),
    Spin("txtPixHue", "spnPixHue", 1, 0, 100, 3),
    Spin("txtPixHue", "spnPixHue", 2, 0, 100, 3),
    Spin("txtPixHue", "spnPixHue", 3, 0, 100, 3),
    Spin("txtPixHue", "spnPixHue", 4, 0, 100, 3),
};

constexpr Items kGravityNoteParts[] = {
    "Note:  The time required to compute the gravitational attraction ",
    "between Galaxies is related to the Square of the number of Galaxies ",
    "in the Universe.  Entering 0 will ensure that gravity computations are ",
    "bypassed entirely.  See the Online help for more information.",
    "\r\n\r\n",
    "Comets will NOT appear in any of the Galaxies if a non-zero Gravity is entered.",
};

void Fill(ComboBox& list, const ListFill& fill) {
    if (fill.factoryNames) {
        list.AddItem(kNoTheme);
        for (const std::string& name : UniGalDefaultNames) list.AddItem(name);
    }
    for (std::string_view item : fill.items) list.AddItem(item);
    if (fill.selectFirst) list.SetListIndex(0);
}

}  // namespace


std::string GravityNote() {
    std::string note;
    for (std::string_view part : kGravityNoteParts) note += part;
    return note;
}

void FillPropertiesLists(Form& dialog) {
    for (const ListFill& fill : kListFills) Fill(dialog.Get<ComboBox>(fill.list), fill);
}

void SetGravityNote(Form& dialog) { dialog.SetCaption("lblGravityWarning", kNoIndex, GravityNote()); }

void SetupSpinBoxes(Form& dialog) {
    for (const SpinSetup& row : kSpinSetups) {
        SetupNumericField(dialog.Get<TextBox>(row.box.name, row.box.index),
                          dialog.Get<SpinControl>(row.spin.name, row.spin.index), row.low, row.high, row.maxLength, 0);
    }
}

void FillUniverseProfileList(Form& dialog) {
    auto& profiles = dialog.Get<ComboBox>("cboUniProfile");
    const auto& types = dialog.Get<ListBox>("lstUniGalaxy");
    const int selected = profiles.ListIndex();
    profiles.Clear();
    // A missing line reads as empty, so the positions of the cycling entries never move.
    for (int i = 0; i < kGalaxyTypeCount; ++i) {
        const std::string line = types.List(i);
        profiles.AddItem(Trim(std::string_view(line).substr(0, kUniverseProfileNameLength)));
    }
    for (std::string_view entry : kCycleEntries) profiles.AddItem(entry);
    profiles.SetListIndex(selected);
}

}  // namespace orbweave
