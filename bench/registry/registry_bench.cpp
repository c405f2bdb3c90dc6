// Writes 3,500 settings in one transaction, the size of a full bulk transfer,
// then reads them back, in a throw-away settings folder.
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "platform/registry/settings.h"

namespace {

constexpr int kValueCount = 3500;
constexpr int kValuesPerSection = 70;

double MillisecondsSince(std::chrono::steady_clock::time_point start) {
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
}

std::string SectionOf(int i) { return "Universe\\Galaxy" + std::to_string(i / kValuesPerSection); }
std::string NameOf(int i) { return "Galaxy_Value" + std::to_string(i % kValuesPerSection); }

}  // namespace

int main() {
    using namespace orbweave;
    std::string pattern = (std::filesystem::temp_directory_path() / "orbweave-bench-XXXXXX").string();
    if (::mkdtemp(pattern.data()) == nullptr) return 1;
    const std::filesystem::path root(pattern);
    ::setenv("XDG_CONFIG_HOME", (root / "config").c_str(), 1);
    ::setenv("XDG_CONFIG_DIRS", (root / "machine").c_str(), 1);
    ResetSettingsStore();

    // Opening the store (creating the file) is not part of either figure.
    GetSettingString("General", "AnimationType");

    auto start = std::chrono::steady_clock::now();
    bool committed = false;
    {
        SettingsTransaction transaction;
        for (int i = 0; i < kValueCount; ++i) SaveSettingValue(SectionOf(i), NameOf(i), i * 0.25);
        committed = transaction.Commit();
    }
    const double writeMs = MillisecondsSince(start);

    start = std::chrono::steady_clock::now();
    int matching = 0;
    for (int i = 0; i < kValueCount; ++i) {
        matching += GetSettingSingle(SectionOf(i), NameOf(i), -1.0f) == static_cast<float>(i * 0.25) ? 1 : 0;
    }
    const double readMs = MillisecondsSince(start);

    std::printf("registry write3500 ms=%.2f\n", writeMs);
    std::printf("registry read3500 ms=%.2f\n", readMs);
    ResetSettingsStore();
    std::filesystem::remove_all(root);
    if (!committed || matching != kValueCount) {
        std::fprintf(stderr, "registry: %d of %d values read back\n", matching, kValueCount);
        return 1;
    }
    return 0;
}
