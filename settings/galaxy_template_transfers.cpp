#include "settings/galaxy_template_transfers.h"

#include <algorithm>
#include <vector>

#include "core/convert.h"
#include "settings/galaxy_tables.h"
#include "settings/galaxy_values.h"
#include "settings/overloaded.h"
#include "settings/template_file.h"
#include "settings/validation.h"

namespace orbweave {
namespace {

// --- Conversions of read texts -----------------------------------------------------

// Percents, composite counts and members read as "0" followed by the text:
// an empty value is 0, a signed one does not convert.
std::optional<std::int16_t> ZeroPrefixedInt16(std::string_view text) {
    std::string prefixed("0");
    prefixed += text;
    return TextToInt16(prefixed);
}

template <class T>
void Assign(T& field, std::optional<T> value) {
    if (value) field = *value;
}

// --- One galaxy type ---------------------------------------------------------------

// The template writes the name before the percent, and the pulsar's shape
// after its largest extent; otherwise its order is the settings store's.
std::vector<const GalaxyValue*> TemplateWriteOrder() {
    std::vector<const GalaxyValue*> order;
    for (const GalaxyValue& v : kGalaxyValues) order.push_back(&v);
    const auto named = [&](std::string_view name) {
        return std::find_if(order.begin(), order.end(),
                            [&](const GalaxyValue* v) { return GalaxyValueName(*v) == name; });
    };
    std::iter_swap(named("_UniGalName"), named("_UniGalPct"));
    const GalaxyValue* shape = *named("Galaxy_PulsarShape");
    order.erase(named("Galaxy_PulsarShape"));
    order.insert(named("Galaxy_PulsarMaxExt") + 1, shape);
    return order;
}

const std::vector<const GalaxyValue*>& TemplateOrder() {
    static const std::vector<const GalaxyValue*> order = TemplateWriteOrder();
    return order;
}

std::string ValueText(const UniGalaxy& g, const GalaxyValue& value) {
    return std::visit(Overloaded{
                          [&](const GalaxyInt16Value& v) { return NumberToText(g.*v.field); },
                          [&](const GalaxyInt32Value& v) { return NumberToText(g.*v.field); },
                          [&](const GalaxySingleValue& v) { return NumberToText(static_cast<double>(g.*v.field)); },
                          [&](const GalaxyFlagValue& v) { return std::string(g.*v.field != 0 ? "1" : "0"); },
                          [&](const GalaxyNameValue&) { return g._UniGalName; },
                      },
                      value);
}

void ReadValue(const TemplateReader& reader, UniGalaxy& g, const GalaxyValue& value, int index,
               std::string_view section) {
    std::visit(
        Overloaded{
            [&](const GalaxyInt16Value& v) {
                const std::string text = reader.Value(section, v.name, NumberToText(v.fallback));
                // The percent reads like a composite's numbers.
                Assign(g.*v.field, v.field == &UniGalaxy::_UniGalPct ? ZeroPrefixedInt16(text) : TextToInt16(text));
            },
            [&](const GalaxyInt32Value& v) {
                Assign(g.*v.field, TextToInt32(reader.Value(section, v.name, NumberToText(v.fallback))));
            },
            [&](const GalaxySingleValue& v) {
                const std::string fallback = NumberToText(static_cast<double>(v.fallback));
                Assign(g.*v.field, TextToSingle(reader.Value(section, v.name, fallback)));
            },
            [&](const GalaxyFlagValue& v) { g.*v.field = reader.Value(section, v.name, "0") == "1" ? -1 : 0; },
            [&](const GalaxyNameValue& v) {
                g._UniGalName = reader.Value(section, v.name, DefaultGalaxyName(index));
            },
        },
        value);
}

template <class Block, std::size_t Capacity>
bool WriteBlock(TemplateWriter& writer, const Block& block, const ElementBlockLayout<Block, Capacity>& layout,
                std::string_view section) {
    if (block.*layout.count <= 0) return true;
    const std::string sub = SubSectionPath(section, layout.subSection);
    bool ok = true;
    for (std::size_t k = 0; k < layout.centre.size(); ++k) {
        ok = writer.Write(sub, layout.centreNames[k], NumberToText(block.*layout.centre[k])) && ok;
    }
    for (int j = 0; j < ElementsInUse<Capacity>(block.*layout.count); ++j) {
        const PointValues point = ElementPoint(block, layout, static_cast<std::size_t>(j));
        ok = writer.Write(sub, layout.elementName(j), FormatPointText(point)) && ok;
    }
    return ok;
}

// A count of 0 clears the centre and every element without looking for the
// sub-section; otherwise a missing sub-section reads as all zero.
template <class Block, std::size_t Capacity>
void ReadBlock(const TemplateReader& reader, Block& block, const ElementBlockLayout<Block, Capacity>& layout,
               std::string_view section) {
    Assign(block.*layout.count, TextToInt16(reader.Value(section, layout.countName, "0")));
    if (block.*layout.count == 0) {
        ClearElementBlock(block, layout);
        return;
    }
    const std::string sub = SubSectionPath(section, layout.subSection);
    for (std::size_t k = 0; k < layout.centre.size(); ++k) {
        Assign(block.*layout.centre[k], TextToInt16(reader.Value(sub, layout.centreNames[k], "0")));
    }
    for (int j = 0; j < ElementsInUse<Capacity>(block.*layout.count); ++j) {
        const auto e = static_cast<std::size_t>(j);
        PointValues point = ElementPoint(block, layout, e);
        ParsePointText(reader.Value(sub, layout.elementName(j), ""), point);
        SetElementPoint(block, layout, e, point);
    }
}

// --- One composite -------------------------------------------------------------------

constexpr std::string_view kCompNameKey = "_CompGalName";
constexpr std::string_view kCompPctKey = "_CompGalPct";
constexpr std::string_view kCompCountKey = "_CompGalCount";

std::string CompMemberKey(int j) { return NumberedName("GalaxyIndex_", j); }

}  // namespace

std::string UniGalaxyTemplateSection(int galaxyType) { return NumberedName("UniGal", galaxyType); }
std::string CompGalaxyTemplateSection(int composite) { return NumberedName("CompGal", composite); }

bool UniGalaxyToTemp(TemplateWriter& writer, std::int16_t index, std::string_view section) {
    if (!IsUniGalaxySlot(index)) return false;
    const UniGalaxy& g = UniGalaxies[static_cast<std::size_t>(index)];
    bool ok = true;
    for (const GalaxyValue* value : TemplateOrder()) {
        ok = writer.Write(section, GalaxyValueName(*value), ValueText(g, *value)) && ok;
    }
    // Both counts stay in the type's own section, ahead of its sub-sections,
    // so that the section occurs once in the file.
    ok = writer.Write(section, kIfsLayout.countName, NumberToText(g.Ifs.Galaxy_IFS_Points)) && ok;
    ok = writer.Write(section, kAtomLayout.countName, NumberToText(g.Atoms.Galaxy_Atoms)) && ok;
    ok = WriteBlock(writer, g.Ifs, kIfsLayout, section) && ok;
    return WriteBlock(writer, g.Atoms, kAtomLayout, section) && ok;
}

void TempToUniGalaxy(const TemplateReader& reader, std::int16_t index, std::string_view section) {
    if (!IsUniGalaxySlot(index)) return;
    UniGalaxy& g = UniGalaxies[static_cast<std::size_t>(index)];
    for (const GalaxyValue& value : kGalaxyValues) ReadValue(reader, g, value, index, section);
    ReadBlock(reader, g.Ifs, kIfsLayout, section);
    if (g.Ifs.Galaxy_IFS_Points == 0) g.Ifs.Run_IfsCumPct.fill(0);
    ReadBlock(reader, g.Atoms, kAtomLayout, section);
}

bool CompGalaxyToTemp(TemplateWriter& writer, std::int16_t index, std::string_view section) {
    if (!IsCompGalaxy(index)) return false;
    const CompGalaxy& c = CompGalaxies[static_cast<std::size_t>(index)];
    bool ok = writer.Write(section, kCompNameKey, c._CompGalName);
    ok = writer.Write(section, kCompPctKey, NumberToText(c._CompGalPct)) && ok;
    ok = writer.Write(section, kCompCountKey, NumberToText(c.CompGal_Count)) && ok;
    for (int j = 0; j < ElementsInUse<kCompMemberCapacity>(c.CompGal_Count); ++j) {
        ok = writer.Write(section, CompMemberKey(j), NumberToText(c.CompGal_Type[static_cast<std::size_t>(j)])) &&
             ok;
    }
    return ok;
}

// Members beyond the count keep what they held.
void TempToCompGalaxy(const TemplateReader& reader, std::int16_t index, std::string_view section) {
    if (!IsCompGalaxy(index)) return;
    CompGalaxy& c = CompGalaxies[static_cast<std::size_t>(index)];
    Assign(c._CompGalPct, ZeroPrefixedInt16(reader.Value(section, kCompPctKey, "0")));
    c._CompGalName = reader.Value(section, kCompNameKey, DefaultCompositeName(index));
    Assign(c.CompGal_Count, ZeroPrefixedInt16(reader.Value(section, kCompCountKey, "0")));
    for (int j = 0; j < ElementsInUse<kCompMemberCapacity>(c.CompGal_Count); ++j) {
        Assign(c.CompGal_Type[static_cast<std::size_t>(j)],
               ZeroPrefixedInt16(reader.Value(section, CompMemberKey(j), "0")));
    }
}

bool UniGalaxiesToTemp(TemplateWriter& writer) {
    bool ok = true;
    for (std::int16_t i = 0; i < kGalaxyTypeCount; ++i) {
        ValidateUniGalaxy(i);
        ok = UniGalaxyToTemp(writer, i, UniGalaxyTemplateSection(i)) && ok;
    }
    return ok;
}

bool CompGalaxiesToTemp(TemplateWriter& writer) {
    bool ok = true;
    for (std::int16_t c = 0; c < kCompGalaxyCount; ++c) {
        ValidateCompGalaxy(c);
        ok = CompGalaxyToTemp(writer, c, CompGalaxyTemplateSection(c)) && ok;
    }
    return ok;
}

void TempToUniGalaxies(const TemplateReader& reader) {
    for (std::int16_t i = 0; i < kGalaxyTypeCount; ++i) {
        const std::string section = UniGalaxyTemplateSection(i);
        if (!reader.HoldsSection(section)) continue;
        TempToUniGalaxy(reader, i, section);
        ValidateUniGalaxy(i);
    }
}

void TempToCompGalaxies(const TemplateReader& reader) {
    for (std::int16_t c = 0; c < kCompGalaxyCount; ++c) {
        const std::string section = CompGalaxyTemplateSection(c);
        if (!reader.HoldsSection(section)) continue;
        TempToCompGalaxy(reader, c, section);
        ValidateCompGalaxy(c);
    }
}

}  // namespace orbweave
