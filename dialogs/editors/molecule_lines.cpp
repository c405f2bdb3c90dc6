#include "dialogs/editors/molecule_lines.h"

#include <string>
#include <variant>

#include "core/convert.h"
#include "settings/element_tables.h"

namespace orbweave {
namespace {

constexpr std::size_t kNameWidth = 18;
constexpr std::string_view kGap = "  ";

// Where each part of a line starts (counted from 0) and how wide it is.
struct Column {
    std::size_t start;
    std::size_t width;
};
constexpr Column kTypeColumn = {18, kStructureNameWidth};
constexpr std::array<Column, kAtomNumberCount> kNumberColumns = {{{30, 4}, {36, 4}, {42, 4}, {48, 6}, {56, 6}}};

std::string RightAligned(double number, std::size_t width) {
    const std::string digits = NumberToText(number);
    return digits.size() >= width ? digits : std::string(width - digits.size(), ' ') + digits;
}

std::string_view Cut(std::string_view line, Column column) {
    if (column.start >= line.size()) return {};
    return line.substr(column.start, column.width);
}

}  // namespace

std::string ElementLine(std::string_view elementName, std::string_view typeName, const AtomNumbers& numbers) {
    std::string line(elementName);
    if (line.size() < kNameWidth) line.append(kNameWidth - line.size(), ' ');
    line += typeName;
    for (int k = 0; k < kAtomNumberCount; ++k) {
        line += kGap;
        line += RightAligned(numbers[static_cast<std::size_t>(k)], kNumberColumns[static_cast<std::size_t>(k)].width);
    }
    return line;
}

std::string LineTypeName(std::string_view line) { return std::string(Cut(line, kTypeColumn)); }

std::string LineNumberText(std::string_view line, int k) {
    if (k < 0 || k >= kAtomNumberCount) return {};
    return Trim(Cut(line, kNumberColumns[static_cast<std::size_t>(k)]));
}

std::int16_t GetStructureTypeIndex(std::string_view name) {
    std::int16_t found = 0;
    for (std::size_t t = 0; t < kStructureTypeNames.size(); ++t)
        if (kStructureTypeNames[t] == name) found = static_cast<std::int16_t>(t);
    return found;
}

std::string ElementName(std::int16_t element) {
    const ElementInfo info = GetElementInfo(element, "Name");
    const auto* name = std::get_if<std::string>(&info);
    return name != nullptr ? *name : std::string();
}

}  // namespace orbweave
