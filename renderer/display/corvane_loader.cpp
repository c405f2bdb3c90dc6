#include "renderer/display/corvane_loader.h"

#include <dlfcn.h>

#include <array>
#include <filesystem>
#include <system_error>

namespace orbweave {

namespace {

struct Lookup {
    std::string folder;
    bool plainName = true;
};

Lookup& CurrentLookup() {
    static Lookup lookup;
    return lookup;
}

// In the order of BlendRoutine.
constexpr std::array<const char*, 4> kRoutineNames = {"BlendPixelLongRGB15", "BlendPixelLongRGB16",
                                                      "BlendPixelLongRGB24", "BlendPixelLongRGB32"};

struct Loaded {
    void* handle = nullptr;
    std::array<CorvaneBlendFn, kRoutineNames.size()> routines{};  // each looked up when first needed
};

Loaded& Library() {
    static Loaded loaded;
    return loaded;
}

std::string ExecutableFolder() {
    std::error_code error;
    const std::filesystem::path exe = std::filesystem::read_symlink("/proc/self/exe", error);
    return error ? std::string() : exe.parent_path().string();
}

void* OpenLibrary() {
    const Lookup& lookup = CurrentLookup();
    const std::string folder = lookup.folder.empty() ? ExecutableFolder() : lookup.folder;
    if (!folder.empty()) {
        const std::string path = (std::filesystem::path(folder) / kCorvaneLibraryName).string();
        if (void* handle = dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL)) {
            return handle;
        }
    }
    return lookup.plainName ? dlopen(kCorvaneLibraryName, RTLD_NOW | RTLD_LOCAL) : nullptr;
}

void LetGo(Loaded& library) {
    if (library.handle != nullptr) {
        dlclose(library.handle);
    }
    library = {};
}

}  // namespace

CorvaneBlendFn LoadCorvaneBlendRoutine(BlendRoutine routine) {
    Loaded& library = Library();
    if (library.handle == nullptr) {
        library.handle = OpenLibrary();
        if (library.handle == nullptr) {
            return nullptr;
        }
    }
    const auto which = static_cast<std::size_t>(routine);
    CorvaneBlendFn& found = library.routines[which];
    if (found == nullptr) {
        found = reinterpret_cast<CorvaneBlendFn>(dlsym(library.handle, kRoutineNames[which]));
    }
    if (found == nullptr) {
        LetGo(library);
        return nullptr;
    }
    return found;
}

void SetCorvaneLookup(std::string folder, bool plainName) {
    CurrentLookup() = {std::move(folder), plainName};
    // The next blend loads from the new place, not the library found before.
    LetGo(Library());
}

}  // namespace orbweave
