#include "core/store/catalogue.h"

#include "core/base/quintaro_error.h"
#include "core/base/text_util.h"
#include "core/store/ini_file.h"

namespace quintaro {

void LoadSourceCatalogue(Catalogue& cat, const std::filesystem::path& iniPath) {
    LoadSourceCatalogue(cat, iniPath, iniPath.parent_path());
}

void LoadSourceCatalogue(Catalogue& cat, const std::filesystem::path& iniPath,
                         const std::filesystem::path& resultsDir) {
    cat.CatalogueIniPath = iniPath.string();
    cat.CatalogueDir = iniPath.parent_path().string();
    cat.ResultsDir = resultsDir.string();
    const IniFile ini = IniFile::Load(iniPath);

    const std::int32_t n = TryParseInt32(ini.ReadString("fichier", "nombre", "")).value_or(0);
    cat.CatalogueCount = n;
    cat.SourceCatalogue.clear();
    cat.SimpleBetPrices.clear();
    if (n == 0)
        throw QuintaroError(kCatalogueMalformed);
    if (n < 0)
        throw QuintaroError(kRangeCheckError);

    // Entries are appended as they are read rather than allocated up front, so a huge count
    // with no entries behind it fails on its first missing entry instead of exhausting memory.
    const std::string dirPrefix = cat.ResultsDir + "/";
    for (std::int32_t i = 0; i < n; ++i) {
        const std::string index = std::to_string(i);
        TlistFiche entry{
            ini.ReadString("adresse", "url" + index, ""),
            dirPrefix + ini.ReadString("adresse", "destination" + index, ""),
            dirPrefix + ini.ReadString("adresse", "csv" + index, ""),
            ini.ReadString("adresse", "lib" + index, ""),
        };
        if (entry.url.empty() || entry.lib.empty())
            throw QuintaroError(kCatalogueMalformed);
        cat.SourceCatalogue.push_back(std::move(entry));
    }
    cat.FrancCurrencyCode = ini.ReadString("devise", "franc", "fr");

    cat.SimpleBetPrices.assign(cat.SourceCatalogue.size(), {});
    for (std::size_t i = 0; i < cat.SimpleBetPrices.size(); ++i) {
        const std::string key = "prix" + std::to_string(i);
        try {
            cat.SimpleBetPrices[i] = ParseBetPrices(ini.ReadString("prix", key, ""));
        } catch (const QuintaroError& e) {
            throw QuintaroError(std::string(kCatalogueMalformed) + " : " + key + " " + e.what());
        }
    }
}

} // namespace quintaro
