// A grid export file read as the import reads it; what it holds, written back as the export
// writes it, reads back the same.
#include "core/grids/grid_file.h"
#include "fuzz_support.h"

#include <string_view>

using namespace quintaro;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const GridFileRead read =
        ParseGridFile(std::string_view(reinterpret_cast<const char*>(data), size));
    if (read.outcome != GridFileRead::Outcome::Read)
        return 0;
    std::array<GridList, kGameTypeCount> grids;
    for (std::size_t t = 0; t < grids.size(); ++t)
        if (read.lists[t])
            grids[t] = *read.lists[t];
    const std::filesystem::path file = fuzz::Workspace() / "grilles.vavuze";
    WriteGridFile(file, grids);
    const GridFileRead again = ReadGridFile(file);
    fuzz::Require(again.outcome == GridFileRead::Outcome::Read, "a written file that reads badly");
    for (std::size_t t = 0; t < grids.size(); ++t)
        fuzz::Require(again.lists[t] && *again.lists[t] == grids[t],
                      "grids that do not read back as written");
    return 0;
}
