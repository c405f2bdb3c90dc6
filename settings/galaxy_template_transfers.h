#pragma once

// Moves the 50 galaxy types and the 16 composites between memory and the
// template file of template_file.h. Galaxy type i is section "UniGal<i>",
// followed by "UniGal<i>\IFS" and "UniGal<i>\ATOMIC" when it has transforms or
// atoms; composite c is section "CompGal<c>". Values are the settings store's
// with a few template spellings: "_CompGalCount" and "GalaxyIndex_<j>" for the
// composite's count and members, and a name that is kept untrimmed. Reads
// take the reader's text (every value is missing when its file was not read);
// writes go to the writer's save.

#include <cstdint>
#include <string>
#include <string_view>

#include "settings/template_file.h"

namespace orbweave {

std::string UniGalaxyTemplateSection(int galaxyType);
std::string CompGalaxyTemplateSection(int composite);

// Each record is validated right before it is written, so a file always
// holds values within their ranges. False once the save has failed.
bool UniGalaxiesToTemp(TemplateWriter& writer);
bool CompGalaxiesToTemp(TemplateWriter& writer);

// Each record is validated right after it is read. A record whose section
// the template does not hold keeps what it held; a missing entry takes its
// default; an entry whose text does not convert leaves its field as it was.
void TempToUniGalaxies(const TemplateReader& reader);
void TempToCompGalaxies(const TemplateReader& reader);

// One record; an index outside its table does nothing.
bool UniGalaxyToTemp(TemplateWriter& writer, std::int16_t index, std::string_view section);
bool CompGalaxyToTemp(TemplateWriter& writer, std::int16_t index, std::string_view section);
void TempToUniGalaxy(const TemplateReader& reader, std::int16_t index, std::string_view section);
void TempToCompGalaxy(const TemplateReader& reader, std::int16_t index, std::string_view section);

}  // namespace orbweave
