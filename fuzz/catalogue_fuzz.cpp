// A catalogue read as the start-up reads it, then the column mapping of each of its entries
// as the import reads it.
#include "core/base/quintaro_error.h"
#include "core/store/catalogue.h"
#include "core/store/ini_file.h"
#include "core/update/results_import.h"
#include "fuzz_support.h"

using namespace quintaro;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::filesystem::path file = fuzz::Workspace() / "quintaro.INI";
    fuzz::WriteInput(file, data, size);
    Catalogue catalogue;
    try {
        LoadSourceCatalogue(catalogue, file);
    } catch (const QuintaroError& e) {
        const std::string text = e.what();
        fuzz::Require(text.starts_with(kCatalogueMalformed) || text == kRangeCheckError,
                      "a catalogue failure with another text");
        return 0;
    }
    // A catalogue that loads has every entry it counts, each with an address and a label.
    fuzz::Require(catalogue.CatalogueCount > 0 &&
                      catalogue.SourceCatalogue.size() ==
                          static_cast<std::size_t>(catalogue.CatalogueCount),
                  "a loaded catalogue without its entries");
    const IniFile ini = IniFile::Load(file);
    for (std::size_t i = 0; i < catalogue.SourceCatalogue.size(); ++i) {
        const TlistFiche& entry = catalogue.SourceCatalogue[i];
        fuzz::Require(!entry.url.empty() && !entry.lib.empty(),
                      "an entry without address or label");
        for (const std::string& column : StandardColumns)
            ini.ReadString("fichier" + std::to_string(i), column, "na");
    }
    return 0;
}
