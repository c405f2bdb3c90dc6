// Points the settings store at a fresh temporary folder for the life of one
// object: XDG_CONFIG_HOME (the user's hive), XDG_CONFIG_DIRS (the machine's)
// and XDG_DATA_HOME, each a folder under it. The previous environment and the
// open stores are put back on destruction.
#pragma once

#include <cstdlib>
#include <filesystem>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "platform/registry/settings.h"

namespace orbweave::testing {

class ScopedConfig {
public:
    ScopedConfig() {
        std::string pattern = (std::filesystem::temp_directory_path() / "orbweave-test-XXXXXX").string();
        root_ = ::mkdtemp(pattern.data());
        Set("XDG_CONFIG_HOME", root_ / "config");
        Set("XDG_CONFIG_DIRS", root_ / "machine");
        Set("XDG_DATA_HOME", root_ / "data");
        ResetSettingsStore();
    }
    ~ScopedConfig() {
        ResetSettingsStore();
        for (auto it = saved_.rbegin(); it != saved_.rend(); ++it) {
            if (it->second) {
                ::setenv(it->first.c_str(), it->second->c_str(), 1);
            } else {
                ::unsetenv(it->first.c_str());
            }
        }
        std::error_code ignored;
        std::filesystem::remove_all(root_, ignored);
    }
    ScopedConfig(const ScopedConfig&) = delete;
    ScopedConfig& operator=(const ScopedConfig&) = delete;

    const std::filesystem::path& Root() const { return root_; }

    // Changes one variable until destruction (the first value seen is the
    // one restored) and closes the stores so the change takes effect.
    void Set(const std::string& name, const std::filesystem::path& value) {
        Save(name);
        ::setenv(name.c_str(), value.c_str(), 1);
        ResetSettingsStore();
    }
    // Removes one variable until destruction, as Set changes it.
    void Unset(const std::string& name) {
        Save(name);
        ::unsetenv(name.c_str());
        ResetSettingsStore();
    }

private:
    void Save(const std::string& name) {
        for (const auto& entry : saved_) {
            if (entry.first == name) return;
        }
        const char* old = std::getenv(name.c_str());
        saved_.emplace_back(name, old ? std::optional<std::string>(old) : std::nullopt);
    }

    std::filesystem::path root_;
    std::vector<std::pair<std::string, std::optional<std::string>>> saved_;
};

}  // namespace orbweave::testing
