#include "core/store/catalogue.h"

#include "core/base/quintaro_error.h"
#include "core/base/text_util.h"
#include "core/store/ini_file.h"

namespace quintaro {

namespace {

std::vector<std::string> SplitAtBars(const std::string& value) {
    std::vector<std::string> parts;
    for (std::size_t start = 0;;) {
        const std::size_t bar = value.find('|', start);
        parts.push_back(value.substr(start, bar - start));
        if (bar == std::string::npos)
            return parts;
        start = bar + 1;
    }
}

// The archives of entry `index` from its url, destination and csv values.
std::vector<ResultsArchive> ArchivesOf(const std::string& index, const std::string& url,
                                       const std::string& destination, const std::string& csv,
                                       const std::string& dirPrefix) {
    const std::vector<std::string> urls = SplitAtBars(url), destinations = SplitAtBars(destination),
                                   csvs = SplitAtBars(csv);
    const std::string keys = "url" + index + ", destination" + index + " et csv" + index;
    if (destinations.size() != urls.size() || csvs.size() != urls.size())
        throw QuintaroError(std::string(kCatalogueMalformed) + " : " + keys +
                            " ne listent pas autant d'archives");
    std::vector<ResultsArchive> archives;
    for (std::size_t k = 0; k < urls.size(); ++k) {
        if (urls[k].empty())
            throw QuintaroError(std::string(kCatalogueMalformed) + " : " + keys +
                                " : une archive sans adresse");
        archives.push_back({urls[k], dirPrefix + destinations[k], dirPrefix + csvs[k]});
    }
    return archives;
}

} // namespace

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
        const std::string url = ini.ReadString("adresse", "url" + index, "");
        const std::string lib = ini.ReadString("adresse", "lib" + index, "");
        if (url.empty() || lib.empty())
            throw QuintaroError(kCatalogueMalformed);
        std::vector<ResultsArchive> archives =
            ArchivesOf(index, url, ini.ReadString("adresse", "destination" + index, ""),
                       ini.ReadString("adresse", "csv" + index, ""), dirPrefix);
        const ResultsArchive first = archives.front();
        cat.SourceCatalogue.push_back(
            {first.url, first.destination, first.csv, lib, std::move(archives)});
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
