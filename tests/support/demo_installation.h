#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace quintaro::test {

// The names of the results files that the catalogue at `catalogueIni` lists, every archive of
// every entry, oldest first.
std::vector<std::string> ResultsFileNames(const std::filesystem::path& catalogueIni);

// Copies the demo installation that the build lays out in `demoDir` into `appDir`: its
// catalogue, its combination tables and every results file the catalogue lists, so that a new
// archive of the demo needs no change in its users.
void CopyDemoInstallation(const std::filesystem::path& demoDir,
                          const std::filesystem::path& appDir);

} // namespace quintaro::test
