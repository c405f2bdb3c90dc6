#pragma once

// Numbers as a template or a dialog box holds them: the shortest plain
// decimal text (no exponent) that reads back as the same value, so that
// "12345678" and "0.985" survive a save and a load unchanged.

#include <string>

namespace orbweave {

// A double's shortest text: 12345678.0 -> "12345678", 0.985 -> "0.985".
// Negative zero prints "0"; a value that is not finite gives "".
std::string ShortestText(double value);

// A single-precision value's shortest text, which reads back (through a
// double, as TextToSingle reads) as the same float: 0.985f -> "0.985".
std::string ShortestText(float value);

}  // namespace orbweave
