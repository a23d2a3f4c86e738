#pragma once

#include "core/datastore/tmd.h"
#include "core/update/network_fetcher.h"
#include "silent_update.h"
#include "support/demo_installation.h"

#include <cstdlib>
#include <filesystem>
#include <memory>
#include <stdexcept>
#include <stdlib.h>
#include <string>

namespace quintaro::bench {

// The update mode that imports the results files lying in the catalogue's folder.
inline constexpr std::int32_t kLocalMode = 7;

// The demo installation in a new folder of the working directory, where the program keeps its
// database; `scale` > 1 writes a history that many times as long over the demo's files.
class Installation {
public:
    explicit Installation(int scale) {
        char pattern[] = "quintaro-bench-XXXXXX";
        dir_ = std::filesystem::absolute(mkdtemp(pattern));
        test::CopyDemoInstallation(QUINTARO_DEMO_DIR, dir_);
        if (scale > 1) {
            const std::string generate =
                (std::filesystem::path(QUINTARO_DEMO_DIR) / "generate_results").string() + " " +
                dir_.string() + " " + std::to_string(scale);
            if (std::system(generate.c_str()) != 0)
                throw std::runtime_error("cannot run " + generate);
        }
        LoadSourceCatalogue(catalogue_, dir_ / "quintaro.INI");
        settings_ = std::make_unique<SettingsStore>(dir_ / "settings.reg");
        md_ = std::make_unique<Tmd>(dir_ / "quintaro.sdb", dir_ / "quintaro.dat", catalogue_,
                                    *settings_, UserDialogs{});
        md_->Connect();
        md_->RegenerateDatabase();
    }
    ~Installation() {
        md_.reset();
        std::filesystem::remove_all(dir_);
    }
    Tmd& md() { return *md_; }
    const Catalogue& catalogue() const { return catalogue_; }
    const SettingsStore& settings() const { return *settings_; }
    const std::filesystem::path& dir() const { return dir_; }

    // Loads the whole history from the results files, as "Maj Total" does.
    void LoadHistory() {
        SilentUpdate host;
        ExtractionObserver quiet;
        NetworkFetcher fetcher(*settings_, "quintaro_bench", quiet);
        UpdateDriver(*md_, catalogue_, host, fetcher).FullReset(kLocalMode);
    }

private:
    std::filesystem::path dir_;
    Catalogue catalogue_;
    std::unique_ptr<SettingsStore> settings_;
    std::unique_ptr<Tmd> md_;
};

} // namespace quintaro::bench
