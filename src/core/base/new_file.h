#pragma once

#include <cstdio>
#include <filesystem>
#include <memory>
#include <string>
#include <utility>

namespace quintaro {

struct FileCloser {
    void operator()(std::FILE* f) const { std::fclose(f); }
};
using FileHandle = std::unique_ptr<std::FILE, FileCloser>;

// A new file at p, open for writing, created only where nothing lies yet, so that a link put
// there is never written through. Null with errno set when it cannot be created; EISDIR when
// a folder has that name.
FileHandle CreateNewFile(const std::string& p);

// A new file beside target, under a name of its own, for the target's replacement to be
// written into and renamed over it once complete; a null file (errno set) when none can be
// made.
std::pair<std::filesystem::path, FileHandle> CreateFileBeside(const std::filesystem::path& target);

// The French text of a failure to create or write a file.
std::string FileFailureReason(int error);

} // namespace quintaro
