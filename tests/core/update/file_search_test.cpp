#include "core/update/file_search.h"

#include <gtest/gtest.h>

namespace quintaro {
namespace {

TEST(MatchesMask, StarsQuestionMarksAndLetterCase) {
    struct Case {
        std::string name; // owned: a case may build its name
        const char* mask;
        bool matches;
    };
    const Case cases[] = {
        {"loto.zip", "loto*.zip", true},
        {"Loto[1].ZIP", "loto*.zip", true},
        {"loto.zip.bak", "loto*.zip", false},
        {"lotos.txt", "loto*.zip", false},
        {"", "*", true},
        {"", "", true},
        {"a", "", false},
        {"", "**", false},
        {"abc", "a?c", true},
        {"ac", "a?c", false},
        {"anything", "*", true},
        {"abab", "*ab", true},
        {std::string(60, 'a'), "*a*a*a*a*a*a*a*a*b", false},
    };
    for (const Case& c : cases)
        EXPECT_EQ(MatchesMask(c.name, c.mask), c.matches) << c.name << " ~ " << c.mask;
}

} // namespace
} // namespace quintaro
