#include "core/app/installation.h"

#include "support/temp_dir.h"

#include <gtest/gtest.h>

namespace quintaro {
namespace {

namespace fs = std::filesystem;

// A prefix with bin/ and share/quintaro/, a user's home and a working folder.
class InstallationTest : public ::testing::Test {
protected:
    InstallationTest() {
        fs::create_directories(prefix / "bin");
        fs::create_directories(prefix / "share" / "quintaro");
        fs::create_directories(work.path());
    }
    InstallationEnvironment Environment() const {
        return {std::nullopt, prefix / "bin", work.path(), "", "", "", home.path().string()};
    }
    test::TempDir prefix, home, work;
};

TEST_F(InstallationTest, TheInstallationIsBesideTheExecutableElseUnderItsPrefix) {
    const fs::path share = prefix / "share" / "quintaro";
    Installation where = LocateInstallation(Environment());
    EXPECT_EQ(where.catalogue, share / "quintaro.INI");
    EXPECT_EQ(where.tables, share / "quintaro.dat");

    // A build tree: the tables lie beside the executable.
    test::WriteFile(prefix / "bin" / "quintaro.dat", "");
    where = LocateInstallation(Environment());
    EXPECT_EQ(where.catalogue, prefix / "bin" / "quintaro.INI");
    EXPECT_EQ(where.tables, prefix / "bin" / "quintaro.dat");
}

TEST_F(InstallationTest, AUserCatalogueReplacesTheInstalledOneUnlessTheFolderIsNamed) {
    const fs::path user = home / ".config" / "quintaro" / "quintaro.INI";
    fs::create_directories(user.parent_path());
    test::WriteFile(user, "");
    InstallationEnvironment env = Environment();
    EXPECT_EQ(LocateInstallation(env).catalogue, user);
    EXPECT_EQ(LocateInstallation(env).tables, prefix / "share" / "quintaro" / "quintaro.dat");

    env.xdgConfigHome = (home / "elsewhere").string();
    EXPECT_EQ(LocateInstallation(env).catalogue, prefix / "share" / "quintaro" / "quintaro.INI");
    fs::create_directories(home / "elsewhere" / "quintaro");
    test::WriteFile(home / "elsewhere" / "quintaro" / "quintaro.INI", "");
    EXPECT_EQ(LocateInstallation(env).catalogue, home / "elsewhere" / "quintaro" / "quintaro.INI");

    env.appDir = work.path();
    EXPECT_EQ(LocateInstallation(env).catalogue, work / "quintaro.INI");
    EXPECT_EQ(LocateInstallation(env).tables, work / "quintaro.dat");
}

TEST_F(InstallationTest, TheUsersFoldersHoldWhatIsWritten) {
    InstallationEnvironment env = Environment();
    Installation where = LocateInstallation(env);
    EXPECT_EQ(where.resultsDir, home / ".cache" / "quintaro");
    EXPECT_EQ(where.database, home / ".local" / "share" / "quintaro" / "quintaro.sdb");

    env.xdgCacheHome = "/var/cache/u";
    env.xdgDataHome = "/var/lib/u";
    where = LocateInstallation(env);
    EXPECT_EQ(where.resultsDir, fs::path("/var/cache/u/quintaro"));
    EXPECT_EQ(where.database, fs::path("/var/lib/u/quintaro/quintaro.sdb"));

    // A working folder that holds a database keeps it, whatever folder the installation is.
    test::WriteFile(work / "quintaro.sdb", "");
    EXPECT_EQ(LocateInstallation(env).database, work / "quintaro.sdb");
    env.appDir = home.path();
    EXPECT_EQ(LocateInstallation(env).database, work / "quintaro.sdb");
    EXPECT_EQ(LocateInstallation(env).resultsDir, fs::path("/var/cache/u/quintaro"));
}

} // namespace
} // namespace quintaro
