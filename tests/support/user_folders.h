#pragma once

#include "support/temp_dir.h"

#include <filesystem>
#include <string>
#include <vector>

namespace quintaro::test {

// The user's folders of a companion run, each a fresh directory: its settings
// ($XDG_CONFIG_HOME), its downloads and results files ($XDG_CACHE_HOME) and its database
// ($XDG_DATA_HOME), so that a test never touches the real home.
struct UserFolders {
    std::vector<std::string> Environment() const {
        return {"XDG_CONFIG_HOME=" + config.path().string(),
                "XDG_CACHE_HOME=" + cache.path().string(), "XDG_DATA_HOME=" + data.path().string()};
    }
    // Where the program keeps them.
    std::filesystem::path SettingsFile() const { return config / "quintaro" / "settings.reg"; }
    std::filesystem::path Results() const { return cache / "quintaro"; }
    std::filesystem::path Database() const { return data / "quintaro" / "quintaro.sdb"; }

    TempDir config, cache, data;
};

} // namespace quintaro::test
