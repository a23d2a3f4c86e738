// A results file read as the import reads it: its lines, the cells of each line, and every
// reading of a cell (integer, date, decimal, the draw number within a "num" cell).
#include "core/base/quintaro_error.h"
#include "core/base/value_reading.h"
#include "core/update/results_file.h"
#include "fuzz_support.h"

#include <algorithm>

using namespace quintaro;

namespace {

template <typename Reading> void TryReading(Reading reading) {
    try {
        reading();
    } catch (const QuintaroError&) {
        // A cell that is not a value of that kind: the import's failure text, nothing worse.
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::filesystem::path file = fuzz::Workspace() / "results.csv";
    fuzz::WriteInput(file, data, size);
    const ResultsText text = ResultsText::Read(file);
    fuzz::Require(text.LineCount() <= size, "more lines than bytes");
    for (std::size_t r = 0; r < text.LineCount(); ++r) {
        const std::string_view line = text.Line(r);
        fuzz::Require(std::none_of(line.begin(), line.end(),
                                   [](char c) { return c == ' ' || c == '\r' || c == '\n'; }),
                      "a line keeps a space or a line end");
        for (const std::string& cell : SplitCells(line)) {
            fuzz::Require(DrawNumberPart(cell).size() <= 3, "a draw number of more than 3 digits");
            TryReading([&] { ReadInteger(cell); });
            TryReading([&] { ReadDate(cell); });
            TryReading([&] { ReadDecimal(cell); });
        }
    }
    return 0;
}
