// The built libcorvane.so: loadable by name lookup, exporting exactly the
// fourteen functions of its export table.
#include <dlfcn.h>
#include <gtest/gtest.h>

#include <cstdio>
#include <set>
#include <string>
#include <vector>

#include "corvane/corvane.h"

namespace {

const std::vector<std::string> kExports = {
    "BlendPixelLongRGB15",   "BlendPixelLongRGB16", "BlendPixelLongRGB24",   "BlendPixelLongRGB32",
    "BlendPaletteByteArray", "SetPixelLongRGB32",   "PlotCycleStarfield",    "SetGlobalStarfield",
    "PlotCycleGravWells",    "SetGlobalGravWells",  "SetPlotCycleStarArray", "SetPlotGravWellsArray",
    "InitRandomArray",       "TestingPerformance",
};

class LoadedLibrary : public ::testing::Test {
protected:
    void SetUp() override {
        handle_ = dlopen(CORVANE_LIBRARY_PATH, RTLD_NOW | RTLD_LOCAL);
        ASSERT_NE(handle_, nullptr) << dlerror();
    }
    void TearDown() override {
        if (handle_ != nullptr) {
            dlclose(handle_);
        }
    }
    void* handle_ = nullptr;
};

TEST_F(LoadedLibrary, FindsAllFourteenFunctionsByName) {
    for (const std::string& name : kExports) {
        EXPECT_NE(dlsym(handle_, name.c_str()), nullptr) << name;
    }
}

TEST_F(LoadedLibrary, HidesItsInternalRoutines) {
    // NextRandomInt() and ResetRandomState() of orbweave::corvane, C++ names.
    EXPECT_EQ(dlsym(handle_, "_ZN8orbweave7corvane13NextRandomIntEv"), nullptr);
    EXPECT_EQ(dlsym(handle_, "_ZN8orbweave7corvane16ResetRandomStateEv"), nullptr);
    EXPECT_EQ(dlsym(handle_, "NextRandomInt"), nullptr);
}

TEST_F(LoadedLibrary, BlendsThroughTheLoadedFunction) {
    auto blend = reinterpret_cast<CorvaneBlendFn>(dlsym(handle_, "BlendPixelLongRGB32"));
    ASSERT_NE(blend, nullptr);
    std::vector<uint32_t> work(12, 0x00123456);
    std::vector<uint32_t> surface(12, 0);
    blend(surface.data(), surface.data() + 2, work.data(), 3, 3, 720, 0, 0);
    EXPECT_EQ(surface[1], 0x00123456u);
}

TEST(LibraryFile, DefinesNoOtherDynamicSymbol) {
    const std::string command = std::string("nm -D --defined-only ") + CORVANE_LIBRARY_PATH;
    FILE* pipe = popen(command.c_str(), "r");
    ASSERT_NE(pipe, nullptr);
    std::set<std::string> defined;
    char line[512];
    while (std::fgets(line, sizeof line, pipe) != nullptr) {
        char name[256];
        if (std::sscanf(line, "%*s %*s %255s", name) == 1) {
            defined.insert(name);
        }
    }
    ASSERT_EQ(pclose(pipe), 0);
    EXPECT_EQ(defined, std::set<std::string>(kExports.begin(), kExports.end()));
}

}  // namespace
