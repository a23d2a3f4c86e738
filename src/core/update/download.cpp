#include "core/update/download.h"

#include "core/base/quintaro_error.h"
#include "core/settings/settings_store.h"
#include "core/update/file_paths.h"
#include "core/update/file_search.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <curl/curl.h>
#include <memory>
#include <unistd.h>

namespace quintaro {

namespace {

struct CurlCleanup {
    void operator()(CURL* curl) const { curl_easy_cleanup(curl); }
};

std::size_t WriteBlock(char* data, std::size_t size, std::size_t count, void* file) {
    return std::fwrite(data, size, count, static_cast<std::FILE*>(file)) * size;
}

constexpr const char* kShellFoldersKey =
    "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders";

} // namespace

bool DownloadFile(const std::string& url, const std::string& path, const std::string& userAgent,
                  const DownloadLimits& limits) {
    std::unique_ptr<CURL, CurlCleanup> curl(curl_easy_init());
    if (!curl)
        return false;
    // Whatever lies there goes, a link itself rather than what it points to; the new file is
    // then made where nothing is.
    ::unlink(path.c_str());
    FileHandle file = CreateNewFile(path);
    if (!file)
        throw QuintaroError("Impossible de créer le fichier \"" + path + "\". " +
                            FileFailureReason(errno));

    CURL* c = curl.get();
    curl_easy_setopt(c, CURLOPT_URL, url.c_str());
    curl_easy_setopt(c, CURLOPT_USERAGENT, userAgent.c_str());
    curl_easy_setopt(c, CURLOPT_PROTOCOLS_STR, "http,https,file");
    curl_easy_setopt(c, CURLOPT_REDIR_PROTOCOLS_STR, "http,https");
    curl_easy_setopt(c, CURLOPT_FOLLOWLOCATION, 1L);
    curl_easy_setopt(c, CURLOPT_MAXREDIRS, 10L);
    curl_easy_setopt(c, CURLOPT_FAILONERROR, 1L);
    curl_easy_setopt(c, CURLOPT_CONNECTTIMEOUT, limits.connectTimeoutSeconds);
    curl_easy_setopt(c, CURLOPT_LOW_SPEED_LIMIT, limits.lowSpeedBytesPerSecond);
    curl_easy_setopt(c, CURLOPT_LOW_SPEED_TIME, limits.stallSeconds);
    curl_easy_setopt(c, CURLOPT_NOSIGNAL, 1L);
    curl_easy_setopt(c, CURLOPT_WRITEFUNCTION, WriteBlock);
    curl_easy_setopt(c, CURLOPT_WRITEDATA, file.get());
    const CURLcode result = curl_easy_perform(c);
    const bool written = std::fclose(file.release()) == 0;
    if (result != CURLE_OK || !written) {
        DeleteLongPath(path);
        return false;
    }
    return true;
}

void PurgeWebCache(const std::string& archivePath, const SettingsStore& settings) {
    const std::string folder =
        settings.TypeOf(kShellFoldersKey, "Cache") == SettingsStore::Type::String
            ? settings.ReadString(kShellFoldersKey, "Cache")
            : std::string();
    // This program's HTTP client keeps no cache of its own: without a folder there is nothing.
    if (folder.empty())
        return;
    Trecherche search;
    search.SetRecursive(true);
    search.SetRoot(folder);
    search.SetMask(NamePart(ChangeExtension(archivePath, "*" + ExtensionPart(archivePath))));
    search.Run();
    for (const tFichieritem& item : search.Found())
        DeleteLongPath(item.folder + item.name);
}

} // namespace quintaro
