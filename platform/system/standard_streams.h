// The three standard descriptors, made safe before anything else runs.
#pragma once

namespace orbweave {

// Opens each of descriptors 0, 1 and 2 that is closed on /dev/null. A
// launcher that starts the program with one of them closed would otherwise
// hand that number to the next descriptor opened (the X connection's
// socket), and every notice written to standard error would go into the X
// stream. Call it first thing in main, before any library opens a file.
void OpenClosedStandardStreams();

}  // namespace orbweave
