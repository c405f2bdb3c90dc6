// Corvane's blend routines, looked up when a blend needs them: the library
// in the executable's own folder first, then by plain name through the
// dynamic loader. While the library or a routine is missing the lookup fails
// and is tried again at the next call.
#pragma once

#include <string>

#include "corvane/corvane.h"

namespace orbweave {

// The blend routine of each surface layout.
enum class BlendRoutine { Rgb15, Rgb16, Rgb24, Rgb32 };

// The routine, loading the library when it is not loaded yet; null while the
// library or the routine cannot be found. A library that lacks the routine
// is let go, so that the next call opens it afresh (it may have been
// replaced) and looks again; a routine handed out before stays valid until
// then.
CorvaneBlendFn LoadCorvaneBlendRoutine(BlendRoutine routine);

// Where the library is looked for: `folder` replaces the executable's folder
// (empty restores it); `plainName` allows the loader's own search after it.
// A library loaded before is let go, so the next blend loads afresh.
void SetCorvaneLookup(std::string folder, bool plainName);

inline constexpr const char* kCorvaneLibraryName = "libcorvane.so";

}  // namespace orbweave
