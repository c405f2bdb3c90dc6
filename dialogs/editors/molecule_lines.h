// The atom list of the molecule editor: one fixed-column line per atom
// (element name, structure type name, X, Y, Z, radius, symmetry radius),
// which is the only place the list keeps an atom's values.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace orbweave {

inline constexpr int kStructureTypeCount = 12;
inline constexpr std::size_t kStructureNameWidth = 10;

// The names of the atomic structure types, ten characters each.
inline constexpr std::array<std::string_view, kStructureTypeCount> kStructureTypeNames = {
    "Single    ", " 6 Point  ", " 8 Point  ", "18 Shell  ", "26 Shell  ", "38 Shell  ",
    "Rectgrid  ", "Hexagrid  ", "Cube      ", "Tetramatrx", "Octamatrix", "Hexamatrix"};

// The five numbers of a line, in column order.
inline constexpr int kAtomNumberCount = 5;
using AtomNumbers = std::array<double, kAtomNumberCount>;

// The line of one atom: the element name padded to 18 characters, the
// structure type name, then the numbers right-aligned in their columns (a
// number wider than its column is written whole).
std::string ElementLine(std::string_view elementName, std::string_view typeName, const AtomNumbers& numbers);

// The structure type name of a line (positions 19-28).
std::string LineTypeName(std::string_view line);
// The column text of number k (0 X .. 4 symmetry radius), blanks removed.
std::string LineNumberText(std::string_view line, int k);

// The index of the last structure type name equal to the text (case and
// blanks count); 0 when none is.
std::int16_t GetStructureTypeIndex(std::string_view name);

// The name of element 1..17 ("" for any other).
std::string ElementName(std::int16_t element);

}  // namespace orbweave
