#include "core/base/text_util.h"

#include <gtest/gtest.h>

namespace quintaro {
namespace {

TEST(TryParseInt32, AcceptsOnlyWholeDecimalIntegersThatFit) {
    struct Case {
        const char* text;
        std::optional<std::int32_t> expected;
    };
    const Case cases[] = {
        {"6", 6},
        {"+6", 6},
        {"-3", -3},
        {"0", 0},
        {"2147483647", 2147483647},
        {"2147483648", std::nullopt},
        {"", std::nullopt},
        {"6a", std::nullopt},
        {"a6", std::nullopt},
        {" 6", std::nullopt},
        {"+-6", std::nullopt},
        {"+", std::nullopt},
        {"6.0", std::nullopt},
    };
    for (const Case& c : cases)
        EXPECT_EQ(TryParseInt32(c.text), c.expected) << '"' << c.text << '"';
}

TEST(AsciiCase, FoldsAsciiLettersOnly) {
    EXPECT_TRUE(EqualsIgnoringAsciiCase("ListeTirage", "listetirage"));
    EXPECT_FALSE(EqualsIgnoringAsciiCase("listetirage", "listetirages"));
    // Bytes above ASCII are compared as they are.
    EXPECT_FALSE(EqualsIgnoringAsciiCase("\xC9t\xE9", "\xE9t\xE9"));
    EXPECT_EQ(AsciiLower("URL0"), "url0");
}

} // namespace
} // namespace quintaro
