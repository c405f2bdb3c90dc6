#include "settings/element_tables.h"

#include <algorithm>
#include <array>

namespace orbweave {
namespace {

struct Element {
    std::string_view name;
    std::string_view symbol;
    std::string_view shells;  // electrons per shell
    std::int16_t hue;         // degrees
    float radius;
};

// Element number n is entry n - 1. The names are spelled as the molecule
// editor has always listed them.
constexpr std::array<Element, 17> kElements{{
    {"Hydrogen", "H", "1", 180, 10.0f},
    {"Helium", "He", "2", 330, 12.0f},
    {"Lithium", "Li", "2,1", 0, 10.0f},
    {"Beryllim", "Be", "2,2", 0, 10.0f},
    {"Boron", "B", "2,3", 0, 10.0f},
    {"Carbon", "C", "2,4", 210, 20.0f},
    {"Nitrogen", "N", "2,5", 240, 25.0f},
    {"Oxygen", "O", "2,6", 0, 30.0f},
    {"Flourine", "F", "2,7", 270, 10.0f},
    {"Neon", "Ne", "2,8", 300, 10.0f},
    {"Sodium", "Na", "2,8,1", 30, 10.0f},
    {"Magnesium", "Mg", "2,8,2", 0, 10.0f},
    {"Aluminum", "Al", "2,8,3", 0, 10.0f},
    {"Silicon", "Si", "2,8,4", 0, 10.0f},
    {"Phosphorus", "P", "2,8,5", 0, 10.0f},
    {"Sulphur", "S", "2,8,6", 60, 40.0f},
    {"Chlorine", "Cl", "2,8,7", 120, 50.0f},
}};

constexpr Element kNoElement{"", "", "", 0, 0.0f};

// Types 0..5 are single points and shells of 6, 8, 18, 26 and 38 points; 6..11
// are grids and matrices whose size comes from the atom's points per side.
constexpr std::array<std::int16_t, 14> kStructurePoints{1, 6, 8, 18, 26, 38, 1, 1, 1, 1, 1, 1, 1, 1};

// ASCII only, so the comparison does not depend on the C library's locale.
constexpr char AsciiLower(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

bool EqualsIgnoringCase(std::string_view a, std::string_view b) {
    return std::ranges::equal(a, b, [](char x, char y) { return AsciiLower(x) == AsciiLower(y); });
}

}  // namespace

ElementInfo GetElementInfo(std::int16_t element, std::string_view property) {
    const Element& e = element >= 1 && element <= static_cast<int>(kElements.size())
                           ? kElements[static_cast<std::size_t>(element - 1)]
                           : kNoElement;
    if (EqualsIgnoringCase(property, "name")) return std::string(e.name);
    if (EqualsIgnoringCase(property, "symbol")) return std::string(e.symbol);
    if (EqualsIgnoringCase(property, "shells")) return std::string(e.shells);
    if (EqualsIgnoringCase(property, "color")) return e.hue;
    if (EqualsIgnoringCase(property, "radius")) return e.radius;
    return std::monostate{};
}

std::optional<std::int16_t> GetStructurePointCount(std::int16_t structureType) {
    if (structureType < 0 || structureType >= static_cast<int>(kStructurePoints.size())) {
        return std::nullopt;
    }
    return kStructurePoints[static_cast<std::size_t>(structureType)];
}

}  // namespace orbweave
