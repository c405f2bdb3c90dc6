#include "renderer/display/corvane_loader.h"

#include <dlfcn.h>

#include <filesystem>
#include <system_error>

namespace orbweave {

namespace {

struct Lookup {
    std::string folder;
    bool plainName = true;
};

Lookup& CurrentLookup()
{
    static Lookup lookup;
    return lookup;
}

struct Loaded {
    void* handle = nullptr;
    CorvaneBlendRoutines routines;
};

Loaded& Library()
{
    static Loaded loaded;
    return loaded;
}

std::string ExecutableFolder()
{
    std::error_code error;
    const std::filesystem::path exe = std::filesystem::read_symlink("/proc/self/exe", error);
    return error ? std::string() : exe.parent_path().string();
}

void* OpenLibrary()
{
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

CorvaneBlendFn Find(void* handle, const char* name)
{
    return reinterpret_cast<CorvaneBlendFn>(dlsym(handle, name));
}

}  // namespace

const CorvaneBlendRoutines* LoadCorvaneBlendRoutines()
{
    Loaded& library = Library();
    if (library.handle == nullptr) {
        void* handle = OpenLibrary();
        if (handle == nullptr) {
            return nullptr;
        }
        library.handle = handle;
        library.routines = {Find(handle, "BlendPixelLongRGB15"), Find(handle, "BlendPixelLongRGB16"),
                            Find(handle, "BlendPixelLongRGB24"), Find(handle, "BlendPixelLongRGB32")};
    }
    return &library.routines;
}

void SetCorvaneLookup(std::string folder, bool plainName)
{
    CurrentLookup() = {std::move(folder), plainName};
    // The next blend loads from the new place, not the library found before.
    Loaded& library = Library();
    if (library.handle != nullptr) {
        dlclose(library.handle);
        library = {};
    }
}

}  // namespace orbweave
