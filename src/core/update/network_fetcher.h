#pragma once

#include "core/update/download.h"
#include "core/update/update_driver.h"
#include "core/update/zip_archive.h"

namespace quintaro {

class SettingsStore;

// The Internet mode's fetching: the web-cache purge, the download and the extraction.
class NetworkFetcher : public ArchiveFetcher {
public:
    NetworkFetcher(const SettingsStore& settings, std::string userAgent,
                   ExtractionObserver& observer, DownloadLimits limits = {})
        : settings_(settings), userAgent_(std::move(userAgent)), observer_(observer),
          limits_(limits) {}

    void PurgeWebCache(const std::string& destination) override {
        quintaro::PurgeWebCache(destination, settings_);
    }
    bool DownloadFile(const std::string& url, const std::string& destination) override {
        return quintaro::DownloadFile(url, destination, userAgent_, limits_);
    }
    UnzipResult UnzipToFolder(const std::string& archive, const std::string& folder,
                              const std::string& entryName) override {
        return quintaro::UnzipToFolder(archive, folder, entryName, observer_);
    }

private:
    const SettingsStore& settings_;
    std::string userAgent_;
    ExtractionObserver& observer_;
    DownloadLimits limits_;
};

} // namespace quintaro
