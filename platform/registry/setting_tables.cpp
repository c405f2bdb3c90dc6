#include "platform/registry/setting_tables.h"

#include <algorithm>
#include <span>

namespace orbweave {
namespace {

bool SameNameIgnoringCase(std::string_view a, std::string_view b) {
    const auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; };
    return std::ranges::equal(a, b, [&](char x, char y) { return lower(x) == lower(y); });
}

const SettingDefault* FindIn(std::span<const SettingDefault> table, std::string_view name) {
    const auto found = std::ranges::find_if(table, [&](const SettingDefault& s) { return SameNameIgnoringCase(s.name, name); });
    return found == table.end() ? nullptr : &*found;
}

}  // namespace

const SettingDefault* FindSettingDefault(std::string_view section, std::string_view name) {
    if (SameNameIgnoringCase(section, kSectionAdvanced)) return FindIn(kAdvancedSettings, name);
    if (SameNameIgnoringCase(section, kSectionDirectX)) return FindIn(kDirectXSettings, name);
    return nullptr;
}

}  // namespace orbweave
