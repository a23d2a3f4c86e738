#pragma once

#include <filesystem>
#include <string>

namespace quintaro::test {

// A fresh directory, removed with everything in it at the end of the test.
class TempDir {
public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;
    const std::filesystem::path& path() const { return path_; }
    std::filesystem::path operator/(const std::string& name) const { return path_ / name; }

private:
    std::filesystem::path path_;
};

void WriteFile(const std::filesystem::path& file, const std::string& content);
std::string ReadFile(const std::filesystem::path& file);

// A complete catalogue of the six games.
std::string SixGameCatalogue();

// An installation in appDir: the catalogue of the six games and the combination tables.
void WriteInstallation(const std::filesystem::path& appDir);

} // namespace quintaro::test
