#include "core/update/results_file.h"

#include <gtest/gtest.h>

namespace quintaro {
namespace {

TEST(DrawNumberPart, TakesTheNumberAfterTheYearWhateverTheCellLength) {
    const std::pair<const char*, const char*> cases[] = {
        {"2008117", "117"},                     // four-digit year
        {"20200050", "050"},                    // the year and its last digit again
        {"20244089", "089"},  {"25045", "045"}, // two-digit year
        {"200811", "11"},                       // other lengths: characters 5 to 7
        {"200811712", "117"}, {"2008", ""},     {"", ""},
    };
    for (const auto& [cell, number] : cases)
        EXPECT_EQ(DrawNumberPart(cell), number) << cell;
}

TEST(Copy, TakesWhatTheTextHas) {
    EXPECT_EQ(Copy("2023117", 5, 3), "117");
    EXPECT_EQ(Copy("2023", 5, 3), "");
    EXPECT_EQ(Copy("20230315", 7, 2), "15");
    EXPECT_EQ(Copy("202303", 5, 9), "03");
}

TEST(SplitCells, SeparatorsQuotesAndControlCharacters) {
    using Cells = std::vector<std::string>;
    struct Case {
        const char* line;
        Cells cells;
    };
    const Case cases[] = {
        {"a;b;c", {"a", "b", "c"}},
        {"a;;c", {"a", "", "c"}},
        {"a;b;", {"a", "b", ""}},
        {";a", {"", "a"}},
        {"", {}},
        {"\"x;y\";z", {"x;y", "z"}},
        {"\"say \"\"hi\"\"\";2", {"say \"hi\"", "2"}},
        {"\"open", {"open"}},
        {"a\tb;c", {"a", "b", "c"}},
        {"\x01\x02"
         "a\x03;b",
         {"a", "b"}},
        {"\"ab\"cd;e", {"ab", "cd", "e"}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(SplitCells(c.line), c.cells) << '"' << c.line << '"';
}

} // namespace
} // namespace quintaro
