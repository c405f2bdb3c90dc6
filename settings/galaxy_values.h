#pragma once

// The saved values of one galaxy type and of its two element blocks: name,
// type, the record field that holds each and the default a reader takes when
// a value is missing. Shared by every store a galaxy type is saved in.

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <variant>

#include "settings/galaxy_records.h"
#include "settings/point_text.h"

namespace orbweave {

struct GalaxyInt16Value {
    std::string_view name;
    std::int16_t UniGalaxy::*field;
    std::int16_t fallback;
};
struct GalaxyInt32Value {
    std::string_view name;
    std::int32_t UniGalaxy::*field;
    std::int32_t fallback;
};
struct GalaxySingleValue {
    std::string_view name;
    float UniGalaxy::*field;
    float fallback;
};
// Saved as "1" or "0"; only a saved 1 reads as true (-1 in memory).
struct GalaxyFlagValue {
    std::string_view name;
    std::int16_t UniGalaxy::*field;
};
// The type's name; its default carries the type's number.
struct GalaxyNameValue {
    std::string_view name;
};
using GalaxyValue =
    std::variant<GalaxyInt16Value, GalaxyInt32Value, GalaxySingleValue, GalaxyFlagValue, GalaxyNameValue>;

inline constexpr int kGalaxyValueCount = 64;

// Every saved value of a galaxy type except the two block counts, in the
// order the settings store reads and writes them: percent, name, then the
// Galaxy_ values.
extern const std::array<GalaxyValue, kGalaxyValueCount> kGalaxyValues;

std::string_view GalaxyValueName(const GalaxyValue& value);

// prefix, the number in decimal, suffix: "UniGal7", "Atom_P12".
std::string NumberedName(std::string_view prefix, int number, std::string_view suffix = {});

// The path of a sub-section below section: section "\" subSection.
std::string SubSectionPath(std::string_view section, std::string_view subSection);

// "< Galaxy Profile n >" and "< Composite Galaxy n >" with n = index + 1.
std::string DefaultGalaxyName(int index);
std::string DefaultCompositeName(int index);

// How one element block is saved: its count value, the sub-section that
// holds its centre and its elements, and the record columns in the order of
// an element's point text.
template <class Block, std::size_t Capacity>
struct ElementBlockLayout {
    std::string_view countName;
    std::string_view subSection;
    std::int16_t Block::*count;
    std::array<std::int16_t Block::*, 3> centre;
    std::array<std::string_view, 3> centreNames;
    std::array<std::array<std::int16_t, Capacity> Block::*, kPointTextFields> columns;
    std::string (*elementName)(int);
};

// "IFS_P0" .. "IFS_P4" in sub-section "IFS"; "Atom_P00" .. "Atom_P31" in "ATOMIC".
extern const ElementBlockLayout<IfsBlock, kIfsPointCapacity> kIfsLayout;
extern const ElementBlockLayout<AtomBlock, kAtomCapacity> kAtomLayout;

// The point text of element j of a block, and back. Reading leaves a field
// that does not convert as it was.
template <class Block, std::size_t Capacity>
PointValues ElementPoint(const Block& block, const ElementBlockLayout<Block, Capacity>& layout, std::size_t j) {
    PointValues values{};
    for (std::size_t k = 0; k < values.size(); ++k) values[k] = (block.*layout.columns[k])[j];
    return values;
}
template <class Block, std::size_t Capacity>
void SetElementPoint(Block& block, const ElementBlockLayout<Block, Capacity>& layout, std::size_t j,
                     const PointValues& values) {
    for (std::size_t k = 0; k < values.size(); ++k) (block.*layout.columns[k])[j] = values[k];
}

// A block saved with a count of 0 reads as a zero centre and zero elements.
template <class Block, std::size_t Capacity>
void ClearElementBlock(Block& block, const ElementBlockLayout<Block, Capacity>& layout) {
    for (auto centre : layout.centre) block.*centre = 0;
    for (auto column : layout.columns) (block.*column).fill(0);
}

// Elements in use for a saved count, never more than the block holds.
template <std::size_t Capacity>
constexpr int ElementsInUse(std::int16_t count) {
    return count < 0 ? 0 : (count > static_cast<int>(Capacity) ? static_cast<int>(Capacity) : count);
}

}  // namespace orbweave
