#include "dialogs/editors/molecule_themes.h"

#include <span>
#include <vector>

#include "core/convert.h"

namespace orbweave {
namespace {

struct ThemeAtom {
    std::int16_t element, type, x, y, z, radius, symRadius;
};

struct MoleculeTheme {
    std::array<std::int16_t, 3> centre;
    std::array<std::int32_t, 3> galaxy;  // radius, rotation, distance
    std::span<const ThemeAtom> atoms;
};

constexpr ThemeAtom kMethane[] = {
    {6, 0, 1000, 1000, 1000, 200, 0}, {1, 0, 1000, 1400, 1000, 75, 0}, {1, 0, 1000, 775, 700, 75, 0},
    {1, 0, 750, 775, 1200, 75, 0},    {1, 0, 1250, 775, 1200, 75, 0},
};

constexpr ThemeAtom kOctanitrocubane[] = {
    {6, 0, 900, 900, 900, 40, 0},    {6, 0, 900, 900, 1100, 40, 0},   {6, 0, 900, 1100, 900, 40, 0},
    {6, 0, 900, 1100, 1100, 40, 0},  {6, 0, 1100, 900, 900, 40, 0},   {6, 0, 1100, 900, 1100, 40, 0},
    {6, 0, 1100, 1100, 900, 40, 0},  {6, 0, 1100, 1100, 1100, 40, 0}, {7, 0, 800, 800, 800, 50, 0},
    {7, 0, 800, 800, 1200, 50, 0},   {7, 0, 800, 1200, 800, 50, 0},   {7, 0, 800, 1200, 1200, 50, 0},
    {7, 0, 1200, 800, 800, 50, 0},   {7, 0, 1200, 800, 1200, 50, 0},  {7, 0, 1200, 1200, 800, 50, 0},
    {7, 0, 1200, 1200, 1200, 50, 0}, {8, 0, 800, 700, 800, 20, 0},    {8, 0, 700, 800, 700, 20, 0},
    {8, 0, 800, 700, 1200, 20, 0},   {8, 0, 700, 800, 1300, 20, 0},   {8, 0, 800, 1300, 800, 20, 0},
    {8, 0, 700, 1200, 700, 20, 0},   {8, 0, 800, 1300, 1200, 20, 0},  {8, 0, 700, 1200, 1300, 20, 0},
    {8, 0, 1200, 700, 800, 20, 0},   {8, 0, 1300, 800, 700, 20, 0},   {8, 0, 1200, 700, 1200, 20, 0},
    {8, 0, 1300, 800, 1300, 20, 0},  {8, 0, 1200, 1300, 800, 20, 0},  {8, 0, 1300, 1200, 700, 20, 0},
    {8, 0, 1200, 1300, 1200, 20, 0}, {8, 0, 1300, 1200, 1300, 20, 0},
};

constexpr ThemeAtom kHexagonalPlane[] = {
    {16, 0, 0, 0, 0, 100, 0}, {11, 7, 2, 0, 0, 40, 200}, {8, 7, 5, 0, 0, 10, 100}, {9, 7, 8, 0, 0, 0, 100}};
constexpr ThemeAtom kTetrahedralLattice[] = {
    {7, 9, 11, 0, 0, 0, 200}, {6, 9, 7, 0, 0, 5, 200}, {9, 9, 5, 0, 0, 15, 200}, {10, 9, 3, 0, 0, 50, 200}};
constexpr ThemeAtom kCubicHydrocarbon[] = {{8, 8, 11, 0, 0, 1, 100}, {6, 8, 7, 0, 0, 8, 100}, {1, 8, 3, 0, 0, 15, 100}};
constexpr ThemeAtom kHexagonalNested[] = {
    {6, 11, 3, 0, 0, 35, 200}, {9, 11, 5, 0, 0, 15, 200}, {8, 11, 9, 0, 0, 0, 200}};
constexpr ThemeAtom kActiveGas[] = {
    {1, 1, 0, 0, 0, 35, 150}, {8, 2, 0, 0, 0, 50, 120}, {9, 2, 0, 0, 0, 15, 120}, {7, 3, 0, 0, 0, 20, 300}};
constexpr ThemeAtom kShellsAndPoints[] = {
    {1, 4, 0, 0, 0, 15, 100}, {17, 3, 0, 0, 0, 30, 200}, {7, 2, 0, 0, 0, 50, 175}, {10, 1, 0, 0, 0, 20, 325}};
constexpr ThemeAtom kNestedShell[] = {{8, 5, 0, 0, 0, 80, 750}, {11, 5, 0, 0, 0, 40, 750}, {16, 5, 0, 0, 0, 20, 750},
                                      {7, 4, 0, 0, 0, 40, 250}, {6, 4, 0, 0, 0, 20, 250},  {1, 4, 0, 0, 0, 10, 250}};
// The oxygen and the chlorine atoms appear twice each.
constexpr ThemeAtom kStarPoint[] = {{16, 3, 0, 0, 0, 10, 100}, {11, 3, 0, 0, 0, 20, 175}, {8, 3, 0, 0, 0, 30, 250},
                                    {8, 3, 0, 0, 0, 30, 250},  {17, 4, 0, 0, 0, 75, 600}, {17, 4, 0, 0, 0, 75, 600},
                                    {1, 4, 0, 0, 0, 25, 600},  {6, 5, 0, 0, 0, 30, 1100}, {7, 5, 0, 0, 0, 20, 1175},
                                    {9, 5, 0, 0, 0, 10, 1250}};

const std::array<MoleculeTheme, kMoleculeThemeCount> kThemes = {{
    {{1000, 1000, 1000}, {1000, 1500, 750}, kMethane},
    {{1000, 1000, 1000}, {1500, 750, 1250}, kOctanitrocubane},
    {{0, 0, 0}, {2000, 750, 2000}, kHexagonalPlane},
    {{0, 0, 0}, {4000, 500, 5000}, kTetrahedralLattice},
    {{0, 0, 0}, {2000, 1000, 2500}, kCubicHydrocarbon},
    {{0, 0, 0}, {2000, 1000, 5000}, kHexagonalNested},
    {{0, 0, 0}, {500, 1000, 300}, kActiveGas},
    {{0, 0, 0}, {1000, 2000, 600}, kShellsAndPoints},
    {{0, 0, 0}, {1200, 500, 1800}, kNestedShell},
    {{0, 0, 0}, {1000, 500, 2000}, kStarPoint},
}};

// Column widths of the rows: count and centre, galaxy values, and an atom's
// seven numbers.
constexpr std::array<std::size_t, 4> kCentreRow = {5, 6, 6, 6};
constexpr std::array<std::size_t, 3> kGalaxyRow = {6, 6, 6};
constexpr std::array<std::size_t, 7> kAtomRow = {5, 6, 6, 6, 6, 5, 5};

std::string Field(std::int64_t value, std::size_t width) {
    const std::string digits = IntegerToText(value);
    return (digits.size() < width ? std::string(width - digits.size(), ' ') : std::string()) + digits + ",";
}

template <std::size_t N>
std::string Row(const std::array<std::size_t, N>& widths, const std::array<std::int64_t, N>& values) {
    std::string row;
    for (std::size_t k = 0; k < N; ++k) row += Field(values[k], widths[k]);
    return row;
}

}  // namespace

const std::array<std::string_view, kMoleculeThemeCount + 1> kMoleculeThemeNames = {
    "Select a Theme",
    "Methane",
    "Octanitrocubane",
    "Hexagonal Plane",
    "Tetrahedral Lattice",
    "Cubic Hydrocarbon Lattice",
    "Hexagonal Nested Lattice",
    "Active Gas Configuration",
    "Shells and Points Configuration",
    "Nested Shell Configuration",
    "Star Point System",
};

std::string GetMoleculeTheme(std::int16_t theme) {
    if (theme < 1 || theme > kMoleculeThemeCount) return {};
    const MoleculeTheme& t = kThemes[static_cast<std::size_t>(theme - 1)];
    std::string text = std::string(kMoleculeThemeNames[static_cast<std::size_t>(theme)]) + ".,";
    text += Row(kCentreRow, {static_cast<std::int64_t>(t.atoms.size()), t.centre[0], t.centre[1], t.centre[2]});
    text += Row(kGalaxyRow, {t.galaxy[0], t.galaxy[1], t.galaxy[2]});
    for (const ThemeAtom& a : t.atoms) text += Row(kAtomRow, {a.element, a.type, a.x, a.y, a.z, a.radius, a.symRadius});
    return text;
}

}  // namespace orbweave
