#include "fuzz_support.h"

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <stdexcept>
#include <stdlib.h>
#include <string>

namespace quintaro::fuzz {

namespace {

class Folder {
public:
    Folder() {
        std::string pattern =
            (std::filesystem::temp_directory_path() / "quintaro-fuzz-XXXXXX").string();
        if (!mkdtemp(pattern.data()))
            throw std::runtime_error("mkdtemp failed");
        path_ = pattern;
    }
    ~Folder() {
        std::error_code ec;
        std::filesystem::remove_all(path_, ec);
    }
    Folder(const Folder&) = delete;
    Folder& operator=(const Folder&) = delete;
    const std::filesystem::path& path() const { return path_; }

private:
    std::filesystem::path path_;
};

} // namespace

const std::filesystem::path& Workspace() {
    static const Folder folder;
    return folder.path();
}

void WriteInput(const std::filesystem::path& file, const std::uint8_t* data, std::size_t size) {
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
    out.close();
    Require(static_cast<bool>(out), "the input could not be written to the workspace");
}

void EmptyFolder(const std::filesystem::path& folder) {
    std::filesystem::remove_all(folder);
    std::filesystem::create_directories(folder);
}

void Require(bool condition, const char* what) {
    if (condition)
        return;
    std::fprintf(stderr, "invariant broken: %s\n", what);
    std::abort();
}

} // namespace quintaro::fuzz
