#include "support/demo_installation.h"

#include "core/store/catalogue.h"

namespace quintaro::test {

std::vector<std::string> ResultsFileNames(const std::filesystem::path& catalogueIni) {
    Catalogue catalogue;
    LoadSourceCatalogue(catalogue, catalogueIni);
    std::vector<std::string> names;
    for (const TlistFiche& entry : catalogue.SourceCatalogue)
        for (const ResultsArchive& archive : entry.archives)
            names.push_back(std::filesystem::path(archive.csv).filename().string());
    return names;
}

void CopyDemoInstallation(const std::filesystem::path& demoDir,
                          const std::filesystem::path& appDir) {
    std::vector<std::string> files = ResultsFileNames(demoDir / "quintaro.INI");
    files.insert(files.end(), {"quintaro.INI", "quintaro.dat"});
    for (const std::string& file : files)
        std::filesystem::copy_file(demoDir / file, appDir / file,
                                   std::filesystem::copy_options::overwrite_existing);
}

} // namespace quintaro::test
