// Hints to the system about how memory is used, and the word the user gets
// when there is not enough of it.
#pragma once

#include <cstddef>

namespace orbweave {

// Asks for the whole large pages inside [start, start + bytes) to be backed
// by large pages when first touched: a picture that is read whole and written
// at random every frame then needs a few address translations instead of
// thousands. Only a hint; nothing changes where the system declines.
void PreferLargePages(void* start, std::size_t bytes);

// Says on standard error, in one line, that the program cannot get the
// memory it needs to run. Allocates nothing, so it can be said when nothing
// more can be had.
void ReportMemoryExhausted();

}  // namespace orbweave
