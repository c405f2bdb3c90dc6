#include "settings/registry_transfers.h"

#include <variant>

#include "platform/registry/settings.h"
#include "settings/galaxy_tables.h"
#include "settings/galaxy_values.h"
#include "settings/overloaded.h"
#include "settings/validation.h"

namespace orbweave {
namespace {

// --- Values of one galaxy type --------------------------------------------------

void ReadGalaxyValue(UniGalaxy& g, const GalaxyValue& value, int index, std::string_view section, int hive) {
    std::visit(
        Overloaded{
            [&](const GalaxyInt16Value& v) { g.*v.field = GetSettingInteger(section, v.name, v.fallback, hive); },
            [&](const GalaxyInt32Value& v) { g.*v.field = GetSettingLong(section, v.name, v.fallback, hive); },
            [&](const GalaxySingleValue& v) { g.*v.field = GetSettingSingle(section, v.name, v.fallback, hive); },
            [&](const GalaxyFlagValue& v) { g.*v.field = GetSettingInteger(section, v.name, 0, hive) == 1 ? -1 : 0; },
            [&](const GalaxyNameValue& v) {
                g._UniGalName = GetSettingString(section, v.name, DefaultGalaxyName(index), hive);
            },
        },
        value);
}

bool WriteGalaxyValue(const UniGalaxy& g, const GalaxyValue& value, std::string_view section) {
    return std::visit(Overloaded{
                          [&](const GalaxyInt16Value& v) { return SaveSettingValue(section, v.name, g.*v.field); },
                          [&](const GalaxyInt32Value& v) { return SaveSettingValue(section, v.name, g.*v.field); },
                          [&](const GalaxySingleValue& v) {
                              return SaveSettingValue(section, v.name, static_cast<double>(g.*v.field));
                          },
                          [&](const GalaxyFlagValue& v) {
                              return SaveSettingValue(section, v.name, std::string_view(g.*v.field != 0 ? "1" : "0"));
                          },
                          [&](const GalaxyNameValue& v) {
                              return SaveSettingValue(section, v.name, std::string_view(g._UniGalName));
                          },
                      },
                      value);
}

// --- The IFS and ATOMIC sub-keys -------------------------------------------------

template <class Block, std::size_t Capacity>
void ReadBlock(Block& block, const ElementBlockLayout<Block, Capacity>& layout, std::string_view section, int hive) {
    block.*layout.count = GetSettingInteger(section, layout.countName, 0, hive);
    if (block.*layout.count == 0) {
        ClearElementBlock(block, layout);
        return;
    }
    const std::string sub = SubSectionPath(section, layout.subSection);
    for (std::size_t k = 0; k < layout.centre.size(); ++k) {
        block.*layout.centre[k] = GetSettingInteger(sub, layout.centreNames[k], 0, hive);
    }
    for (int j = 0; j < ElementsInUse<Capacity>(block.*layout.count); ++j) {
        const auto e = static_cast<std::size_t>(j);
        PointValues point = ElementPoint(block, layout, e);
        ParsePointText(GetSettingString(sub, layout.elementName(j), "", hive), point);
        SetElementPoint(block, layout, e, point);
    }
}

// Removes the old sub-key first, so that no point of an earlier, larger block
// survives; a count of 0 or less leaves the sub-key absent.
template <class Block, std::size_t Capacity>
bool WriteBlock(const Block& block, const ElementBlockLayout<Block, Capacity>& layout, std::string_view section) {
    bool ok = SaveSettingValue(section, layout.countName, block.*layout.count);
    ok = DeleteSettingKey(kProductKey, section, layout.subSection, kHiveUser) != kDeleteKeyRefused && ok;
    if (block.*layout.count <= 0) return ok;
    const std::string sub = SubSectionPath(section, layout.subSection);
    for (std::size_t k = 0; k < layout.centre.size(); ++k) {
        ok = SaveSettingValue(sub, layout.centreNames[k], block.*layout.centre[k]) && ok;
    }
    for (int j = 0; j < ElementsInUse<Capacity>(block.*layout.count); ++j) {
        const PointValues point = ElementPoint(block, layout, static_cast<std::size_t>(j));
        ok = SaveSettingValue(sub, layout.elementName(j), std::string_view(FormatPointText(point))) && ok;
    }
    return ok;
}

std::string CompTypeName(int j) { return NumberedName("CompGal_Type", j); }

}  // namespace

std::string UniGalaxySection(int galaxyType) { return NumberedName("Universe\\Galaxy", galaxyType); }
std::string CompGalaxySection(int composite) { return NumberedName("Universe\\CompGal", composite); }

void RegToUniGalaxy(std::int16_t index, std::string_view section, int hive) {
    if (!IsUniGalaxySlot(index)) return;
    UniGalaxy& g = UniGalaxies[static_cast<std::size_t>(index)];
    for (const GalaxyValue& value : kGalaxyValues) ReadGalaxyValue(g, value, index, section, hive);
    ReadBlock(g.Ifs, kIfsLayout, section, hive);
    if (g.Ifs.Galaxy_IFS_Points == 0) g.Ifs.Run_IfsCumPct.fill(0);
    ReadBlock(g.Atoms, kAtomLayout, section, hive);
}

bool UniGalaxyToReg(std::int16_t index, std::string_view section) {
    if (!IsUniGalaxySlot(index)) return false;
    const UniGalaxy& g = UniGalaxies[static_cast<std::size_t>(index)];
    bool ok = true;
    for (const GalaxyValue& value : kGalaxyValues) ok = WriteGalaxyValue(g, value, section) && ok;
    ok = WriteBlock(g.Ifs, kIfsLayout, section) && ok;
    return WriteBlock(g.Atoms, kAtomLayout, section) && ok;
}

void RegToCompGalaxy(std::int16_t index, std::string_view section, int hive) {
    if (!IsCompGalaxy(index)) return;
    CompGalaxy& c = CompGalaxies[static_cast<std::size_t>(index)];
    c._CompGalPct = GetSettingInteger(section, "_CompGalPct", 0, hive);
    c._CompGalName = GetSettingString(section, "_CompGalName", DefaultCompositeName(index), hive);
    c.CompGal_Count = GetSettingInteger(section, "CompGal_Count", 0, hive);
    for (int j = 0; j < ElementsInUse<kCompMemberCapacity>(c.CompGal_Count); ++j) {
        auto& member = c.CompGal_Type[static_cast<std::size_t>(j)];
        member = GetSettingInteger(section, CompTypeName(j), 0, hive);
    }
}

// Values of members beyond a smaller count are left in place: readers never
// look past the count.
bool CompGalaxyToReg(std::int16_t index, std::string_view section) {
    if (!IsCompGalaxy(index)) return false;
    const CompGalaxy& c = CompGalaxies[static_cast<std::size_t>(index)];
    bool ok = SaveSettingValue(section, "_CompGalPct", c._CompGalPct);
    ok = SaveSettingValue(section, "_CompGalName", std::string_view(c._CompGalName)) && ok;
    ok = SaveSettingValue(section, "CompGal_Count", c.CompGal_Count) && ok;
    for (int j = 0; j < ElementsInUse<kCompMemberCapacity>(c.CompGal_Count); ++j) {
        ok = SaveSettingValue(section, CompTypeName(j), c.CompGal_Type[static_cast<std::size_t>(j)]) && ok;
    }
    return ok;
}

void RegToUniGalaxies(int hive) {
    const SettingsSnapshot snapshot(hive);
    for (std::int16_t i = 0; i < kGalaxyTypeCount; ++i) {
        RegToUniGalaxy(i, UniGalaxySection(i), hive);
        ValidateUniGalaxy(i);
    }
}

void RegToCompGalaxies(int hive) {
    const SettingsSnapshot snapshot(hive);
    for (std::int16_t c = 0; c < kCompGalaxyCount; ++c) {
        RegToCompGalaxy(c, CompGalaxySection(c), hive);
        ValidateCompGalaxy(c);
    }
}

void RegToGalaxyTables(int hive) {
    const SettingsSnapshot snapshot(hive);
    RegToUniGalaxies(hive);
    RegToCompGalaxies(hive);
}

bool UniGalaxiesToReg() {
    SettingsTransaction transaction(kHiveUser);
    bool ok = true;
    for (std::int16_t i = 0; i < kGalaxyTypeCount; ++i) {
        ValidateUniGalaxy(i);
        ok = UniGalaxyToReg(i, UniGalaxySection(i)) && ok;
    }
    return ok && transaction.Commit();
}

bool CompGalaxiesToReg() {
    SettingsTransaction transaction(kHiveUser);
    bool ok = true;
    for (std::int16_t c = 0; c < kCompGalaxyCount; ++c) ok = CompGalaxyToReg(c, CompGalaxySection(c)) && ok;
    return ok && transaction.Commit();
}

bool GalaxyTablesToReg() {
    SettingsTransaction transaction(kHiveUser);
    const bool types = UniGalaxiesToReg();
    const bool composites = CompGalaxiesToReg();
    return types && composites && transaction.Commit();
}

}  // namespace orbweave
