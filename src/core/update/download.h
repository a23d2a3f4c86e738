#pragma once

#include <string>

namespace quintaro {

class SettingsStore;

// How long a download may wait: a server that does not answer within the connect time-out,
// or that sends less than the low speed for the stall time, fails the download instead of
// holding the program for ever (a server sending a byte now and then would).
struct DownloadLimits {
    long connectTimeoutSeconds = 30;
    long stallSeconds = 60;
    long lowSpeedBytesPerSecond = 1024;
};

// Fetches url (http, https or file) into path, following redirects and the proxy settings of
// the environment, writing the blocks as they come. Whatever lies at the target goes first,
// a link included, and the file is made anew, never through a link. False when the address
// cannot be reached, the answer is an HTTP error (400 and above) or the transfer breaks off;
// the partial file is then removed. A target that cannot be created fails with
// "Impossible de créer le fichier "%s". %s".
bool DownloadFile(const std::string& url, const std::string& path, const std::string& userAgent,
                  const DownloadLimits& limits = {});

// Removes the copies of an archive that the web cache folder holds: the folder is the value
// "Cache" of the key "Software\Microsoft\Windows\CurrentVersion\Explorer\Shell Folders" of the
// settings store. No folder set: nothing to remove. A folder set that does not exist fails
// with "/!\ "<folder>" n'est pas un répertoire valide".
void PurgeWebCache(const std::string& archivePath, const SettingsStore& settings);

} // namespace quintaro
