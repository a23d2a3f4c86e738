// The installation as a user gets it: `cmake --install` into a fresh prefix, then the programs
// run from another folder, the installation left as it was; the menu entry and the metainfo
// validate; the Debian package lists the libraries it needs.
#include "support/process.h"
#include "support/temp_dir.h"
#include "support/user_folders.h"

#include <gtest/gtest.h>
#include <map>

namespace quintaro {
namespace {

namespace fs = std::filesystem;

// What lies under a folder: each entry's path with its size and content.
std::map<std::string, std::string> Snapshot(const fs::path& root) {
    std::map<std::string, std::string> entries;
    for (const auto& entry : fs::recursive_directory_iterator(root)) {
        const std::string name = fs::relative(entry.path(), root).string();
        entries[name] = entry.is_regular_file() ? test::ReadFile(entry.path()) : "<folder>";
    }
    return entries;
}

// Makes every folder under root read-only, or writable again.
void SetWritable(const fs::path& root, bool writable) {
    const auto write = fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write;
    const auto option = writable ? fs::perm_options::add : fs::perm_options::remove;
    for (const auto& entry : fs::recursive_directory_iterator(root))
        if (entry.is_directory())
            fs::permissions(entry.path(), writable ? fs::perms::owner_write : write, option);
    fs::permissions(root, writable ? fs::perms::owner_write : write, option);
}

int Count(const std::string& text, const std::string& what) {
    int n = 0;
    for (std::size_t at = text.find(what); at != std::string::npos; at = text.find(what, at + 1))
        ++n;
    return n;
}

class InstallTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        const test::ProcessResult install = test::RunProcess(
            QUINTARO_CMAKE, {"--install", QUINTARO_BUILD_DIR, "--prefix", Prefix().string()},
            QUINTARO_BUILD_DIR, {});
        ASSERT_EQ(install.status, 0) << install.out << install.err;
    }
    static void TearDownTestSuite() {
        SetWritable(Prefix(), true);
        fs::remove_all(Prefix().parent_path());
    }
    static fs::path Prefix() {
        static const fs::path prefix = [] {
            char pattern[] = "/tmp/quintaro-install-XXXXXX";
            return fs::path(mkdtemp(pattern)) / "usr";
        }();
        return prefix;
    }
    test::ProcessResult Companion(const std::vector<std::string>& args) {
        return test::RunProcess(Prefix() / "bin" / "quintaro-cli", args, work.path(),
                                user.Environment());
    }
    test::TempDir work;
    test::UserFolders user;
};

TEST_F(InstallTest, TheInstalledProgramsRunWithoutWritingUnderThePrefix) {
    for (const char* file :
         {"bin/quintaro", "bin/quintaro-cli", "share/quintaro/quintaro.INI",
          "share/quintaro/quintaro.dat", "share/quintaro/help/index.html",
          "share/quintaro/demo/quintaro.INI", "share/quintaro/demo/quintaro.dat",
          "share/quintaro/demo/archives/loto.zip", "share/applications/fr.velmora.quintaro.desktop",
          "share/metainfo/fr.velmora.quintaro.metainfo.xml",
          "share/icons/hicolor/scalable/apps/fr.velmora.quintaro.svg",
          "share/icons/hicolor/48x48/apps/fr.velmora.quintaro.png",
          "share/man/man1/quintaro-cli.1"})
        EXPECT_TRUE(fs::exists(Prefix() / file)) << file;
    // Read-only for a user; root writes anyway, so what lies there is compared too.
    SetWritable(Prefix(), false);
    const auto before = Snapshot(Prefix());

    const test::ProcessResult start = Companion({"demarrage"});
    EXPECT_EQ(start.status, 0) << start.err;
    EXPECT_TRUE(fs::exists(user.Database()));

    const std::string demo = (Prefix() / "share" / "quintaro" / "demo").string();
    const test::ProcessResult update = Companion({"--app-dir", demo, "maj", "--mode", "internet"});
    EXPECT_EQ(update.status, 0) << update.out << update.err;
    // The nine archives of the demo: one per formula of each game.
    EXPECT_EQ(Count(update.out, " Décompression de " + user.Results().string()), 9) << update.out;
    EXPECT_EQ(Count(update.out, " Ajout terminé"), 9) << update.out;

    EXPECT_EQ(Snapshot(Prefix()), before);
}

// The installation's own catalogue is the operator's, archive after archive: with no file at
// hand each of its fifteen archives is asked for in turn (nothing is fetched).
TEST_F(InstallTest, TheDefaultCatalogueListsTheOperatorsArchives) {
    const test::ProcessResult update =
        Companion({"maj", "--mode", "fichiers", "--dossier", work.path().string()});
    EXPECT_EQ(update.status, 3) << update.out << update.err;
    EXPECT_EQ(Count(update.out, "/!\\ Annulation du chargement de "), 15) << update.out;
    for (const char* csv : {"loto.csv", "sloto.csv", "nouveau_loto.csv", "loto_201911.csv",
                            "superloto_201907.csv", "euromillions_202002.csv"})
        EXPECT_EQ(Count(update.out, std::string(" ") + csv + " par l'utilisateur"), 1) << csv;
    // The demo keeps its own.
    const std::string demo = (Prefix() / "share" / "quintaro" / "demo").string();
    const test::ProcessResult demoUpdate = Companion(
        {"--app-dir", demo, "maj", "--mode", "fichiers", "--dossier", work.path().string()});
    EXPECT_EQ(Count(demoUpdate.out, "/!\\ Annulation du chargement de "), 9) << demoUpdate.out;
    for (const char* csv : {"nouvel_euromillion.csv", "nouvel_euromillion_2016.csv"})
        EXPECT_EQ(Count(demoUpdate.out, std::string(" ") + csv + " par l'utilisateur"), 1) << csv;
}

TEST_F(InstallTest, TheMenuEntryAndTheMetainfoValidate) {
    const fs::path share = Prefix() / "share";
    const test::ProcessResult desktop = test::RunProcess(
        "/usr/bin/desktop-file-validate",
        {(share / "applications" / "fr.velmora.quintaro.desktop").string()}, work.path(), {});
    EXPECT_EQ(desktop.status, 0) << desktop.out << desktop.err;
    const test::ProcessResult metainfo =
        test::RunProcess("/usr/bin/appstreamcli",
                         {"validate", "--no-net",
                          (share / "metainfo" / "fr.velmora.quintaro.metainfo.xml").string()},
                         work.path(), {});
    EXPECT_EQ(metainfo.status, 0) << metainfo.out << metainfo.err;
}

TEST_F(InstallTest, TheDebianPackageListsTheLibrariesItNeeds) {
    const test::ProcessResult package = test::RunProcess(
        QUINTARO_CPACK, {"-G", "DEB", "-B", work.path().string()}, QUINTARO_BUILD_DIR, {});
    ASSERT_EQ(package.status, 0) << package.out << package.err;
    fs::path deb;
    for (const auto& entry : fs::directory_iterator(work.path()))
        if (entry.path().extension() == ".deb")
            deb = entry.path();
    ASSERT_FALSE(deb.empty());
    const test::ProcessResult depends =
        test::RunProcess("/usr/bin/dpkg-deb", {"-f", deb.string(), "Depends"}, work.path(), {});
    for (const char* library : {"libqt6widgets6", "libsqlite3-0", "libcurl4", "libzip4", "libinih1",
                                "qt6-qpa-plugins", "libqt6svg6"})
        EXPECT_NE(depends.out.find(library), std::string::npos) << library << ": " << depends.out;
}

} // namespace
} // namespace quintaro
