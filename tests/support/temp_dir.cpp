#include "support/temp_dir.h"

#include "core/winnings/combination_table.h"

#include <fstream>
#include <sstream>
#include <stdexcept>
#include <stdlib.h>

namespace quintaro::test {

TempDir::TempDir() {
    std::string pattern =
        (std::filesystem::temp_directory_path() / "quintaro-test-XXXXXX").string();
    if (!mkdtemp(pattern.data()))
        throw std::runtime_error("mkdtemp failed");
    path_ = pattern;
}

TempDir::~TempDir() {
    std::error_code ec;
    std::filesystem::permissions(path_, std::filesystem::perms::owner_all,
                                 std::filesystem::perm_options::add, ec);
    std::filesystem::remove_all(path_, ec);
}

void WriteFile(const std::filesystem::path& file, const std::string& content) {
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    out << content;
    if (!out)
        throw std::runtime_error("cannot write " + file.string());
}

std::string ReadFile(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    std::ostringstream content;
    content << in.rdbuf();
    return content.str();
}

std::string SixGameCatalogue() {
    static const char* labels[] = {"Loto",     "Super Loto",     "Euromillion",
                                   "New Loto", "New Super Loto", "New Euromillion"};
    std::string ini = "[fichier]\nnombre=6\n[adresse]\n";
    for (int i = 0; i < 6; ++i) {
        const std::string n = std::to_string(i);
        ini += "url" + n + "=http://127.0.0.1/r" + n + ".zip\n";
        ini += "destination" + n + "=r" + n + ".zip\n";
        ini += "csv" + n + "=r" + n + ".csv\n";
        ini += "lib" + n + "=" + labels[i] + "\n";
    }
    return ini;
}

void WriteInstallation(const std::filesystem::path& appDir) {
    WriteFile(appDir / "quintaro.INI", SixGameCatalogue());
    const CombinationTable table = CombinationTable::FromRules();
    WriteFile(appDir / "quintaro.dat", std::string(table.Bytes().begin(), table.Bytes().end()));
}

} // namespace quintaro::test
