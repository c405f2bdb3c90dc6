#include "settings/universe_values.h"

#include <optional>

#include "core/convert.h"
#include "platform/registry/settings.h"
#include "settings/number_text.h"
#include "settings/overloaded.h"

namespace orbweave {
namespace {

template <class T>
void Assign(T& field, std::optional<T> value) {
    if (value) field = *value;
}

}  // namespace

std::string DefaultText(const UniverseValue& v) {
    return v.type == UniverseValueType::Text ? std::string() : ShortestText(v.fallback);
}

double ReadStoredUniverseValue(const UniverseValue& v, std::string_view section) {
    switch (v.load) {
    case Reading::Int16: return GetSettingInteger(section, v.name, static_cast<std::int16_t>(v.fallback), kHiveUser);
    case Reading::Int32: return GetSettingLong(section, v.name, static_cast<std::int32_t>(v.fallback), kHiveUser);
    case Reading::Single: return GetSettingSingle(section, v.name, static_cast<float>(v.fallback), kHiveUser);
    case Reading::None: break;
    }
    return 0;
}

void SetUniverseField(UniverseSettings& u, const UniverseValue& v, double value) {
    using U = UniverseSettings;
    std::visit(Overloaded{
                   [](std::monostate) {},
                   [&](std::int32_t U::*field) { Assign(u.*field, ToInt32(value)); },
                   [&](std::int16_t U::*field) { Assign(u.*field, ToInt16(value)); },
                   [&](float U::*field) { Assign(u.*field, ToSingle(value)); },
                   [&](bool U::*field) { u.*field = value != 0; },
               },
               v.field);
}

void ReadUniverseRecord(UniverseSettings& u) {
    for (const UniverseValue& v : kUniverseValues) {
        if (v.load != Reading::None) SetUniverseField(u, v, ReadStoredUniverseValue(v));
    }
    for (const UniverseValue& v : kUniverseBlendLevels) {
        SetUniverseField(u, v, ReadStoredUniverseValue(v, kSectionDirectX));
    }
}

}  // namespace orbweave
