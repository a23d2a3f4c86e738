#pragma once

#include "update/update_driver.h"

namespace quintaro {

// The Internet mode without a network client: every download fails.
class OfflineFetcher : public ArchiveFetcher {
public:
    void PurgeWebCache(const std::string&) override {}
    bool DownloadFile(const std::string&, const std::string&) override { return false; }
    int UnzipToFolder(const std::string&, const std::string&) override { return 0; }
};

} // namespace quintaro
