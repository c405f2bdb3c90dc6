// Corvane's blend routines, looked up at the first blend call: in the
// executable's own folder first, then by plain name through the dynamic
// loader. While the library is missing every lookup fails and is tried
// again at the next call.
#pragma once

#include <string>

#include "corvane/corvane.h"

namespace orbweave {

struct CorvaneBlendRoutines {
    CorvaneBlendFn rgb15 = nullptr;
    CorvaneBlendFn rgb16 = nullptr;
    CorvaneBlendFn rgb24 = nullptr;
    CorvaneBlendFn rgb32 = nullptr;
};

// The routines, loading the library when it is not loaded yet; null while
// it cannot be found.
const CorvaneBlendRoutines* LoadCorvaneBlendRoutines();

// Where the library is looked for: `folder` replaces the executable's folder
// (empty restores it); `plainName` allows the loader's own search after it.
// A library loaded before is let go, so the next blend loads afresh.
void SetCorvaneLookup(std::string folder, bool plainName);

inline constexpr const char* kCorvaneLibraryName = "libcorvane.so";

}  // namespace orbweave
