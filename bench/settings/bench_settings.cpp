// Saves the factory galaxy tables to a fresh settings store and loads them back
// (about 3,435 values), printing the median time of each over several rounds.

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include <unistd.h>

#include "platform/registry/settings.h"
#include "settings/factory_presets.h"
#include "settings/registry_transfers.h"

namespace {

constexpr int kRounds = 7;

template <class F>
double MedianMs(F&& run) {
    std::vector<double> times;
    for (int round = 0; round < kRounds; ++round) {
        const auto start = std::chrono::steady_clock::now();
        run();
        times.push_back(std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count());
    }
    std::ranges::sort(times);
    return times[times.size() / 2];
}

}  // namespace

int main() {
    using namespace orbweave;
    const auto root =
        std::filesystem::temp_directory_path() / ("orbweave-bench-settings-" + std::to_string(::getpid()));
    std::filesystem::create_directories(root);
    ::setenv("XDG_CONFIG_HOME", root.c_str(), 1);
    ::setenv("XDG_CONFIG_DIRS", (root / "machine").c_str(), 1);
    ResetSettingsStore();

    InitUniGalaxyNames();
    LoadFactoryDefaults();
    bool saved = true;
    const double saveMs = MedianMs([&] { saved = GalaxyTablesToReg() && saved; });
    const double loadMs = MedianMs([] {
        RegToUniGalaxies(kHiveUser);
        RegToCompGalaxies(kHiveUser);
    });

    ResetSettingsStore();
    std::filesystem::remove_all(root);
    if (!saved) {
        std::fprintf(stderr, "settings save failed\n");
        return 1;
    }
    std::printf("settings save ms=%.2f\n", saveMs);
    std::printf("settings load ms=%.2f\n", loadMs);
    return 0;
}
