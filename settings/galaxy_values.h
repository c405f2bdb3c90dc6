#pragma once

// The saved values of one galaxy type and of its two element blocks, one row
// each: name, type, the record field that holds it, the default a reader
// takes when it is missing, the range validation keeps it in, and where the
// properties dialog shows it with its box's rule. Shared by every store a
// galaxy type is saved in, by validation and by the dialog's box bindings.

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <variant>

#include "settings/galaxy_records.h"
#include "settings/point_text.h"
#include "settings/value_controls.h"

namespace orbweave {

// The range a value is clamped into whenever a galaxy type is validated (after
// a read, before a write). The galaxy frame's four radial fields take theirs
// from the galaxy style (see style_ranges.h); a few values are kept as read.
enum class StoredClamp : std::uint8_t { None, InType, ByStyle };
struct StoredRange {
    StoredClamp clamp = StoredClamp::None;
    double low = 0;
    double high = 0;
};
constexpr StoredRange Stored(double low, double high) { return {StoredClamp::InType, low, high}; }
inline constexpr StoredRange kUnclamped{};
inline constexpr StoredRange kRangeByStyle{StoredClamp::ByStyle};

// A galaxy type's share of the universe's galaxies, and a composite's.
inline constexpr StoredRange kGalaxyPercentRange = Stored(0, 9999);
// A galaxy type's colour percentages, its base hue and its blend level.
inline constexpr StoredRange kHuePercentRange = Stored(0, 100);

// A numeric value: its field, default, stored range, and the control that
// shows it in the properties dialog with its box's rule (none for a list or
// a check box, or a box whose rule another row gives).
template <class T>
struct GalaxyNumberValue {
    std::string_view name;  // the stored value; also its key in a template
    T UniGalaxy::*field;
    T fallback;
    StoredRange stored;
    ControlPlace control;
    OptionalBox box;
};
using GalaxyInt16Value = GalaxyNumberValue<std::int16_t>;
using GalaxyInt32Value = GalaxyNumberValue<std::int32_t>;
using GalaxySingleValue = GalaxyNumberValue<float>;
// Saved as "1" or "0"; only a saved 1 reads as true (-1 in memory).
struct GalaxyFlagValue {
    std::string_view name;
    std::int16_t UniGalaxy::*field;
    ControlPlace control;
};
// The type's name; its default carries the type's number.
struct GalaxyNameValue {
    std::string_view name;
    ControlPlace control;
};
using GalaxyValue =
    std::variant<GalaxyInt16Value, GalaxyInt32Value, GalaxySingleValue, GalaxyFlagValue, GalaxyNameValue>;

inline constexpr int kGalaxyValueCount = 64;

// Every saved value of a galaxy type except the two block counts, in the
// order the settings store reads and writes them: percent, name, then the
// Galaxy_ values.
extern const std::array<GalaxyValue, kGalaxyValueCount> kGalaxyValues;

std::string_view GalaxyValueName(const GalaxyValue& value);

// The stored range of the numeric value held in `field`, as its row gives it;
// unclamped for a field no row holds.
template <class T>
StoredRange StoredRangeOf(T UniGalaxy::*field) {
    for (const GalaxyValue& value : kGalaxyValues) {
        const auto* row = std::get_if<GalaxyNumberValue<T>>(&value);
        if (row != nullptr && row->field == field) return row->stored;
    }
    return kUnclamped;
}

// prefix, the number in decimal, suffix: "UniGal7", "Atom_P12".
std::string NumberedName(std::string_view prefix, int number, std::string_view suffix = {});

// The path of a sub-section below section: section "\" subSection.
std::string SubSectionPath(std::string_view section, std::string_view subSection);

// "< Galaxy Profile n >" and "< Composite Galaxy n >" with n = index + 1.
std::string DefaultGalaxyName(int index);
std::string DefaultCompositeName(int index);

// The range a 16-bit element value is validated into.
struct Range16 {
    std::int16_t low;
    std::int16_t high;
};

// The atoms' elements run from 1 to 17 and their structure types from 0 to
// 11; types 6 to 11 are grids and matrices.
inline constexpr std::int16_t kLastElement = 17;
inline constexpr std::int16_t kLastStructure = 11;
// A grid or matrix atom holds its points per edge in X.
inline constexpr Range16 kEdgePointRange{1, 99};

// How one element block is saved: its count value, the sub-section that
// holds its centre and its elements, the record columns in the order of an
// element's point text, and the ranges of the centre and of each column.
template <class Block, std::size_t Capacity>
struct ElementBlockLayout {
    std::string_view countName;
    std::string_view subSection;
    std::int16_t Block::*count;
    std::array<std::int16_t Block::*, 3> centre;
    std::array<std::string_view, 3> centreNames;
    Range16 centreRange;
    std::array<std::array<std::int16_t, Capacity> Block::*, kPointTextFields> columns;
    std::array<Range16, kPointTextFields> columnRanges;
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
