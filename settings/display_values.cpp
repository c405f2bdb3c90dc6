#include "settings/display_values.h"

#include <algorithm>
#include <type_traits>

#include "core/convert.h"

namespace orbweave {

// The conversions of the settings readers: 16-bit takes the whole part,
// 32-bit rounds halves to even.
template <class T>
T DefaultValue(const DisplayValue& row) {
    if constexpr (std::is_same_v<T, std::int16_t>) {
        return TextToInt16(row.defaultText, Rounding::Floor).value_or(0);
    } else if constexpr (std::is_same_v<T, std::int32_t>) {
        return TextToInt32(row.defaultText, Rounding::HalfEven).value_or(0);
    } else if constexpr (std::is_same_v<T, float>) {
        return TextToSingle(row.defaultText).value_or(0.0f);
    } else {
        return std::string(row.defaultText);
    }
}

template <class T>
T ReadStoredValue(const DisplayValue& row, int hive) {
    if constexpr (std::is_same_v<T, std::int16_t>) {
        return GetSettingInteger(row.section, row.name, DefaultValue<T>(row), hive);
    } else if constexpr (std::is_same_v<T, std::int32_t>) {
        return GetSettingLong(row.section, row.name, DefaultValue<T>(row), hive);
    } else if constexpr (std::is_same_v<T, float>) {
        return GetSettingSingle(row.section, row.name, DefaultValue<T>(row), hive);
    } else {
        return GetSettingString(row.section, row.name, row.defaultText, hive);
    }
}

template std::int16_t DefaultValue<std::int16_t>(const DisplayValue&);
template std::int32_t DefaultValue<std::int32_t>(const DisplayValue&);
template float DefaultValue<float>(const DisplayValue&);
template std::string DefaultValue<std::string>(const DisplayValue&);
template std::int16_t ReadStoredValue<std::int16_t>(const DisplayValue&, int);
template std::int32_t ReadStoredValue<std::int32_t>(const DisplayValue&, int);
template float ReadStoredValue<float>(const DisplayValue&, int);
template std::string ReadStoredValue<std::string>(const DisplayValue&, int);

DisplayRecord ReadDisplayValues(int hive) {
    // All from one saved state, never half of a save another process makes.
    const SettingsSnapshot snapshot(hive);
    DisplayRecord record;
    for (const DisplayValue& row : kDisplayValues) {
        std::visit([&]<class T>(T DisplayRecord::*field) { record.*field = ReadStoredValue<T>(row, hive); }, row.field);
    }
    return record;
}

double HighBoundOf(const ValueRange& range, const DisplayLimits& limits) {
    std::int32_t display = 0;
    if (range.highFromDisplay == DisplayBound::LargestModeWidth) display = limits.largestWidth;
    if (range.highFromDisplay == DisplayBound::LargestModeHeight) display = limits.largestHeight;
    const double high = display > 0 ? std::min(range.high, static_cast<double>(display)) : range.high;
    return std::max(high, range.low);
}

double ClampIntoRange(double value, const ValueRange& range, const DisplayLimits& limits) {
    return std::clamp(value, range.low, HighBoundOf(range, limits));
}

void ClampDisplayValues(DisplayRecord& record, const DisplayLimits& limits) {
    for (const DisplayValue& row : kDisplayValues) {
        if (!row.storedRange) continue;
        std::visit(
            [&]<class T>(T DisplayRecord::*field) {
                if constexpr (std::is_arithmetic_v<T>) {
                    record.*field = static_cast<T>(ClampIntoRange(record.*field, *row.storedRange, limits));
                }
            },
            row.field);
    }
}

}  // namespace orbweave
