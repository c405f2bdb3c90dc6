// Hints to the system about how memory is used.
#pragma once

#include <cstddef>

namespace orbweave {

// Asks for the whole large pages inside [start, start + bytes) to be backed
// by large pages when first touched: a picture that is read whole and written
// at random every frame then needs a few address translations instead of
// thousands. Only a hint; nothing changes where the system declines.
void PreferLargePages(void* start, std::size_t bytes);

}  // namespace orbweave
