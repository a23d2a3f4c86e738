#include "core/update/file_paths.h"

#include <gtest/gtest.h>

namespace quintaro {
namespace {

TEST(FilePaths, NamesAndExtensions) {
    EXPECT_EQ(ChangeExtension("/a/loto.zip", "*.zip"), "/a/loto*.zip");
    EXPECT_EQ(ChangeExtension("/a.b/loto", "*"), "/a.b/loto*");
    EXPECT_EQ(NamePart("/a/loto.zip"), "loto.zip");
    EXPECT_EQ(NamePart("loto.zip"), "loto.zip");
    EXPECT_EQ(ExtensionPart("/a/loto.zip"), ".zip");
    EXPECT_EQ(ExtensionPart("/a.b/loto"), "");
}

} // namespace
} // namespace quintaro
